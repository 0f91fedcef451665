// Reads the pointer's picture through XFixes, which hands it over whether a program set it as
// ARGB or as a two-colour bitmap.
#include "harness/x_pointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace harness {

QImage pointerImage(Display* display)
{
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase))
        return {};
    XFixesCursorImage* cursor = XFixesGetCursorImage(display);
    if (!cursor)
        return {};
    QImage image(cursor->width, cursor->height, QImage::Format_ARGB32_Premultiplied);
    // Xlib hands the 32-bit pixels over as longs.
    for (int y = 0; y < cursor->height; ++y)
        for (int x = 0; x < cursor->width; ++x)
            image.setPixel(x, y,
                           static_cast<QRgb>(cursor->pixels[y * cursor->width + x] & 0xffffffffu));
    XFree(cursor);
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace harness
