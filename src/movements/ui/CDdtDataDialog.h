#pragma once

#include "movements/OtherData.h"

#include <QDialog>
#include <QHash>

class IBrowser;
class IPrompt;
class Profile;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// "Altri Dati": the transport data, the invoice data, the alternative destination and the
// footer lines of one movement. Only an unload (mode 1) is an invoice; in the other modes only
// the transport texts can be changed. The texts go back to the movement only when the dialog
// closes accepted ("Chiudi", or "C&hiudi e Salva Testo Fattura", which also keeps the footer
// lines for the next new unloads); Esc and the window's close leave them as they were.
class CDdtDataDialog : public QDialog {
    Q_OBJECT
public:
    // mode: the movement's type, 0 load, 1 unload, 2 return, 3 receipt.
    CDdtDataDialog(Profile& profile, IPrompt& prompt, IBrowser& browser, int mode,
                   const OtherData& data, QWidget* parent = nullptr);

    static QString title() { return tr("Altri Dati"); }
    // The choices the payment-terms box offers; any other text can be typed.
    static QStringList paymentTerms();

    // After an accepted close, the texts as the fields held them; otherwise the texts the dialog
    // was given.
    OtherData data() const { return m_data; }
    int mode() const { return m_mode; }

    // The field of a column ("Causale", "Riga1Min"; "CondPag" is the combo box's line).
    QLineEdit* field(const QString& column) const { return m_fields.value(column); }
    QComboBox* paymentTermsBox() const { return m_condPag; }
    QGroupBox* group(OtherDataField::Group group) const { return m_groups.value(int(group)); }
    QPushButton* defaultTextButton() const { return m_defaultText; }
    QPushButton* saveFooterButton() const { return m_saveFooter; }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* helpButton() const { return m_help; }

    // "Chiudi": checks the lengths; a text too long keeps the dialog open.
    void accept() override;

public Q_SLOTS:
    // "Testo Defa&ult": the footer fields get the standard texts.
    void fillDefaultFooter();
    // "C&hiudi e Salva Testo Fattura".
    void saveFooterAndClose();
    void showHelp();

private:
    void buildLayout();
    void showTexts(const OtherData& data);
    bool collect(OtherData* data);

    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    const int m_mode;
    OtherData m_data;
    QHash<QString, QLineEdit*> m_fields;
    QHash<int, QGroupBox*> m_groups;
    QComboBox* m_condPag = nullptr;
    QPushButton* m_defaultText = nullptr;
    QPushButton* m_saveFooter = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_help = nullptr;
};
