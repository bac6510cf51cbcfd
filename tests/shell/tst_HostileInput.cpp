// label: gui
// Every text field of the dialogs that save text takes the hostile set (quotes, % _ *, ; --,
// backslashes, NUL, 10,000 characters pasted with cuts that fall inside an emoji, emoji,
// right-to-left text, line breaks), pasted as a user pastes and saved with the dialog's own
// button: what the archive then holds is what was pasted, cut to the field's width without
// half a character, one-line fields keeping their first line, NUL dropped; nothing else is
// lost, nothing is injected, and both back ends hold the same. Number, date and choice fields
// refuse it without a crash; the find and filter windows match it literally.
#include "NoFileDialogs.h"
#include "agenda/AgendaStore.h"
#include "agenda/ui/CAppDialog.h"
#include "barcode/Barcodes.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "common/ui/CTrovaDialog.h"
#include "company/CompanyData.h"
#include "company/ui/CAziendaSheet.h"
#include "company/ui/CDittaDialog.h"
#include "counterparts/AnaListModel.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnagraficaDialog.h"
#include "items/ArtFilter.h"
#include "items/ArtFind.h"
#include "items/ItemStore.h"
#include "items/ui/CArticoloDialog.h"
#include "items/ui/CFiltroArtDialog.h"
#include "items/ui/CImeiDialog.h"
#include "items/ui/CUniMisDialog.h"
#include "movements/MovementStore.h"
#include "movements/ui/CDdtDataDialog.h"
#include "movements/ui/CFiltroMovDialog.h"
#include "movements/ui/CMovimentiDialog.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/ui/CConnDataDlg.h"
#include "store/ui/CConnStringDlg.h"

#include "ModalTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

// Every text field of the dialogs that save text takes the hostile values as a user pastes them,
// and the dialog's own button stores them with nothing lost but what the field's width cuts off
// and, in one-line fields, what follows a line break; the same on both back ends.

namespace {
using S = Profile::Section;

struct Hostile {
    const char* name;
    QString text;
};

QList<Hostile> HostileValues() {
    const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xAE\xF0\x9F\x87\xB9");
    QString nul = QStringLiteral("a");
    nul += QChar(0);
    nul += QStringLiteral("b");
    // Ten thousand UTF-16 units of pairs, so that a cut at an odd width falls inside one, and the
    // same shifted by one for the even widths.
    const QString pairs = smiley.repeated(5000);
    const QString shifted = QStringLiteral("x") + smiley.repeated(4999) + QStringLiteral("x");
    return {
        {"quote", QStringLiteral("'")},
        {"double_quote", QStringLiteral("\"")},
        {"obrien", QStringLiteral("O'Brien \"x\"")},
        {"percent", QStringLiteral("%")},
        {"underscore", QStringLiteral("_")},
        {"star", QStringLiteral("*")},
        {"semicolon", QStringLiteral(";")},
        {"injection", QStringLiteral("'; DROP TABLE Articoli; --")},
        {"dashes", QStringLiteral("--")},
        {"backslash", QStringLiteral("a\\b\\\\c\\")},
        {"nul", nul},
        {"long_pairs", pairs},
        {"long_shifted", shifted},
        {"emoji", smiley + flag},
        {"rtl", QString::fromUtf8("שלום عربي \u202Eabc")},
        {"lf", QStringLiteral("riga uno\nriga due")},
        {"crlf", QStringLiteral("riga uno\r\nriga due\r\n")},
    };
}

qsizetype FirstBreak(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == 0x2028 || c == 0x2029)
            return i;
    }
    return -1;
}

// A cut to width never keeps half of a character.
QString Cut(const QString& text, int width) {
    if (width <= 0 || text.size() <= width)
        return text;
    QString cut = text.left(width);
    if (cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

// What a field must store of a pasted text.
QString Expected(const QString& pasted, int width, bool oneLine) {
    QString text = pasted;
    text.remove(QChar(0));
    if (oneLine) {
        const qsizetype cut = FirstBreak(text);
        if (cut >= 0)
            text.truncate(cut);
    } else {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return Cut(text, width);
}

// How a field is called: its own name, or its box's for the line edit inside a combo or a spin
// box.
QString FieldName(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p))
            return p->objectName();
        if (p->isWindow())
            break;
    }
    return w->objectName();
}

bool InSpinBox(const QWidget* w) {
    return w->parentWidget() && qobject_cast<const QAbstractSpinBox*>(w->parentWidget());
}

// The text fields a user can type in, in the order of the widget tree.
QList<QWidget*> TextFields(QWidget* root) {
    QList<QWidget*> fields;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || w->window() != root)
            continue;
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (!e->isReadOnly())
                fields << w;
        } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
            if (!p->isReadOnly())
                fields << w;
        } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
            if (!t->isReadOnly())
                fields << w;
        }
    }
    return fields;
}

// As a user pastes: focus, everything selected, Ctrl+V, so that the field's own limits apply.
void Paste(QWidget* w, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    w->setFocus(Qt::OtherFocusReason);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->selectAll();
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        p->selectAll();
    else if (auto* t = qobject_cast<QTextEdit*>(w))
        t->selectAll();
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

QVariant One(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return QVariant(QStringLiteral("<failed: %1>").arg(db.errorText()));
    return q.value(0);
}

// The columns of one row, by name.
QHash<QString, QString> Row(Database& db, const QString& table, const QString& key, int id,
                            const QStringList& columns) {
    QHash<QString, QString> row;
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                      .arg(columns.join(QStringLiteral(", ")), table, key),
                  {id}) ||
        !q.next())
        return row;
    for (int i = 0; i < columns.size(); ++i)
        row.insert(columns.at(i), q.value(i).toString());
    return row;
}

