#include "control.h"
#include "container.h"
#include "keypreview.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
void checkSize(double value) {
    if (value < 0) throw VbError(VbError::InvalidPropertyValue);
}

qint16 buttonCode(Qt::MouseButtons buttons) {
    qint16 code = 0;
    if (buttons.testFlag(Qt::LeftButton)) code |= vbLeftButton;
    if (buttons.testFlag(Qt::RightButton)) code |= vbRightButton;
    if (buttons.testFlag(Qt::MiddleButton)) code |= vbMiddleButton;
    return code;
}

// The last input event raised and the widget it was raised for. An event that no widget
// accepts goes on to the parents (a mouse event as a copy); reaching an ancestor of that
// widget, it has been raised.
struct RaisedEvent {
    QEvent::Type type = QEvent::None;
    quint64 timestamp = 0;
    QPointF globalPosition;
    int detail = 0; // the key, or the buttons
    QPointer<QWidget> receiver;

    bool sameAs(const RaisedEvent& other) const {
        return type == other.type && timestamp == other.timestamp && globalPosition == other.globalPosition &&
               detail == other.detail;
    }
};
RaisedEvent lastRaised;

// False when the event reaches the widget on its way up from a widget it was raised for.
bool raiseOnce(QWidget* widget, const RaisedEvent& event) {
    if (event.sameAs(lastRaised) && lastRaised.receiver && widget != lastRaised.receiver &&
        widget->isAncestorOf(lastRaised.receiver))
        return false;
    lastRaised = event;
    lastRaised.receiver = widget;
    return true;
}
} // namespace

// Hands the widget's input and focus events to its control.
class ControlEventFilter : public QObject {
public:
    explicit ControlEventFilter(Control& control) : m_control(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        Q_UNUSED(watched);
        return m_control.raiseEvent(event);
    }

private:
    Control& m_control;
};

Control::Control(Container& container, const QString& name, std::unique_ptr<QWidget> widget,
                 const Colours& colours)
    : m_container(container), m_name(name), m_context(std::make_unique<QObject>()), m_colours(colours),
      m_foreColor(colours.fore), m_backColor(colours.back) {
    widget->setParent(container.clientArea());
    m_widget = widget.release(); // the container's widget owns it from here
    m_widget->setObjectName(name);
    m_widget->setAccessibleDescription(name);
    m_widget->setFont(toQFont(m_font));
    showColours();
    Control::showGeometry(); // a subclass shows its own parts once it has them
    m_widget->setVisible(m_visible);
    m_eventFilter = std::make_unique<ControlEventFilter>(*this);
    m_widget->installEventFilter(m_eventFilter.get());
    container.m_controls.push_back(this);
}

Control::~Control() {
    std::erase(m_container.m_controls, this);
    m_eventFilter.reset();
    m_context.reset();
    delete m_widget.data();
}

QRectF Control::pixelGeometry() const {
    return {m_left.in(vbPixels), m_top.in(vbPixels), m_width.in(vbPixels), m_height.in(vbPixels)};
}

double Control::Left() const {
    return m_left.in(m_container.ScaleMode());
}
double Control::Top() const {
    return m_top.in(m_container.ScaleMode());
}
double Control::Width() const {
    return m_width.in(m_container.ScaleMode());
}
double Control::Height() const {
    return m_height.in(m_container.ScaleMode());
}

void Control::setLeft(double value) {
    m_left = {value, m_container.ScaleMode()};
    showGeometry();
}

void Control::setTop(double value) {
    m_top = {value, m_container.ScaleMode()};
    showGeometry();
}

void Control::setWidth(double value) {
    checkSize(value);
    m_width = {value, m_container.ScaleMode()};
    showGeometry();
}

void Control::setHeight(double value) {
    checkSize(value);
    m_height = {value, m_container.ScaleMode()};
    showGeometry();
}

