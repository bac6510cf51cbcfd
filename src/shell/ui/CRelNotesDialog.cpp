#include "shell/ui/CRelNotesDialog.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

CRelNotesDialog::CRelNotesDialog(const QString& html, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Aggiornamenti "));
    resize(560, 420);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("notes"));
    text->setOpenExternalLinks(true);
    text->setHtml(html);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