QToolButton* ButtonOf(QWidget* root, QAction* action) {
    for (QToolButton* b : root->findChildren<QToolButton*>())
        if (b->defaultAction() == action)
            return b;
    return nullptr;
}

// The counterpart from its list and a row: the item by its code, one piece, the note pasted
// once more in case the item's choice renewed it, then "Inserisci Riga".
void AddRow(CMovimentiDialog& d) {
    d.counterpartList()->setCurrentIndex(0);
    const QString note = d.noteField()->text();
    QLineEdit* code = d.codeField(MovementEntry::CodeField::Matricola);
    code->setFocus();
    code->selectAll();
    QTest::keyClick(code, Qt::Key_Delete);
    QTest::keyClicks(code, QStringLiteral("VIT01"));
    QLineEdit* quantity = d.quantityField();
    quantity->setFocus();
    quantity->selectAll();
    QTest::keyClicks(quantity, QStringLiteral("1"));
    if (!note.isEmpty())
        Paste(d.noteField(), note);
    QTest::mouseClick(d.toolButton(CMovimentiDialog::InsertRow), Qt::LeftButton);
}

// One dialog under test, open and shown.
struct Subject {
    // What the dialog works on, gone after it.
    std::shared_ptr<void> keep;
    std::shared_ptr<QWidget> window;
    // Fills the fields: by default the walker over the window; a dialog reached through another
    // runs it on the inner one.
    std::function<void(const std::function<void(QWidget*)>& fill)> prepare;
    // Clicks the dialog's own button that stores what it holds; true when the dialog took it.
    std::function<bool()> commit;
    // The stored text of each field, by field name, once committed.
    std::function<QHash<QString, QString>()> stored;
    // Fields of numbers, dates or choices among listed entries: a hostile text is refused there,
    // not stored. The text pass leaves them as they are.
    QStringList numbers;
    // Fields whose text is not stored (searches that pick an entry).
    QStringList unsaved;
    // The width of fields with no limit of their own (the column's), by field name.
    QHash<QString, int> widths;
    // Fields that refuse a longer text with a message instead of cutting it, by field name.
    QHash<QString, int> limits;
    // Fields whose text is stored without the spaces around it.
    QStringList trimmed;
    // What the dialog adds to a field's text by itself (a barcode's check character).
    std::function<QString(const QString& name, const QString& text)> completed;
};

// The OK of a dialog with a standard button box.
QPushButton* OkOf(QWidget* d) {
    for (QDialogButtonBox* box : d->findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
            return ok;
    return nullptr;
}

} // namespace

class tst_HostileInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanupTestCase() { m_archives.clear(); }
    void savedText_data();
    void savedText();
    void refusedByNumberFields_data();
    void refusedByNumberFields();
    void searchesMatchLiterally_data();
    void searchesMatchLiterally();
    void connectionString_data();
    void connectionString();
    void connectionFields_data() { connectionString_data(); }
    void connectionFields();
    void boundTextKeepsWholeCharacters_data() { TestSupport::AddBackendRows(); }
    void boundTextKeepsWholeCharacters();
    void movementFilterRefusesText_data() { TestSupport::AddBackendRows(); }
    void movementFilterRefusesText();

private:
    Subject open(const QString& dialog, Database& db);
    Subject openItem(Database& db);
    Subject openCounterpart(Database& db, CounterpartStore::Kind kind);
    Subject openUnits(Database& db);
    Subject openAgenda(Database& db);
    Subject openSerialCodes(Database& db);
    Subject openMovement(Database& db, bool otherData);
    Subject openCompany();
    QString prompts() const;

    TestSupport::ArchivePool m_archives;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;
    ScriptedPrompt m_prompt;
    RecordingBrowser m_browser;
    NoFileDialogs m_files;
    int m_lastTemplateUnit[2] = {0, 0};
};

namespace {
const char* const kDialogs[] = {"item",   "customer",     "supplier", "worker",     "units",
                                "agenda", "serial_codes", "movement", "other_data", "company"};
}

void tst_HostileInput::init() {
    m_profile.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("p.ini")),
                                          m_dir->filePath(QStringLiteral("m.ini")));
    for (const auto& [key, value] : {std::pair{"SimbVal", "€"},
                                     {"DecVal", ","},
                                     {"MigVal", "."},
                                     {"DecValNum", ","},
                                     {"MigValNum", "."}})
        m_profile->setValue(S::Azienda, QLatin1String(key), QString::fromUtf8(value));
    m_profile->setValue(S::Azienda, QStringLiteral("NDecVal"), 2);
    m_profile->setValue(S::Azienda, QStringLiteral("NDecValNum"), 2);
    // A serial reader: Enter and fast keys keep their ordinary meaning.
    m_profile->setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("/dev/ttyS0"));
    m_prompt = ScriptedPrompt();
}

