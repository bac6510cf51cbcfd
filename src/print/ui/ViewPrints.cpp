#include "print/ui/ViewPrints.h"

#include "common/ui/CKeyedListView.h"
#include "common/ui/CMainDoc.h"
#include "print/PageCount.h"
#include "print/ui/DocumentPrinter.h"
#include "store/KeyedListModel.h"

#include <QCoreApplication>

ViewPrints::ViewPrints(CKeyedListView& view, KeyedListModel& model, IPrompt& prompt,
                       IBrowser& browser, DocumentPrinter& printer, QString logoFile)
    : QObject(&view), m_view(view), m_model(model), m_doc(view.document()), m_prompt(prompt),
      m_browser(browser), m_printer(printer), m_logoFile(std::move(logoFile)) {
    view.setPrintHandler([this](int id) { run(id); });
}

PrintSource ViewPrints::source() const {
    return PrintSource{m_doc.database(), m_doc.profile(), m_logoFile};
}

void ViewPrints::output(PrintDocument& document, bool preview) {
    if (preview)
        m_printer.preview(document);
    else
        m_printer.print(document);
}

QList<int> ViewPrints::listedKeys() const {
    QList<int> keys;
    const int rows = m_model.rowCount();
    keys.reserve(rows);
    for (int row = 0; row < rows; ++row)
        keys.append(m_model.keyAt(row));
    return keys;
}

QList<int> ViewPrints::selectedKeys() const {
    return m_view.selectedKeys();
}

void ViewPrints::sayNothingToPrint(IPrompt::Icon icon) {
    m_prompt.message(QCoreApplication::translate("PageCount", kNoPrintDataMessage), icon);
}

QWidget* ViewPrints::parentWindow() const {
    return m_view.window();
}
