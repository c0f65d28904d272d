#include "FlowLayout.h"

#include <QWidget>
#include <algorithm>

namespace orrery {

FlowLayout::FlowLayout(int spacing, int lineSpacing) : spacing_(spacing), lineSpacing_(lineSpacing) {}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addFlowWidget(QWidget* widget, bool newLine)
{
    addChildWidget(widget);
    items_.push_back({new QWidgetItem(widget), newLine});
    invalidate();
}

void FlowLayout::addItem(QLayoutItem* item) { items_.push_back({item, false}); }

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return index >= 0 && index < items_.size() ? items_[index].item : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= items_.size()) return nullptr;
    return items_.takeAt(index).item;
}

int FlowLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::minimumSize() const
{
    // The widest widget, and the height when every widget has a line of its own.
    QSize size;
    for (const Entry& e : items_) size = size.expandedTo(e.item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // The lines asked for, each on one line.
    int width = 0;
    int line = 0;
    for (const Entry& e : items_) {
        if (e.item->isEmpty()) continue;
        if (e.newLine) line = 0;
        line += (line > 0 ? spacing_ : 0) + e.item->sizeHint().width();
        width = std::max(width, line);
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), heightForWidth(width + m.left() + m.right())};
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.left();
    int y = area.top();
    int lineHeight = 0;
    bool first = true;
    for (const Entry& e : items_) {
        if (e.item->isEmpty()) continue;
        const QSize hint = e.item->sizeHint();
        if (!first && (e.newLine || x + hint.width() > area.right() + 1)) {
            x = area.left();
            y += lineHeight + lineSpacing_;
            lineHeight = 0;
        }
        if (apply) e.item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width() + spacing_;
        lineHeight = std::max(lineHeight, hint.height());
        first = false;
    }
    const QMargins m = contentsMargins();
    return y + lineHeight - area.top() + m.top() + m.bottom();
}

} // namespace orrery
