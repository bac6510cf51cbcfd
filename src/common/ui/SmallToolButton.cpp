#include "common/ui/SmallToolButton.h"

#include "common/IBrowser.h"
#include "common/MakerSite.h"

#include <QCoreApplication>
#include <QIcon>
#include <QToolButton>

QToolButton* SmallToolButton(const QString& iconName, QStyle::StandardPixmap fallback,
                             const QString& toolTip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon::fromTheme(iconName, parent->style()->standardIcon(fallback)));
    button->setToolTip(toolTip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QToolButton* TaxCodeToolButton(Profile& profile, IBrowser& browser, QWidget* parent) {
    QToolButton* button = SmallToolButton(
        QStringLiteral("accessories-calculator"), QStyle::SP_FileDialogContentsView,
        QCoreApplication::translate("SmallToolButton", "Calcola codice fiscale"), parent);
    button->setObjectName(QStringLiteral("CalcolaCodiceFiscale"));
    QObject::connect(button, &QToolButton::clicked, button, [&profile, &browser] {
        browser.open(MakerPage(profile, QStringLiteral("/calcolo-codice-fiscale.php")));
    });
    return button;
}

QToolButton* VatNumberToolButton(Profile& profile, IBrowser& browser, QWidget* parent) {
    QToolButton* button = SmallToolButton(
        QStringLiteral("dialog-ok"), QStyle::SP_DialogApplyButton,
        QCoreApplication::translate("SmallToolButton", "Controlla partita iva"), parent);
    button->setObjectName(QStringLiteral("ControllaPartitaIva"));
    QObject::connect(button, &QToolButton::clicked, button, [&profile, &browser] {
        browser.open(MakerPage(profile, QStringLiteral("/controllo-partita-iva.php")));
    });
    return button;
}
