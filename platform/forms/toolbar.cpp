#include "toolbar.h"
#include "container.h"
#include "flowlayout.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QFrame>
#include <QIcon>
#include <QToolButton>

namespace {
// In pixels: the gap a placeholder leaves, the width a separator takes, and the room
// around and between the buttons.
constexpr int kPlaceholderWidth = 16;
constexpr int kSeparatorWidth = 8;
constexpr int kMargin = 2;
constexpr int kSpacing = 1;

std::unique_ptr<QWidget> makeBar() {
    auto bar = std::make_unique<QWidget>();
    bar->setAutoFillBackground(true);
    return bar;
}
} // namespace

Toolbar::Toolbar(Container& container, const QString& name)
    : Control(container, name, makeBar(),
              {QPalette::Window, QPalette::ButtonText, vbButtonFace, vbButtonText}),
      m_layout(new FlowLayout(widget(), kMargin, kSpacing)) {}

void Toolbar::addButton(Style style, const QString& key, const QString& caption, const QString& icon,
                        const QString& toolTipText) {
    Button added{style, key};
    switch (style) {
    case Style::Separator: {
        auto* line = new QFrame(widget());
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setFixedWidth(kSeparatorWidth);
        addWidget(line);
        break;
    }
    case Style::Placeholder:
        m_layout->addItem(new QSpacerItem(kPlaceholderWidth, 0));
        break;
    case Style::Normal:
    case Style::Check: {
        auto* toolButton = new QToolButton(widget());
        toolButton->setObjectName(key);
        toolButton->setAutoRaise(true);
        // As high as the row, so that text buttons and icon buttons line up.
        toolButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        toolButton->setCheckable(style == Style::Check);
        const QString toolTip = toolTipText.isEmpty() ? caption : toolTipText;
        toolButton->setToolTip(toolTip);
        toolButton->setAccessibleName(toolTip);
        toolButton->setIconSize(QSize(16, 16));
        toolButton->setText(caption);
        if (!icon.isEmpty()) toolButton->setIcon(QIcon(icon));
        toolButton->setToolButtonStyle(icon.isEmpty()      ? Qt::ToolButtonTextOnly
                                       : caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                           : Qt::ToolButtonTextBesideIcon);
        const int index = ButtonCount() + 1;
        QObject::connect(toolButton, &QToolButton::clicked, context(), [this, index] { userClicked(index); });
        added.widget = toolButton;
        addWidget(toolButton);
        break;
    }
    }
    m_buttons.push_back(added);
}

// Shown at once, so that the layout counts it before the bar itself is first shown.
void Toolbar::addWidget(QWidget* item) {
    m_layout->addWidget(item);
    item->show();
}

double Toolbar::FittingHeight(double width) const {
    const int scale = container().ScaleMode();
    const int pixels = m_layout->heightForWidth(ScaledValue(width, scale).pixels());
    return ScaledValue(pixels, vbPixels).in(scale);
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