QString tst_HostileInput::prompts() const {
    QStringList texts;
    for (const auto& shown : m_prompt.shown)
        texts << shown.text;
    return texts.join(QStringLiteral(" | "));
}

Subject tst_HostileInput::open(const QString& dialog, Database& db) {
    using K = CounterpartStore::Kind;
    if (dialog == QLatin1String("item"))
        return openItem(db);
    if (dialog == QLatin1String("customer"))
        return openCounterpart(db, K::Customer);
    if (dialog == QLatin1String("supplier"))
        return openCounterpart(db, K::Supplier);
    if (dialog == QLatin1String("worker"))
        return openCounterpart(db, K::Worker);
    if (dialog == QLatin1String("units"))
        return openUnits(db);
    if (dialog == QLatin1String("agenda"))
        return openAgenda(db);
    if (dialog == QLatin1String("serial_codes"))
        return openSerialCodes(db);
    if (dialog == QLatin1String("movement"))
        return openMovement(db, false);
    if (dialog == QLatin1String("other_data"))
        return openMovement(db, true);
    if (dialog == QLatin1String("company"))
        return openCompany();
    return {};
}

Subject tst_HostileInput::openItem(Database& db) {
    for (const char* table : {"Articoli", "Categorie", "Gruppi", "Reparti", "Scaffali"})
        db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
    auto d = std::make_shared<CArticoloDialog>(db, *m_profile, m_prompt, m_browser, m_files,
                                               ItemStore::NewRecord());
    Subject s;
    s.window = d;
    s.numbers = {QStringLiteral("Prezzo"), QStringLiteral("ScortaMin"), QStringLiteral("GiacInit"),
                 QStringLiteral("Sconto"), QStringLiteral("Ricarico"),  QStringLiteral("Iva"),
                 QStringLiteral("IDUM")};
    s.unsaved = {QStringLiteral("SupplierSearch")};
    // A barcode that takes a check character gets it proposed, and OK keeps the proposal.
    s.completed = [](const QString& name, const QString& text) {
        if (name != QLatin1String("CodBarre"))
            return text;
        const std::optional<QChar> check = SuggestedCheckChar(text);
        return check && text.size() < ItemStore::kBarcodeWidth ? text + *check : text;
    };
    s.commit = [d] {
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
        return d->result() == QDialog::Accepted;
    };
    s.stored = [d, &db] {
        const int id = d->record().IDArticolo;
        QHash<QString, QString> row =
            Row(db, QStringLiteral("Articoli"), QStringLiteral("IDArticolo"), id,
                {QStringLiteral("Matricola"), QStringLiteral("Descrizione"),
                 QStringLiteral("CodBarre"), QStringLiteral("CodForn"), QStringLiteral("Notes")});
        for (const auto& [column, table, name] :
             {std::tuple{"IDCategoria", "Categorie", "Categoria"},
              {"IDGruppo", "Gruppi", "Gruppo"},
              {"IDReparto", "Reparti", "Reparto"},
              {"IDScaffale", "Scaffali", "Scaffale"}})
            row.insert(
                QLatin1String(column),
                One(db,
                    QStringLiteral("SELECT t.%2 FROM %1 t JOIN Articoli a ON a.%3 = t.%3 "
                                   "WHERE a.IDArticolo = ?")
                        .arg(QLatin1String(table), QLatin1String(name), QLatin1String(column)),
                    {id})
                    .toString());
        return row;
    };
    return s;
}

Subject tst_HostileInput::openCounterpart(Database& db, CounterpartStore::Kind kind) {
    using C = CAnagraficaDialog::Caller;
    using K = CounterpartStore::Kind;
    db.execute(QStringLiteral("DELETE FROM CliFor"));
    auto d = std::make_shared<CAnagraficaDialog>(db, *m_profile, m_prompt, m_browser,
                                                 CounterpartStore::NewRecord(kind));
    d->configureFor(kind == K::Supplier ? C::NewSupplier
                    : kind == K::Worker ? C::Edit
                                        : C::NewCustomer);
    // Saved as the counterparts list saves what the dialog gives back.
    auto key = std::make_shared<int>(0);
    Subject s;
    s.window = d;
    s.numbers = {QStringLiteral("Sconto")};
    s.commit = [d, key, &db] {
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
        if (d->result() != QDialog::Accepted)
            return false;
        CliForRecord r = d->record();
        if (!CounterpartStore(db).save(r))
            return false;
        *key = r.IDCliFor;
        return true;
    };
    s.stored = [key, &db] {
        QStringList columns;
        for (const char* c : {"RagSoc", "Indirizzo", "Comune", "Telefono", "Cellulare", "EMail",
                              "Web", "CodFisc", "PartIva", "Codice", "Notes", "Banca", "IBAN"})
            columns << QLatin1String(c);
        return Row(db, QStringLiteral("CliFor"), QStringLiteral("IDCliFor"), *key, columns);
    };
    return s;
}

