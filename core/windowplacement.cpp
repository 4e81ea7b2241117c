#include "windowplacement.h"
#include "forms/form.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
std::optional<double> readMeasure(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> readSize(const QString& text) {
    const std::optional<double> value = readMeasure(text);
    if (value && *value > 0) return value;
    return std::nullopt;
}

int readState(const QString& text) {
    bool ok = false;
    const int state = text.trimmed().toInt(&ok);
    if (ok && (state == vbWindowNormal || state == vbMinimized || state == vbMaximized)) return state;
    return vbWindowNormal;
}
} // namespace

WindowPlacement placeWindow(const StoredPlacement& stored, double screenWidth, double screenHeight,
                            double neededWidth) {
    WindowPlacement placement;
    placement.width =
        readSize(stored.width).value_or(std::min(screenWidth, std::max(screenWidth / 3, neededWidth)));
    placement.height = readSize(stored.height).value_or(screenHeight / 3);
    placement.left = readMeasure(stored.left).value_or((screenWidth - placement.width) / 2);
    placement.top = readMeasure(stored.top).value_or((screenHeight - placement.height) / 2);
    placement.state = readState(stored.state);
    if (placement.state == vbWindowNormal) {
        if (placement.left < 0) placement.left = 0;
        if (placement.top < 0) placement.top = 0;
        if (placement.left + placement.width > screenWidth) placement.left = screenWidth - placement.width;
        if (placement.top + placement.height > screenHeight) placement.top = screenHeight - placement.height;
    }
    return placement;
}
