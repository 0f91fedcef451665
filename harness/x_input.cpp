// XTest events, each synced so that the input is on its way on return.
#include "harness/x_input.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <iterator>

namespace harness {

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

void pressButton(Display* display, unsigned int button)
{
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XSync(display, False);
}

void releaseButton(Display* display, unsigned int button)
{
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
}

void clickButton(Display* display, unsigned int button)
{
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
}

void tapKey(Display* display, XKeySym keysym) { tapChord(display, {keysym}); }

void tapChord(Display* display, std::initializer_list<XKeySym> keysyms)
{
    for (XKeySym keysym : keysyms)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, keysym), True, CurrentTime);
    for (auto keysym = std::rbegin(keysyms); keysym != std::rend(keysyms); ++keysym)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, *keysym), False, CurrentTime);
    XSync(display, False);
}

} // namespace harness
