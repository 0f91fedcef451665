#include "harness/x_events.h"

#include <X11/Xlib.h>
#include <poll.h>

namespace harness {

bool handleEventsUntil(Display* display, Clock::time_point deadline,
                       const std::function<bool(const XEvent&)>& handle)
{
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (handle(event))
                return true;
        }
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd watched{ConnectionNumber(display), POLLIN, 0};
        poll(&watched, 1, static_cast<int>(left));
    }
}

} // namespace harness
