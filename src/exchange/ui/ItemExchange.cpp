#include "exchange/ui/ItemExchange.h"

#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "common/WaitCursor.h"
#include "common/ui/CMainDoc.h"
#include "exchange/ItemExport.h"
#include "exchange/ui/CImportaDlg.h"
#include "items/ArtListModel.h"
#include "items/ui/CArticoliView.h"
#include "print/PageCount.h"
#include "print/ui/CStampaDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>

namespace {

// A progress window that appears only for work that takes a while.
std::unique_ptr<QProgressDialog> Progress(QWidget* parent, const QString& label) {
    auto dialog = std::make_unique<QProgressDialog>(
        label, QCoreApplication::translate("ItemExchange", "Annulla"), 0, 1000, parent);
    dialog->setWindowTitle(QStringLiteral("Quarzil"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(400);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setValue(0);
    return dialog;
}

QString DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

ItemExchange::ItemExchange(CArticoliView& view, IPrompt& prompt, IFileDialogs& files,
                           IBrowser& browser)
    : QObject(&view), m_view(view), m_prompt(prompt), m_files(files), m_browser(browser) {
    askRows = [this](bool hasSelection, bool* selectedOnly) {
        return CStampaDialog::Run(hasSelection, window(), selectedOnly);
    };
    askMapping = [this](const QString& file, ItemImport::Mapping* mapping) {
        CImportaDlg dialog(file, m_view.document().profile(), m_prompt, m_browser, window());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *mapping = dialog.mapping();
        return true;
    };
}

QString ItemExchange::FileFilter() {
    return tr("File foglio elettronico (*.csv);;File di tipo web (*.xml)");
}

QWidget* ItemExchange::window() const {
    return m_view.window();
}

void ItemExchange::exportItems() {
    const auto nothing = [this] {
        m_prompt.message(QCoreApplication::translate("PageCount", kNoPrintDataMessage),
                         IPrompt::Icon::Information);
    };
    ArtListModel& model = *m_view.model();
    if (model.rowCount() == 0)
        return nothing();
    const QList<int> selected = m_view.selectedKeys();
    bool selectedOnly = false;
    if (!askRows(!selected.isEmpty(), &selectedOnly))
        return;
    QList<int> keys;
    if (selectedOnly) {
        keys = selected;
    } else {
        keys.reserve(model.rowCount());
        for (int row = 0; row < model.rowCount(); ++row)
            keys.append(model.keyAt(row));
    }
    if (keys.isEmpty())
        return nothing();

    QString file =
        m_files.saveFile(tr("Esporta"), DocumentsFolder(), ItemExport::DefaultName(), FileFilter());
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".csv");
    file = QFileInfo(file).absoluteFilePath();

    ItemExport::Result result;
    {
        auto progress = Progress(window(), tr("Esportazione degli articoli..."));
        ItemExport exporter(m_view.document().database(), m_view.document().profile());
        exporter.progress = [&](int done, int total) {
            progress->setValue(total > 0 ? int(qint64(done) * 1000 / total) : 0);
            return !progress->wasCanceled();
        };
        result = exporter.run(keys, file);
    }
    switch (result.status) {
    case ItemExport::Result::Status::Written:
        m_prompt.message(ItemExport::CreatedMessage(QDir::toNativeSeparators(file)),
                         IPrompt::Icon::Information);
        return;
    case ItemExport::Result::Status::FolderFailed:
        m_prompt.message(ItemExport::FolderMessage(), IPrompt::Icon::Warning);
        return;
    case ItemExport::Result::Status::Cancelled:
        return;
    case ItemExport::Result::Status::Failed:
        m_prompt.message(tr("Impossibile creare il file %1!\n%2")
                             .arg(QDir::toNativeSeparators(file), result.error),
                         IPrompt::Icon::Warning);
        return;
    }
}

void ItemExchange::importItems() {
    const QString file = m_files.openFile(tr("Importa"), DocumentsFolder(), FileFilter());
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().compare(QStringLiteral("xml"), Qt::CaseInsensitive) == 0) {
        m_prompt.message(ItemImport::XmlMessage(), IPrompt::Icon::Warning);
        return;
    }
    ItemImport::Mapping mapping;
    if (!askMapping(file, &mapping))
        return;

    ItemImport::Result result;
    {
        auto progress = Progress(window(), tr("Importazione degli articoli..."));
        ItemImport importer(m_view.document().database(), m_view.document().profile());
        importer.progress = [&](qint64 done, qint64 total) {
            progress->setValue(total > 0 ? int(done * 1000 / total) : 0);
            return !progress->wasCanceled();
        };
        importer.acceptErrors = [&](const ItemImport::Result& sofar) {
            progress->hide();
            return m_prompt.question(ItemImport::ErrorsQuestion() + QStringLiteral("\n\n") +
                                         ItemImport::RejectedSummary(sofar),
                                     false);
        };
        result = importer.run(file, mapping);
    }
    using Status = ItemImport::Result::Status;
    if (result.status == Status::Unreadable || result.status == Status::Failed) {
        m_prompt.message(ItemImport::UnreadableMessage(), IPrompt::Icon::Warning);
        return;
    }
    if (result.status == Status::Cancelled)
        return;
    if (result.truncatedLines > 0)
        m_prompt.message(ItemImport::TruncatedMessage(), IPrompt::Icon::Warning);
    if (result.status != Status::Imported)
        return;
    {
        Items::WaitCursor wait;
        m_view.reload();
    }
    if (result.countersFailed)
        m_prompt.message(tr("Impossibile ricalcolare le giacenze dei prodotti importati!"),
                         IPrompt::Icon::Warning);
    m_prompt.message(ItemImport::ImportedMessage(result.imported), IPrompt::Icon::Information);
}
