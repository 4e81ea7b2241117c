#include "layoutsteps.h"

#include "forms/dialogs.h"
#include "runtime/vberror.h"

void LayoutSteps::operator()(const std::function<void()>& step) {
    try {
        step();
    } catch (const VbError& error) {
        if (error.number() == VbError::FileNotFound || error.number() == VbError::PathNotFound) return;
        if (m_reported) return;
        m_reported = true;
        MsgBox(QStringLiteral("Error while drawing the card.\r\n\r\n") + error.numberedText(), vbCritical,
               QStringLiteral("Cannot draw picture correct"));
    }
}
