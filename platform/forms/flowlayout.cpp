#include "flowlayout.h"

#include <QWidget>
#include <algorithm>

namespace {
// A gap (a spacer) counts, a hidden widget does not.
bool isHiddenWidget(const QLayoutItem& item) {
    return item.widget() && item.isEmpty();
}
} // namespace

FlowLayout::FlowLayout(QWidget* parent, int margin, int spacing) : QLayout(parent) {
    setContentsMargins(margin, margin, margin, margin);
    setSpacing(spacing);
    // The owner's width is set from outside; the layout never forces one on it.
    setSizeConstraint(QLayout::SetNoConstraint);
}

FlowLayout::~FlowLayout() {
    qDeleteAll(m_items);
}

void FlowLayout::addItem(QLayoutItem* item) {
    m_items.append(item);
}

int FlowLayout::count() const {
    return int(m_items.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return m_items.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

// One row holding everything.
QSize FlowLayout::sizeHint() const {
    const QMargins margins = contentsMargins();
    int width = 0;
    for (const QLayoutItem* item : m_items)
        if (!isHiddenWidget(*item)) width += item->sizeHint().width() + (width > 0 ? spacing() : 0);
    return {width + margins.left() + margins.right(), rowHeight() + margins.top() + margins.bottom()};
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), true);
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, false);
}

int FlowLayout::arrange(const QRect& rect, bool testOnly) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int height = rowHeight();
    int x = area.x();
    int y = area.y();
    for (QLayoutItem* item : m_items) {
        if (isHiddenWidget(*item)) continue;
        const int width = item->sizeHint().width();
        // An item wider than the whole row still gets a row of its own.
        if (x > area.x() && x + width > area.x() + area.width()) {
            x = area.x();
            y += height + spacing();
        }
        if (!testOnly) item->setGeometry(QRect(x, y, width, height));
        x += width + spacing();
    }
    const QMargins margins = contentsMargins();
    return y + height - rect.y() + margins.bottom();
}

int FlowLayout::rowHeight() const {
    int height = 0;
    for (const QLayoutItem* item : m_items)
        if (!isHiddenWidget(*item)) height = std::max(height, item->sizeHint().height());
    return height;
}
