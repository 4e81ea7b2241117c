#include "guard.h"
#include "dialogs.h"
#include "runtime/vberror.h"

#include <exception>

namespace {
void showUnhandled(const QString& text) {
    MsgBox(text, vbCritical, QStringLiteral("ZQJ2"));
}
} // namespace

void runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const VbError& error) {
        showUnhandled(error.shownText());
    } catch (const std::exception& error) {
        showUnhandled(QStringLiteral("Error: %1").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        showUnhandled(QStringLiteral("Error: unknown error"));
    }
}
