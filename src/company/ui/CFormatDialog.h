#pragma once

#include <QWidget>

class CFormatFields;
class IBrowser;
class IPrompt;
class Profile;

// The page "Valute e Numeri": the company's currency and number conventions, which every
// amount and quantity of the program follows.
class CFormatDialog : public QWidget {
    Q_OBJECT
public:
    // Without stored conventions the page shows the locale's; only save() writes.
    CFormatDialog(Profile& profile, IPrompt& prompt, IBrowser& browser, QWidget* parent = nullptr);

    static QString title() { return tr("Valute e Numeri"); }

    // Checks and writes the currency group, then the number group; false at the first
    // refusal, with the offending field told to the user.
    bool save();
    void showHelp();

    CFormatFields* fields() const { return m_fields; }

private:
    Profile& m_profile;
    IBrowser& m_browser;
    CFormatFields* m_fields = nullptr;
};
