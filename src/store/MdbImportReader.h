#pragma once

#include "store/MdbImportSource.h"

#include <memory>

// A Jet (Access) file of any version, read through the mdbtools library: the user tables with
// their columns and every row. Texts arrive as Unicode whatever the file's code page or
// compression; numbers, amounts and dates from their stored bytes, so nothing goes through a
// printed form; pictures and OLE objects byte for byte.
// A truncated or damaged file is a failure, never a shorter table: the rows read are checked
// against the count the file states, and long values against their stored length.
class MdbImportReader : public MdbImportSource {
public:
    MdbImportReader();
    ~MdbImportReader() override;
    MdbImportReader(const MdbImportReader&) = delete;
    MdbImportReader& operator=(const MdbImportReader&) = delete;

    bool open(const QString& file);
    // 3 for Jet 3 (Access 97), 4 for Jet 4 (Access 2000-2003), 0 when closed.
    int jetVersion() const;

    QList<Table> tables() override;
    bool beginRows(const Table& table) override;
    bool nextRow(QVariantList& values) override;
    QString errorText() const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
