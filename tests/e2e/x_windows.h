// What a window manager sees of the top-level windows, and what it does to them.
#pragma once

#include "tests/e2e/x11_handles.h"

#include <QRect>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The top-level windows: without a window manager, the root window's children.
std::vector<XWindow> topLevelWindows(Display* display);

// WM_NAME, empty if the window has none (or is gone).
std::string windowName(Display* display, XWindow window);
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

// Asks the window to close as a window manager does: a WM_DELETE_WINDOW ClientMessage.
void sendDeleteWindow(Display* display, XWindow window);
void moveWindow(Display* display, XWindow window, QPoint topLeft);
void focusWindow(Display* display, XWindow window);

} // namespace e2e
