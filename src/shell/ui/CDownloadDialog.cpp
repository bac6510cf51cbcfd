#include "shell/ui/CDownloadDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

CDownloadDialog::CDownloadDialog(const QString& fileName, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CDownloadDialog"));
    setWindowTitle(tr("Aggiornamento del programma"));
    setModal(false);
    auto* column = new QVBoxLayout(this);
    m_label = new QLabel(tr("Scaricamento di %1 in corso...").arg(fileName), this);
    column->addWidget(m_label);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 0);
    m_bar->setMinimumWidth(380);
    m_bar->setFormat(QString());
    column->addWidget(m_bar);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    m_stop = new QPushButton(tr("&Interrompi"), this);
    m_stop->setAutoDefault(false);
    row->addWidget(m_stop);
    column->addLayout(row);
    connect(m_stop, &QPushButton::clicked, this, &CDownloadDialog::stopRequested);
}

void CDownloadDialog::setProgress(qint64 received, qint64 total) {
    // The bar counts kilobytes, so that packages beyond 2 GB still fit its int range.
    if (total > 0) {
        m_bar->setRange(0, int(qMax<qint64>(1, total / 1024)));
        m_bar->setValue(int(qMin(received, total) / 1024));
        const QLocale it(QLocale::Italian, QLocale::Italy);
        m_bar->setFormat(QStringLiteral("%1 di %2 KB")
                             .arg(it.toString(received / 1024), it.toString(total / 1024)));
    } else {
        m_bar->setRange(0, 0);
    }
}

void CDownloadDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    Q_EMIT stopRequested();
}

void CDownloadDialog::reject() {
    // Escape asks too, as closing the window does.
    Q_EMIT stopRequested();
}
