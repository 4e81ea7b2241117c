#pragma once
// Key preview: a form sees each key before the control that has the focus. An event filter
// over the form and all its descendants (also those added later) hands each key press to
// the form's key handler first, in the old toolkit's codes, and then lets the event go on
// to the control, unless the handler set the key code to 0.
//
// Codes: PageUp 33, PageDown 34, End 35, Home 36, Left 37, Up 38, Right 39, Down 40,
// letters as their upper-case code (N = 78), digits as their own code; keys with no code
// are not handed on. Shift mask: Shift 1, Ctrl 2, Alt 4; the keypad modifier is left out,
// so the keypad's arrow keys read as the arrow keys.

#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QWidget;

// The old code of a key, 0 for a key that has none.
qint16 vbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
qint16 vbShiftMask(Qt::KeyboardModifiers modifiers);

class KeyPreview : public QObject {
public:
    // keyCode may be set to 0 to keep the key from the control.
    using Handler = std::function<void(qint16& keyCode, qint16 shift)>;

    KeyPreview(QWidget& form, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* object);
    bool alreadyPreviewed(const QWidget* receiver, const QKeyEvent* event) const;

    Handler m_handler;
    // The last key press handed on and where: a key that the control leaves goes on to its
    // parents, and must not reach the handler again.
    const QKeyEvent* m_lastEvent = nullptr;
    quint64 m_lastTimestamp = 0;
    QPointer<QWidget> m_lastReceiver;
};
