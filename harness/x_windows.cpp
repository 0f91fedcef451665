// Xlib queries on top-level windows, each tolerant of a window that has just been destroyed.
#include "harness/x_windows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace harness {

std::vector<XWindow> topLevelWindows(Display* display)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<XWindow> result;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        result.assign(children, children + count);
        XFree(children);
    }
    return result;
}

std::string windowName(Display* display, XWindow window)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return {};
    std::string result(name);
    XFree(name);
    return result;
}

std::string windowClass(Display* display, XWindow window)
{
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint))
        return {};
    std::string result(hint.res_class ? hint.res_class : "");
    XFree(hint.res_name);
    XFree(hint.res_class);
    return result;
}

std::string netWmName(Display* display, XWindow window)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string result;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1 << 16,
                           False, XInternAtom(display, "UTF8_STRING", False), &actualType, &format,
                           &count, &remaining, &data) == Success &&
        data) {
        if (format == 8)
            result.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return result;
}

bool isViewable(Display* display, XWindow window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

QRect rootGeometry(Display* display, XWindow window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return {};
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

std::vector<XWindow> viewableWindowsNamed(Display* display, const std::string& name)
{
    std::vector<XWindow> result;
    for (XWindow window : topLevelWindows(display))
        if (isViewable(display, window) && windowName(display, window) == name)
            result.push_back(window);
    return result;
}

SizeHints normalHints(Display* display, XWindow window)
{
    XSizeHints hints{};
    long supplied = 0;
    SizeHints result;
    if (!XGetWMNormalHints(display, window, &hints, &supplied))
        return result;
    result.hasMinimum = hints.flags & PMinSize;
    result.hasMaximum = hints.flags & PMaxSize;
    result.minimum = {hints.min_width, hints.min_height};
    result.maximum = {hints.max_width, hints.max_height};
    return result;
}

std::vector<unsigned long> longProperty(Display* display, XWindow window, const char* property,
                                        const char* typeName)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> result;
    const Atom name = XInternAtom(display, property, False);
    const Atom type = XInternAtom(display, typeName, False);
    // Xlib hands 32-bit items back as longs.
    if (XGetWindowProperty(display, window, name, 0, 1 << 24, False, type, &actualType, &format,
                           &count, &remaining, &data) == Success &&
        data) {
        if (actualType == type && format == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            result.assign(items, items + count);
        }
        XFree(data);
    }
    return result;
}

std::optional<XWindow> transientFor(Display* display, XWindow window)
{
    Window owner = None;
    if (!XGetTransientForHint(display, window, &owner) || owner == None)
        return std::nullopt;
    return owner;
}

bool supportsProtocol(Display* display, XWindow window, const char* protocol)
{
    const Atom wanted = XInternAtom(display, protocol, False);
    for (unsigned long atom : longProperty(display, window, "WM_PROTOCOLS", "ATOM"))
        if (atom == wanted)
            return true;
    return false;
}

std::optional<pid_t> processOf(Display* display, XWindow window)
{
    const std::vector<unsigned long> pid = longProperty(display, window, "_NET_WM_PID", "CARDINAL");
    if (pid.size() != 1)
        return std::nullopt;
    return static_cast<pid_t>(pid.front());
}

std::vector<XWindow> shownWindowsOf(Display* display, pid_t pid)
{
    std::vector<XWindow> result;
    for (XWindow window : topLevelWindows(display))
        if (isViewable(display, window) && processOf(display, window) == pid)
            result.push_back(window);
    return result;
}

} // namespace harness
