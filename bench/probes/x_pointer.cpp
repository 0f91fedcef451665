#include "bench/probes/x_pointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <cstdio>
#include <cstdlib>

namespace bench {
namespace {

Display* display(void* handle) { return static_cast<Display*>(handle); }

} // namespace

XPointer::XPointer()
{
    m_display = XOpenDisplay(nullptr);
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!m_display || !XTestQueryExtension(display(m_display), &event, &error, &major, &minor)) {
        std::fprintf(stderr, "no X display with XTest\n");
        std::exit(2);
    }
}

XPointer::~XPointer() { XCloseDisplay(display(m_display)); }

void XPointer::moveTo(QPoint global)
{
    XTestFakeMotionEvent(display(m_display), -1, global.x(), global.y(), CurrentTime);
    XFlush(display(m_display));
}

void XPointer::press()
{
    XTestFakeButtonEvent(display(m_display), 1, True, CurrentTime);
    XFlush(display(m_display));
}

void XPointer::release()
{
    XTestFakeButtonEvent(display(m_display), 1, False, CurrentTime);
    XFlush(display(m_display));
}

void XPointer::click()
{
    press();
    release();
}

} // namespace bench
