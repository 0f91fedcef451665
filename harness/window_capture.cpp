// Reads windows back with XGetImage.
#include "harness/window_capture.h"

#include "harness/ximage_conversion.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace harness {

QImage captureArea(Display* display, XWindow window, const QRect& area)
{
    if (area.isEmpty())
        return {};
    XImage* image =
        XGetImage(display, window, area.x(), area.y(), static_cast<unsigned>(area.width()),
                  static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage result = convertXImage(*image);
    XDestroyImage(image);
    return result;
}

QImage captureWindow(Display* display, XWindow window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return {};
    return captureArea(display, window, {0, 0, attributes.width, attributes.height});
}

} // namespace harness
