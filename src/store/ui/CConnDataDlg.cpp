#include "store/ui/CConnDataDlg.h"

#include "common/AppPaths.h"
#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "common/WaitCursor.h"
#include "common/ui/OneLineFields.h"
#include "store/CatalogCreator.h"
#include "store/ConnectionString.h"
#include "store/ui/CatalogComboBox.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace {
using S = Profile::Section;

QString UnknownErrorOr(const QString& text) {
    return text.isEmpty() ? CConnDataDlg::tr("Errore OleDB sconosciuto!") : text;
}
} // namespace

CConnDataDlg::CConnDataDlg(Profile& profile, IPrompt& prompt, IFileDialogs& fileDialogs,
                           IBrowser& browser, const QString& current, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_prompt(prompt), m_fileDialogs(fileDialogs),
      m_browser(browser) {
    setObjectName(QStringLiteral("CConnDataDlg"));
    setWindowTitle(title());

    m_sqlite = new QRadioButton(tr("Connessione a file &SQLite"), this);
    m_sqlite->setObjectName(QStringLiteral("Sqlite"));
    m_postgres = new QRadioButton(tr("Connessione a server Postgre&SQL"), this);
    m_postgres->setObjectName(QStringLiteral("Postgres"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_sqlite, 0);
    group->addButton(m_postgres, 1);
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            modeChanged();
    });

    m_open = new QPushButton(tr("A&pri..."), this);
    m_open->setObjectName(QStringLiteral("Apri"));
    m_open->setAutoDefault(false);
    connect(m_open, &QPushButton::clicked, this, &CConnDataDlg::chooseFile);
    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("Path"));
    m_path->setFrameShape(QFrame::StyledPanel);
    m_path->setFrameShadow(QFrame::Sunken);
    m_path->setMinimumWidth(320);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const auto label = [this](const QString& text, QWidget* buddy, const char* name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setBuddy(buddy);
        m_serverWidgets << l << buddy;
        return l;
    };
    m_server = new QLineEdit(this);
    m_server->setObjectName(QStringLiteral("Server"));
    m_server->setPlaceholderText(tr("host[:porta]"));
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("Utente"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_catalog = new CatalogComboBox(this);
    m_catalog->setObjectName(QStringLiteral("Database"));
    connect(m_catalog, &CatalogComboBox::aboutToShowPopup, this, &CConnDataDlg::fillCatalogs);
    m_newCatalog = new QToolButton(this);
    m_newCatalog->setObjectName(QStringLiteral("NuovoDatabase"));
    m_newCatalog->setIcon(QIcon::fromTheme(QStringLiteral("list-add"),
                                           style()->standardIcon(QStyle::SP_FileDialogNewFolder)));
    m_newCatalog->setToolTip(tr("Installa nuovo Database vuoto di Quarzil sul Server"));
    m_newCatalog->setAutoRaise(true);
    connect(m_newCatalog, &QToolButton::clicked, this, &CConnDataDlg::createCatalog);
    m_serverWidgets << m_newCatalog;

    auto* grid = new QGridLayout;
    grid->addWidget(label(tr("&Server"), m_server, "ServerLabel"), 0, 0);
    grid->addWidget(m_server, 0, 1, 1, 2);
    grid->addWidget(label(tr("&Utente"), m_user, "UtenteLabel"), 1, 0);
    grid->addWidget(m_user, 1, 1, 1, 2);
    grid->addWidget(label(tr("Pass&word"), m_password, "PasswordLabel"), 2, 0);
    grid->addWidget(m_password, 2, 1, 1, 2);
    grid->addWidget(label(tr("&Database"), m_catalog, "DatabaseLabel"), 3, 0);
    grid->addWidget(m_catalog, 3, 1);
    grid->addWidget(m_newCatalog, 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setContentsMargins(20, 0, 0, 0);

    auto* fileRow = new QHBoxLayout;
    fileRow->setContentsMargins(20, 0, 0, 0);
    fileRow->addWidget(m_open);
    fileRow->addWidget(m_path, 1);

    const auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* advanced = button(tr("Avan&zate"), "Avanzate");
    QPushButton* importAccess = button(tr("Importa archivio Access (.mdb)..."), "ImportaAccess");
    QPushButton* saveButton = button(tr("Salva"), "Salva");
    saveButton->setDefault(true);
    QPushButton* cancel = button(tr("Annulla"), "Annulla");
    QPushButton* help = button(tr("&Aiuto"), "Aiuto");
    connect(advanced, &QPushButton::clicked, this, [this] { done(Advanced); });
    connect(importAccess, &QPushButton::clicked, this, [this] { done(ImportAccess); });
    connect(saveButton, &QPushButton::clicked, this, &CConnDataDlg::save);
    connect(cancel, &QPushButton::clicked, this, &CConnDataDlg::reject);
    connect(help, &QPushButton::clicked, this, &CConnDataDlg::showHelp);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(advanced);
    buttons->addWidget(importAccess);
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sqlite);
    layout->addLayout(fileRow);
    layout->addSpacing(8);
    layout->addWidget(m_postgres);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    const ConnectionProbe::Fields f = ConnectionProbe::FromString(current);
    m_file = f.file;
    m_path->setText(QDir::toNativeSeparators(m_file));
    m_path->setToolTip(m_path->text());
    m_server->setText(f.server);
    m_user->setText(f.user);
    m_password->setText(f.password);
    m_catalog->setEditText(f.catalog);
    setPostgresMode(f.postgres);
    modeChanged();
    // Text of several lines pasted into a one-line field keeps its first line.
    KeepFirstLineIn(this);
}

