#include "company/ui/CDittaDialog.h"

#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "common/ui/OneLineFields.h"
#include "common/ui/SmallToolButton.h"
#include "company/CompanyData.h"
#include "company/CompanyLogo.h"
#include "company/ui/FieldHelpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
using S = Profile::Section;

const QSize kLogoSize(100, 60);

// JPEG, PNG, BMP, GIF, ICO and TIFF have Qt readers; the Windows metafiles (EMF, WMF) have
// none, so they are not offered.
const char* const kImageFilter = QT_TRANSLATE_NOOP(
    "CDittaDialog", "Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)");

struct FieldText {
    const char* key;
    const char* label;
    const char* cue;
};

QString Translated(const char* text) {
    return text ? QCoreApplication::translate("CDittaDialog", text) : QString();
}

// Labels and cue texts of the fields, by key, in the interface language: the examples are
// an address and a town of a country that speaks it.
FieldText Describe(const QString& key) {
    static const FieldText texts[] = {
        {"RagSoc", QT_TRANSLATE_NOOP("CDittaDialog", "&Rag.Soc."), nullptr},
        {"Indirizzo", QT_TRANSLATE_NOOP("CDittaDialog", "&Indirizzo"),
         QT_TRANSLATE_NOOP("CDittaDialog", "Es. Via Giuseppe Garibaldi, 25")},
        {"Comune", QT_TRANSLATE_NOOP("CDittaDialog", "&Comune"),
         QT_TRANSLATE_NOOP("CDittaDialog", "Es. 20121 Milano (MI)")},
        {"Paese", QT_TRANSLATE_NOOP("CDittaDialog", "Na&zione"), nullptr},
        {"Telefono", QT_TRANSLATE_NOOP("CDittaDialog", "&Telefono"), nullptr},
        {"Fax", QT_TRANSLATE_NOOP("CDittaDialog", "Fa&x"), nullptr},
        {"Cellulare", QT_TRANSLATE_NOOP("CDittaDialog", "Cell&ulare"), nullptr},
        {"EMail", QT_TRANSLATE_NOOP("CDittaDialog", "&E-Mail"), nullptr},
        {"Web", QT_TRANSLATE_NOOP("CDittaDialog", "&Sito Web"), nullptr},
        {"CodFisc", QT_TRANSLATE_NOOP("CDittaDialog", "C&od.Fisc"), nullptr},
        {"PartIva", QT_TRANSLATE_NOOP("CDittaDialog", "Part.I&va"), nullptr},
        {"CapSoc", QT_TRANSLATE_NOOP("CDittaDialog", "Ca&p.Sociale"),
         QT_TRANSLATE_NOOP("CDittaDialog", "Es. €.10.000,00")},
        {"Altro", QT_TRANSLATE_NOOP("CDittaDialog", "A&ltro"),
         QT_TRANSLATE_NOOP("CDittaDialog", "Es. R.E.A. XXXXX - C.C.I.A.A. XXXXX - Reg. AEE XXXXX")},
    };
    for (const FieldText& t : texts)
        if (key == QLatin1String(t.key))
            return t;
    return {"", nullptr, nullptr};
}

} // namespace

