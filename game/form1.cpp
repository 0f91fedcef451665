#include "game/form1.h"

#include "scene/form1_design.h"

namespace game {

using platform::CheckBox;
using platform::CommandButton;
using platform::HScrollBar;
using platform::Image;
using platform::Label;
using platform::TextBox;

Form1::Form1(platform::Services& services)
    : platform::Form(services, scene::form1Design())
    , Iraq(control<Image>("Iraq"))
    , Despot(control<Image>("Despot"))
    , Deboom(control<Image>("Deboom"))
    , boom1(control<Image>("boom1"))
    , boom2(control<Image>("boom2"))
    , civ1(control<Image>("civ1"))
    , civ2(control<Image>("civ2"))
    , civboom(control<Image>("civboom"))
    , moveT(timer("moveT"))
    , appear(timer("appear"))
    , boomtime(timer("boomtime"))
    , civmove(timer("civmove"))
    , civcheck(control<CheckBox>("civcheck"))
    , Diff(control<HScrollBar>("Diff"))
    , Difficulty(control<Label>("Difficulty"))
    , Instructions(control<CommandButton>("Instructions"))
    , Inst(control<Label>("Inst"))
    , Credits(control<CommandButton>("Credits"))
    , Creditbox(control<TextBox>("Creditbox"))
{
    wireEvents();
}

void Form1::wireEvents()
{
    onLoad = [this] { Form_Load(); };
    onMouseMove = [this](auto button, auto shift, float x, float y) {
        Form_MouseMove(button, shift, x, y);
    };
    moveT.onTimer = [this] { moveT_Timer(); };
    appear.onTimer = [this] { appear_Timer(); };
    Despot.onMouseDown = [this](auto button, auto shift, float x, float y) {
        Despot_MouseDown(button, shift, x, y);
    };
    Iraq.onMouseDown = [this](auto button, auto shift, float x, float y) {
        Iraq_MouseDown(button, shift, x, y);
    };
    boomtime.onTimer = [this] { boomtime_Timer(); };
    civmove.onTimer = [this] { civmove_Timer(); };
    civ1.onClick = [this] { civ1_Click(); };
    civ2.onClick = [this] { civ2_Click(); };
    civcheck.onClick = [this] { civcheck_Click(); };
    Diff.onChange = [this] { Diff_Change(); };
    Instructions.onClick = [this] { Instructions_Click(); };
    Credits.onClick = [this] { Credits_Click(); };
}

} // namespace game
