#include "form.h"
#include "guard.h"
#include "runtime/vberror.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

Form::Form(const QString& name) {
    setObjectName(name);
}

void Form::setScaleMode(int scaleMode) {
    checkScaleMode(scaleMode);
    m_scaleMode = scaleMode;
}

void Form::setLeft(double value) {
    m_left = {value, vbTwips};
    showGeometry();
}

void Form::setTop(double value) {
    m_top = {value, vbTwips};
    showGeometry();
}

void Form::setWidth(double value) {
    if (value < 0) throw VbError(VbError::InvalidPropertyValue);
    m_width = {value, vbTwips};
    showGeometry();
}

void Form::setHeight(double value) {
    if (value < 0) throw VbError(VbError::InvalidPropertyValue);
    m_height = {value, vbTwips};
    showGeometry();
}

void Form::Show() {
    QWidget* frame = frameWidget();
    if (frame != this) show();
    frame->show();
    frame->raise();
    frame->activateWindow();
}

void Form::Hide() {
    frameWidget()->hide();
}

bool Form::Visible() const {
    return !frameWidget()->isHidden();
}

void Form::load() {
    runGuarded([this] { Form_Load(); });
}

bool Form::Unload() {
    if (m_state != State::Loaded) return true;
    m_state = State::Unloading;
    int cancel = 0;
    runGuarded([&] { Form_Unload(cancel); });
    if (cancel != 0) {
        m_state = State::Loaded;
        return false;
    }
    m_state = State::Unloaded;
    QWidget* frame = frameWidget();
    frame->hide();
    frame->deleteLater(); // a sub-window takes the form with it
    return true;
}

void Form::closeEvent(QCloseEvent* event) {
    if (Unload())
        event->accept();
    else
        event->ignore();
}

// The user's moving or resizing the window becomes the form's geometry; a move or resize
// that only shows the values as set leaves them as set.
void Form::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    const QPoint position = frameWidget()->geometry().topLeft();
    if (position.x() != m_left.pixels()) m_left = {double(position.x()), vbPixels};
    if (position.y() != m_top.pixels()) m_top = {double(position.y()), vbPixels};
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = frameWidget()->size();
    if (size.width() != m_width.pixels()) m_width = {double(size.width()), vbPixels};
    if (size.height() != m_height.pixels()) m_height = {double(size.height()), vbPixels};
}

QWidget* Form::frameWidget() {
    auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget());
    return subWindow ? static_cast<QWidget*>(subWindow) : this;
}

const QWidget* Form::frameWidget() const {
    return const_cast<Form*>(this)->frameWidget();
}

void Form::showGeometry() {
    frameWidget()->setGeometry(m_left.pixels(), m_top.pixels(), m_width.pixels(), m_height.pixels());
}
