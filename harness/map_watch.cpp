// Reads MapNotify events from the root window, sleeping in poll on the connection in between.
#include "harness/map_watch.h"

#include "harness/x_windows.h"

#include <X11/Xlib.h>
#include <poll.h>

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
    using std::chrono::duration_cast;
    for (;;) {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == MapNotify && processOf(m_display, event.xmap.window) == pid)
                return MappedWindow{event.xmap.window, Clock::now()};
        }
        const auto left = duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        pollfd watched{ConnectionNumber(m_display), POLLIN, 0};
        poll(&watched, 1, static_cast<int>(left));
    }
}

} // namespace harness
