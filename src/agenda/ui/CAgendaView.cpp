#include "agenda/ui/CAgendaView.h"

#include "agenda/AgendaLayout.h"
#include "agenda/AgendaStore.h"
#include "agenda/ui/CAppDialog.h"
#include "agenda/ui/CCalAppBar.h"
#include "common/ChangeNotifier.h"
#include "common/IPrompt.h"
#include "common/ui/CMainDoc.h"
#include "company/Formats.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace L = AgendaLayout;

namespace {

// The content is the header band and the 48 slots; one more pixel shows the grid's last line.
constexpr int kContentHeight = L::kGridBottom + 1;
// At first the grid shows the day from 7:00, below the header.
constexpr int kInitialScroll = 7 * 40;
constexpr int kLabelWidth = L::kMarkerLeft;
constexpr int kSubjectBand = 25;
constexpr int kSeparatorOffset = 30;
constexpr int kBandHeight = 5;

const QColor kHeaderTop(254, 187, 86);
const QColor kHeaderBottom(255, 243, 225);
const QColor kWorkingHours(255, 244, 188);
const QColor kSelectedMarker(50, 140, 173);
const QColor kMarker(36, 120, 153);
const QColor kHourLine(205, 205, 205);
const QColor kHalfHourLine(230, 230, 230);

QFont SubjectFont(const QFont& base) {
    QFont f = base;
    f.setPixelSize(14);
    f.setBold(true);
    return f;
}

QFont DescriptionFont(const QFont& base) {
    QFont f = base;
    f.setPixelSize(12);
    f.setBold(false);
    return f;
}

} // namespace

CAgendaView::CAgendaView(CMainDoc& doc, IPrompt& prompt, IBrowser& browser, QWidget* parent)
    : CFrameView(doc, parent), m_prompt(prompt), m_browser(browser), m_day(QDate::currentDate()) {
    setObjectName(QStringLiteral("CAgendaView"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("AgendaScroll"));
    m_scroll->setSingleStep(L::kSlotHeight);
    m_scroll->setRange(0, kContentHeight);
    m_scroll->setValue(kInitialScroll);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { update(); });
}

void CAgendaView::setCalAppBar(CCalAppBar* bar) {
    m_bar = bar;
    if (!bar)
        return;
    connect(bar, &CCalAppBar::daySelected, this, &CAgendaView::showDay);
    connect(this, &CAgendaView::dayShown, bar, &CCalAppBar::showDay);
    connect(this, &CAgendaView::entriesChanged, bar, &CCalAppBar::refresh);
    bar->showDay(m_day);
}

void CAgendaView::attachCommands(const QHash<int, QAction*>& commands) {
    CFrameView::attachCommands(commands);
    m_commands = commands;
    auto bind = [this](int id, void (CAgendaView::*slot)()) {
        if (QAction* a = m_commands.value(id))
            connect(a, &QAction::triggered, this, slot);
    };
    bind(New, &CAgendaView::onNew);
    bind(Open, &CAgendaView::onOpen);
    bind(Delete, &CAgendaView::onDelete);
    bind(Update, &CAgendaView::onUpdate);
    updateCommandStates();
}

void CAgendaView::updateCommandStates() {
    auto enable = [this](int id, bool on) {
        if (QAction* a = m_commands.value(id))
            a->setEnabled(on);
    };
    enable(New, true);
    enable(Update, true);
    enable(Open, m_selectedKey != 0);
    enable(Delete, m_selectedKey != 0);
}

// --- Day ----------------------------------------------------------------------------------------

void CAgendaView::changeEvent(QEvent* event) {
    CFrameView::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The header's texts are painted: a repaint puts them up in the new language.
    if (isVisible())
        window()->setWindowTitle(tr("Agenda - Quarzil"));
    update();
}

void CAgendaView::becameVisible() {
    window()->setWindowTitle(tr("Agenda - Quarzil"));
    loadDay();
    Q_EMIT document().notifier().rowCountChanged(4, 0);
}

void CAgendaView::reload() {
    loadDay();
}

void CAgendaView::refresh() {
    loadDay();
    if (m_bar)
        m_bar->refresh();
}

void CAgendaView::onUpdate() {
    refresh();
}

void CAgendaView::showDay(const QDate& day) {
    if (!day.isValid())
        return;
    if (day != m_day) {
        m_day = day;
        // A slot range belongs to the day it was chosen on.
        m_firstSlot = m_lastSlot = -1;
        m_selectedKey = 0;
    }
    loadDay();
    Q_EMIT dayShown(m_day);
}

