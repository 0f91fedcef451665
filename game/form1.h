// Form1, the game's one window: its variables, its controls by name and its fourteen handlers.
#pragma once

#include "platform/form.h"

#include <cstdint>

namespace game {

class Form1 final : public platform::Form {
public:
    explicit Form1(platform::Services& services);

    // Variables: 16-bit, 0 when the form is created.
    std::int16_t crednum = 0;
    std::int16_t instnum = 0;
    std::int16_t boomnum = 0;
    std::int16_t placec1 = 0;
    std::int16_t placec2 = 0;
    std::int16_t mousex = 0;
    std::int16_t mousey = 0;

    // Controls.
    platform::Image& Iraq;
    platform::Image& Despot;
    platform::Image& Deboom;
    platform::Image& boom1;
    platform::Image& boom2;
    platform::Image& civ1;
    platform::Image& civ2;
    platform::Image& civboom;
    platform::Timer& moveT;
    platform::Timer& appear;
    platform::Timer& boomtime;
    platform::Timer& civmove;
    platform::CheckBox& civcheck;
    platform::HScrollBar& Diff;
    platform::Label& Difficulty;
    platform::CommandButton& Instructions;
    platform::Label& Inst;
    platform::CommandButton& Credits;
    platform::TextBox& Creditbox;

    // Handlers. The runtime calls them; no handler calls another.
    void Form_Load();
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void moveT_Timer();
    void appear_Timer();
    void Despot_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Iraq_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void boomtime_Timer();
    void civmove_Timer();
    void civ1_Click();
    void civ2_Click();
    void civcheck_Click();
    void Diff_Change();
    void Instructions_Click();
    void Credits_Click();

private:
    void wireEvents();
    // The body that civ1_Click and civ2_Click share.
    void civilianHit(const platform::Image& civilian);
};

} // namespace game