void Control::setSizeInPixels(int width, int height) {
    m_width = {double(width), vbPixels};
    m_height = {double(height), vbPixels};
    showGeometry();
}

void Control::setVisible(bool visible) {
    m_visible = visible;
    m_widget->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
    m_enabled = enabled;
    m_widget->setEnabled(enabled);
}

// The widget is told only of changes: a renderer sets the same font and colours card after
// card, and each change makes the widget resolve its palette or font again.
void Control::setForeColor(qint32 bgr) {
    if (bgr == m_foreColor) return;
    m_foreColor = bgr;
    showColours();
}

void Control::setBackColor(qint32 bgr) {
    if (m_colours.seeThrough) m_widget->setAutoFillBackground(true);
    if (bgr == m_backColor) return;
    m_backColor = bgr;
    showColours();
}

void Control::setFont(const ::Font& font) {
    if (font == m_font) return;
    m_font = font;
    m_widget->setFont(toQFont(font));
}

const TextMetrics& Control::textMetrics() const {
    if (!m_textMetrics || m_textMetrics->font() != m_font) m_textMetrics.emplace(m_font);
    return *m_textMetrics;
}

void Control::Refresh() {
    m_widget->repaint();
}

void Control::SetFocus() {
    m_widget->setFocus(Qt::OtherFocusReason);
}

// A disabled control's text keeps the style's grey, whatever its ForeColor, so that it
// reads as disabled.
void Control::showColours() {
    QPalette palette = m_widget->palette();
    palette.setColor(m_colours.backRole, displayColour(m_backColor));
    const QColor fore = displayColour(m_foreColor);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, m_colours.foreRole, fore);
    m_widget->setPalette(palette);
}

void Control::showGeometry() {
    m_widget->setGeometry(m_left.pixels(), m_top.pixels(), m_width.pixels(), m_height.pixels());
}

bool Control::raiseEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return raiseMouseEvent(event);
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!raiseOnce(m_widget, {event->type(), key->timestamp(), {}, key->key(), {}})) return false;
        qint16 keyCode = vbKeyCode(key->key(), key->modifiers());
        if (keyCode == 0) return false;
        KeyDown(keyCode, vbShiftMask(key->modifiers()));
        return keyCode == 0;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Switching windows moves no focus inside the window.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        if (event->type() == QEvent::FocusIn)
            GotFocus();
        else
            LostFocus();
        return false;
    }
    default:
        return false;
    }
}

bool Control::raiseMouseEvent(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (!raiseOnce(m_widget, {event->type(),
                              mouse->timestamp(),
                              mouse->globalPosition(),
                              int(mouse->buttons() | mouse->button()),
                              {}}))
        return false;
    // Positions count from the client area, where a container's children stand.
    QPointF position = mouse->position();
    if (auto* container = dynamic_cast<Container*>(this))
        position = container->clientArea()->mapFrom(m_widget, position);
    const double x = scaled(position.x());
    const double y = scaled(position.y());
    const qint16 shift = vbShiftMask(mouse->modifiers());
    switch (event->type()) {
    case QEvent::MouseMove:
        MouseMove(buttonCode(mouse->buttons()), shift, x, y);
        break;
    case QEvent::MouseButtonRelease:
        MouseUp(buttonCode(mouse->button()), shift, x, y);
        break;
    default: // a double click is a press too
        MouseDown(buttonCode(mouse->button()), shift, x, y);
        break;
    }
    return false;
}

double Control::scaled(double pixels) const {
    const auto* container = dynamic_cast<const Container*>(this);
    if (container && container->ScaleMode() == vbPixels) return pixels;
    return pixels * twipsPerPixel;
}

void Control::Move(double left, double top, double width, double height) {
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

void Control::MovePixels(double left, double top, double width, double height) {
    const double scale = m_container.ScaleMode() == vbPixels ? 1.0 : twipsPerPixel;
    Move(left * scale, top * scale, width * scale, height * scale);
}