void CAgendaView::loadDay() {
    // Asks for the Easter date of a new year once.
    m_easter.forYear(m_day.year());
    Database& db = document().database();
    AgendaStore store(db);
    std::vector<ScadenzeRecord> entries;
    if (db.isOpen() && !store.loadDay(m_day, &entries))
        m_prompt.message(
            tr("Impossibile leggere l'agenda del giorno!\n%1").arg(db.errorText().trimmed()),
            IPrompt::Icon::Warning);
    m_entries = std::move(entries);
    const bool stillThere =
        std::any_of(m_entries.begin(), m_entries.end(),
                    [this](const ScadenzeRecord& e) { return e.IDScadenza == m_selectedKey; });
    if (!stillThere)
        m_selectedKey = 0;
    layoutBoxes();
    updateCommandStates();
    update();
}

// --- Geometry -----------------------------------------------------------------------------------

int CAgendaView::clientWidth() const {
    return qMax(0, width() - m_scroll->sizeHint().width());
}

int CAgendaView::offset() const {
    return m_scroll->value();
}

void CAgendaView::layoutBoxes() {
    m_boxes.clear();
    m_contentHeight = kContentHeight;
    const int client = clientWidth();
    const std::vector<L::EntryBox> geometry = L::DayBoxes(m_entries, m_day, client);
    const QFontMetrics subjectMetrics(SubjectFont(font()));
    const QFontMetrics descriptionMetrics(DescriptionFont(font()));
    for (const L::EntryBox& g : geometry) {
        const ScadenzeRecord& e = m_entries[size_t(g.index)];
        Box box;
        box.key = e.IDScadenza;
        box.index = size_t(g.index);
        box.allDay = g.allDay;
        box.markTop = g.top;
        box.markBottom = g.bottom;
        if (g.allDay) {
            box.rect = QRect(QPoint(g.left, g.top), QPoint(g.right - 1, g.bottom - 1));
            m_boxes.push_back(box);
            continue;
        }
        // Widened to its texts, but never past the grid's right edge: a long description is
        // cut there instead.
        const int rightLimit = qMax(g.right, client - 10);
        const int textWidth =
            qMax(subjectMetrics.horizontalAdvance(e.Oggetto),
                 descriptionMetrics.boundingRect(QRect(0, 0, 100000, 100000), 0, e.Descrizione)
                     .width()) +
            10;
        const int right = qMin(rightLimit, qMax(g.right, g.left + textWidth));
        const int descriptionHeight =
            descriptionMetrics
                .boundingRect(QRect(0, 0, qMax(1, right - g.left - 10), 100000), Qt::TextWordWrap,
                              e.Descrizione)
                .height();
        const int minHeight = qMax(30, subjectMetrics.height() + descriptionHeight + 30);
        const int bottom = qMax(g.bottom, g.top + minHeight);
        box.rect = QRect(QPoint(g.left, g.top), QPoint(right - 1, bottom - 1));
        m_boxes.push_back(box);
        // A late entry's box, made tall enough for its texts, may reach below the grid.
        m_contentHeight = qMax(m_contentHeight, bottom + 2 * kBandHeight);
    }
    updateScrollRange();
}

void CAgendaView::updateScrollRange() {
    m_scroll->setRange(0, qMax(0, m_contentHeight - height()));
    m_scroll->setPageStep(qMax(L::kSlotHeight, height() - L::kGridTop));
}

QRect CAgendaView::entryRect(qint32 key) const {
    for (const Box& b : m_boxes)
        if (b.key == key)
            return b.allDay ? b.rect : b.rect.translated(0, -offset());
    return QRect();
}

QRect CAgendaView::slotRect(int slot) const {
    if (slot < 0 || slot >= L::kSlotCount)
        return QRect();
    return QRect(kLabelWidth, L::SlotTop(slot) - offset(), clientWidth() - kLabelWidth,
                 L::kSlotHeight);
}

int CAgendaView::hitEntry(const QPoint& pos) const {
    // The header hides the grid beneath it; later boxes lie over earlier ones.
    if (pos.y() < L::kGridTop) {
        for (size_t i = m_boxes.size(); i-- > 0;)
            if (m_boxes[i].allDay && m_boxes[i].rect.contains(pos))
                return int(i);
        return -1;
    }
    const QPoint content = pos + QPoint(0, offset());
    for (size_t i = m_boxes.size(); i-- > 0;)
        if (!m_boxes[i].allDay && m_boxes[i].rect.contains(content))
            return int(i);
    return -1;
}

