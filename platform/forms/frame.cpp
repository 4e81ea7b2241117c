#include "frame.h"
#include "systemcolours.h"

#include <QGroupBox>

Frame::Frame(Container& container, const QString& name)
    : Control(container, name, std::make_unique<QGroupBox>(),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText}) {
    widget()->setAutoFillBackground(true);
}

void Frame::setCaption(const QString& caption) {
    m_caption = caption;
    static_cast<QGroupBox*>(widget())->setTitle(caption);
}
