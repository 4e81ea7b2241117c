#include "optionbutton.h"
#include "systemcolours.h"

#include <QRadioButton>

OptionButton::OptionButton(Container& container, const QString& name)
    : Control(container, name, std::make_unique<QRadioButton>(),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText, true}) {
    // toggled reaches every button of the container: the one chosen and the one cleared.
    QObject::connect(button(), &QRadioButton::toggled, context(), [this](bool checked) { toggled(checked); });
}

void OptionButton::setCaption(const QString& caption) {
    m_caption = caption;
    button()->setText(caption);
}

void OptionButton::setValue(bool value) {
    if (value) {
        button()->setChecked(true);
        return;
    }
    // An exclusive button cannot be cleared by itself.
    button()->setAutoExclusive(false);
    button()->setChecked(false);
    button()->setAutoExclusive(true);
}

QRadioButton* OptionButton::button() const {
    return static_cast<QRadioButton*>(widget());
}

void OptionButton::toggled(bool checked) {
    if (checked == m_value) return;
    m_value = checked;
    if (checked) Click();
}
