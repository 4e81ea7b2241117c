#include "dialogs.h"
#include "qtdialogs.h"

namespace {
std::unique_ptr<Dialogs>& installed() {
    static std::unique_ptr<Dialogs> current;
    return current;
}
} // namespace

Dialogs& dialogs() {
    if (!installed()) installed() = std::make_unique<QtDialogs>();
    return *installed();
}

std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> replacement) {
    return std::exchange(installed(), std::move(replacement));
}

int MsgBox(const QString& prompt, int style, const QString& title) {
    return dialogs().messageBox(prompt, style, title);
}
