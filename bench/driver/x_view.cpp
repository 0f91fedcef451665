#include "bench/driver/x_view.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <stdexcept>

namespace bench {
namespace {

// A window may go away between two requests about it; that is no reason to stop.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

XView::XView()
{
    m_display = XOpenDisplay(nullptr);
    if (!m_display)
        throw std::runtime_error("no X display: is DISPLAY set?");
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
        throw std::runtime_error("the X server has no XTest");
    XSetErrorHandler(ignoreErrors);
    m_root = DefaultRootWindow(m_display);
    m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    XSelectInput(m_display, m_root, SubstructureNotifyMask);
    XSync(m_display, False);
}

XView::~XView() { XCloseDisplay(m_display); }

void XView::drainEvents()
{
    XSync(m_display, False);
    XEvent event;
    while (XPending(m_display))
        XNextEvent(m_display, &event);
}

XWindow XView::waitForMapped(pid_t pid, std::chrono::steady_clock::time_point deadline,
                             std::chrono::steady_clock::time_point& mappedAt)
{
    using namespace std::chrono;
    for (;;) {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == MapNotify && pidOf(event.xmap.window) == pid) {
                mappedAt = steady_clock::now();
                return event.xmap.window;
            }
        }
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0)
            return 0;
        pollfd watched{ConnectionNumber(m_display), POLLIN, 0};
        poll(&watched, 1, static_cast<int>(left));
    }
}

std::vector<std::uint32_t> XView::row(XWindow window, int y, int x, int width)
{
    XImage* image =
        XGetImage(m_display, window, x, y, static_cast<unsigned>(width), 1, AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width));
    for (int i = 0; i < width; ++i)
        pixels[static_cast<std::size_t>(i)] =
            static_cast<std::uint32_t>(XGetPixel(image, i, 0) & 0xffffff);
    XDestroyImage(image);
    return pixels;
}

QImage XView::grab(XWindow window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return {};
    XImage* image = XGetImage(m_display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage result(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x)
            result.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xff000000u);
    XDestroyImage(image);
    return result;
}

QPoint XView::origin(XWindow window)
{
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(m_display, window, m_root, 0, 0, &x, &y, &child);
    return {x, y};
}

std::vector<XWindow> XView::shownWindowsOf(pid_t pid)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<XWindow> shown;
    if (!XQueryTree(m_display, m_root, &root, &parent, &children, &count))
        return shown;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(m_display, children[i], &attributes) &&
            attributes.map_state == IsViewable && pidOf(children[i]) == pid)
            shown.push_back(children[i]);
    }
    if (children)
        XFree(children);
    return shown;
}

void XView::moveTo(QPoint screen)
{
    XTestFakeMotionEvent(m_display, -1, screen.x(), screen.y(), CurrentTime);
    XFlush(m_display);
}

void XView::click()
{
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
}

void XView::tapKey(unsigned long keysym)
{
    const KeyCode code = XKeysymToKeycode(m_display, keysym);
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    XFlush(m_display);
}

void XView::askToClose(XWindow window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

long XView::pidOf(XWindow window)
{
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(m_display, window, m_pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data && items == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

} // namespace bench
