#include "layoutsteps.h"

#include "db/dberrors.h"
#include "forms/dialogs.h"
#include "runtime/vberror.h"

void LayoutSteps::operator()(const std::function<void()>& step) {
    if (m_locked) return;
    try {
        step();
    } catch (const VbError& error) {
        if (error.number() == VbError::FileNotFound || error.number() == VbError::PathNotFound) return;
        m_locked = DbError::causeOf(error) == DbError::Cause::Locked;
        if (m_reported) return;
        m_reported = true;
        MsgBox(QStringLiteral("Error while drawing the card.\r\n\r\n") + error.numberedText(), vbCritical,
               QStringLiteral("Cannot draw picture correct"));
    }
}
