// The frames a window shows, as the X server reports each change of its pixels: to find when the
// window first showed everything it will keep showing.
#pragma once

#include "harness/polling.h"
#include "harness/x11_handles.h"

#include <QImage>
#include <optional>
#include <vector>

namespace bench {

class FrameWatch {
public:
    // Starts tracking the window's damage on the connection. Throws std::runtime_error if the
    // server has no DAMAGE extension.
    FrameWatch(Display* display, harness::XWindow window);
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;
    ~FrameWatch();

    // Takes the window as it is now as the first frame, seen at `seenAt`: what was drawn before
    // is in it.
    void takeFirst(harness::Clock::time_point seenAt);
    // Captures the window at every change until `until`, keeping each frame that differs from
    // the one before with the moment its change was reported.
    void watchUntil(harness::Clock::time_point until);
    // When the window first showed the frame it showed last: the earliest of the frames that
    // equal the last one, after which none differed. Nothing if no frame was taken.
    std::optional<harness::Clock::time_point> settledSince() const;

private:
    struct Frame {
        harness::Clock::time_point seenAt;
        QImage pixels;
    };
    void keep(harness::Clock::time_point seenAt);
    // Clears the damage so far, so that the next drawing reports anew.
    void rearm();

    Display* m_display;
    harness::XWindow m_window;
    unsigned long m_damage = 0;
    int m_eventBase = 0;
    std::vector<Frame> m_frames;
};

} // namespace bench
