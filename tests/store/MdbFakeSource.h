#pragma once

#include "store/MdbImportSource.h"
#include "store/Schema.h"

#include <QMap>

// A Jet file made up in memory: tables, rows, and optionally a read failure after some rows.
class MdbFakeSource : public MdbImportSource {
public:
    QList<Table> list;
    QMap<QString, QList<QVariantList>> rows;
    QString failTable;
    int failAfter = -1;

    QList<Table> tables() override { return list; }
    bool beginRows(const Table& table) override {
        m_table = table.name;
        m_rows = rows.value(table.name);
        m_pos = 0;
        m_error.clear();
        return true;
    }
    bool nextRow(QVariantList& values) override {
        if (m_table == failTable && m_pos == failAfter) {
            m_error = QStringLiteral("pagina illeggibile");
            return false;
        }
        if (m_pos >= m_rows.size())
            return false;
        values = m_rows.at(m_pos++);
        return true;
    }
    QString errorText() const override { return m_error; }

    void addTable(const QString& name, const QList<Column>& columns,
                  const QList<QVariantList>& data = {}) {
        list.append({name, columns, data.size()});
        rows.insert(name, data);
    }

    // An archive of the program as the Windows program kept it, at a given version: every
    // table of the schema, and the version row.
    static MdbFakeSource Quarzil(int version) {
        MdbFakeSource s;
        for (const Schema::Table& t : Schema::Tables()) {
            QList<Column> columns;
            for (const Schema::Column& c : t.columns)
                columns.append(column(c));
            s.addTable(QLatin1String(t.name), columns);
        }
        s.rows[QStringLiteral("Informazioni")] = {{version}};
        s.setRowCount(QStringLiteral("Informazioni"));
        return s;
    }

    void setRowCount(const QString& table) {
        for (Table& t : list)
            if (t.name == table)
                t.rowCount = rows.value(table).size();
    }

    // A row of a table with the named values, the others null.
    void addRow(const QString& table, const QMap<QString, QVariant>& values) {
        for (const Table& t : list)
            if (t.name == table) {
                QVariantList row;
                for (const Column& c : t.columns)
                    row << values.value(c.name);
                rows[table].append(row);
            }
        setRowCount(table);
    }

private:
    static Column column(const Schema::Column& c) {
        using S = Schema::ColumnType;
        Column out;
        out.name = QLatin1String(c.name);
        switch (c.type) {
        case S::Counter:
            out.type = Type::Int32;
            out.autoNumber = true;
            break;
        case S::Integer:
            out.type = Type::Int32;
            break;
        case S::SmallInt:
            out.type = Type::Int16;
            break;
        case S::Real:
            out.type = Type::Float;
            break;
        case S::Currency:
            out.type = Type::Currency;
            break;
        case S::DateTime:
            out.type = Type::DateTime;
            break;
        case S::Text:
            out.type = Type::Text;
            out.width = c.width;
            break;
        case S::Memo:
            out.type = Type::Memo;
            break;
        case S::Bit:
            out.type = Type::Bool;
            break;
        case S::LongBinary:
            out.type = Type::Ole;
            break;
        }
        return out;
    }

    QString m_table;
    QList<QVariantList> m_rows;
    int m_pos = 0;
    QString m_error;
};
