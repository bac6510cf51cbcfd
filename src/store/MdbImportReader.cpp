// The library's headers first, glib before them: mdbtools.h includes glib inside an extern "C"
// block, where glib's C++ parts cannot stand.
#include <QCoreApplication>
#include <glib.h>
#include <mdbtools.h>

#include "store/MdbImportReader.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <vector>

namespace {

// Room for one converted text value. Notes of this program hold at most 150000 characters
// (450000 bytes of UTF-8); a longer value is refused rather than cut.
constexpr size_t kBindSize = size_t(1) << 20;
constexpr guint32 kLengthMask = 0x3fffffff;
constexpr guint32 kInline = 0x80000000;

QString damaged(const QString& file, const QString& why) {
    return QCoreApplication::translate("MdbImportReader",
                                       "il file %1 è troncato o danneggiato (%2)")
        .arg(file, why);
}

bool typeOf(int jetType, MdbImportSource::Type* type) {
    using T = MdbImportSource::Type;
    switch (jetType) {
    case MDB_BOOL:
        *type = T::Bool;
        return true;
    case MDB_BYTE:
        *type = T::Byte;
        return true;
    case MDB_INT:
        *type = T::Int16;
        return true;
    case MDB_LONGINT:
    case MDB_COMPLEX:
        *type = T::Int32;
        return true;
    case MDB_MONEY:
        *type = T::Currency;
        return true;
    case MDB_FLOAT:
        *type = T::Float;
        return true;
    case MDB_DOUBLE:
        *type = T::Double;
        return true;
    case MDB_DATETIME:
        *type = T::DateTime;
        return true;
    case MDB_BINARY:
        *type = T::Binary;
        return true;
    case MDB_TEXT:
        *type = T::Text;
        return true;
    case MDB_OLE:
        *type = T::Ole;
        return true;
    case MDB_MEMO:
        *type = T::Memo;
        return true;
    case MDB_REPID:
        *type = T::Guid;
        return true;
    case MDB_NUMERIC:
        *type = T::Numeric;
        return true;
    default:
        return false;
    }
}

// The columns whose values come through the library's conversion into a bound buffer: texts
// (code pages, compression), the decimal and identifier forms, and the header of a long value.
bool isBound(MdbImportSource::Type type) {
    using T = MdbImportSource::Type;
    return type == T::Text || type == T::Memo || type == T::Guid || type == T::Numeric ||
           type == T::Ole;
}

} // namespace

struct MdbImportReader::Private {
    QString file;
    MdbHandle* mdb = nullptr;
    qint64 pageCount = 0;
    std::vector<MdbTableDef*> defs;
    QString error;

    // The table being read.
    MdbTableDef* current = nullptr;
    Table table;
    std::vector<char*> buffers;
    qint64 rowsRead = 0;

    ~Private() {
        endRows();
        for (MdbTableDef* t : defs)
            mdb_free_tabledef(t);
        if (mdb)
            mdb_close(mdb);
    }

    void endRows() {
        if (current)
            for (unsigned i = 0; i < current->num_cols; ++i) {
                auto* col = static_cast<MdbColumn*>(g_ptr_array_index(current->columns, i));
                col->bind_ptr = nullptr;
                col->len_ptr = nullptr;
            }
        for (char* b : buffers)
            g_free(b);
        buffers.clear();
        current = nullptr;
    }

    MdbColumn* column(int i) const {
        return static_cast<MdbColumn*>(g_ptr_array_index(current->columns, i));
    }

    // A long value's first page lies inside the file.
    bool pageInFile(const unsigned char* header) const {
        const guint32 length = guint32(mdb_get_int32(const_cast<unsigned char*>(header), 0));
        if (length & kInline)
            return true;
        const guint32 pgRow = guint32(mdb_get_int32(const_cast<unsigned char*>(header), 4));
        return qint64(pgRow >> 8) < pageCount;
    }

    // Every page of a long value is there: its stored length is all found along its chain of
    // pages (the library would return what it found and say nothing).
    bool chainComplete(const unsigned char* header) {
        auto* h = const_cast<unsigned char*>(header);
        const guint32 word = guint32(mdb_get_int32(h, 0));
        const guint32 length = word & kLengthMask;
        if (word & kInline)
            return true;
        const bool singlePage = (word & 0x40000000) != 0;
        guint32 pgRow = guint32(mdb_get_int32(h, 4));
        qint64 found = 0;
        for (int pages = 0; pgRow != 0 && pages <= pageCount; ++pages) {
            if (qint64(pgRow >> 8) >= pageCount)
                return false;
            void* buf = nullptr;
            int start = 0;
            size_t size = 0;
            if (mdb_find_pg_row(mdb, int(pgRow), &buf, &start, &size) != 0)
                return false;
            if (singlePage)
                return size >= length;
            if (size < 4)
                return false;
            found += qint64(size) - 4;
            pgRow = guint32(mdb_get_int32(buf, start));
        }
        return found >= length;
    }

    bool fail(const QString& why) {
        error = damaged(file, why);
        return false;
    }

    bool readValue(int i, QVariant* value);
    bool readOle(int i, QVariant* value);
};

