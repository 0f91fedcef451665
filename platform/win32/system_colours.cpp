#include "platform/win32/system_colours.h"

#include "platform/contrast.h"

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

double contrast(COLORREF one, COLORREF other)
{
    const auto rgb = [](COLORREF colour) {
        return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    };
    return contrastRatio(rgb(one), rgb(other));
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
