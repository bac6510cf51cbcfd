#include "agenda/ui/CComboApp.h"

#include "agenda/AgendaLayout.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kTypeCount = 3;
constexpr int kSwatchWidth = 28;

// Draws a swatch of the type's colour, framed, in the left part of r; returns what is left.
QRect DrawSwatch(QPainter* painter, const QRect& r, int type) {
    const QRect swatch(r.left() + 3, r.top() + 3, kSwatchWidth, r.height() - 6);
    painter->save();
    painter->setPen(QColor(90, 90, 90));
    painter->setBrush(AgendaLayout::TypeColor(type));
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->restore();
    return r.adjusted(kSwatchWidth + 9, 0, 0, 0);
}

class TypeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        // The selection background and focus frame as the style draws them.
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const QRect rest = DrawSwatch(painter, opt.rect, index.row());
        painter->save();
        painter->setPen(opt.palette.color(
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(rest, Qt::AlignVCenter | Qt::AlignLeft, text);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setWidth(s.width() + kSwatchWidth + 9);
        s.setHeight(qMax(s.height(), 22));
        return s;
    }
};

} // namespace

CComboApp::CComboApp(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("CComboApp"));
    for (int t = 0; t < kTypeCount; ++t)
        addItem(AgendaLayout::TypeName(t));
    setItemDelegate(new TypeDelegate(this));
    setMinimumContentsLength(14);
}

void CComboApp::setType(int type) {
    setCurrentIndex(type >= 0 && type < kTypeCount ? type : 0);
}

void CComboApp::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    const QString text = opt.currentText;
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    const QRect rest = DrawSwatch(&painter, field, currentIndex());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rest, Qt::AlignVCenter | Qt::AlignLeft, text);
}
