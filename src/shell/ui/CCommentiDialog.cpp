#include "shell/ui/CCommentiDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CCommentiDialog::CCommentiDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CCommentiDialog"));
    setWindowTitle(tr("Commenti e suggerimenti"));
    auto* column = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Le informazioni vengono inviate al produttore "
                                "insieme a un rapporto sul sistema, senza password "
                                "e senza dati dell'archivio."),
                             this);
    intro->setWordWrap(true);
    column->addWidget(intro);
    const auto field = [this, column](int id, const char* cue) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit-%1").arg(id));
        edit->setMaxLength(kMaxLength);
        edit->setPlaceholderText(QString::fromUtf8(cue));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(edit->placeholderText()) + 24);
        column->addWidget(edit);
        return edit;
    };
    m_error = field(1305, "Descrivere l'ultima operazione effettuatata prima della chiusura "
                          "inaspettata del software");
    m_comment = field(1306, "Descrivere cosa, secondo voi, andrebbbe migliorato o implementato "
                            "nel software");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(QStringLiteral("OK"));
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_cancel->setText(tr("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

QString CCommentiDialog::errorInfo() const {
    return m_error->text().trimmed();
}

QString CCommentiDialog::comment() const {
    return m_comment->text().trimmed();
}
