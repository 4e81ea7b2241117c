#include "taborder.h"
#include "control.h"

#include <QWidget>

namespace {
// Qt places only widgets that can take the focus; a label is given the policy for as long
// as it takes to place it.
class PlaceableScope {
public:
    explicit PlaceableScope(QWidget* widget) : m_widget(widget), m_policy(widget->focusPolicy()) {
        if (m_policy == Qt::NoFocus) m_widget->setFocusPolicy(Qt::TabFocus);
    }
    ~PlaceableScope() { m_widget->setFocusPolicy(m_policy); }
    PlaceableScope(const PlaceableScope&) = delete;
    PlaceableScope& operator=(const PlaceableScope&) = delete;

private:
    QWidget* m_widget;
    Qt::FocusPolicy m_policy;
};

// The window whose controls the walk stays among: a top-level window or an MDI child.
const QWidget* walkBoundary(const QWidget* widget) {
    while (!widget->isWindow() && widget->windowType() != Qt::SubWindow)
        widget = widget->parentWidget();
    return widget;
}

bool takesFocus(const QWidget* widget, const QWidget* boundary) {
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isEnabled() &&
           widget->isVisibleTo(boundary) && !widget->focusProxy() && boundary->isAncestorOf(widget);
}
} // namespace

void setTabOrder(const std::vector<Control*>& order) {
    for (size_t i = 1; i < order.size(); ++i) {
        const PlaceableScope first(order[i - 1]->widget());
        const PlaceableScope second(order[i]->widget());
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
    }
}

QWidget* nextFocusable(const QWidget* widget) {
    const QWidget* boundary = walkBoundary(widget);
    for (QWidget* next = widget->nextInFocusChain(); next != widget; next = next->nextInFocusChain()) {
        if (takesFocus(next, boundary)) return next;
    }
    return nullptr;
}
