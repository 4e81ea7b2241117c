#include "frame.h"
#include "systemcolours.h"

#include "taborder.h"

#include <QEvent>
#include <QGroupBox>

namespace {
// The frame's access key goes to its first control in tab order; QGroupBox would prefer a
// checked option button.
class GroupBox : public QGroupBox {
protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return QGroupBox::event(event);
        if (QWidget* first = firstFocusableInside(this)) first->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
};
} // namespace

Frame::Frame(Container& container, const QString& name)
    : Control(container, name, std::make_unique<GroupBox>(),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText}) {
    widget()->setAutoFillBackground(true);
}

void Frame::setCaption(const QString& caption) {
    m_caption = caption;
    static_cast<QGroupBox*>(widget())->setTitle(caption);
}
