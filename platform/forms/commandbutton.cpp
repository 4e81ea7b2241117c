#include "commandbutton.h"
#include "systemcolours.h"

#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace {
bool isEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Enter presses the button that has the focus, as Space does and as in the old toolkit's and Qt's
// dialogs; in a window with a default button too, whose shortcut would otherwise take the key.
class PushButton : public QPushButton {
protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && isEnter(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return QPushButton::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (isEnter(*event))
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};
} // namespace

CommandButton::CommandButton(Container& container, const QString& name)
    : Control(container, name, std::make_unique<PushButton>(),
              {QPalette::Button, QPalette::ButtonText, vbButtonFace, vbButtonText}) {
    QObject::connect(button(), &QPushButton::clicked, context(), [this] { Click(); });
}

void CommandButton::setCaption(const QString& caption) {
    m_caption = caption;
    button()->setText(caption);
    showAccessibleName();
}

void CommandButton::setToolTipText(const QString& text) {
    m_toolTipText = text;
    button()->setToolTip(text);
    button()->setAccessibleDescription(text.isEmpty() ? Name() : text);
    showAccessibleName();
}

// Qt names a button by its text; a picture button has only its tool tip to be named by.
void CommandButton::showAccessibleName() {
    button()->setAccessibleName(m_caption.isEmpty() ? m_toolTipText : QString());
}

void CommandButton::setDefault(bool value) {
    if (value == Default()) return;
    delete m_default;
    m_default = value ? makeShortcut({Qt::Key_Return, Qt::Key_Enter}) : nullptr;
    button()->setDefault(value);
}

void CommandButton::setCancel(bool value) {
    if (value == Cancel()) return;
    delete m_cancel;
    m_cancel = value ? makeShortcut({Qt::Key_Escape}) : nullptr;
}

void CommandButton::setPicture(const ::Picture& picture) {
    m_picture = picture;
    button()->setIcon(QPixmap::fromImage(picture.image()));
    button()->setIconSize(picture.image().size());
}

QPushButton* CommandButton::button() const {
    return static_cast<QPushButton*>(widget());
}

// The keys count anywhere in the button's window, as the old toolkit's did; a disabled
// or hidden button lets them pass unheard.
QShortcut* CommandButton::makeShortcut(std::initializer_list<int> keys) {
    auto* shortcut = new QShortcut(button());
    shortcut->setContext(Qt::WindowShortcut);
    QList<QKeySequence> sequences;
    for (int key : keys)
        sequences << QKeySequence(key);
    shortcut->setKeys(sequences);
    QObject::connect(shortcut, &QShortcut::activated, context(), [this] {
        if (Enabled() && Visible()) Click();
    });
    return shortcut;
}
