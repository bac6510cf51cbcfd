#include "shell/ui/CPlaceholderView.h"

#include "common/ChangeNotifier.h"
#include "common/ui/CMainDoc.h"

#include <QLabel>
#include <QVBoxLayout>

CPlaceholderView::CPlaceholderView(CMainDoc& doc, const QString& title, QWidget* parent)
    : CFrameView(doc, parent) {
    m_label = new QLabel(
        QStringLiteral("<b>%1</b><br><br>Questa funzione non è ancora disponibile.").arg(title),
        this);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setObjectName(QStringLiteral("PlaceholderText"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

QString CPlaceholderView::text() const {
    return m_label->text();
}

void CPlaceholderView::becameVisible() {
    Q_EMIT document().notifier().rowCountChanged(0, 0);
}
