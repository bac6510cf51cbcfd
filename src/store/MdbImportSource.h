#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

// The tables and rows of an archive of the Windows program (a Jet file), as the import reads
// them. MdbImportReader reads a real file; tests give their own.
class MdbImportSource {
public:
    // The Jet column types, each with the form its values arrive in (a null value is a null
    // QVariant whatever the type).
    enum class Type {
        Bool,     // bool (never null in Jet)
        Byte,     // int, 0..255
        Int16,    // int
        Int32,    // int
        Float,    // float
        Double,   // double
        Currency, // qlonglong, ten-thousandths
        DateTime, // double, days since 30 December 1899 (fraction = time of day)
        Text,     // QString
        Memo,     // QString
        Guid,     // QString "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
        Numeric,  // QString, the exact decimal
        Binary,   // QByteArray
        Ole,      // QByteArray (pictures and OLE objects, byte for byte)
    };

    struct Column {
        QString name;
        Type type = Type::Text;
        int width = 0;     // characters, for Text
        int precision = 0; // for Numeric
        int scale = 0;     // for Numeric
        bool autoNumber = false;
    };

    struct Table {
        QString name;
        QList<Column> columns;
        qint64 rowCount = 0; // as the file states it; the progress goes by it
    };

    virtual ~MdbImportSource() = default;

    // The user tables, system tables left out. An empty list with a non-empty errorText() is a
    // failure.
    virtual QList<Table> tables() = 0;
    // Starts reading one table's rows from the first.
    virtual bool beginRows(const Table& table) = 0;
    // The next row's values, one per column in the table's order. False at the end of the table
    // and on a failure (errorText() is then non-empty).
    virtual bool nextRow(QVariantList& values) = 0;
    virtual QString errorText() const = 0;
};
