// The top-level windows in Weston's scene graph, as `weston-debug scene-graph` prints it.
#pragma once

#include <QRect>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace harness {

struct WestonToplevel {
    std::string title;
    // The desktop file name the client gave the window, which desktops match to its entry.
    std::string appId;
    pid_t pid = 0;
    // Weston's id of the window's surface, which stays the same while the window lives.
    unsigned long surfaceId = 0;
    // The surface in the output's coordinates: the client's own title bar and frame included.
    QRect surface;
    // The part of the surface that the client declared opaque: a Qt window declares its client
    // area. Empty if the client declared none.
    QRect opaque;
};

// The xdg toplevels of the scene graph, the topmost first.
std::vector<WestonToplevel> parseToplevels(std::string_view sceneGraph);

} // namespace harness
