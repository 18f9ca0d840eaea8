// Ctrl and Shift as the keyboard holds them now. Asked at the moment of the action, not
// tracked from key events: a key let go while a menu or dialog has the keyboard would
// otherwise stay "held".
#pragma once

#include <QGuiApplication>

namespace mvt {

inline bool StrgGehalten()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

inline bool UmschaltGehalten()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

} // namespace mvt
