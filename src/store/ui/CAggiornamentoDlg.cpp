#include "store/ui/CAggiornamentoDlg.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CAggiornamentoDlg::CAggiornamentoDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("CAggiornamentoDlg"));
    setWindowTitle(tr("Aggiornamento Archivio"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    m_text = new QLabel(tr("Attendere prego, stiamo ottimizzando i dati..."), this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(1, 100);
    m_bar->setValue(1);
    m_bar->setTextVisible(false);
    m_bar->setMinimumWidth(320);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    setFixedSize(sizeHint());
}

void CAggiornamentoDlg::repaintNow() {
    // Only painting: a click or a key meanwhile must not reach the half-started program.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CAggiornamentoDlg::begin() {
    m_bar->setValue(1);
    show();
    raise();
    repaintNow();
}

void CAggiornamentoDlg::setPosition(int position) {
    m_bar->setValue(qBound(m_bar->minimum(), position, m_bar->maximum()));
    repaintNow();
}

void CAggiornamentoDlg::step() {
    setPosition(m_bar->value() + 1);
}

void CAggiornamentoDlg::end() {
    hide();
}
