#include "platform/win32/system_colours.h"

#include <algorithm>
#include <cmath>

namespace platform::win32 {
namespace {

struct ColourPair {
    int background;
    int text;
};

ColourPair indicesOf(SystemColour colour)
{
    switch (colour) {
    case SystemColour::InactiveTitleBar:
        return {COLOR_INACTIVECAPTION, COLOR_INACTIVECAPTIONTEXT};
    case SystemColour::WindowBackground:
        return {COLOR_WINDOW, COLOR_WINDOWTEXT};
    case SystemColour::Default:
        break;
    }
    return {-1, -1};
}

// The relative luminance of a colour of the screen, and the contrast ratio of two, as the web's
// accessibility guidelines define them.
double luminance(COLORREF colour)
{
    const auto linear = [](BYTE channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

double contrast(COLORREF one, COLORREF other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The text colour the desktop pairs with the background, unless it reads on it at less than
// the 4.5:1 that small text needs: the classic scheme writes an inactive title in light grey
// on grey, at about 3:1. Then black or white, whichever reads better.
COLORREF readableText(COLORREF background, COLORREF paired)
{
    constexpr double kSmallTextContrast = 4.5;
    if (contrast(background, paired) >= kSmallTextContrast)
        return paired;
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    return contrast(background, black) >= contrast(background, white) ? black : white;
}

} // namespace

HBRUSH applySystemColour(HDC dc, SystemColour colour)
{
    const ColourPair pair = indicesOf(colour);
    if (pair.background < 0)
        return nullptr;
    const COLORREF background = GetSysColor(pair.background);
    SetTextColor(dc, readableText(background, GetSysColor(pair.text)));
    SetBkColor(dc, background);
    return GetSysColorBrush(pair.background);
}

} // namespace platform::win32