Subject tst_HostileInput::openUnits(Database& db) {
    // The template's units stay; those of earlier rows go.
    int& first = m_lastTemplateUnit[db.isPostgres()];
    if (first == 0)
        first = One(db, QStringLiteral("SELECT MAX(IDUM) FROM UnMis")).toInt();
    db.execute(QStringLiteral("DELETE FROM UnMis WHERE IDUM > ?"), {first});
    auto d = std::make_shared<CUniMisDialog>(db, *m_profile, m_prompt, m_browser);
    d->siglaEdit()->setObjectName(QStringLiteral("Sigla"));
    d->descrizioneEdit()->setObjectName(QStringLiteral("Descrizione"));
    Subject s;
    s.window = d;
    s.trimmed = {QStringLiteral("Sigla")};
    s.commit = [d] {
        QToolButton* insert = ButtonOf(d.get(), d->insertAction());
        if (!insert)
            return false;
        QTest::mouseClick(insert, Qt::LeftButton);
        return d->list()->currentItem() && d->list()->currentItem()->isSelected();
    };
    s.stored = [d, &db] {
        const int id = d->list()->currentItem()->data(0, Qt::UserRole).toInt();
        return Row(db, QStringLiteral("UnMis"), QStringLiteral("IDUM"), id,
                   {QStringLiteral("Sigla"), QStringLiteral("Descrizione")});
    };
    return s;
}

Subject tst_HostileInput::openAgenda(Database& db) {
    ScadenzeRecord entry;
    entry.Tipo = 0;
    const QDateTime start(QDate::currentDate(), QTime(9, 0));
    entry.DataInit = start;
    entry.DataEnd = start.addSecs(3600);
    auto d = std::make_shared<CAppDialog>(entry, m_prompt, m_browser, *m_profile);
    // Written as the agenda writes a new entry.
    d->save = [&db](ScadenzeRecord& e) { return AgendaStore(db).insert(e); };
    Subject s;
    s.window = d;
    s.numbers = {QStringLiteral("InizioData"), QStringLiteral("InizioOra"),
                 QStringLiteral("FineData"), QStringLiteral("FineOra")};
    s.widths = {{QStringLiteral("Descrizione"), 255}};
    s.commit = [d] {
        QTest::mouseClick(d->saveButton(), Qt::LeftButton);
        return d->result() == QDialog::Accepted;
    };
    s.stored = [d, &db] {
        return Row(db, QStringLiteral("Scadenze"), QStringLiteral("IDScadenza"),
                   d->entry().IDScadenza,
                   {QStringLiteral("Oggetto"), QStringLiteral("Descrizione")});
    };
    return s;
}

Subject tst_HostileInput::openSerialCodes(Database& db) {
    db.execute(QStringLiteral("DELETE FROM Imei"));
    // One unit of a new load's row: one code, written at once.
    auto d = std::make_shared<CImeiDialog>(db, *m_profile, m_prompt, m_browser, 1, 0, 0, 1,
                                           QList<int>{});
    Subject s;
    s.window = d;
    s.commit = [d] {
        QTest::mouseClick(d->insertButton(), Qt::LeftButton);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
        return d->result() == QDialog::Accepted;
    };
    s.stored = [d, &db] {
        const QList<int> keys = d->codeKeys();
        if (keys.size() != 1)
            return QHash<QString, QString>();
        QHash<QString, QString> row = Row(db, QStringLiteral("Imei"), QStringLiteral("IDImei"),
                                          keys.first(), {QStringLiteral("CodImei")});
        return QHash<QString, QString>{{QStringLiteral("Codice"), row.value("CodImei")}};
    };
    return s;
}