bool CConnDataDlg::isPostgresMode() const {
    return m_postgres->isChecked();
}

void CConnDataDlg::setPostgresMode(bool postgres) {
    (postgres ? m_postgres : m_sqlite)->setChecked(true);
}

void CConnDataDlg::modeChanged() {
    const bool postgres = isPostgresMode();
    m_open->setEnabled(!postgres);
    m_path->setEnabled(!postgres);
    for (QWidget* w : std::as_const(m_serverWidgets))
        w->setEnabled(postgres);
}

ConnectionProbe::Fields CConnDataDlg::fields() const {
    ConnectionProbe::Fields f;
    f.postgres = isPostgresMode();
    f.file = m_file;
    f.server = m_server->text();
    f.user = m_user->text();
    f.password = m_password->text();
    f.catalog = m_catalog->currentText();
    return f;
}

QString CConnDataDlg::connectionString() const {
    return ConnectionProbe::Build(fields());
}

void CConnDataDlg::chooseFile() {
    const QString file =
        m_fileDialogs.openFile(tr("Selezione File Database"),
                               QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                               tr("Database Quarzil (*.db *.sqlite)"));
    // Cancelled, or a name typed for a file that is not there: the choice stays as it was.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    m_file = QFileInfo(file).absoluteFilePath();
    m_path->setText(QDir::toNativeSeparators(m_file));
    m_path->setToolTip(m_path->text());
}

void CConnDataDlg::fillCatalogs() {
    const QString typed = m_catalog->currentText();
    QStringList names;
    QString error;
    bool ok;
    {
        Items::WaitCursor wait;
        ok = ConnectionProbe::ListCatalogs(fields(), &names, &error);
    }
    if (!ok) {
        m_prompt.message(UnknownErrorOr(error), IPrompt::Icon::Error);
        return;
    }
    m_catalog->clear();
    m_catalog->addItems(names);
    if (!typed.isEmpty()) {
        const int index = m_catalog->findText(typed);
        if (index >= 0)
            m_catalog->setCurrentIndex(index);
        else
            m_catalog->setEditText(typed);
    } else if (!names.isEmpty()) {
        m_catalog->setCurrentIndex(0);
    }
}

void CConnDataDlg::createCatalog() {
    CatalogCreator::Request request;
    request.server = m_server->text().trimmed();
    request.user = m_user->text().trimmed();
    request.password = m_password->text();
    request.catalog = m_catalog->currentText().trimmed();
    request.templateFile =
        AppPaths::TemplateFile(m_profile.string(S::Settings, QStringLiteral("Directory")));
    CatalogCreator::Outcome outcome;
    bool created;
    {
        Items::WaitCursor wait;
        created = CatalogCreator::Create(request, &outcome);
    }
    for (const QString& unit : std::as_const(outcome.unitFailures))
        m_prompt.message(tr("Errore nell'importazione: %1").arg(unit), IPrompt::Icon::Information);
    if (!created) {
        m_prompt.message(UnknownErrorOr(outcome.error), IPrompt::Icon::Error);
        return;
    }
    m_prompt.message(
        tr("Database %1 su %2 creato con successo!")
            .arg(request.catalog, request.server.isEmpty() ? tr("server locale") : request.server),
        IPrompt::Icon::Information);
}

bool CConnDataDlg::TestAndStore(const QString& connection, Profile& profile, IPrompt& prompt) {
    QString error;
    ConnectionProbe::Result result;
    {
        Items::WaitCursor wait;
        result = ConnectionProbe::Probe(connection, &error);
    }
    if (result != ConnectionProbe::Result::Usable) {
        // The reason tells a wrong password from a server that is down or a file of another
        // program; without it the user could only guess.
        const QString text = error.isEmpty()
                                 ? openFailedText()
                                 : QStringLiteral("%1\n\n%2").arg(openFailedText(), error);
        prompt.message(text, IPrompt::Icon::Information);
        return false;
    }
    profile.setValue(S::Settings, QStringLiteral("MyConnection"), connection);
    profile.sync();
    return true;
}

void CConnDataDlg::save() {
    if (TestAndStore(connectionString(), m_profile, m_prompt))
        done(Saved);
}

void CConnDataDlg::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/connessione-dati.php")));
}

void CConnDataDlg::reject() {
    done(Cancelled);
}
