#include "form.h"
#include "control.h"
#include "dialogowner.h"
#include "guard.h"
#include "label.h"
#include "mdiarea.h"
#include "runtime/vberror.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QPointer>
#include <QThread>

void End() {
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

Form::Form(const QString& name, Kind kind) : m_kind(kind) {
    setObjectName(name);
}

Form::~Form() {
    endModal();
}

namespace {
void collectControls(const Container& container, std::vector<Control*>& controls) {
    for (Control* control : container.controls()) {
        controls.push_back(control);
        if (const auto* inner = dynamic_cast<const Container*>(control)) collectControls(*inner, controls);
    }
}
} // namespace

std::vector<Control*> Form::Controls() const {
    std::vector<Control*> controls;
    collectControls(*this, controls);
    return controls;
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

void Form::Show(int modal) {
    if (modal != vbModeless && modal != vbModal) throw VbError(VbError::InvalidPropertyValue);
    QWidget* frame = frameWidget();
    if (frame != this) show();
    if (modal == vbModal) {
        frame->hide(); // modality takes effect only when the window is shown
        if (frame == this) useDialogFrame(*this);
        frame->setWindowModality(Qt::ApplicationModal);
        if (frame == this) placeOverOwner();
    }
    frame->show();
    frame->raise();
    frame->activateWindow();
    if (modal == vbModeless) return;

    QEventLoop loop;
    m_modalLoop = &loop;
    const QPointer<Form> alive(this);
    loop.exec(QEventLoop::DialogExec);
    if (!alive) return;
    m_modalLoop = nullptr;
    frame->setWindowModality(Qt::NonModal);
}

// A modal window opens centred over the window that opened it, and stays above it.
void Form::placeOverOwner() {
    const QWidget* owner = dialogOwner(this);
    if (!owner) return;
    const QRect placed = centredOver(QSize(m_width.pixels(), m_height.pixels()), *owner);
    m_left = {double(placed.x()), vbPixels};
    m_top = {double(placed.y()), vbPixels};
    showGeometry();
    keepAbove(*this, *owner);
}

void Form::Hide() {
    frameWidget()->hide();
}

bool Form::Visible() const {
    return !frameWidget()->isHidden();
}

int Form::WindowState() const {
    const Qt::WindowStates states = frameWidget()->windowState();
    if (states & Qt::WindowMinimized) return vbMinimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return vbMaximized;
    return vbWindowNormal;
}

void Form::setWindowState(int state) {
    switch (state) {
    case vbWindowNormal:
        frameWidget()->setWindowState(Qt::WindowNoState);
        break;
    case vbMinimized:
        frameWidget()->setWindowState(Qt::WindowMinimized);
        break;
    case vbMaximized:
        frameWidget()->setWindowState(Qt::WindowMaximized);
        break;
    default:
        throw VbError(VbError::InvalidPropertyValue);
    }
}

void Form::load() {
    if (m_kind == Kind::MdiChild) {
        if (MdiArea* area = MdiArea::current()) {
            area->host(*this);
            // The size the form was given becomes its sub-window's.
            if (m_width.pixels() > 0 && m_height.pixels() > 0) showGeometry();
        }
    }
    runGuarded([this] { Form_Load(); });
    // Its controls and their tab order are in place now.
    for (Control* control : Controls()) {
        if (auto* label = dynamic_cast<Label*>(control)) label->nameTheControlItStandsFor();
    }
}

bool Form::Unload() {
    if (m_state != State::Loaded) return true;
    m_state = State::Unloading;
    int cancel = 0;
    if (!unloadMdiChildren()) cancel = 1;
    if (cancel == 0) runGuarded([&] { Form_Unload(cancel); });
    if (cancel != 0) {
        m_state = State::Loaded;
        return false;
    }
    m_state = State::Unloaded;
    if (MdiArea* area = MdiArea::current(); area && isAncestorOf(area->widget())) area->retire();
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

// Minimising hides a window too, but only hiding it by code ends a modal show.
void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) endModal();
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

// The child windows of the MDI area this form holds go first; false when one refused.
bool Form::unloadMdiChildren() {
    MdiArea* area = MdiArea::current();
    if (!area || !isAncestorOf(area->widget())) return true;
    for (Form* child : area->forms()) {
        if (!child->Unload()) return false;
    }
    return true;
}

void Form::endModal() {
    if (m_modalLoop) m_modalLoop->quit();
}

void Form::showGeometry() {
    frameWidget()->setGeometry(m_left.pixels(), m_top.pixels(), m_width.pixels(), m_height.pixels());
}
