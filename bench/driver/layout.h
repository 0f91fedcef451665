// Where the game's controls lie in its window, in pixels, from the design table.
#pragma once

#include "harness/design_geometry.h"
#include "scene/form1_design.h"

#include <QPoint>
#include <QRect>
#include <string_view>

namespace bench {

inline QRect controlRect(std::string_view name)
{
    return harness::controlRect(scene::form1Design(), name);
}
// Far from the window, so that the pointer changes nothing while it rests there.
inline constexpr QPoint kPointerAway{1000, 700};

} // namespace bench
