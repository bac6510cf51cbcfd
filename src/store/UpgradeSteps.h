#pragma once

#include "store/Schema.h"

#include <QString>
#include <vector>

// The schema's history: what each version added, as the steps that bring an archive from one
// version to the next. Both dialects' texts come from the same description, so they cannot
// drift apart; PostgreSQL catalogs start at version 18, so earlier steps exist for SQLite only.
namespace UpgradeSteps {

// The first version PostgreSQL catalogs have ever had.
constexpr int kFirstPostgresVersion = 18;
// The step whose data migration moves the classifications into tables of their own.
constexpr int kMigrationStep = 17;

struct Operation {
    enum class Kind { AddColumn, CreateTable, Statement, Widen };
    Kind kind;
    QString table;
    // AddColumn, Widen: one column (Widen: the new width); CreateTable: every column.
    std::vector<Schema::Column> columns;
    // Statement: the SQLite text and, from version 18 on, the PostgreSQL one.
    QString sqlite;
    QString postgres;
};

struct Step {
    // The version this step upgrades from; the first one also serves every version below it.
    int from;
    std::vector<Operation> operations;
};

// In order, from the first step (version 1 or less) to the step from version 19.
const std::vector<Step>& Steps();

// The statement that performs an operation in a dialect (empty for Widen, which is not one
// statement on SQLite, and for an operation the dialect has no text for).
QString StatementText(const Operation& operation, Schema::Dialect dialect);

} // namespace UpgradeSteps
