// The explosion where a press on the map missed.
#include "game/form1.h"
#include "platform/conversions.h"

namespace game {

using platform::subtractSingle;

void Form1::Iraq_MouseDown(std::int16_t, std::int16_t, float X, float Y)
{
    // Half of a 960-twip picture, so that the explosion is centred on the press.
    constexpr float kHalf = 480;
    // Each difference in the order the pictures take it, so that a failing one leaves what
    // came before it done.
    const float top = subtractSingle(Y, kHalf);
    boom1.setTop(top);
    const float left = subtractSingle(X, kHalf);
    boom1.setLeft(left);
    boom2.setTop(top);
    boom2.setLeft(left);
    boomtime.setEnabled(true);
}

void Form1::boomtime_Timer()
{
    switch (boomnum) {
    case 1:
        boom1.setVisible(true);
        boomnum = 2;
        break;
    case 2:
        boom1.setVisible(false);
        boom2.setVisible(true);
        boomnum = 3;
        break;
    case 3:
        boom2.setVisible(false);
        boom1.setVisible(true);
        boomnum = 4;
        break;
    case 4:
        boom1.setVisible(false);
        boomnum = 1;
        boomtime.setEnabled(false);
        break;
    default:
        break;
    }
}

} // namespace game
