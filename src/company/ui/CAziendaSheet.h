#pragma once

#include <QDialog>

class CDittaDialog;
class CFormatDialog;
class ChangeNotifier;
class IBrowser;
class IFileDialogs;
class IPrompt;
class Profile;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;

// "Gestione Dati Aziendali": the company's data and its formats. A normal sheet with tabs from
// the menu, a two-step wizard at start-up while the company has no name.
class CAziendaSheet : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Sheet, Wizard };

    // notifier (may be null) is told to refresh every view when the sheet ends with OK or Fine.
    CAziendaSheet(Mode mode, Profile& profile, IPrompt& prompt, IFileDialogs& fileDialogs,
                  IBrowser& browser, const QString& appData, ChangeNotifier* notifier,
                  QWidget* parent = nullptr);

    Mode mode() const { return m_mode; }
    CDittaDialog* dittaPage() const { return m_ditta; }
    CFormatDialog* formatPage() const { return m_format; }
    int currentPage() const;

    // OK and Fine: both pages save in order; the sheet closes only when both succeed.
    void accept() override;

private:
    void showPage(int index);
    void updateWizardButtons();
    void next();
    void help();

    Mode m_mode;
    ChangeNotifier* m_notifier;
    CDittaDialog* m_ditta = nullptr;
    CFormatDialog* m_format = nullptr;
    QTabWidget* m_tabs = nullptr;
    QStackedWidget* m_stack = nullptr;
    QLabel* m_headerTitle = nullptr;
    QLabel* m_headerText = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
};
