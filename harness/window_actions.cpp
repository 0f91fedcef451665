// Window manager requests, each synced so that the server has carried it out on return.
#include "harness/window_actions.h"

#include <X11/Xlib.h>

namespace harness {

void sendDeleteWindow(Display* display, XWindow window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

void moveWindow(Display* display, XWindow window, QPoint topLeft)
{
    XMoveWindow(display, window, topLeft.x(), topLeft.y());
    XSync(display, False);
}

void focusWindow(Display* display, XWindow window)
{
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    XSync(display, False);
}

} // namespace harness
