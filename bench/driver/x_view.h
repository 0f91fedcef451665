// The driver's own connection to the X server: it watches windows being mapped, reads their
// pixels back, and plays the mouse and keyboard through XTest.
#pragma once

#include <QImage>
#include <QPoint>
#include <chrono>
#include <cstdint>
#include <sys/types.h>
#include <vector>

struct _XDisplay;

namespace bench {

using XWindow = unsigned long;

class XView {
public:
    // Connects to $DISPLAY and watches the root's children from now on. Throws
    // std::runtime_error without a display or XTest.
    XView();
    XView(const XView&) = delete;
    XView& operator=(const XView&) = delete;
    ~XView();

    // Forgets the events so far, before a program is started.
    void drainEvents();
    // Waits for a window of the process to be mapped; returns it and when it was seen, or 0
    // at the deadline.
    XWindow waitForMapped(pid_t pid, std::chrono::steady_clock::time_point deadline,
                          std::chrono::steady_clock::time_point& mappedAt);

    // One row of the window's pixels as 0xRRGGBB; empty if it cannot be read.
    std::vector<std::uint32_t> row(XWindow window, int y, int x, int width);
    // The whole window, or a null image.
    QImage grab(XWindow window);
    // Where the window's top-left corner lies on the screen.
    QPoint origin(XWindow window);
    // The process's mapped top-level windows.
    std::vector<XWindow> shownWindowsOf(pid_t pid);

    void moveTo(QPoint screen);
    void click();
    void tapKey(unsigned long keysym);
    // Asks the window to close, as a window manager's close button does.
    void askToClose(XWindow window);

private:
    long pidOf(XWindow window);

    _XDisplay* m_display = nullptr;
    XWindow m_root = 0;
    unsigned long m_pidAtom = 0;
};

} // namespace bench
