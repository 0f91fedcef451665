// Where and when the target shows, where the pointer was last seen, and the hit.
#include "game/form1.h"
#include "game/spots.h"
#include "platform/conversions.h"
#include "scene/texts.h"

namespace game {

using platform::intPart;
using platform::toInteger;

void Form1::Form_Load()
{
    randomize();
    boomnum = 1;
}

void Form1::Form_MouseMove(std::int16_t, std::int16_t, float X, float Y)
{
    // Clamped: beyond 16 bits only while a drag captured far off the window drags on.
    mousex = platform::toIntegerClamped(X);
    mousey = platform::toIntegerClamped(Y);
}

void Form1::moveT_Timer()
{
    // The test rectangle: wider than the target and not as high.
    constexpr float kTestWidth = 1035;
    constexpr float kTestHeight = 840;
    const float x = mousex;
    const float y = mousey;
    bool underMouse = false;
    do {
        moveToSpot(Despot, spotNumber(rnd()));
        const float left = Despot.left();
        const float top = Despot.top();
        underMouse = x > left && x < left + kTestWidth && y > top && y < top + kTestHeight;
    } while (underMouse);
    Despot.setVisible(true);
    appear.setEnabled(true);
    moveT.setInterval(static_cast<std::int32_t>(intPart(double{rnd()} * 3001 + 1)));
}

void Form1::appear_Timer()
{
    Despot.setVisible(false);
    appear.setEnabled(false);
}

void Form1::Despot_MouseDown(std::int16_t, std::int16_t, float, float)
{
    if (!Despot.visible())
        return;
    // Both conversions come first, so that an overflow leaves the scene as it was.
    const std::int16_t left = toInteger(Despot.left());
    const std::int16_t top = toInteger(Despot.top());
    Deboom.setLeft(left);
    Deboom.setTop(top);
    Deboom.setVisible(true);
    Despot.setVisible(false);
    moveT.setEnabled(false);
    msgBox(scene::kTargetHitText);
    moveT.setEnabled(true);
    Deboom.setVisible(false);
}

} // namespace game
