// XTest events, each flushed to the server and synced so that the input is on its way on return.
#include "tests/e2e/x_input.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace e2e {

bool hasXTest(Display* display)
{
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    return XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor);
}

void movePointer(Display* display, QPoint rootPoint)
{
    XTestFakeMotionEvent(display, DefaultScreen(display), rootPoint.x(), rootPoint.y(),
                         CurrentTime);
    XSync(display, False);
}

void clickButton(Display* display)
{
    XTestFakeButtonEvent(display, Button1, True, CurrentTime);
    XTestFakeButtonEvent(display, Button1, False, CurrentTime);
    XSync(display, False);
}

void tapKey(Display* display, KeySym keysym)
{
    const KeyCode code = XKeysymToKeycode(display, keysym);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XSync(display, False);
}

} // namespace e2e