MdbImportReader::MdbImportReader() : d(std::make_unique<Private>()) {}

MdbImportReader::~MdbImportReader() = default;

bool MdbImportReader::open(const QString& file) {
    d = std::make_unique<Private>();
    d->file = QFileInfo(file).fileName();
    const QFileInfo info(file);
    if (!info.isFile()) {
        d->error =
            QCoreApplication::translate("MdbImportReader", "il file %1 non esiste").arg(file);
        return false;
    }
    d->mdb = mdb_open(QFile::encodeName(info.absoluteFilePath()).constData(), MDB_NOFLAGS);
    if (!d->mdb) {
        d->error = QCoreApplication::translate("MdbImportReader",
                                               "il file %1 non è un archivio Access leggibile")
                       .arg(d->file);
        return false;
    }
    mdb_set_bind_size(d->mdb, kBindSize);
    const qint64 pageSize = d->mdb->fmt->pg_size;
    if (pageSize <= 0 || info.size() % pageSize != 0)
        return d->fail(
            QCoreApplication::translate(
                "MdbImportReader", "la sua lunghezza non è un multiplo della pagina di %1 byte")
                .arg(pageSize));
    d->pageCount = info.size() / pageSize;
    return true;
}

int MdbImportReader::jetVersion() const {
    if (!d->mdb)
        return 0;
    return IS_JET3(d->mdb) ? 3 : 4;
}

QString MdbImportReader::errorText() const {
    return d->error;
}

QList<MdbImportSource::Table> MdbImportReader::tables() {
    QList<Table> result;
    if (!d->mdb) {
        if (d->error.isEmpty())
            d->error = QCoreApplication::translate("MdbImportReader", "nessun file aperto");
        return result;
    }
    d->endRows();
    for (MdbTableDef* t : d->defs)
        mdb_free_tabledef(t);
    d->defs.clear();
    // The catalog is a table too, which the library ends at a page it cannot read without a
    // word: a short catalog would make a short archive.
    {
        MdbTableDef* objects =
            mdb_read_table_by_name(d->mdb, const_cast<gchar*>("MSysObjects"), MDB_TABLE);
        qint64 rows = 0;
        const bool read = objects && mdb_read_columns(objects);
        if (read) {
            mdb_rewind_table(objects);
            while (mdb_fetch_row(objects))
                ++rows;
        }
        const bool complete = read && rows == qint64(objects->num_rows);
        if (objects)
            mdb_free_tabledef(objects);
        if (!complete) {
            d->fail(QCoreApplication::translate("MdbImportReader",
                                                "il catalogo delle tabelle è incompleto"));
            return result;
        }
    }
    GPtrArray* catalog = mdb_read_catalog(d->mdb, MDB_TABLE);
    if (!catalog) {
        d->fail(QCoreApplication::translate("MdbImportReader",
                                            "il catalogo delle tabelle non si legge"));
        return result;
    }
    for (unsigned i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry))
            continue;
        const QString name = QString::fromUtf8(entry->object_name);
        MdbTableDef* def = mdb_read_table(entry);
        if (!def || !mdb_read_columns(def)) {
            if (def)
                mdb_free_tabledef(def);
            d->fail(QCoreApplication::translate("MdbImportReader", "la tabella %1 non si legge")
                        .arg(name));
            return {};
        }
        d->defs.push_back(def);
        Table table;
        table.name = name;
        table.rowCount = def->num_rows;
        for (unsigned c = 0; c < def->num_cols; ++c) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(def->columns, c));
            Column column;
            column.name = QString::fromUtf8(col->name);
            if (!typeOf(col->col_type, &column.type)) {
                d->error =
                    QCoreApplication::translate(
                        "MdbImportReader", "la colonna %1 della tabella %2 è di un tipo (%3) che "
                                           "l'importazione non conosce")
                        .arg(column.name, name)
                        .arg(col->col_type);
                return {};
            }
            // Jet 4 keeps texts as UTF-16: its sizes are in bytes.
            if (column.type == Type::Text)
                column.width = IS_JET3(d->mdb) ? col->col_size : col->col_size / 2;
            column.precision = col->col_prec;
            column.scale = col->col_scale;
            column.autoNumber = col->is_long_auto != 0;
            table.columns.append(column);
        }
        result.append(table);
    }
    return result;
}

bool MdbImportReader::beginRows(const Table& table) {
    d->endRows();
    d->error.clear();
    for (MdbTableDef* def : d->defs)
        if (QString::fromUtf8(def->entry->object_name) == table.name)
            d->current = def;
    if (!d->current) {
        d->error = QCoreApplication::translate("MdbImportReader", "la tabella %1 non esiste")
                       .arg(table.name);
        return false;
    }
    if (int(d->current->num_cols) != table.columns.size()) {
        d->current = nullptr;
        d->error = QCoreApplication::translate("MdbImportReader", "la tabella %1 è cambiata")
                       .arg(table.name);
        return false;
    }
    d->table = table;
    d->rowsRead = 0;
    mdb_rewind_table(d->current);
    for (int i = 0; i < table.columns.size(); ++i) {
        if (!isBound(table.columns.at(i).type))
            continue;
        char* buffer = static_cast<char*>(g_malloc0(kBindSize));
        d->buffers.push_back(buffer);
        mdb_bind_column(d->current, i + 1, buffer, nullptr);
    }
    return true;
}

