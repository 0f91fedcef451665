// The two civilians: where they jump, the penalty for hitting one, and their switch.
#include "game/form1.h"
#include "game/spots.h"
#include "scene/texts.h"

namespace game {

using scene::kCivilianHitText;

void Form1::civmove_Timer()
{
    // civ1 keeps off the target's spot, shown or hidden; civ2 keeps off civ1's new spot only.
    bool onTarget = false;
    do {
        placec1 = spotNumber(rnd());
        moveToSpot(civ1, placec1);
        const float targetTop = Despot.top();
        const float targetLeft = Despot.left();
        const float civ1Top = civ1.top();
        const float civ1Left = civ1.left();
        onTarget = civ1Top == targetTop && civ1Left == targetLeft;
    } while (onTarget);

    bool onCiv1 = false;
    do {
        placec2 = spotNumber(rnd());
        moveToSpot(civ2, placec2);
        // The lefts are read only where the tops match.
        onCiv1 = civ2.top() == civ1.top() && civ2.left() == civ1.left();
    } while (onCiv1);
}

void Form1::civ1_Click() { civilianHit(civ1); }

void Form1::civ2_Click() { civilianHit(civ2); }

void Form1::civilianHit(const platform::Image& civilian)
{
    civboom.setTop(civilian.top());
    civboom.setLeft(civilian.left());
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
