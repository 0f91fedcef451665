// The game's window as its design lays it out, in pixels.
#pragma once

#include "harness/design_geometry.h"
#include "scene/form1_design.h"
#include "utf8/qt_string.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <string_view>

namespace bench {

inline QRect controlRect(std::string_view name)
{
    return harness::controlRect(scene::form1Design(), name);
}
// The resource of the control's picture.
inline QString controlPicture(std::string_view name)
{
    return utf8::toQString(scene::form1Design().control(name).picture);
}
// The colour that tells the control's picture from the others (but those of `sharedWith`).
inline QRgb ownColour(std::string_view name,
                      std::initializer_list<std::string_view> sharedWith = {})
{
    return harness::ownColour(scene::form1Design(), name, sharedWith);
}
// Far from the window, so that the pointer changes nothing while it rests there.
inline constexpr QPoint kPointerAway{1000, 700};

} // namespace bench
