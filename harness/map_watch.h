// Watches the root window for top-level windows being mapped, as a window manager does.
#pragma once

#include "harness/polling.h"
#include "harness/x11_handles.h"

#include <optional>
#include <sys/types.h>

namespace harness {

struct MappedWindow {
    XWindow window = 0;
    // When this process saw the MapNotify.
    Clock::time_point seenAt;
};

class MapWatch {
public:
    // Starts watching the root's children on the connection; its events queue up from now on.
    explicit MapWatch(Display* display);
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;
    // Stops watching.
    ~MapWatch();

    // Forgets the windows mapped so far, before a program is started.
    void forgetEarlier();
    // Waits for a top-level window of the process to be mapped; nothing at the deadline.
    std::optional<MappedWindow> waitForWindowOf(pid_t pid, Clock::time_point deadline);

private:
    Display* m_display;
};

} // namespace harness
