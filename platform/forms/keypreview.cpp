#include "keypreview.h"
#include "guard.h"

#include <QKeyEvent>
#include <QWidget>

qint16 vbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qint16(qtKey);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        // The keypad's digits have codes of their own.
        return modifiers.testFlag(Qt::KeypadModifier) ? qint16(96 + qtKey - Qt::Key_0) : qint16(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return qint16(112 + qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

qint16 vbShiftMask(Qt::KeyboardModifiers modifiers) {
    qint16 mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) mask |= 1;
    if (modifiers.testFlag(Qt::ControlModifier)) mask |= 2;
    if (modifiers.testFlag(Qt::AltModifier)) mask |= 4;
    return mask;
}

KeyPreview::KeyPreview(QWidget& form, Handler handler) : m_handler(std::move(handler)) {
    watch(&form);
}

void KeyPreview::watch(QObject* object) {
    if (!object->isWidgetType()) return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        watch(child);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        watch(static_cast<QChildEvent*>(event)->child());
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* receiver = static_cast<QWidget*>(watched);
    if (alreadyPreviewed(receiver, key)) return false;
    m_lastEvent = key;
    m_lastTimestamp = key->timestamp();
    m_lastReceiver = receiver;

    qint16 keyCode = vbKeyCode(key->key(), key->modifiers());
    if (keyCode == 0) return false;
    const qint16 shift = vbShiftMask(key->modifiers());
    runGuarded([&] { m_handler(keyCode, shift); });
    return keyCode == 0;
}

// The same event arriving at an ancestor of where it was handed on has gone up from there.
bool KeyPreview::alreadyPreviewed(const QWidget* receiver, const QKeyEvent* event) const {
    return event == m_lastEvent && event->timestamp() == m_lastTimestamp && m_lastReceiver &&
           receiver != m_lastReceiver && receiver->isAncestorOf(m_lastReceiver);
}
