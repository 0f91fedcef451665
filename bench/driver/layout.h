// The game's window as its design lays it out, in pixels.
#pragma once

#include "harness/design_geometry.h"
#include "scene/form1_design.h"
#include "utf8/qt_string.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace bench {

inline QRect controlRect(std::string_view name)
{
    return harness::controlRect(scene::form1Design(), name);
}
// The resource of the control's picture.
inline QString controlPicture(std::string_view name)
{
    return utf8::toQString(scene::form1Design().control(name).picture);
}
// The colour that tells the control's picture from the others (but those of `sharedWith`).
inline QRgb ownColour(std::string_view name,
                      std::initializer_list<std::string_view> sharedWith = {})
{
    return harness::ownColour(scene::form1Design(), name, sharedWith);
}
// The centre of the pixels of the colour on a capture, if more than `minimum` show it.
inline std::optional<QPoint> centreOfColour(const QImage& image, QRgb colour, long minimum)
{
    long sumX = 0;
    long sumY = 0;
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == colour) {
                sumX += x;
                sumY += y;
                ++count;
            }
    if (count <= minimum)
        return std::nullopt;
    return QPoint(static_cast<int>(sumX / count), static_cast<int>(sumY / count));
}
// The map where no control lies when the window first shows: left of the buttons, below them
// and above the check box, a few pixels in from each.
inline QRect openMap()
{
    const QRect buttons = controlRect("Credits").united(controlRect("Instructions"));
    return QRect(QPoint(controlRect("Iraq").left(), buttons.bottom()),
                 QPoint(buttons.left(), controlRect("civcheck").top()))
        .adjusted(5, 5, -5, -5);
}
// Far from the window, so that the pointer changes nothing while it rests there.
inline constexpr QPoint kPointerAway{1000, 700};

} // namespace bench
