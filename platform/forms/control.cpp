#include "control.h"
#include "container.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

namespace {
void checkSize(double value) {
    if (value < 0) throw VbError(VbError::InvalidPropertyValue);
}
} // namespace

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
}

Control::~Control() {
    m_context.reset();
    delete m_widget.data();
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

void Control::setForeColor(qint32 bgr) {
    m_foreColor = bgr;
    showColours();
}

void Control::setBackColor(qint32 bgr) {
    m_backColor = bgr;
    showColours();
}

void Control::setFont(const ::Font& font) {
    m_font = font;
    m_widget->setFont(toQFont(font));
}

void Control::Refresh() {
    m_widget->repaint();
}

void Control::SetFocus() {
    m_widget->setFocus(Qt::OtherFocusReason);
}

void Control::showColours() {
    QPalette palette = m_widget->palette();
    palette.setColor(m_colours.backRole, displayColour(m_backColor));
    palette.setColor(m_colours.foreRole, displayColour(m_foreColor));
    m_widget->setPalette(palette);
}

void Control::showGeometry() {
    m_widget->setGeometry(m_left.pixels(), m_top.pixels(), m_width.pixels(), m_height.pixels());
}
