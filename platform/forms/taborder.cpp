#include "taborder.h"
#include "control.h"

#include <QPointer>
#include <QWidget>

namespace {
// Where a widget that cannot take the focus stands in the tab order: just ahead of this
// one. Qt's own order leaves such widgets where they were made.
class TabPlace : public QObject {
public:
    TabPlace(QWidget* widget, QWidget* ahead) : QObject(widget), m_ahead(ahead) {}
    QWidget* ahead() const { return m_ahead; }

private:
    QPointer<QWidget> m_ahead;
};

bool takesTabFocus(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

void placeAhead(QWidget* widget, QWidget* ahead) {
    delete widget->findChild<TabPlace*>(QString(), Qt::FindDirectChildrenOnly);
    new TabPlace(widget, ahead); // the widget owns it
}

// The window whose controls the walk stays among: a top-level window or an MDI child.
const QWidget* walkBoundary(const QWidget* widget) {
    while (!widget->isWindow() && widget->windowType() != Qt::SubWindow)
        widget = widget->parentWidget();
    return widget;
}

bool canTakeFocus(const QWidget* widget, const QWidget* boundary) {
    return takesTabFocus(widget) && widget->isEnabled() && widget->isVisibleTo(boundary) &&
           !widget->focusProxy() && boundary->isAncestorOf(widget);
}

// The widget after this one's place in the tab order.
QWidget* afterPlaceOf(const QWidget* widget) {
    const auto* place = widget->findChild<TabPlace*>(QString(), Qt::FindDirectChildrenOnly);
    return place && place->ahead() ? place->ahead() : widget->nextInFocusChain();
}
} // namespace

void setTabOrder(const std::vector<Control*>& order, const CaptionLabels& captions) {
    std::vector<Control*> withCaptions;
    for (Control* control : order) {
        if (const auto caption = captions.find(control); caption != captions.end())
            withCaptions.push_back(caption->second);
        withCaptions.push_back(control);
    }
    setTabOrder(withCaptions);
}

void setTabOrder(const std::vector<Control*>& order) {
    QWidget* previous = nullptr;
    for (size_t i = 0; i < order.size(); ++i) {
        QWidget* widget = order[i]->widget();
        if (!takesTabFocus(widget)) {
            if (i + 1 < order.size()) placeAhead(widget, order[i + 1]->widget());
            continue;
        }
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QWidget* nextFocusable(const QWidget* widget) {
    const QWidget* boundary = walkBoundary(widget);
    QWidget* first = afterPlaceOf(widget);
    QWidget* next = first;
    do {
        if (next != widget && canTakeFocus(next, boundary)) return next;
        next = next->nextInFocusChain();
    } while (next != first);
    return nullptr;
}

QWidget* accessKeyTarget(const QWidget* label) {
    const QWidget* boundary = walkBoundary(label);
    for (QWidget* next = afterPlaceOf(label); next != boundary && boundary->isAncestorOf(next);
         next = next->nextInFocusChain()) {
        if (next != label && takesTabFocus(next)) return next;
    }
    return nullptr;
}

QWidget* firstFocusableInside(const QWidget* container) {
    const QWidget* boundary = walkBoundary(container);
    for (QWidget* next = boundary->nextInFocusChain(); next != boundary; next = next->nextInFocusChain()) {
        if (container->isAncestorOf(next) && canTakeFocus(next, boundary)) return next;
    }
    return nullptr;
}
