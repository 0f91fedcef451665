// Reads MapNotify events from the root window as they come.
#include "harness/map_watch.h"

#include "harness/x_events.h"
#include "harness/x_windows.h"

#include <X11/Xlib.h>

namespace harness {

MapWatch::MapWatch(Display* display)
    : m_display(display)
{
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
    XSync(m_display, False);
}

MapWatch::~MapWatch()
{
    XSelectInput(m_display, DefaultRootWindow(m_display), NoEventMask);
    forgetEarlier();
}

void MapWatch::forgetEarlier()
{
    XSync(m_display, False);
    XEvent event;
    while (XPending(m_display))
        XNextEvent(m_display, &event);
}

std::optional<MappedWindow> MapWatch::waitForWindowOf(pid_t pid, Clock::time_point deadline)
{
    std::optional<MappedWindow> mapped;
    handleEventsUntil(m_display, deadline, [&](const XEvent& event) {
        if (event.type == MapNotify && processOf(m_display, event.xmap.window) == pid)
            mapped = MappedWindow{event.xmap.window, Clock::now()};
        return mapped.has_value();
    });
    return mapped;
}

} // namespace harness
