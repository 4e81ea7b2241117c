#include "toolbar.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QIcon>
#include <QToolBar>
#include <QToolButton>

namespace {
// The gap a placeholder leaves, in pixels.
constexpr int kPlaceholderWidth = 16;
} // namespace

Toolbar::Toolbar(Container& container, const QString& name)
    : Control(container, name, std::make_unique<QToolBar>(),
              {QPalette::Button, QPalette::ButtonText, vbButtonFace, vbButtonText}) {
    auto* bar = static_cast<QToolBar*>(widget());
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
}

void Toolbar::addButton(Style style, const QString& key, const QString& caption, const QString& icon) {
    auto* bar = static_cast<QToolBar*>(widget());
    Button added{style, key};
    switch (style) {
    case Style::Separator:
        bar->addSeparator();
        break;
    case Style::Placeholder: {
        auto gap = std::make_unique<QWidget>();
        gap->setFixedWidth(kPlaceholderWidth);
        bar->addWidget(gap.release()); // the toolbar owns it
        break;
    }
    case Style::Normal:
    case Style::Check: {
        auto toolButton = std::make_unique<QToolButton>();
        toolButton->setObjectName(key);
        toolButton->setCheckable(style == Style::Check);
        toolButton->setToolTip(caption);
        if (icon.isEmpty()) {
            toolButton->setText(caption);
            toolButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
        } else {
            toolButton->setIcon(QIcon(icon));
            toolButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
        }
        const int index = ButtonCount() + 1;
        QObject::connect(toolButton.get(), &QToolButton::clicked, context(),
                         [this, index] { userClicked(index); });
        added.widget = toolButton.get();
        bar->addWidget(toolButton.release()); // the toolbar owns it
        break;
    }
    }
    m_buttons.push_back(added);
}

const QString& Toolbar::ButtonKey(int index) const {
    return button(index).key;
}

int Toolbar::ButtonValue(int index) const {
    return button(index).value;
}

void Toolbar::setButtonValue(int index, int value) {
    button(index); // checks the index
    if (value != tbrUnpressed && value != tbrPressed) throw VbError(VbError::InvalidPropertyValue);
    Button& changed = m_buttons[std::size_t(index - 1)];
    changed.value = value;
    // Only clicks run the handler; checking the button from code emits no click.
    if (changed.widget && changed.style == Style::Check) changed.widget->setChecked(value == tbrPressed);
}

const Toolbar::Button& Toolbar::button(int index) const {
    if (index < 1 || index > ButtonCount()) throw VbError(VbError::InvalidPropertyArrayIndex);
    return m_buttons[std::size_t(index - 1)];
}

void Toolbar::userClicked(int index) {
    Button& clicked = m_buttons[std::size_t(index - 1)];
    if (clicked.style == Style::Check)
        clicked.value = clicked.widget->isChecked() ? tbrPressed : tbrUnpressed;
    ButtonClick(ToolbarButton{index, clicked.key, clicked.value});
}