// --- Selection ----------------------------------------------------------------------------------

void CAgendaView::selectEntry(qint32 key) {
    m_selectedKey = key;
    m_firstSlot = m_lastSlot = -1;
    updateCommandStates();
    update();
}

void CAgendaView::selectSlots(int first, int last) {
    m_firstSlot = std::clamp(first, 0, L::kSlotCount - 1);
    m_lastSlot = std::clamp(last, 0, L::kSlotCount - 1);
    m_selectedKey = 0;
    updateCommandStates();
    update();
}

void CAgendaView::ensureSlotVisible(int slot) {
    // The header stays in place: the grid in sight begins below it.
    const int top = L::SlotTop(slot) - L::kGridTop;
    const int bottom = L::SlotTop(slot) + L::kSlotHeight;
    if (top < offset())
        m_scroll->setValue(top);
    else if (bottom > offset() + height())
        m_scroll->setValue(bottom - height());
}

void CAgendaView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int hit = hitEntry(pos);
    if (hit >= 0) {
        selectEntry(m_boxes[size_t(hit)].key);
        return;
    }
    if (pos.y() < L::kGridTop || pos.x() >= clientWidth())
        return;
    const int slot = L::SlotAt(pos.y() + offset());
    selectSlots(slot, slot);
    m_dragging = true;
}

void CAgendaView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    // Above the grid in sight (under the header, or out of the view) the range reaches on up.
    const int y = std::max(event->position().toPoint().y(), L::kGridTop - 1) + offset();
    const int slot = std::max(0, L::SlotAt(y));
    if (slot != m_lastSlot) {
        selectSlots(m_firstSlot, slot);
        ensureSlotVisible(m_lastSlot);
    }
}

void CAgendaView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void CAgendaView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int hit = hitEntry(event->position().toPoint());
    if (hit < 0)
        return;
    selectEntry(m_boxes[size_t(hit)].key);
    onOpen();
}

void CAgendaView::keyPressEvent(QKeyEvent* event) {
    const int current = m_lastSlot >= 0 ? m_lastSlot : -1;
    auto single = [this](int slot) {
        selectSlots(slot, slot);
        ensureSlotVisible(m_lastSlot);
    };
    switch (event->key()) {
    case Qt::Key_PageUp:
        single(0);
        return;
    case Qt::Key_PageDown:
        single(L::kSlotCount - 1);
        return;
    case Qt::Key_Up:
        // Without a selection, the keys start from the top of what is in sight.
        single(current >= 0 ? current - 1 : qMax(0, L::SlotAt(offset() + L::kGridTop)));
        return;
    case Qt::Key_Down:
        single(current >= 0 ? current + 1 : qMax(0, L::SlotAt(offset() + L::kGridTop)));
        return;
    case Qt::Key_Left:
        showDay(m_day.addDays(-1));
        return;
    case Qt::Key_Right:
        showDay(m_day.addDays(1));
        return;
    case Qt::Key_Home:
        showDay(QDate::currentDate());
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        onOpen();
        return;
    default:
        CFrameView::keyPressEvent(event);
    }
}

void CAgendaView::wheelEvent(QWheelEvent* event) {
    QApplication::sendEvent(m_scroll, event);
}

void CAgendaView::resizeEvent(QResizeEvent* event) {
    CFrameView::resizeEvent(event);
    const int barWidth = m_scroll->sizeHint().width();
    m_scroll->setGeometry(width() - barWidth, 0, barWidth, height());
    layoutBoxes();
}

// --- Commands -----------------------------------------------------------------------------------

bool CAgendaView::editEntry(ScadenzeRecord& entry) {
    const bool isNew = entry.IDScadenza == 0;
    AgendaStore store(document().database());
    CAppDialog dialog(entry, m_prompt, m_browser, document().profile(), this);
    dialog.save = [&store, isNew](ScadenzeRecord& e) {
        return isNew ? store.insert(e) : store.update(e);
    };
    if (dialog.exec() != QDialog::Accepted)
        return false;
    entry = dialog.entry();
    return true;
}

void CAgendaView::onNew() {
    ScadenzeRecord entry;
    entry.Tipo = 0;
    if (m_firstSlot >= 0) {
        const auto range = L::ProposedRange(m_day, m_firstSlot, m_lastSlot);
        entry.DataInit = range.first;
        entry.DataEnd = range.second;
    } else {
        const QDateTime now = QDateTime::currentDateTime();
        entry.DataInit = entry.DataEnd =
            QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()));
    }
    if (!editEntry(entry))
        return;
    m_selectedKey = entry.IDScadenza;
    m_firstSlot = m_lastSlot = -1;
    loadDay();
    Q_EMIT entriesChanged();
}

