#include "altkeys.h"

bool altKeyTypesNothing(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!modifiers.testFlag(Qt::AltModifier)) return false;
    if (modifiers & (Qt::ControlModifier | Qt::GroupSwitchModifier)) return false;
    const QList<uint> typed = event.text().toUpper().toUcs4();
    // Keys of printable characters are their upper-case code points.
    return typed.size() == 1 && typed.front() == uint(event.key()) && QChar::isPrint(char32_t(typed.front()));
}
