#include "commandbutton.h"
#include "systemcolours.h"

#include <QPushButton>

CommandButton::CommandButton(Container& container, const QString& name)
    : Control(container, name, std::make_unique<QPushButton>(),
              {QPalette::Button, QPalette::ButtonText, vbButtonFace, vbButtonText}) {
    QObject::connect(static_cast<QPushButton*>(widget()), &QPushButton::clicked, context(),
                     [this] { Click(); });
}

void CommandButton::setCaption(const QString& caption) {
    m_caption = caption;
    static_cast<QPushButton*>(widget())->setText(caption);
}
