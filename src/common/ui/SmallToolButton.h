#pragma once

#include <QString>
#include <QStyle>

class IBrowser;
class Profile;
class QToolButton;
class QWidget;

// A small flat button beside a field, with the desktop theme's icon, or the style's own where the
// theme has none.
QToolButton* SmallToolButton(const QString& iconName, QStyle::StandardPixmap fallback,
                             const QString& toolTip, QWidget* parent);

// The two buttons beside a tax code and a VAT number. The program computes and validates
// nothing there: they open the maker's online tools.
QToolButton* TaxCodeToolButton(Profile& profile, IBrowser& browser, QWidget* parent);
QToolButton* VatNumberToolButton(Profile& profile, IBrowser& browser, QWidget* parent);
