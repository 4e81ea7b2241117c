#include "systemcolours.h"
#include "runtime/colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
QPalette::ColorRole systemRole(qint32 colour) {
    switch (colour) {
    case vbWindowBackground:
        return QPalette::Base;
    case vbWindowText:
        return QPalette::Text;
    case vbButtonFace:
        return QPalette::Button;
    case vbButtonText:
        return QPalette::ButtonText;
    default:
        return QPalette::Window;
    }
}
} // namespace

QColor displayColour(qint32 colour) {
    if (colour < 0) return QGuiApplication::palette().color(systemRole(colour));
    return toQColor(colour);
}
