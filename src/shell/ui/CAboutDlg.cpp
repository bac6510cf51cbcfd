#include "shell/ui/CAboutDlg.h"

#include "shell/ui/RibbonIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(tr("Informazioni su Quarzil"));
    auto* icon = new QLabel(this);
    icon->setPixmap(RibbonIcons::Drawn(QStringLiteral("package-x-generic")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(tr("<b>Quarzil</b> Versione 3.2<br>Software per il "
                               "Magazzino<br><br>Copyright © Norvisk"),
                            this);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
