// Where the game's controls lie in its window, in pixels, from the design table.
#pragma once

#include <QPoint>
#include <QRect>
#include <string_view>

namespace bench {

QRect controlRect(std::string_view name);
// Far from the window, so that the pointer changes nothing while it rests there.
inline constexpr QPoint kPointerAway{1000, 700};

} // namespace bench
