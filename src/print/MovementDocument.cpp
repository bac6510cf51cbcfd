#include "print/MovementDocument.h"

#include "common/Profile.h"
#include "print/PageCount.h"

#include <QPainter>

MovementDocument::MovementDocument(const PrintSource& source, MovementPrintData data,
                                   PrintCurrency currency)
    : m_company(CompanyHeader::FromProfile(source.profile)), m_logoFile(source.logoFile),
      m_data(std::move(data)), m_money(source.profile, m_data.header, currency) {}

void MovementDocument::paginate(int rowsPerPage) {
    m_rowsPerPage = rowsPerPage;
    m_lines.clear();
    for (int r = 0; r < m_data.rows.size(); ++r) {
        m_lines.append({r, false});
        if (!m_data.rows[r].row.Notes.trimmed().isEmpty())
            m_lines.append({r, true});
    }
    m_pageCount = DocumentPageCount(int(m_data.rows.size()), m_data.rowsWithNote(), rowsPerPage);
}

QVector<MovementDocument::Line> MovementDocument::linesOfPage(int page) const {
    if (page < 1 || m_rowsPerPage <= 0)
        return {};
    const int first = (page - 1) * m_rowsPerPage;
    return m_lines.mid(first, m_rowsPerPage);
}

QString MovementDocument::dateText() const {
    return m_data.header.Data.isValid()
               ? m_data.header.Data.date().toString(QStringLiteral("dd/MM/yyyy"))
               : QString();
}

QString MovementDocument::baseName(const QString& kind) const {
    QStringList parts{kind};
    if (!m_data.header.Numero.isEmpty())
        parts << m_data.header.Numero;
    if (m_data.header.Data.isValid())
        parts << m_data.header.Data.date().toString(Qt::ISODate);
    return SafeFileName(parts.join(u' '));
}

void MovementDocument::drawBox(PageFrame& frame, double x1, double y1, double x2, double y2) {
    frame.setThinPen();
    frame.painter().setBrush(Qt::NoBrush);
    frame.painter().drawRect(
        QRectF(QPointF(qMin(x1, x2), qMin(y1, y2)), QPointF(qMax(x1, x2), qMax(y1, y2))));
}

void MovementDocument::drawLine(PageFrame& frame, double x1, double y1, double x2, double y2) {
    frame.setThinPen();
    frame.painter().drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void MovementDocument::drawFitted(PageFrame& frame, double x1, double y1, double x2, double y2,
                                  int flags, const QString& text) {
    if (text.isEmpty())
        return;
    frame.drawText(x1, y1, x2, y2, flags, frame.fitText(text, qAbs(x2 - x1)));
}

void MovementDocument::drawField(PageFrame& frame, double x1, double y1, double x2,
                                 const QString& label, const QString& value) {
    frame.painter().setFont(frame.labelFont());
    drawFitted(frame, x1 + 10, y1 - 8, x2 - 10, y1 - 45, Qt::AlignLeft | Qt::AlignTop, label);
    frame.painter().setFont(frame.bodyFont());
    drawFitted(frame, x1 + 10, y1 - 48, x2 - 10, y1 - 88, Qt::AlignLeft | Qt::AlignVCenter, value);
}

void MovementDocument::drawBlock(PageFrame& frame, double x1, double y1, double x2, double y2,
                                 const QString& heading, const QStringList& lines) {
    drawBox(frame, x1, y1, x2, y2);
    frame.painter().setFont(frame.headingFont());
    drawFitted(frame, x1 + 10, y1, x2 - 10, y2, Qt::AlignLeft | Qt::AlignVCenter, heading);
    frame.painter().setFont(frame.bodyFont());
    double y = qMin(y1, y2) - 10;
    for (const QString& line : lines) {
        drawFitted(frame, x1 + 10, y, x2 - 10, y - 40, Qt::AlignLeft | Qt::AlignVCenter, line);
        y -= 40;
    }
}
