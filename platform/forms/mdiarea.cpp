#include "mdiarea.h"
#include "form.h"
#include "systemcolours.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>

namespace {
MdiArea* hostingArea = nullptr;

// Room left around a control scrolled into view, so that it does not stand against the edge.
constexpr int kFocusMargin = 8;

// How far the view must move along one axis for [low, high] to be in [viewLow, viewHigh]: the
// least that shows its start and as much of the rest as the view holds.
int shiftToShow(int low, int high, int viewLow, int viewHigh) {
    if (low < viewLow) return low - viewLow;
    if (high > viewHigh) return std::min(high - viewHigh, low - viewLow);
    return 0;
}

void scrollBy(QScrollBar* bar, int shift) {
    if (shift != 0) bar->setValue(bar->value() + shift);
}

// Scrolls the area the least that brings `rect`, in its view's coordinates, into view.
void scrollIntoView(QMdiArea& area, const QRect& rect) {
    const QRect view = area.viewport()->rect();
    scrollBy(area.horizontalScrollBar(), shiftToShow(rect.left(), rect.right(), view.left(), view.right()));
    scrollBy(area.verticalScrollBar(), shiftToShow(rect.top(), rect.bottom(), view.top(), view.bottom()));
}

// Scrolls the area to what the user works on: a control the keyboard or the code gives the
// focus, and a child window as it is shown. A control the user clicks is in view already,
// and scrolling under a held button would move what the button drags.
class ViewKeeper : public QObject {
public:
    explicit ViewKeeper(QMdiArea& area) : QObject(&area), m_area(area) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            focusIn(watched, static_cast<QFocusEvent*>(event)->reason());
        else if (event->type() == QEvent::Show && !event->spontaneous())
            shown(watched);
        return false;
    }

private:
    void focusIn(QObject* watched, Qt::FocusReason reason) {
        switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            break;
        default:
            return;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget* view = m_area.viewport();
        if (!widget || !view->isAncestorOf(widget) || QGuiApplication::mouseButtons() != Qt::NoButton) return;
        const QRect rect(widget->mapTo(view, QPoint(0, 0)), widget->size());
        scrollIntoView(m_area, rect.adjusted(-kFocusMargin, -kFocusMargin, kFocusMargin, kFocusMargin));
    }

    void shown(QObject* watched) {
        auto* subWindow = qobject_cast<QMdiSubWindow*>(watched);
        if (subWindow && subWindow->mdiArea() == &m_area) scrollIntoView(m_area, subWindow->geometry());
    }

    QMdiArea& m_area;
};
} // namespace

MdiArea::MdiArea(Container& container, const QString& name)
    : Control(container, name, std::make_unique<QMdiArea>(),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText}) {
    // A child window reaching past the area is reached by scrolling, as on the old platform.
    auto* area = static_cast<QMdiArea*>(widget());
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    new ViewKeeper(*area); // owned by the area
    hostingArea = this;
}

MdiArea::~MdiArea() {
    retire();
}

MdiArea* MdiArea::current() {
    return hostingArea;
}

void MdiArea::host(Form& form) {
    QMdiSubWindow* subWindow = static_cast<QMdiArea*>(widget())->addSubWindow(&form);
    subWindow->hide();
}

std::vector<Form*> MdiArea::forms() const {
    std::vector<Form*> result;
    for (QMdiSubWindow* subWindow :
         static_cast<QMdiArea*>(widget())->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* form = qobject_cast<Form*>(subWindow->widget())) result.push_back(form);
    }
    return result;
}

void MdiArea::retire() {
    if (hostingArea == this) hostingArea = nullptr;
}
