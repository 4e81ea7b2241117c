#include "updown.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

QString UpDownBuddy::Text() const {
    return QString::number(m_upDown.Value());
}

void UpDownBuddy::setText(const QString& text) {
    bool isNumber = false;
    const qint32 value = text.trimmed().toInt(&isNumber);
    if (isNumber) m_upDown.setValue(value);
}

UpDown::UpDown(Container& container, const QString& name, const QString& buddyName)
    : Control(container, name, std::make_unique<QSpinBox>(),
              {QPalette::Base, QPalette::Text, vbWindowBackground, vbWindowText}) {
    QSpinBox* box = spinBox();
    box->setRange(m_min, m_max);
    box->setValue(m_value);
    if (auto* edit = box->findChild<QLineEdit*>()) {
        edit->setObjectName(buddyName);
        edit->setAccessibleDescription(buddyName);
    }
    QObject::connect(box, &QSpinBox::valueChanged, context(), [this](int value) { userChanged(value); });
}

void UpDown::setValue(qint32 value) {
    value = qBound(m_min, value, m_max);
    if (value == m_value) return;
    m_value = value;
    {
        const QSignalBlocker blocker(spinBox());
        spinBox()->setValue(value);
    }
    Change();
}

void UpDown::setRange(qint32 min, qint32 max) {
    if (min > max) throw VbError(VbError::InvalidPropertyValue);
    m_min = min;
    m_max = max;
    {
        const QSignalBlocker blocker(spinBox());
        spinBox()->setRange(min, max);
    }
    setValue(m_value);
}

void UpDown::userChanged(int value) {
    if (value == m_value) return;
    m_value = value;
    Change();
}

QSpinBox* UpDown::spinBox() const {
    return static_cast<QSpinBox*>(widget());
}
