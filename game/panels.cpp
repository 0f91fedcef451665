// The difficulty bar and the two information panels.
#include "game/form1.h"
#include "platform/conversions.h"
#include "scene/texts.h"

namespace game {

void Form1::Diff_Change()
{
    // The further right, the shorter the target stays up: 650 ms down to 200 ms.
    appear.setInterval(platform::subtract16(650, Diff.value()));
}

void Form1::Instructions_Click()
{
    switch (instnum) {
    case 0:
        Inst.setVisible(true);
        instnum = 1;
        moveT.setEnabled(false);
        break;
    case 1:
        Inst.setVisible(false);
        instnum = 0;
        moveT.setEnabled(true);
        break;
    default:
        break;
    }
}

void Form1::Credits_Click()
{
    switch (crednum) {
    case 0:
        moveT.setEnabled(false);
        Creditbox.setVisible(true);
        crednum = 1;
        Credits.setCaption(scene::kCreditsOpenCaption);
        break;
    case 1:
        Creditbox.setVisible(false);
        crednum = 0;
        Credits.setCaption(scene::kCreditsCaption);
        moveT.setEnabled(true);
        break;
    default:
        break;
    }
}

} // namespace game