void CAgendaView::onOpen() {
    if (m_selectedKey == 0)
        return;
    Database& db = document().database();
    AgendaStore store(db);
    ScadenzeRecord entry;
    if (!store.load(m_selectedKey, entry)) {
        if (IsMissingRow(db.lastError()))
            m_prompt.message(tr("La scadenza selezionata non è più presente in "
                                "agenda!"),
                             IPrompt::Icon::Information);
        else
            m_prompt.message(tr("Impossibile leggere la scadenza selezionata!\n%1")
                                 .arg(db.errorText().trimmed()),
                             IPrompt::Icon::Warning);
        loadDay();
        return;
    }
    if (!editEntry(entry))
        return;
    // Moved to another day, the entry leaves this one; the reload shows either case.
    loadDay();
    Q_EMIT entriesChanged();
}

void CAgendaView::onDelete() {
    if (m_selectedKey == 0)
        return;
    if (!m_prompt.question(tr("Si desidera eliminare definitivamente la scadenza selezionata?")))
        return;
    Database& db = document().database();
    AgendaStore store(db);
    if (!store.remove(m_selectedKey)) {
        m_prompt.message(
            tr("Impossibile eliminare la scadenza selezionata!\n%1").arg(db.errorText().trimmed()),
            IPrompt::Icon::Warning);
        return;
    }
    const qint32 key = m_selectedKey;
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [key](const ScadenzeRecord& e) { return e.IDScadenza == key; }),
                    m_entries.end());
    m_selectedKey = 0;
    layoutBoxes();
    updateCommandStates();
    update();
    Q_EMIT entriesChanged();
}

// --- Painting -----------------------------------------------------------------------------------

void CAgendaView::paintEvent(QPaintEvent*) {
    // Drawn whole into a buffer at the screen's pixel density, then copied: no flicker, and
    // sharp on a high-density screen.
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (m_buffer.size() != pixels) {
        m_buffer = QPixmap(pixels);
    }
    m_buffer.setDevicePixelRatio(dpr);
    {
        QPainter p(&m_buffer);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintDay(p);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_buffer);
}

void CAgendaView::paintDay(QPainter& p) {
    p.fillRect(rect(), palette().color(QPalette::Window));
    // The grid scrolls under the header, which stays in place with the date and the entries
    // that cover the whole day.
    p.save();
    p.setClipRect(QRect(0, L::kGridTop, width(), height() - L::kGridTop));
    p.translate(0, -offset());
    paintGrid(p);
    // The selected box last, so that its bands lie over its neighbours.
    auto paintBoxes = [&](bool allDay) {
        for (const Box& b : m_boxes)
            if (b.allDay == allDay && b.key != m_selectedKey)
                paintBox(p, b, b.rect);
        for (const Box& b : m_boxes)
            if (b.allDay == allDay && b.key == m_selectedKey)
                paintBox(p, b, b.rect);
    };
    paintBoxes(false);
    p.restore();
    paintHeader(p);
    paintBoxes(true);
}

void CAgendaView::paintHeader(QPainter& p) {
    const int client = clientWidth();
    QLinearGradient gradient(0, 0, 0, L::kGridTop);
    gradient.setColorAt(0, kHeaderTop);
    gradient.setColorAt(1, kHeaderBottom);
    p.fillRect(QRect(0, 0, client, L::kGridTop), gradient);
    QFont title = font();
    title.setPixelSize(18);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(80, 50, 10));
    const QRect textArea(10, 6, client - 20, 34);
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, FormatLongDate(m_day).simplified());
    QFont easter = font();
    easter.setPixelSize(13);
    p.setFont(easter);
    p.drawText(textArea, Qt::AlignRight | Qt::AlignVCenter, m_easter.headerText(m_day.year()));
}