bool MdbImportReader::Private::readValue(int i, QVariant* value) {
    using T = Type;
    MdbColumn* col = column(i);
    const Column& c = table.columns.at(i);
    // A yes/no value lives in the row's null mask: the library says "null" for false.
    if (c.type == T::Bool) {
        *value = col->cur_value_len == 0;
        return true;
    }
    if (col->cur_value_len == 0) {
        *value = QVariant();
        return true;
    }
    unsigned char* buf = mdb->pg_buf;
    const int start = col->cur_value_start;
    switch (c.type) {
    case T::Byte:
        *value = int(buf[start]);
        return true;
    case T::Int16:
        *value = int(qint16(mdb_get_int16(buf, start)));
        return true;
    case T::Int32:
        *value = int(qint32(mdb_get_int32(buf, start)));
        return true;
    case T::Float:
        *value = mdb_get_single(buf, start);
        return true;
    case T::Double:
    case T::DateTime:
        *value = mdb_get_double(buf, start);
        return true;
    case T::Currency:
        *value = qlonglong(qFromLittleEndian<qint64>(buf + start));
        return true;
    case T::Binary:
        *value = QByteArray(reinterpret_cast<const char*>(buf + start), col->cur_value_len);
        return true;
    case T::Memo: {
        const auto* bound = static_cast<const char*>(col->bind_ptr);
        const size_t size = strlen(bound);
        if (size >= kBindSize - 1) {
            error =
                QCoreApplication::translate(
                    "MdbImportReader", "un testo della colonna %1 della tabella %2 supera %3 byte")
                    .arg(c.name, table.name)
                    .arg(kBindSize - 1);
            return false;
        }
        const guint32 stored = guint32(mdb_get_int32(buf, start)) & kLengthMask;
        if (!pageInFile(buf + start) || (stored > 0 && size == 0) || !chainComplete(buf + start))
            return fail(QCoreApplication::translate("MdbImportReader",
                                                    "un testo della tabella %1 non si legge")
                            .arg(table.name));
        *value = size ? QVariant(QString::fromUtf8(bound, qsizetype(size))) : QVariant();
        return true;
    }
    case T::Text:
    case T::Guid:
    case T::Numeric: {
        const QString text = QString::fromUtf8(static_cast<const char*>(col->bind_ptr));
        *value = text.isEmpty() ? QVariant() : QVariant(text);
        return true;
    }
    case T::Ole:
    case T::Bool:
        break;
    }
    return true;
}

bool MdbImportReader::Private::readOle(int i, QVariant* value) {
    MdbColumn* col = column(i);
    if (col->cur_value_len == 0) {
        *value = QVariant();
        return true;
    }
    auto* header = static_cast<unsigned char*>(col->bind_ptr);
    const guint32 stored = guint32(mdb_get_int32(header, 0)) & kLengthMask;
    if (stored == 0) {
        *value = QVariant();
        return true;
    }
    if (!pageInFile(header))
        return fail(QCoreApplication::translate("MdbImportReader",
                                                "un oggetto della tabella %1 non si legge")
                        .arg(table.name));
    size_t size = 0;
    void* data = mdb_ole_read_full(mdb, col, &size);
    const QByteArray bytes(static_cast<const char*>(data), qsizetype(size));
    free(data);
    if (size != stored)
        return fail(
            QCoreApplication::translate("MdbImportReader",
                                        "un oggetto della colonna %1 della tabella %2 ha %3 byte "
                                        "invece di %4")
                .arg(table.columns.at(i).name, table.name)
                .arg(size)
                .arg(stored));
    *value = bytes;
    return true;
}

bool MdbImportReader::nextRow(QVariantList& values) {
    if (!d->current) {
        if (d->error.isEmpty())
            d->error = QCoreApplication::translate("MdbImportReader", "nessuna tabella in lettura");
        return false;
    }
    if (!mdb_fetch_row(d->current)) {
        // The library ends a table at a page it cannot read as at its end.
        if (d->rowsRead != qint64(d->current->num_rows))
            d->fail(QCoreApplication::translate("MdbImportReader",
                                                "la tabella %1 ha %2 righe, se ne leggono %3")
                        .arg(d->table.name)
                        .arg(d->current->num_rows)
                        .arg(d->rowsRead));
        d->endRows();
        return false;
    }
    ++d->rowsRead;
    const int count = d->table.columns.size();
    values.resize(count);
    // The fixed values are read from the row's page first: reading a long value pages through
    // the file.
    for (int i = 0; i < count; ++i)
        if (d->table.columns.at(i).type != Type::Ole && !d->readValue(i, &values[i]))
            return false;
    for (int i = 0; i < count; ++i)
        if (d->table.columns.at(i).type == Type::Ole && !d->readOle(i, &values[i]))
            return false;
    return true;
}
