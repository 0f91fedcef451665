// The difficulty bar and the instructions and credits panels.
#include "platform/runtime_error.h"
#include "support/access_trace.h"
#include "support/form1_fixture.h"

using testing_support::AccessTrace;
using testing_support::Form1Test;

class Difficulty : public Form1Test {};

TEST_F(Difficulty, TheBarSetsHowLongTheTargetStaysUp)
{
    const std::pair<std::int16_t, std::int32_t> cases[] = {
        {200, 450}, {450, 200}, {25, 625}, {0, 650}};
    for (const auto& [value, interval] : cases) {
        f().Diff.setValue(value);
        EXPECT_EQ(f().appear.interval(), interval) << value;
    }
}

TEST_F(Difficulty, AChangeWhileTheTargetShowsNeitherHidesNorMovesIt)
{
    showTargetAtSpot(7);
    f().Diff.setValue(450);
    EXPECT_TRUE(f().Despot.visible());
    EXPECT_TRUE(f().appear.enabled());
    EXPECT_EQ(f().Despot.left(), 960);
    // Setting the interval of the running timer restarts its count.
    clock().advance(199);
    EXPECT_TRUE(f().Despot.visible());
    clock().advance(1);
    EXPECT_FALSE(f().Despot.visible());
}

class Panels : public Form1Test {
protected:
    void expectPanels(std::int16_t inst, std::int16_t cred, bool moveTRunning)
    {
        EXPECT_EQ(f().instnum, inst);
        EXPECT_EQ(f().crednum, cred);
        EXPECT_EQ(f().Inst.visible(), inst == 1);
        EXPECT_EQ(f().Creditbox.visible(), cred == 1);
        EXPECT_EQ(f().Credits.caption(), cred == 1 ? "Done" : "Credits!");
        EXPECT_EQ(f().Instructions.caption(), "Instructions");
        EXPECT_EQ(f().moveT.enabled(), moveTRunning);
    }
};

TEST_F(Panels, EachButtonTogglesItsPanelAndPausesTheTargetWhileOpen)
{
    f().Instructions.raiseClick();
    expectPanels(1, 0, false);
    f().Instructions.raiseClick();
    expectPanels(0, 0, true);
    f().Credits.raiseClick();
    expectPanels(0, 1, false);
    f().Credits.raiseClick();
    expectPanels(0, 0, true);
}

TEST_F(Panels, ClosingOnePanelRestartsTheTargetWhileTheOtherStaysOpen)
{
    f().Instructions.raiseClick();
    f().Credits.raiseClick();
    expectPanels(1, 1, false);
    f().Instructions.raiseClick();
    expectPanels(0, 1, true);
    f().Credits.raiseClick();
    expectPanels(0, 0, true);

    f().Credits.raiseClick();
    f().Instructions.raiseClick();
    f().Credits.raiseClick();
    expectPanels(1, 0, true);
}

TEST_F(Panels, AnOpenPanelStopsNewTargetsButLetsAShownOneFinish)
{
    showTargetAtSpot(8);
    drawTheRestByChance();
    f().Credits.raiseClick();
    EXPECT_TRUE(f().Despot.visible()) << "opening a panel hides nothing";
    clock().advance(650);
    EXPECT_FALSE(f().Despot.visible());
    clock().advance(10000);
    EXPECT_FALSE(f().Despot.visible()) << "a target popped up under an open panel";
    EXPECT_EQ(f().Despot.left(), 2160) << "the target moved under an open panel";
}

TEST_F(Panels, AHitWhileAPanelIsOpenStartsTheTargetAgainAndLeavesThePanelOpen)
{
    showTargetAtSpot(1);
    f().Instructions.raiseClick();
    f().Despot.raiseMouseDown(platform::LeftButton, 0, 0, 0);
    expectPanels(1, 0, true);
    f().Instructions.raiseClick();
    expectPanels(0, 0, true);
}

TEST_F(Panels, CreditsDisableMoveTFirstOnOpeningAndEnableItLastOnClosing)
{
    // Making moveT's step fail shows what came before it: nothing when opening, everything
    // else when closing, crednum included, which no trace of accesses shows.
    AccessTrace failMoveT;
    failMoveT.onEntry = [](const std::string& entry) {
        if (entry == "moveT.Enabled=")
            throw platform::invalidPropertyValueError();
    };
    f().setAccessProbe(&failMoveT);
    f().Credits.raiseClick();
    f().setAccessProbe(nullptr);
    expectPanels(0, 0, true);

    f().Credits.raiseClick();
    f().setAccessProbe(&failMoveT);
    f().Credits.raiseClick();
    f().setAccessProbe(nullptr);
    expectPanels(0, 0, false);
    ASSERT_EQ(boxes().shown().size(), 2u);
    for (const auto& box : boxes().shown())
        EXPECT_EQ(box.text, "Run-time error '380':\n\nInvalid property value");
}

TEST_F(Panels, AnUnexpectedToggleValueDoesNothing)
{
    f().instnum = 2;
    f().crednum = -1;
    f().Instructions_Click();
    f().Credits_Click();
    EXPECT_EQ(f().instnum, 2);
    EXPECT_EQ(f().crednum, -1);
    EXPECT_FALSE(f().Inst.visible());
    EXPECT_FALSE(f().Creditbox.visible());
    EXPECT_TRUE(f().moveT.enabled());
}
