#include "exchange/ItemExport.h"
#include <QCoreApplication>

#include "company/Formats.h"
#include "exchange/CsvText.h"
#include "items/Classifications.h"
#include "print/ItemReportData.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QSqlQuery>

namespace {

constexpr char kCrLf[] = "\r\n";

// The decimal symbol the formats give a number, found between the digits of 1.5.
QString DecimalSymbol(const QString& sample) {
    const qsizetype one = sample.indexOf(u'1');
    const qsizetype five = sample.indexOf(u'5', one + 1);
    if (one < 0 || five != one + 2)
        return QStringLiteral(".");
    return sample.mid(one + 1, 1);
}

QString XmlText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QStringLiteral("&amp;");
            break;
        case '<':
            out += QStringLiteral("&lt;");
            break;
        case '>':
            out += QStringLiteral("&gt;");
            break;
        case '"':
            out += QStringLiteral("&quot;");
            break;
        case '\'':
            out += QStringLiteral("&apos;");
            break;
        default:
            // XML 1.0 has no way to write the other control codes; they are dropped.
            if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r')
                out += c;
            else if (c.unicode() != 0)
                out += u' ';
        }
    }
    return out;
}

struct Row {
    QString code, description, barcode, supplierCode, unit;
    int category = 0, group = 0, department = 0, shelf = 0;
    CurrencyAmount price;
    std::optional<float> vat, minimum, loaded, unloaded, returned, stock, reorder;
    QByteArray picture;
};

} // namespace

ItemExport::Format ItemExport::FormatOf(const QString& file) {
    return QFileInfo(file).suffix().compare(QStringLiteral("xml"), Qt::CaseInsensitive) == 0
               ? Format::Xml
               : Format::Csv;
}

ItemExport::ItemExport(Database& db, const Profile& profile) : m_db(db), m_profile(profile) {}

QString ItemExport::Heading() {
    return QStringLiteral("Matricola;Descrizione;Codice a Barre;Codice Fornitore;Categoria;Gruppo;"
                          "Reparto;Scaffale;Prezzo;I.V.A.;Un.Mis.;Qt.Min.;Carichi;Scarichi;Resi;"
                          "Giacenza;Riordino");
}

QString ItemExport::PictureName(const QString& code) {
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty())
        return QString();
    QString name;
    name.reserve(trimmed.size());
    // Characters no file system of a web server or a shop's Windows computer takes in a name,
    // and the path separators, which would put the picture outside the folder.
    static const QString unsafe = QStringLiteral("<>:\"/\\|?*");
    for (const QChar c : trimmed)
        name += (c.unicode() < 0x20 || unsafe.contains(c)) ? QChar(u'_') : c;
    return name + QStringLiteral(".jpg");
}

QString ItemExport::AmountText(const Profile& profile, const CurrencyAmount& amount) {
    if (!amount.isValid())
        return QString();
    QString text = amount.toDecimalString(); // four decimals
    while (text.endsWith(u'0') && text.indexOf(u'.') < text.size() - 3)
        text.chop(1);
    const QString symbol =
        DecimalSymbol(FormatCurrency(profile, CurrencyAmount::fromUnits(15000), 1));
    return text.replace(u'.', symbol);
}

QString ItemExport::NumberText(const Profile& profile, const std::optional<float>& value) {
    if (!value)
        return QString();
    QString text = QString::number(Record::StoredReal(*value), 'f', QLocale::FloatingPointShortest);
    const QString symbol = DecimalSymbol(FormatNumber(profile, 1.5, 1));
    return text.replace(u'.', symbol);
}

QByteArray ItemExport::NoImageJpeg() {
    static const QByteArray jpeg = [] {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(QColor(236, 236, 236));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(190, 190, 190), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(30, 45, 140, 110), 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 200, 200));
        p.drawEllipse(QPointF(130, 80), 14, 14);
        p.setBrush(QColor(176, 176, 176));
        p.drawPolygon(QPolygonF({QPointF(38, 147), QPointF(85, 90), QPointF(120, 147)}));
        p.drawPolygon(QPolygonF({QPointF(95, 147), QPointF(130, 110), QPointF(162, 147)}));
        p.end();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(85);
        writer.write(image);
        return bytes;
    }();
    return jpeg;
}

QString ItemExport::CreatedMessage(const QString& file) {
    return QCoreApplication::translate("ItemExport", "Il file %1 è stato creato con successo!")
        .arg(file);
}

QString ItemExport::FolderMessage() {
    return QCoreApplication::translate("ItemExport",
                                       "Errore nella creazione della cartella per le foto!");
}

