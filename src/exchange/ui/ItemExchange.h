#pragma once

#include "exchange/ItemImport.h"

#include <QObject>
#include <functional>

class CArticoliView;
class IBrowser;
class IFileDialogs;
class IPrompt;

// The export and import commands of the items view: the choice of rows, the file, the mapping,
// the progress with its cancel and every message, around ItemExport and ItemImport.
class ItemExchange : public QObject {
    Q_OBJECT
public:
    ItemExchange(CArticoliView& view, IPrompt& prompt, IFileDialogs& files, IBrowser& browser);

    void exportItems();
    void importItems();

    // All rows or the selected ones; false when cancelled. The default shows CStampaDialog.
    std::function<bool(bool hasSelection, bool* selectedOnly)> askRows;
    // The mapping of the file's columns; false when cancelled. The default shows CImportaDlg.
    std::function<bool(const QString& file, ItemImport::Mapping* mapping)> askMapping;

    static QString FileFilter();

private:
    QWidget* window() const;

    CArticoliView& m_view;
    IPrompt& m_prompt;
    IFileDialogs& m_files;
    IBrowser& m_browser;
};
