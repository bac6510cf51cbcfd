#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The one schema source: the template database is generated from it at build time and new
// PostgreSQL catalogs are created from it.
namespace Schema {

constexpr int kCurrentVersion = 20;

enum class ColumnType {
    Counter,
    Integer,
    SmallInt,
    Real,
    Currency,
    DateTime,
    Text,
    Memo,
    Bit,
    LongBinary
};
enum class Dialect { SQLite, PostgreSQL };

struct Column {
    const char* name;
    ColumnType type;
    int width = 0; // characters, for Text
};

struct Table {
    const char* name;
    std::vector<Column> columns;
};

struct Index {
    const char* table;
    const char* column;
    // Further key columns, so that the hot query the index serves reads no table row.
    const char* also = nullptr;
    // In alphabetical order without regard to case (TextOrder): the lists' order and the
    // look-ups that ignore case. Named IX_<table>_<column>_Alfa.
    bool alphabetical = false;
    // An index on an expression instead of the column, in each dialect's text; the column then
    // only names the index.
    const char* sqliteTerm = nullptr;
    const char* postgresTerm = nullptr;
};

struct Unit {
    const char* sigla;
    const char* descrizione;
};

const std::vector<Table>& Tables();
const std::vector<Index>& Indexes();
// The indexes in alphabetical order, which an archive made by an earlier build may lack.
const std::vector<Index>& AlphabeticalIndexes();
const std::vector<Unit>& StarterUnits();

const Table* FindTable(const QString& name);
const Column* FindColumn(const QString& table, const QString& column);

QString IndexName(const Index& index);
QString CreateIndexStatement(const Index& index, Dialect dialect);

QString ColumnTypeText(ColumnType type, int width, Dialect dialect);
QString CreateTableStatement(const Table& table, Dialect dialect);
// Every statement that builds an empty archive at the current version: tables, indexes,
// starter units of measure and the version row.
QStringList CreateStatements(Dialect dialect);

} // namespace Schema