ItemExport::Result ItemExport::run(const QList<int>& keys, const QString& file) {
    Result result;
    const Format format = FormatOf(file);
    const bool xml = format == Format::Xml;

    // The names of the classifications, once.
    QHash<int, QString> names[4];
    const Classifications::Table tables[4] = {
        Classifications::Table::Categorie, Classifications::Table::Gruppi,
        Classifications::Table::Reparti, Classifications::Table::Scaffali};
    for (int t = 0; t < 4; ++t) {
        QList<Classifications::Entry> entries;
        if (!Classifications::List(m_db, tables[t], &entries)) {
            result.error = m_db.errorText();
            return result;
        }
        for (const auto& e : entries)
            names[t].insert(e.key, e.name);
    }
    const auto nameOf = [&](int table, int key) {
        return key > 0 ? names[table].value(key) : QString();
    };

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        result.error = out.errorString();
        return result;
    }

    // Pictures go straight into the folder; the ones this export adds are taken away again
    // when it does not finish.
    QDir images;
    QStringList added;
    bool madeFolder = false;
    const auto abandon = [&](Result::Status status, const QString& error) {
        out.cancelWriting();
        for (const QString& path : added)
            QFile::remove(path);
        if (madeFolder)
            QDir().rmdir(images.path());
        result.status = status;
        result.error = error;
        result.count = 0;
        return result;
    };
    const auto writePicture = [&](const QString& name, const QByteArray& bytes) {
        const QString path = images.filePath(name);
        const bool existed = QFileInfo::exists(path);
        QSaveFile picture(path);
        if (!picture.open(QIODevice::WriteOnly) || picture.write(bytes) != bytes.size() ||
            !picture.commit())
            return false;
        if (!existed)
            added << path;
        return true;
    };

    QByteArray buffer;
    const auto flushBuffer = [&] {
        const bool ok = out.write(buffer) == buffer.size();
        buffer.clear();
        return ok;
    };
    if (xml) {
        buffer += "<?xml version='1.0' encoding='UTF-8'?>";
        buffer += kCrLf;
        buffer += "<MERCE>";
        buffer += kCrLf;
        const QDir folder = QFileInfo(file).absoluteDir();
        images.setPath(folder.filePath(QStringLiteral("images")));
        madeFolder = !QFileInfo::exists(images.path());
        // A folder left by an earlier export is used again.
        if (!folder.mkpath(QStringLiteral("images")) ||
            !QFileInfo(folder.filePath(QStringLiteral("images"))).isDir())
            return abandon(Result::Status::FolderFailed, FolderMessage());
        if (!writePicture(QStringLiteral("noimage.jpg"), NoImageJpeg()))
            return abandon(Result::Status::FolderFailed, FolderMessage());
    } else {
        buffer += "\xEF\xBB\xBF";
        buffer += Heading().toUtf8();
    }

    const QString columns =
        QStringLiteral(
            "SELECT IDArticolo, Matricola, Descrizione, CodBarre, CodForn, IDCategoria, "
            "IDGruppo, IDReparto, IDScaffale, Prezzo, Iva, UnMis, ScortaMin, Carichi, "
            "Scarichi, Resi, Giacenza, Riordino%1 FROM Articoli WHERE IDArticolo IN (%2)")
            .arg(xml ? QStringLiteral(", Foto") : QString(), QStringLiteral("%1"));
    QSet<QString> pictureNames;
    const int total = int(keys.size());
    int done = 0;
    for (qsizetype start = 0; start < keys.size(); start += ItemReportData::kChunkKeys) {
        const QList<int> chunk = keys.mid(start, ItemReportData::kChunkKeys);
        QHash<int, Row> rows;
        const bool read =
            ItemReportData::ForEachChunk(m_db, chunk, columns, {}, {}, [&](const QSqlQuery& q) {
                Row r;
                r.code = Record::ReadText(q.value(1), 30);
                r.description = Record::ReadText(q.value(2), 100);
                r.barcode = Record::ReadText(q.value(3), 30);
                r.supplierCode = Record::ReadText(q.value(4), 30);
                r.category = Record::ReadInt(q.value(5)).value_or(0);
                r.group = Record::ReadInt(q.value(6)).value_or(0);
                r.department = Record::ReadInt(q.value(7)).value_or(0);
                r.shelf = Record::ReadInt(q.value(8)).value_or(0);
                r.price = Record::ReadCurrency(q.value(9));
                r.vat = Record::ReadReal(q.value(10));
                r.unit = Record::ReadText(q.value(11), 5);
                r.minimum = Record::ReadReal(q.value(12));
                r.loaded = Record::ReadReal(q.value(13));
                r.unloaded = Record::ReadReal(q.value(14));
                r.returned = Record::ReadReal(q.value(15));
                r.stock = Record::ReadReal(q.value(16));
                r.reorder = Record::ReadReal(q.value(17));
                if (xml)
                    r.picture = Record::ReadBinary(q.value(18));
                rows.insert(q.value(0).toInt(), r);
            });
        if (!read)
            return abandon(Result::Status::Failed, m_db.errorText());
        for (int key : chunk) {
            const auto found = rows.constFind(key);
            if (found == rows.constEnd()) {
                ++done;
                continue;
            }
            const Row& r = *found;
            if (xml) {
                const auto element = [&](const char* tag, const QString& value,
                                         const QString& whenNull) {
                    buffer += '<';
                    buffer += tag;
                    buffer += '>';
                    buffer += XmlText(value.isEmpty() ? whenNull : value).toUtf8();
                    buffer += "</";
                    buffer += tag;
                    buffer += '>';
                    buffer += kCrLf;
                };
                const QString dash = QStringLiteral("-");
                buffer += "<ARTICOLO>";
                buffer += kCrLf;
                element("MATRICOLA", r.code, dash);
                element("DESCRIZIONE", r.description, dash);
                element("CODBARRE", r.barcode, dash);
                element("PREZZO", AmountText(m_profile, r.price),
                        AmountText(m_profile, CurrencyAmount::fromUnits(0)));
                element("CATEGORIA", nameOf(0, r.category), dash);
                element("REPARTO", nameOf(2, r.department), dash);
                element("SCAFFALE", nameOf(3, r.shelf), dash);
                QString picture = PictureName(r.code);
                if (r.picture.isEmpty() || picture.isEmpty()) {
                    picture = QStringLiteral("noimage.jpg");
                } else {
                    // Codes that differ only in the characters made safe get names of their own.
                    const QString stem = picture.chopped(4);
                    for (int n = 2;
                         pictureNames.contains(picture.toCaseFolded()) ||
                         picture.compare(QStringLiteral("noimage.jpg"), Qt::CaseInsensitive) == 0;
                         ++n)
                        picture = QStringLiteral("%1_%2.jpg").arg(stem).arg(n);
                    pictureNames.insert(picture.toCaseFolded());
                    if (!writePicture(picture, r.picture))
                        return abandon(
                            Result::Status::Failed,
                            QCoreApplication::translate("ItemExport", "Impossibile scrivere %1")
                                .arg(images.filePath(picture)));
                }
                element("IMMAGINE", QStringLiteral("images/") + picture, QString());
                buffer += "</ARTICOLO>";
                buffer += kCrLf;
            } else {
                const auto text = [](const QString& value) {
                    // Texts go in quotes, as spreadsheets expect of them; a quote inside is
                    // doubled.
                    return value.isEmpty()
                               ? QString()
                               : u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
                };
                const auto name = [](const QString& value) { return CsvText::Quoted(value, u';'); };
                const QStringList values = {text(r.code),
                                            text(r.description),
                                            text(r.barcode),
                                            text(r.supplierCode),
                                            name(nameOf(0, r.category)),
                                            name(nameOf(1, r.group)),
                                            name(nameOf(2, r.department)),
                                            name(nameOf(3, r.shelf)),
                                            AmountText(m_profile, r.price),
                                            NumberText(m_profile, r.vat),
                                            text(r.unit),
                                            NumberText(m_profile, r.minimum),
                                            NumberText(m_profile, r.loaded),
                                            NumberText(m_profile, r.unloaded),
                                            NumberText(m_profile, r.returned),
                                            NumberText(m_profile, r.stock),
                                            NumberText(m_profile, r.reorder)};
                buffer += kCrLf;
                QString line;
                for (const QString& v : values) {
                    line += v;
                    line += u';';
                }
                buffer += line.toUtf8();
            }
            ++done;
            ++result.count;
            if (buffer.size() > 256 * 1024 && !flushBuffer())
                return abandon(Result::Status::Failed, out.errorString());
            if (progress && !progress(done, total))
                return abandon(Result::Status::Cancelled, QString());
        }
    }
    if (xml) {
        buffer += "</MERCE>";
        buffer += kCrLf;
    }
    if (!flushBuffer() || !out.commit()) {
        const QString error = out.errorString();
        return abandon(Result::Status::Failed, error);
    }
    result.status = Result::Status::Written;
    return result;
}