CDittaDialog::CDittaDialog(Profile& profile, IPrompt& prompt, IFileDialogs& fileDialogs,
                           IBrowser& browser, const QString& appData, QWidget* parent)
    : QWidget(parent), m_profile(profile), m_prompt(prompt), m_fileDialogs(fileDialogs),
      m_browser(browser), m_logoFile(CompanyLogoFile(appData)) {
    setObjectName(QStringLiteral("CDittaDialog"));
    setWindowTitle(title());

    // The lengths are checked on saving rather than cut while typing, so a pasted text that is
    // too long is reported instead of being silently shortened.
    for (const CompanyField& f : CompanyFields()) {
        QLineEdit* edit = nullptr;
        if (f.key == QLatin1String("Paese")) {
            m_country = new QComboBox(this);
            m_country->setObjectName(f.key);
            m_country->setEditable(true);
            m_country->setInsertPolicy(QComboBox::NoInsert);
            m_country->addItems(CountryChoices(ActiveInterfaceLanguage()));
            m_country->setCurrentText(CompanyValue(profile, f.key));
            edit = m_country->lineEdit();
        } else {
            edit = new QLineEdit(CompanyValue(profile, f.key), this);
            edit->setObjectName(f.key);
        }
        edit->setPlaceholderText(Translated(Describe(f.key).cue));
        m_fields.insert(f.key, edit);
    }

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    int row = 0;
    auto label = [this](const QString& key) {
        auto* l = new QLabel(Translated(Describe(key).label), this);
        l->setBuddy(key == QLatin1String("Paese") ? static_cast<QWidget*>(m_country)
                                                  : m_fields.value(key));
        return l;
    };
    auto wide = [&](const QString& key) {
        grid->addWidget(label(key), row, 0);
        QWidget* w =
            key == QLatin1String("Paese") ? static_cast<QWidget*>(m_country) : m_fields.value(key);
        grid->addWidget(w, row, 1, 1, 3);
        ++row;
    };
    auto pair = [&](const QString& left, QWidget* leftWidget, const QString& right,
                    QWidget* rightWidget) {
        grid->addWidget(label(left), row, 0);
        grid->addWidget(leftWidget, row, 1);
        grid->addWidget(label(right), row, 2);
        grid->addWidget(rightWidget, row, 3);
        ++row;
    };
    auto withButton = [this](const QString& key, QToolButton* button) {
        auto* box = new QWidget(this);
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        h->addWidget(m_fields.value(key), 1);
        h->addWidget(button);
        return box;
    };

    wide(QStringLiteral("RagSoc"));
    wide(QStringLiteral("Indirizzo"));
    wide(QStringLiteral("Comune"));
    wide(QStringLiteral("Paese"));
    pair(QStringLiteral("Telefono"), m_fields.value(QStringLiteral("Telefono")),
         QStringLiteral("Fax"), m_fields.value(QStringLiteral("Fax")));
    pair(QStringLiteral("Cellulare"), m_fields.value(QStringLiteral("Cellulare")),
         QStringLiteral("EMail"), m_fields.value(QStringLiteral("EMail")));
    wide(QStringLiteral("Web"));

    QToolButton* taxCode = TaxCodeToolButton(m_profile, m_browser, this);
    QToolButton* vatNumber = VatNumberToolButton(m_profile, m_browser, this);
    pair(QStringLiteral("CodFisc"), withButton(QStringLiteral("CodFisc"), taxCode),
         QStringLiteral("PartIva"), withButton(QStringLiteral("PartIva"), vatNumber));
    wide(QStringLiteral("CapSoc"));
    wide(QStringLiteral("Altro"));

    auto* logoBox = new QGroupBox(tr("Logo Aziendale"), this);
    auto* logoLayout = new QHBoxLayout(logoBox);
    // The literal is split after the second escape, which would otherwise take in the "60".
    auto* note = new QLabel(tr("L'immagine scelta viene adattata a un'area di "
                               "100\u00A0x\u00A0"
                               "60 punti.\nFare clic sull'area per "
                               "sceglierla."),
                            logoBox);
    note->setWordWrap(true);
    m_logo = new QLabel(logoBox);
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_logo->setLineWidth(1);
    m_logo->setFixedSize(kLogoSize + QSize(2, 2));
    m_logo->setCursor(Qt::PointingHandCursor);
    m_logo->setToolTip(tr("Scegli il logo aziendale"));
    m_logo->installEventFilter(this);
    logoLayout->addWidget(note, 1);
    logoLayout->addWidget(m_logo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(logoBox);
    layout->addStretch(1);

    showSavedLogo(false);
    // Text of several lines pasted into a one-line field keeps its first line.
    KeepFirstLineIn(this);
}

QLineEdit* CDittaDialog::field(const QString& key) const {
    return m_fields.value(key);
}

bool CDittaDialog::save() {
    return check(true);
}

bool CDittaDialog::validate() {
    return check(false);
}

bool CDittaDialog::check(bool write) {
    for (const CompanyField& f : CompanyFields()) {
        QLineEdit* edit = m_fields.value(f.key);
        QString text;
        if (!CheckFieldLength(m_prompt, edit, f.maxLength, &text))
            return false;
        if (f.key == QLatin1String("RagSoc") && text.isEmpty()) {
            edit->setFocus();
            m_prompt.balloon(edit, tr("Errore nella ragione sociale"),
                             tr("La ragione sociale dell'azienda è obbligatoria!"),
                             IPrompt::Icon::Warning);
            return false;
        }
        if (write)
            m_profile.setValue(S::Azienda, f.key, text);
    }
    return true;
}

void CDittaDialog::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/azienda.php")));
}

bool CDittaDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_logo && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        m_logo->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        chooseLogo();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CDittaDialog::chooseLogo() {
    const QString file =
        m_fileDialogs.openFile(tr("Quarzil : Selezione Immagine"), QString(), tr(kImageFilter));
    if (file.isEmpty())
        return;
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        m_prompt.message(tr("Impossibile salvare l'immagine!"), IPrompt::Icon::Warning);
        return;
    }
    m_logo->setPixmap(QPixmap::fromImage(
        image.scaled(kLogoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    if (!m_prompt.question(tr("Salvare questa immagine come proprio logo?"))) {
        showSavedLogo(true);
        return;
    }
    if (!SaveCompanyLogo(image, m_logoFile)) {
        m_prompt.message(tr("Impossibile salvare l'immagine!"), IPrompt::Icon::Warning);
        // The area must not show a logo that was not kept.
        showSavedLogo(false);
    }
}

void CDittaDialog::showSavedLogo(bool reportFailure) {
    m_logo->clear();
    if (!QFileInfo::exists(m_logoFile))
        return;
    const QImage image(m_logoFile);
    if (image.isNull()) {
        if (reportFailure)
            m_prompt.message(tr("Impossibile caricare l'immagine!"), IPrompt::Icon::Warning);
        return;
    }
    m_logo->setPixmap(QPixmap::fromImage(
        image.scaled(kLogoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}
