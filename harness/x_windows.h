// What a window manager sees of the top-level windows: names, places, hints and properties.
#pragma once

#include "harness/x11_handles.h"

#include <QRect>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace harness {

// The top-level windows: without a window manager, the root window's children.
std::vector<XWindow> topLevelWindows(Display* display);

// WM_NAME, empty if the window has none (or is gone).
std::string windowName(Display* display, XWindow window);
// _NET_WM_NAME, the UTF-8 name that some programs give their windows instead.
std::string netWmName(Display* display, XWindow window);
// The class half of WM_CLASS, which desktops match to an entry's StartupWMClass; empty if the
// window has none.
std::string windowClass(Display* display, XWindow window);
bool isViewable(Display* display, XWindow window);
// The window's rectangle in root coordinates; empty if the window is gone.
QRect rootGeometry(Display* display, XWindow window);

// The viewable top-level windows called `name`.
std::vector<XWindow> viewableWindowsNamed(Display* display, const std::string& name);

struct SizeHints {
    bool hasMinimum = false;
    bool hasMaximum = false;
    QSize minimum;
    QSize maximum;
};
// WM_NORMAL_HINTS.
SizeHints normalHints(Display* display, XWindow window);

// A property of 32-bit items of the type named `type` (CARDINAL, ATOM, WINDOW); empty if it is
// missing or of another type.
std::vector<unsigned long> longProperty(Display* display, XWindow window, const char* property,
                                        const char* type);
// WM_TRANSIENT_FOR.
std::optional<XWindow> transientFor(Display* display, XWindow window);
// Whether WM_PROTOCOLS lists `protocol`.
bool supportsProtocol(Display* display, XWindow window, const char* protocol);

// _NET_WM_PID: the process that owns the window, if it says.
std::optional<pid_t> processOf(Display* display, XWindow window);
// The viewable top-level windows of the process.
std::vector<XWindow> shownWindowsOf(Display* display, pid_t pid);

} // namespace harness