Subject tst_HostileInput::openMovement(Database& db, bool otherData) {
    for (const char* table :
         {"Imei", "SottoMovimenti", "Movimenti", "Offerte", "Articoli", "CliFor"})
        db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
    db.execute(QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, Giacenza) VALUES "
                              "('VIT01', 'Viti', 100)"));
    db.execute(QStringLiteral("INSERT INTO CliFor (Codice, RagSoc, CliFor, Operaio) VALUES (?, ?, "
                              "?, ?)"),
               {QStringLiteral("C01"), QStringLiteral("Rossi"),
                Record::BindBit(otherData, db.backend()), Record::BindBit(false, db.backend())});
    // As the movements list starts one: an unload carries the invoice's data, a load the rows.
    auto edit = std::make_shared<MovementEdit>(db, otherData ? 1 : 0);
    if (!edit->begin())
        return {};
    edit->header().Numero = QStringLiteral("1/2026");
    edit->header().Data = QDateTime::currentDateTime();
    edit->header().Contabilizzato = true;
    auto d =
        std::make_shared<CMovimentiDialog>(db, *m_profile, m_prompt, m_browser, m_files, *edit);
    d->numberField()->setObjectName(QStringLiteral("Numero"));
    d->dateField()->setObjectName(QStringLiteral("Data"));
    d->counterpartCode()->setObjectName(QStringLiteral("CodiceCliFor"));
    d->counterpartList()->setObjectName(QStringLiteral("CliFor"));
    d->itemList()->setObjectName(QStringLiteral("Articolo"));
    d->unitList()->setObjectName(QStringLiteral("UnMis"));
    d->quantityField()->setObjectName(QStringLiteral("Qt"));
    d->netField()->setObjectName(QStringLiteral("Netto"));
    d->grossField()->setObjectName(QStringLiteral("Lordo"));
    d->vatField()->setObjectName(QStringLiteral("Iva"));
    d->discountField()->setObjectName(QStringLiteral("Sconto"));
    d->noteField()->setObjectName(QStringLiteral("Notes"));
    Subject s;
    s.keep = edit;
    s.window = d;
    s.numbers = {QStringLiteral("Data"),  QStringLiteral("Qt"),  QStringLiteral("Netto"),
                 QStringLiteral("Lordo"), QStringLiteral("Iva"), QStringLiteral("Sconto")};
    s.unsaved = {QStringLiteral("CodiceCliFor"),  QStringLiteral("CliFor"),
                 QStringLiteral("Articolo"),      QStringLiteral("UnMis"),
                 QStringLiteral("Matricola"),     QStringLiteral("Codice Fornitore"),
                 QStringLiteral("Codice a Barre")};
    ScriptedPrompt& prompt = m_prompt;
    if (otherData) {
        // A sale of more than the stock is confirmed.
        m_prompt.expect(QStringLiteral("In magazzino ci sono solo"), IPrompt::Answer::Yes);
        s.unsaved << QStringLiteral("Numero") << QStringLiteral("Notes");
        for (const OtherDataField& f : OtherDataFields())
            s.limits.insert(QLatin1String(f.column), f.limit);
        s.prepare = [d, &prompt](const std::function<void(QWidget*)>& fill) {
            TestSupport::WhenShown<CDdtDataDialog>([fill, &prompt](CDdtDataDialog* o) {
                fill(o);
                const qsizetype before = prompt.shown.size();
                QTest::mouseClick(o->closeButton(), Qt::LeftButton);
                // Refused with a message: the user gives up with Esc.
                if (o->isVisible() && prompt.shown.size() > before)
                    QTest::keyClick(o, Qt::Key_Escape);
                if (o->isVisible())
                    o->reject();
            });
            QTest::mouseClick(d->toolButton(CMovimentiDialog::OtherDataTool), Qt::LeftButton);
            AddRow(*d);
        };
    } else {
        s.prepare = [d](const std::function<void(QWidget*)>& fill) {
            fill(d.get());
            AddRow(*d);
        };
    }
    s.commit = [d, edit] {
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
        // Saved as the movements list saves a confirmed dialog.
        return d->result() == QDialog::Accepted && edit->save() == MovementEdit::SaveResult::Saved;
    };
    s.stored = [edit, otherData, &db] {
        const int key = edit->header().IDMovimento;
        QStringList columns{QStringLiteral("Numero")};
        if (otherData)
            for (const OtherDataField& f : OtherDataFields())
                columns << QLatin1String(f.column);
        QHash<QString, QString> row =
            Row(db, QStringLiteral("Movimenti"), QStringLiteral("IDMovimento"), key, columns);
        if (!otherData)
            row.insert(QStringLiteral("Notes"),
                       One(db,
                           QStringLiteral("SELECT Notes FROM SottoMovimenti WHERE "
                                          "IDMovimento = ?"),
                           {key})
                           .toString());
        return row;
    };
    return s;
}

Subject tst_HostileInput::openCompany() {
    auto d = std::make_shared<CAziendaSheet>(CAziendaSheet::Mode::Sheet, *m_profile, m_prompt,
                                             m_files, m_browser, m_dir->path(), nullptr);
    Subject s;
    s.window = d;
    for (const CompanyField& f : CompanyFields())
        s.limits.insert(f.key, f.maxLength);
    s.commit = [d] {
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
        return d->result() == QDialog::Accepted;
    };
    const QString dir = m_dir->path();
    Profile* profile = m_profile.get();
    s.stored = [dir, profile] {
        profile->sync();
        // Read back from the files, as the next start reads them.
        Profile again(dir + QStringLiteral("/p.ini"), dir + QStringLiteral("/m.ini"));
        QHash<QString, QString> row;
        for (const CompanyField& f : CompanyFields())
            row.insert(f.key, again.value(S::Azienda, f.key).toString());
        return row;
    };
    return s;
}

void tst_HostileInput::savedText_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("value");
    for (const char* backend : {"sqlite", "postgres"})
        for (const char* dialog : kDialogs)
            for (const Hostile& h : HostileValues())
                QTest::addRow("%s/%s/%s", backend, dialog, h.name)
                    << QString::fromLatin1(backend) << QString::fromLatin1(dialog) << h.text;
}

