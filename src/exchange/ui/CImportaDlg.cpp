#include "exchange/ui/CImportaDlg.h"

#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CImportaDlg::CImportaDlg(const QString& file, const Profile& profile, IPrompt& prompt,
                         IBrowser& browser, QWidget* parent)
    : QDialog(parent), m_file(file), m_profile(profile), m_prompt(prompt), m_browser(browser) {
    setWindowTitle(title());
    setObjectName(QStringLiteral("CImportaDlg"));

    auto* separators = new QGroupBox(tr("Separatore di campo"), this);
    auto* separatorLayout = new QVBoxLayout(separators);
    const char* const separatorTexts[] = {QT_TR_NOOP("&Punto e Virgola ( ; )"),
                                          QT_TR_NOOP("&Virgola ( , )"), QT_TR_NOOP("P&unto ( . )")};
    for (int i = 0; i < 3; ++i) {
        m_separators[i] = new QRadioButton(tr(separatorTexts[i]), separators);
        separatorLayout->addWidget(m_separators[i]);
    }
    auto* delimiters = new QGroupBox(tr("Delimitatore di testo"), this);
    auto* delimiterLayout = new QVBoxLayout(delimiters);
    const char* const delimiterTexts[] = {QT_TR_NOOP("&Nessuno"), QT_TR_NOOP("&Doppi Apici ( \" )"),
                                          QT_TR_NOOP("Api&ce Semplice ( ' )")};
    for (int i = 0; i < 3; ++i) {
        m_delimiters[i] = new QRadioButton(tr(delimiterTexts[i]), delimiters);
        delimiterLayout->addWidget(m_delimiters[i]);
    }
    m_heading = new QCheckBox(tr("&Intestazione di colonna nella prima riga"), this);

    // The file's start suggests the choices: the first line's more frequent separator, the
    // double quote when there is one, and, when it names fields, the headings and the columns they
    // name.
    QByteArray start;
    {
        QFile f(file);
        if (f.open(QIODevice::ReadOnly))
            start = f.read(64 * 1024);
    }
    const QByteArray first = start.left(start.indexOf('\n'));
    const int semicolons = int(first.count(';'));
    const int commas = int(first.count(','));
    m_separators[commas > semicolons ? 1 : 0]->setChecked(true);
    m_delimiters[start.contains('"') ? 1 : 0]->setChecked(true);

    auto* columns = new QGroupBox(tr("Colonne del file"), this);
    auto* grid = new QGridLayout(columns);
    // The field names stay Italian in the import's own matching; only their display follows
    // the language.
    QStringList targets;
    for (const QString& name : ItemImport::TargetNames())
        targets << QCoreApplication::translate("ItemImport", name.toUtf8().constData());
    constexpr int kRows = (ItemImport::kColumns + 1) / 2;
    for (int c = 0; c < ItemImport::kColumns; ++c) {
        const int row = c % kRows;
        const int side = (c / kRows) * 3;
        auto* number = new QLabel(QStringLiteral("%1.").arg(c + 1), columns);
        m_samples[c] = new QLineEdit(columns);
        m_samples[c]->setReadOnly(true);
        m_samples[c]->setFocusPolicy(Qt::NoFocus);
        m_samples[c]->setMinimumWidth(150);
        m_samples[c]->setObjectName(QStringLiteral("Esempio%1").arg(c + 1));
        m_boxes[c] = new QComboBox(columns);
        m_boxes[c]->addItems(targets);
        m_boxes[c]->setObjectName(QStringLiteral("Colonna%1").arg(c + 1));
        number->setBuddy(m_boxes[c]);
        grid->addWidget(number, row, side);
        grid->addWidget(m_samples[c], row, side + 1);
        grid->addWidget(m_boxes[c], row, side + 2);
    }
    grid->setColumnMinimumWidth(3, 30);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(tr("&Aiuto"), QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CImportaDlg::tryAccept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] {
        m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/importazione.php")));
    });

    auto* top = new QHBoxLayout;
    top->addWidget(separators);
    top->addWidget(delimiters);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_heading);
    layout->addWidget(columns);
    layout->addWidget(buttons);

    for (QRadioButton* b : m_separators)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                updateSamples();
        });
    for (QRadioButton* b : m_delimiters)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                updateSamples();
        });
    updateSamples();

    // Headings the program knows map their columns.
    int known = 0;
    for (int c = 0; c < ItemImport::kColumns; ++c) {
        const int target = ItemImport::TargetFromName(m_samples[c]->text());
        if (target > ItemImport::None) {
            m_boxes[c]->setCurrentIndex(target);
            ++known;
        }
    }
    if (known >= 2)
        m_heading->setChecked(true);
    else
        for (QComboBox* box : m_boxes)
            box->setCurrentIndex(ItemImport::None);
    m_boxes[0]->setFocus();
}

ItemImport::Mapping CImportaDlg::mapping() const {
    ItemImport::Mapping m;
    for (int i = 0; i < 3; ++i) {
        if (m_separators[i]->isChecked())
            m.separator = ItemImport::SeparatorOf(i);
        if (m_delimiters[i]->isChecked())
            m.delimiter = ItemImport::DelimiterOf(i);
    }
    m.heading = m_heading->isChecked();
    for (int c = 0; c < ItemImport::kColumns; ++c)
        m.targets[c] = m_boxes[c]->currentIndex();
    return m;
}

void CImportaDlg::updateSamples() {
    const ItemImport::Mapping m = mapping();
    const QStringList fields = ItemImport::FirstLineFields(m_file, m.separator, m.delimiter);
    for (int c = 0; c < ItemImport::kColumns; ++c) {
        QString sample = c < fields.size() ? fields[c] : QString();
        sample.replace(u'\n', u' ').replace(u'\r', u' ');
        m_samples[c]->setText(sample);
        m_samples[c]->setCursorPosition(0);
        m_samples[c]->setToolTip(sample);
    }
}

void CImportaDlg::tryAccept() {
    const ItemImport::MappingProblem problem = ItemImport::Check(mapping());
    if (problem != ItemImport::MappingProblem::None) {
        m_prompt.message(ItemImport::ProblemMessage(problem), IPrompt::Icon::Error);
        return;
    }
    accept();
}
