#pragma once

#include "common/IPrompt.h"
#include "print/PrintDocument.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class CKeyedListView;
class CMainDoc;
class DocumentPrinter;
class IBrowser;
class KeyedListModel;

// What the print commands of one list view share: the archive and profile of the view's
// document, the prompt, the program's printer and the logo. A subclass handles its view's
// print commands (set as the view's print handler).
class ViewPrints : public QObject {
    Q_OBJECT
public:
    ViewPrints(CKeyedListView& view, KeyedListModel& model, IPrompt& prompt, IBrowser& browser,
               DocumentPrinter& printer, QString logoFile);

    // Runs one print command of the view.
    virtual void run(int commandId) = 0;

protected:
    PrintSource source() const;
    // Shows the document in the preview, or prints it.
    void output(PrintDocument& document, bool preview);
    // The keys of every listed row, in list order.
    QList<int> listedKeys() const;
    QList<int> selectedKeys() const;
    // "Non ci sono dati da stampare!"
    void sayNothingToPrint(IPrompt::Icon icon = IPrompt::Icon::Warning);
    QWidget* parentWindow() const;

    CKeyedListView& m_view;
    KeyedListModel& m_model;
    CMainDoc& m_doc;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    DocumentPrinter& m_printer;
    QString m_logoFile;
};