void tst_HostileInput::savedText() {
    QFETCH(QString, dialog);
    QFETCH(QString, value);
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Subject s = open(dialog, *db);
    QVERIFY(s.window);
    s.window->show();
    QApplication::setActiveWindow(s.window.get());
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));

    struct Filled {
        QString name;
        QString expected;
    };
    QList<Filled> filled;
    QStringList problems;
    bool refusal = false;
    const auto fill = [&](QWidget* root) {
        for (QWidget* w : TextFields(root)) {
            const QString name = FieldName(w);
            if (name.isEmpty()) {
                problems << QStringLiteral("a field without a name in %1")
                                .arg(QLatin1String(root->metaObject()->className()));
                continue;
            }
            if (s.numbers.contains(name) || InSpinBox(w))
                continue;
            Paste(w, value);
            if (s.unsaved.contains(name))
                continue;
            auto* line = qobject_cast<QLineEdit*>(w);
            if (line && FirstBreak(line->text()) >= 0)
                problems << name + QStringLiteral(" holds a line break");
            if (s.limits.contains(name) &&
                Expected(value, 0, line != nullptr).size() > s.limits.value(name)) {
                refusal = true;
                continue;
            }
            const int width = s.widths.value(name, line ? line->maxLength() : 0);
            QString expected = Expected(value, width, line != nullptr);
            if (s.trimmed.contains(name))
                expected = expected.trimmed();
            if (s.completed)
                expected = s.completed(name, expected);
            filled.append({name, expected});
        }
    };
    if (s.prepare)
        s.prepare(fill);
    else
        fill(s.window.get());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    QVERIFY(!filled.isEmpty() || refusal);
    const bool took = s.commit();
    if (refusal) {
        // Too long for a field that says so: a message names the limit, nothing is cut.
        bool said = false;
        for (const auto& shown : m_prompt.shown)
            said = said || shown.text.contains(QLatin1String("caratteri"));
        QVERIFY2(said, qPrintable(prompts()));
        return;
    }
    QVERIFY2(took, qPrintable(prompts()));
    QVERIFY2(m_prompt.unexpected.isEmpty(), qPrintable(m_prompt.unexpected.join(u'\n')));

    const QHash<QString, QString> stored = s.stored();
    for (const Filled& f : filled) {
        QVERIFY2(stored.contains(f.name), qPrintable(f.name));
        if (stored.value(f.name) != f.expected)
            problems << QStringLiteral("%1: stored %2 units, expected %3 (%4 / %5)")
                            .arg(f.name)
                            .arg(stored.value(f.name).size())
                            .arg(f.expected.size())
                            .arg(stored.value(f.name).left(40), f.expected.left(40));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    // Nothing the text said was run: the table it names is still there.
    QVERIFY(db->execute(QStringLiteral("SELECT COUNT(*) FROM Articoli")));
}

void tst_HostileInput::refusedByNumberFields_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("dialog");
    for (const char* backend : {"sqlite", "postgres"})
        for (const char* dialog : kDialogs)
            QTest::addRow("%s/%s", backend, dialog)
                << QString::fromLatin1(backend) << QString::fromLatin1(dialog);
}

// A field of numbers, dates or choices takes any hostile text without harm: its validator drops
// it, or the dialog's button refuses it with a message and stays open.
void tst_HostileInput::refusedByNumberFields() {
    QFETCH(QString, dialog);
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    for (const Hostile& h : HostileValues()) {
        Subject s = open(dialog, *db);
        QVERIFY(s.window);
        s.window->show();
        QApplication::setActiveWindow(s.window.get());
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        bool any = false;
        for (QWidget* w : TextFields(s.window.get())) {
            const QString name = FieldName(w);
            if (s.numbers.contains(name) || InSpinBox(w)) {
                Paste(w, h.text);
                any = true;
            } else if (!s.unsaved.contains(name)) {
                Paste(w, QStringLiteral("Valore ") + QLatin1String(h.name));
            }
        }
        if (!any)
            QSKIP("No field of numbers, dates or choices");
        m_prompt = ScriptedPrompt();
        const bool took = s.commit();
        if (!took)
            QVERIFY2(!m_prompt.shown.isEmpty() || !m_prompt.balloons.isEmpty(),
                     qPrintable(QStringLiteral("%1: refused without a word").arg(h.name)));
    }
}

namespace {

// What a literal match finds: the text as a prefix (or whole, when it ends with "%"), "*" the
// only wildcard, letters compared without case; or, for counterparts, the text anywhere in the
// name with no wildcard at all.
enum class Match { Prefix, PrefixOrWhole, Contains };

bool Matches(const QString& stored, const QString& typed, Match match) {
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return true;
    if (match == Match::Contains)
        return stored.contains(t, Qt::CaseInsensitive);
    const bool whole = match == Match::PrefixOrWhole && t.endsWith(u'%');
    QStringList parts = t.split(u'*');
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    const QString pattern = QStringLiteral("\\A") + parts.join(QStringLiteral(".*")) +
                            (whole ? QStringLiteral("\\z") : QString());
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    return re.match(stored).hasMatch();
}

} // namespace

void tst_HostileInput::searchesMatchLiterally_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("value");
    for (const char* backend : {"sqlite", "postgres"})
        for (const char* dialog : {"find", "filter", "counterpart_find"})
            for (const Hostile& h : HostileValues())
                QTest::addRow("%s/%s/%s", backend, dialog, h.name)
                    << QString::fromLatin1(backend) << QString::fromLatin1(dialog) << h.text;
}

