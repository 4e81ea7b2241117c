#include "checkbox.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace {
Qt::CheckState checkState(int value) {
    switch (value) {
    case vbChecked:
        return Qt::Checked;
    case vbGrayed:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

int valueOf(int state) {
    switch (state) {
    case Qt::Checked:
        return vbChecked;
    case Qt::PartiallyChecked:
        return vbGrayed;
    default:
        return vbUnchecked;
    }
}
} // namespace

CheckBox::CheckBox(Container& container, const QString& name)
    : Control(container, name, std::make_unique<QCheckBox>(),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText, true}) {
    // stateChanged, not clicked: the keyboard changes the box too.
    QObject::connect(box(), &QCheckBox::stateChanged, context(), [this](int state) { userChanged(state); });
}

void CheckBox::setCaption(const QString& caption) {
    m_caption = caption;
    box()->setText(caption);
}

void CheckBox::setValue(int value) {
    if (value != vbUnchecked && value != vbChecked && value != vbGrayed)
        throw VbError(VbError::InvalidPropertyValue);
    if (value == m_value) return;
    m_value = value;
    {
        const QSignalBlocker blocker(box());
        box()->setCheckState(checkState(value));
        // Only code can gray a box; the user's clicks go between checked and unchecked.
        box()->setTristate(value == vbGrayed);
    }
    Click();
}

void CheckBox::userChanged(int state) {
    const int value = valueOf(state);
    box()->setTristate(value == vbGrayed);
    if (value == m_value) return;
    m_value = value;
    Click();
}

QCheckBox* CheckBox::box() const {
    return static_cast<QCheckBox*>(widget());
}
