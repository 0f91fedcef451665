// The two civilians: where they jump, the penalty for hitting one, and their switch.
#include "game/form1.h"
#include "game/spots.h"
#include "scene/texts.h"

namespace game {

using scene::kCivilianHitText;

void Form1::civmove_Timer()
{
    // civ1 keeps off the target's spot, shown or hidden; civ2 keeps off civ1's new spot only.
    for (;;) {
        placec1 = spotNumber(rnd());
        moveToSpot(civ1, placec1);
        const float targetTop = Despot.top();
        const float targetLeft = Despot.left();
        const float civ1Top = civ1.top();
        const float civ1Left = civ1.left();
        if (!(civ1Top == targetTop && civ1Left == targetLeft))
            break;
    }
    do {
        placec2 = spotNumber(rnd());
        moveToSpot(civ2, placec2);
    } while (civ2.top() == civ1.top() && civ2.left() == civ1.left());
}

void Form1::civ1_Click()
{
    civboom.setTop(civ1.top());
    civboom.setLeft(civ1.left());
    civboom.setVisible(true);
    msgBox(kCivilianHitText);
    civboom.setVisible(false);
}

void Form1::civ2_Click()
{
    civboom.setTop(civ2.top());
    civboom.setLeft(civ2.left());
    civboom.setVisible(true);
    msgBox(kCivilianHitText);
    civboom.setVisible(false);
}

void Form1::civcheck_Click()
{
    switch (civcheck.value()) {
    case 1:
        civ1.setVisible(true);
        civ2.setVisible(true);
        break;
    case 0:
        civ1.setVisible(false);
        civ2.setVisible(false);
        break;
    default:
        break;
    }
}

} // namespace game