// The items' find and filter windows: the hostile text finds exactly the items a literal match
// finds, on both back ends.
void tst_HostileInput::searchesMatchLiterally() {
    QFETCH(QString, dialog);
    QFETCH(QString, value);
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    // Items named by every hostile value and by texts a wildcard would wrongly take.
    QStringList names{
        QStringLiteral("abc"),    QStringLiteral("a%b"), QStringLiteral("a_b"),
        QStringLiteral("axb"),    QStringLiteral("x'y"), QStringLiteral("%%"),
        QStringLiteral("a\\\\b"), QStringLiteral("ab"),  QStringLiteral("O'Brien \"x\" e altri")};
    for (const Hostile& h : HostileValues())
        names << Expected(h.text, 30, true);
    names.removeDuplicates();
    names.removeAll(QString());
    QVERIFY(db->execute(QStringLiteral("DELETE FROM Articoli")));
    QHash<int, QString> byKey;
    for (const QString& name : std::as_const(names)) {
        QVERIFY2(db->execute(QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) "
                                            "VALUES (?, ?)"),
                             {name, name}),
                 qPrintable(db->errorText()));
        byKey.insert(
            One(*db, QStringLiteral("SELECT IDArticolo FROM Articoli WHERE Matricola = ?"), {name})
                .toInt(),
            name);
    }

    std::vector<int> found;
    QString typed;
    Match match = Match::Prefix;
    if (dialog == QLatin1String("counterpart_find")) {
        QVERIFY(db->execute(QStringLiteral("DELETE FROM CliFor")));
        byKey.clear();
        for (qsizetype i = 0; i < names.size(); ++i) {
            QVERIFY2(db->execute(QStringLiteral("INSERT INTO CliFor (Codice, RagSoc, CliFor, "
                                                "Operaio) VALUES (?, ?, ?, ?)"),
                                 {QStringLiteral("K%1").arg(i), Expected(names.at(i), 100, true),
                                  Record::BindBit(true, db->backend()),
                                  Record::BindBit(false, db->backend())}),
                     qPrintable(db->errorText()));
            byKey.insert(One(*db, QStringLiteral("SELECT IDCliFor FROM CliFor WHERE Codice = ?"),
                             {QStringLiteral("K%1").arg(i)})
                             .toInt(),
                         names.at(i));
        }
        CTrovaDialog d(CTrovaDialog::Mode::Counterparts);
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Paste(d.edit(0), value);
        QVERIFY(FirstBreak(d.edit(0)->text()) < 0);
        QTest::mouseClick(OkOf(&d), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        // As the counterparts list reads the window, then finds row after row.
        typed = d.edit(0)->text();
        AnaListModel list(*db, *m_profile);
        list.setFilter(AnaListModel::All);
        QVERIFY(list.refresh());
        for (int row = list.findRow(0, typed, d.edit(1)->text()); row >= 0;
             row = list.findRow(row + 1, typed, d.edit(1)->text()))
            found.push_back(list.keyAt(row));
        match = Match::Contains;
    } else if (dialog == QLatin1String("find")) {
        CTrovaDialog d(CTrovaDialog::Mode::Items);
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Paste(d.edit(1), value);
        QVERIFY(FirstBreak(d.edit(1)->text()) < 0);
        QTest::mouseClick(OkOf(&d), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        typed = d.text(1);
        QVERIFY2(ArtFind::MatchingKeys(*db, {d.text(0), d.text(1), d.text(2)}, &found),
                 qPrintable(db->errorText()));
        match = Match::PrefixOrWhole;
    } else {
        CFiltroArtDialog d;
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Paste(d.descriptionEdit(), value);
        QVERIFY(FirstBreak(d.descriptionEdit()->text()) < 0);
        QTest::mouseClick(OkOf(&d), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        typed = d.description();
        const ArtFilter f =
            ArtFilter::FromTexts(*db, d.code(), d.description(), d.category(), d.stock());
        QString sql = QStringLiteral("SELECT IDArticolo FROM Articoli WHERE 1 = 1");
        QVariantList values;
        f.appendConditions(*db, &sql, &values);
        QSqlQuery q;
        QVERIFY2(db->query(q, sql, values), qPrintable(db->errorText()));
        while (q.next())
            found.push_back(q.value(0).toInt());
    }
    typed.remove(QChar(0));
    QCOMPARE(typed.trimmed(), Expected(value, 100, true).trimmed());
    QStringList got;
    for (int key : found)
        got << byKey.value(key);
    QStringList want;
    for (const QString& name : std::as_const(names))
        if (Matches(name, typed, match))
            want << name;
    got.sort();
    want.sort();
    QCOMPARE(got, want);
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM Articoli")).toInt(), int(names.size()));
}

void tst_HostileInput::connectionString_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("value");
    for (const char* backend : {"sqlite", "postgres"})
        for (const Hostile& h : HostileValues())
            QTest::addRow("%s/%s", backend, h.name) << QString::fromLatin1(backend) << h.text;
}

// "Connessione Avanzata": a hostile text is refused with a message, never stored; a real
// connection string with the hostile text in a value (the file's name, the password) is stored
// as pasted, and reads back to that value.
void tst_HostileInput::connectionString() {
    QFETCH(QString, value);
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const QString stored = QStringLiteral("Provider=QSQLITE;Data Source=/nessun/file.db");
    m_profile->setValue(S::Settings, QStringLiteral("MyConnection"), stored);
    {
        CConnStringDlg d(*m_profile, m_prompt, QString());
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Paste(d.stringEdit(), value);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(m_prompt.shown.size(), 1);
        QCOMPARE(m_profile->value(S::Settings, QStringLiteral("MyConnection")).toString(), stored);
    }
    m_prompt = ScriptedPrompt();

    QString connection;
    QString key;
    QString expected = Expected(value, 0, true);
    if (backend == QLatin1String("sqlite")) {
        // A file named by the value, as far as a file name can hold it.
        QString name = Cut(expected, 40);
        name.replace(u'/', u'-');
        const QString file =
            TestSupport::CopyTemplate(*m_dir, QStringLiteral("q ") + name + QStringLiteral(".db"));
        QVERIFY(QFile::exists(file));
        connection = ConnectionString::ForSqlite(file);
        key = QStringLiteral("Data Source");
        expected = file;
    } else {
        const QString server = m_archives.connectionString(backend);
        connection = ConnectionString::ForPostgres(
            ConnectionString::Value(server, QStringLiteral("Data Source")),
            ConnectionString::Value(server, QStringLiteral("Initial Catalog")),
            ConnectionString::Value(server, QStringLiteral("User ID")), expected);
        key = QStringLiteral("Password");
    }
    CConnStringDlg d(*m_profile, m_prompt, QString());
    d.show();
    QApplication::setActiveWindow(&d);
    QVERIFY(QTest::qWaitForWindowActive(&d));
    Paste(d.stringEdit(), connection);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
    if (d.isVisible()) {
        // A server that checks passwords refuses this one, and says so.
        QVERIFY2(backend == QLatin1String("postgres"), qPrintable(prompts()));
        QCOMPARE(m_prompt.shown.size(), 1);
        return;
    }
    QVERIFY2(m_prompt.shown.isEmpty(), qPrintable(prompts()));
    m_profile->sync();
    Profile again(m_dir->filePath(QStringLiteral("p.ini")),
                  m_dir->filePath(QStringLiteral("m.ini")));
    const QString saved = again.value(S::Settings, QStringLiteral("MyConnection")).toString();
    QCOMPARE(saved, connection);
    QCOMPARE(ConnectionString::Value(saved, key), expected);
}

// "Connessione a Base Dati": the file chosen (named by the value) or the password typed (the
// value) is stored in the connection string and reads back unchanged, or the connection is
// refused with a message.
void tst_HostileInput::connectionFields() {
    QFETCH(QString, value);
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    QString current;
    QString key;
    QString expected;
    const bool postgres = backend == QLatin1String("postgres");
    if (!postgres) {
        QString name = Cut(Expected(value, 0, true), 40);
        name.replace(u'/', u'-');
        expected =
            TestSupport::CopyTemplate(*m_dir, QStringLiteral("c ") + name + QStringLiteral(".db"));
        current = ConnectionString::ForSqlite(expected);
        key = QStringLiteral("Data Source");
    } else {
        const QString server = m_archives.connectionString(backend);
        current = ConnectionString::ForPostgres(
            ConnectionString::Value(server, QStringLiteral("Data Source")),
            ConnectionString::Value(server, QStringLiteral("Initial Catalog")),
            ConnectionString::Value(server, QStringLiteral("User ID")), QString());
        key = QStringLiteral("Password");
    }
    CConnDataDlg d(*m_profile, m_prompt, m_files, m_browser, current);
    d.show();
    QApplication::setActiveWindow(&d);
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(d.isPostgresMode(), postgres);
    if (postgres) {
        auto* password = d.findChild<QLineEdit*>(QStringLiteral("Password"));
        QVERIFY(password);
        Paste(password, value);
        expected = Expected(value, password->maxLength(), true);
    }
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
    if (d.isVisible()) {
        QVERIFY2(postgres, qPrintable(prompts()));
        QCOMPARE(m_prompt.shown.size(), 1);
        return;
    }
    QVERIFY2(m_prompt.shown.isEmpty(), qPrintable(prompts()));
    Profile again(m_dir->filePath(QStringLiteral("p.ini")),
                  m_dir->filePath(QStringLiteral("m.ini")));
    const QString saved = again.value(S::Settings, QStringLiteral("MyConnection")).toString();
    QCOMPARE(ConnectionString::Value(saved, key), expected);
}

// Text written by the program's own code, not through a field: NUL and half characters never
// reach the archive, so both back ends store and find the same text.
void tst_HostileInput::boundTextKeepsWholeCharacters() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80");
    QString bound = QStringLiteral("a");
    bound += QChar(0);
    bound += smiley + smiley.left(1) + QStringLiteral("b") + smiley.right(1) + QStringLiteral("c") +
             smiley.left(1);
    const QString kept = QStringLiteral("a") + smiley + QStringLiteral("bc");
    QVERIFY(db->execute(QStringLiteral("DELETE FROM Categorie WHERE Categoria = ?"), {kept}));
    QVERIFY2(db->execute(QStringLiteral("INSERT INTO Categorie (Categoria) VALUES (?)"), {bound}),
             qPrintable(db->errorText()));
    QCOMPARE(
        One(*db, QStringLiteral("SELECT Categoria FROM Categorie WHERE Categoria = ?"), {bound})
            .toString(),
        kept);
    QVERIFY(db->execute(QStringLiteral("DELETE FROM Categorie WHERE Categoria = ?"), {kept}));
}

// The movements' filter has dates alone: no hostile text gets into them, and "Filtra" still
// gives a valid period.
void tst_HostileInput::movementFilterRefusesText() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Q_UNUSED(db);
    for (const Hostile& h : HostileValues()) {
        CFiltroMovDialog d;
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        const QDateTime start = d.start();
        const QDateTime end = d.end();
        const QList<QWidget*> fields = TextFields(&d);
        QVERIFY(!fields.isEmpty());
        for (QWidget* w : fields)
            Paste(w, h.text);
        QCOMPARE(d.start(), start);
        QCOMPARE(d.end(), end);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Filtra")), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(d.start().isValid() && d.end().isValid());
    }
}

QTEST_MAIN(tst_HostileInput)
#include "tst_HostileInput.moc"
