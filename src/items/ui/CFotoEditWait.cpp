#include "items/ui/CFotoEditWait.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CFotoEditWait::CFotoEditWait(const QString& file, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CFotoEditWait"));
    setWindowTitle(tr("Modifica Immagine"));
    m_text = new QLabel(tr("L'immagine è aperta nel programma di modifica delle immagini.\n"
                           "Salvare le modifiche nello stesso file, poi premere \"Fatto\".\n\n%1")
                            .arg(file),
                        this);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    m_done = buttons->addButton(tr("Fatto"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    m_done->setDefault(true);
    connect(m_done, &QPushButton::clicked, this, [this] {
        if (!done || done())
            accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
