// XDamage on the watched window: each report is followed by a capture of the whole window.
#include "bench/driver/frame_watch.h"

#include "harness/window_capture.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <stdexcept>

namespace bench {

using harness::Clock;

FrameWatch::FrameWatch(Display* display, harness::XWindow window)
    : m_display(display)
    , m_window(window)
{
    int errorBase = 0;
    if (!XDamageQueryExtension(m_display, &m_eventBase, &errorBase))
        throw std::runtime_error("the X server has no DAMAGE extension");
    // One report each time the damage goes from none to some; rearm() clears it.
    m_damage = XDamageCreate(m_display, m_window, XDamageReportNonEmpty);
    XSync(m_display, False);
}

FrameWatch::~FrameWatch()
{
    XDamageDestroy(m_display, m_damage);
    XSync(m_display, False);
}

void FrameWatch::rearm()
{
    XDamageSubtract(m_display, m_damage, None, None);
    XSync(m_display, False);
}

void FrameWatch::keep(Clock::time_point seenAt)
{
    QImage pixels = harness::captureWindow(m_display, m_window);
    if (pixels.isNull())
        return;
    if (m_frames.empty() || m_frames.back().pixels != pixels)
        m_frames.push_back({seenAt, std::move(pixels)});
}

void FrameWatch::takeFirst(Clock::time_point seenAt)
{
    // The reports queued so far are of drawing the capture below already holds.
    rearm();
    XEvent event;
    while (XPending(m_display))
        XNextEvent(m_display, &event);
    keep(seenAt);
}

void FrameWatch::watchUntil(Clock::time_point until)
{
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    for (;;) {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type != m_eventBase + XDamageNotify)
                continue;
            const Clock::time_point reported = Clock::now();
            rearm();
            keep(reported);
        }
        const auto left = duration_cast<milliseconds>(until - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd watched{ConnectionNumber(m_display), POLLIN, 0};
        poll(&watched, 1, static_cast<int>(left));
    }
    // Whatever a report still on its way would show.
    keep(Clock::now());
}

std::optional<Clock::time_point> FrameWatch::settledSince() const
{
    if (m_frames.empty())
        return std::nullopt;
    // Frames are kept only when they differ from the one before: the last one is the settled
    // frame, and it was first seen when it was kept.
    return m_frames.back().seenAt;
}

} // namespace bench