void CAgendaView::paintGrid(QPainter& p) {
    const int client = clientWidth();
    p.fillRect(QRect(0, L::kGridTop, client, L::kGridBottom - L::kGridTop), Qt::white);
    for (const auto& [first, last] : L::WorkingSlots(m_day))
        p.fillRect(QRect(kLabelWidth, L::SlotTop(first), client - kLabelWidth,
                         (last - first + 1) * L::kSlotHeight),
                   kWorkingHours);
    if (m_firstSlot >= 0) {
        const int lo = std::min(m_firstSlot, m_lastSlot);
        const int hi = std::max(m_firstSlot, m_lastSlot);
        p.fillRect(QRect(kLabelWidth, L::SlotTop(lo), client - kLabelWidth,
                         (hi - lo + 1) * L::kSlotHeight),
                   palette().color(QPalette::Active, QPalette::Highlight));
    }
    // The marker column.
    p.fillRect(QRect(L::kMarkerLeft, L::kGridTop, L::kBoxLeft - L::kMarkerLeft,
                     L::kGridBottom - L::kGridTop),
               QColor(235, 235, 235));

    QFont hourFont = font();
    hourFont.setPixelSize(17);
    QFont minuteFont = font();
    minuteFont.setPixelSize(9);
    const QFontMetrics hourMetrics(hourFont);
    const QFontMetrics minuteMetrics(minuteFont);
    const QString zeros = QStringLiteral("00");
    for (int slot = 0; slot <= L::kSlotCount; ++slot) {
        const int y = L::SlotTop(slot);
        const bool hour = slot % 2 == 0;
        p.setPen(hour ? kHourLine : kHalfHourLine);
        p.drawLine(hour ? 0 : kLabelWidth, y, client, y);
        if (!hour || slot == L::kSlotCount)
            continue;
        // The hour's number with a small "00" beside it, centred in the label column.
        const QString number = QString::number(slot / 2);
        const int w =
            hourMetrics.horizontalAdvance(number) + 1 + minuteMetrics.horizontalAdvance(zeros);
        const int x = (kLabelWidth - w) / 2;
        p.setPen(QColor(70, 70, 70));
        p.setFont(hourFont);
        p.drawText(QPoint(x, y + 4 + hourMetrics.ascent()), number);
        p.setFont(minuteFont);
        p.drawText(
            QPoint(x + hourMetrics.horizontalAdvance(number) + 1, y + 5 + minuteMetrics.ascent()),
            zeros);
    }
    p.setPen(kHourLine);
    p.drawLine(kLabelWidth, L::kGridTop, kLabelWidth, L::kGridBottom);

    // Marker bars over the whole of each entry's time.
    for (const Box& b : m_boxes) {
        if (b.allDay)
            continue;
        p.fillRect(QRect(L::kMarkerLeft, b.markTop, L::kBoxLeft - L::kMarkerLeft,
                         qMax(1, b.markBottom - b.markTop)),
                   b.key == m_selectedKey ? kSelectedMarker : kMarker);
    }
}

void CAgendaView::paintBox(QPainter& p, const Box& box, const QRect& r) {
    const ScadenzeRecord& e = m_entries[box.index];
    const bool selected = box.key == m_selectedKey;
    if (selected) {
        p.fillRect(QRect(r.left(), r.top() - kBandHeight, r.width(), kBandHeight), kSelectedMarker);
        p.fillRect(QRect(r.left(), r.bottom() + 1, r.width(), kBandHeight), kSelectedMarker);
    } else {
        const QColor shadow(0, 0, 0, 50);
        p.fillRect(QRect(r.left() + kBandHeight, r.bottom() + 1, r.width(), kBandHeight), shadow);
        p.fillRect(
            QRect(r.right() + 1, r.top() + kBandHeight, kBandHeight, r.height() - kBandHeight),
            shadow);
    }
    p.fillRect(r, L::TypeColor(e.Tipo.value_or(0)));
    p.setPen(selected ? kSelectedMarker : QColor(140, 140, 140));
    p.drawRect(r.adjusted(0, 0, -1, -1));

    const QFont subjectFont = SubjectFont(font());
    p.setFont(subjectFont);
    p.setPen(Qt::black);
    const QRect subjectArea(r.left() + 5, r.top(), r.width() - 10,
                            box.allDay ? r.height() : kSubjectBand);
    if (box.allDay) {
        p.drawText(
            subjectArea, Qt::AlignLeft | Qt::AlignVCenter,
            QFontMetrics(subjectFont).elidedText(e.Oggetto, Qt::ElideRight, subjectArea.width()));
        return;
    }
    p.drawText(subjectArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, e.Oggetto);
    p.setPen(QColor(150, 150, 150));
    p.drawLine(r.left() + 5, r.top() + kSeparatorOffset, r.right() - 5, r.top() + kSeparatorOffset);
    p.setFont(DescriptionFont(font()));
    p.setPen(QColor(40, 40, 40));
    p.drawText(QRect(r.left() + 5, r.top() + kSeparatorOffset + 3, r.width() - 10,
                     r.height() - kSeparatorOffset - 5),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, e.Descrizione);
}
