// Form1 as the player first finds it: controls, timers and variables at their start values.
#include "platform/seeded_random.h"
#include "scene/texts.h"
#include "support/form1_fixture.h"

using testing_support::Form1Test;

namespace {

struct Placed {
    const platform::Control* control;
    float left, top, width, height;
    bool visible;
};

} // namespace

TEST_F(Form1Test, EveryDrawnControlStartsAtItsDesignPlaceSizeAndVisibility)
{
    const Placed expected[] = {
        {&f().civcheck, 120, 3960, 1095, 435, true},
        {&f().Creditbox, 1200, 1320, 3255, 975, false},
        {&f().Diff, 120, 4680, 2775, 135, true},
        {&f().Instructions, 4560, 480, 1455, 315, true},
        {&f().Credits, 4560, 120, 1455, 315, true},
        {&f().Difficulty, 840, 4440, 735, 255, true},
        {&f().civboom, 480, 2160, 1065, 1170, false},
        {&f().civ1, 840, 960, 1065, 1170, false},
        {&f().civ2, 2160, 960, 1065, 1170, false},
        {&f().Deboom, 4680, 3840, 840, 1035, false},
        {&f().boom2, 4920, 2040, 960, 960, false},
        {&f().boom1, 5040, 960, 960, 960, false},
        {&f().Inst, 1560, 2760, 2655, 1095, false},
        {&f().Despot, 3360, 4080, 840, 1035, false},
        {&f().Iraq, 0, 0, 6015, 4905, true},
    };
    for (const Placed& c : expected) {
        SCOPED_TRACE(c.control->name());
        EXPECT_EQ(c.control->left(), c.left);
        EXPECT_EQ(c.control->top(), c.top);
        EXPECT_EQ(c.control->width(), c.width);
        EXPECT_EQ(c.control->height(), c.height);
        EXPECT_EQ(c.control->visible(), c.visible);
    }
    EXPECT_EQ(f().controls().size(), std::size(expected));
}

TEST_F(Form1Test, OnlyMoveTAndCivmoveRunAtStart)
{
    EXPECT_TRUE(f().moveT.enabled());
    EXPECT_EQ(f().moveT.interval(), 3000);
    EXPECT_FALSE(f().appear.enabled());
    EXPECT_EQ(f().appear.interval(), 650);
    EXPECT_FALSE(f().boomtime.enabled());
    EXPECT_EQ(f().boomtime.interval(), 300);
    EXPECT_TRUE(f().civmove.enabled());
    EXPECT_EQ(f().civmove.interval(), 750);
    EXPECT_EQ(f().timers().size(), 4u);
}

TEST_F(Form1Test, LoadReseedsTheGeneratorAndSetsBoomnumAloneAmongTheVariables)
{
    EXPECT_EQ(generator().reseeds(), 1);
    EXPECT_EQ(f().boomnum, 1);
    for (std::int16_t variable :
         {f().crednum, f().instnum, f().placec1, f().placec2, f().mousex, f().mousey})
        EXPECT_EQ(variable, 0);
}

TEST_F(Form1Test, ControlsStartWithTheirCaptionsValuesAndTexts)
{
    EXPECT_EQ(f().civcheck.value(), 0);
    EXPECT_EQ(f().Diff.value(), 0);
    EXPECT_EQ(f().Diff.min(), 0);
    EXPECT_EQ(f().Diff.max(), 450);
    EXPECT_EQ(f().Diff.smallChange(), 25);
    EXPECT_EQ(f().Diff.largeChange(), 75);
    EXPECT_EQ(f().Credits.caption(), "Credits!");
    EXPECT_EQ(f().Instructions.caption(), "Instructions");
    EXPECT_EQ(f().design().caption, "Blastmap");
    EXPECT_EQ(f().design().clientWidth, 6030);
    EXPECT_EQ(f().design().clientHeight, 4920);
}

TEST_F(Form1Test, TheCreditsHaveSixteenLinesEndingInCarriageReturnAndLineFeed)
{
    const std::string credits = std::string(scene::kCredits);
    int lines = 0;
    for (std::size_t at = credits.find("\r\n"); at != std::string::npos;
         at = credits.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 16);
    EXPECT_EQ(credits.rfind("\r\n"), credits.size() - 2);
    EXPECT_EQ(credits.substr(0, credits.find("\r\n")), "      Blastmap Version 1.2.2   ");
    EXPECT_NE(credits.find("@example.org"), std::string::npos);
    // The box shows the lines one under another; it reads back with its desktop's line break:
    // Qt's box a line feed, Windows' edit control a carriage return and a line feed.
#ifdef _WIN32
    const std::string lineBreak = "\r\n";
#else
    const std::string lineBreak = "\n";
#endif
    EXPECT_EQ(f().Creditbox.text().substr(0, 31 + lineBreak.size()),
              "      Blastmap Version 1.2.2   " + lineBreak);
}

TEST_F(Form1Test, TheFirstCivmoveTickComesAt750MsAndTheFirstMoveTTickAt3000)
{
    drawTheRestByChance();
    clock().advance(749);
    EXPECT_EQ(f().placec1, 0);
    clock().advance(1);
    EXPECT_NE(f().placec1, 0);
    EXPECT_NE(f().placec2, 0);

    clock().advance(3000 - 750 - 1);
    EXPECT_FALSE(f().Despot.visible());
    EXPECT_EQ(f().moveT.interval(), 3000);
    clock().advance(1);
    EXPECT_TRUE(f().Despot.visible());
    EXPECT_NE(f().moveT.interval(), 3000);
}
