// The civilians: where they jump, the penalty for hitting one and their switch.
#include "game/spots.h"
#include "support/form1_fixture.h"

using testing_support::Form1Test;
using testing_support::valueForSpot;

class CivilianPlacement : public Form1Test {
protected:
    void expectOnSpot(const platform::Image& civilian, int number)
    {
        EXPECT_EQ(civilian.left(), game::spot(number).left) << civilian.name();
        EXPECT_EQ(civilian.top(), game::spot(number).top) << civilian.name();
    }
};

TEST_F(CivilianPlacement, ATickWithoutRejectionsDrawsCiv1FirstThenCiv2)
{
    generator().push({valueForSpot(4), valueForSpot(9)});
    f().civmove_Timer();
    EXPECT_EQ(f().placec1, 4);
    EXPECT_EQ(f().placec2, 9);
    expectOnSpot(f().civ1, 4);
    expectOnSpot(f().civ2, 9);
    EXPECT_EQ(generator().remaining(), 0u);
}

TEST_F(CivilianPlacement, Civ1RedrawsOffTheHiddenTargetsStartSpot)
{
    // The target stands hidden on spot 13 until it first moves.
    generator().push({valueForSpot(13), valueForSpot(13), valueForSpot(2), valueForSpot(13)});
    f().civmove_Timer();
    EXPECT_EQ(f().placec1, 2);
    EXPECT_EQ(f().placec2, 13) << "civ2 may stand on the target's spot";
    EXPECT_EQ(generator().drawn(), 4u);
}

TEST_F(CivilianPlacement, Civ1AvoidsTheShownTargetAndCiv2AvoidsCiv1sNewSpot)
{
    showTargetAtSpot(6);
    // civ1 draws 6 (the target's), then 7; civ2 draws 7 (civ1's new spot), 7, then 6.
    generator().push(
        {valueForSpot(6), valueForSpot(7), valueForSpot(7), valueForSpot(7), valueForSpot(6)});
    f().civmove_Timer();
    expectOnSpot(f().civ1, 7);
    expectOnSpot(f().civ2, 6);
    EXPECT_EQ(f().placec1, 7);
    EXPECT_EQ(f().placec2, 6);
}

TEST_F(CivilianPlacement, Civ2AvoidsWhereCiv1SettledNotWhereItStoodBefore)
{
    generator().push({valueForSpot(1), valueForSpot(2)});
    f().civmove_Timer();
    // civ1 leaves spot 1 for 3; civ2 may now take spot 1.
    generator().push({valueForSpot(3), valueForSpot(1)});
    f().civmove_Timer();
    expectOnSpot(f().civ1, 3);
    expectOnSpot(f().civ2, 1);
}

TEST_F(CivilianPlacement, ACivilianMayKeepItsSpot)
{
    generator().push({valueForSpot(5), valueForSpot(8), valueForSpot(5), valueForSpot(8)});
    f().civmove_Timer();
    f().civmove_Timer();
    expectOnSpot(f().civ1, 5);
    expectOnSpot(f().civ2, 8);
}

TEST_F(CivilianPlacement, HiddenCiviliansJumpAndShowWhereTheLatestTickPutThem)
{
    // Ticked before civmove has ticked, they show where the design put them.
    f().civcheck.setValue(1);
    for (const platform::Image* civilian : {&f().civ1, &f().civ2}) {
        EXPECT_TRUE(civilian->visible());
        EXPECT_EQ(civilian->left(), f().design().control(civilian->name()).left);
        EXPECT_EQ(civilian->top(), f().design().control(civilian->name()).top);
    }
    f().civcheck.setValue(0);

    generator().push({valueForSpot(10), valueForSpot(11)});
    clock().advance(750);
    EXPECT_FALSE(f().civ1.visible());
    f().civcheck.setValue(1);
    EXPECT_TRUE(f().civ1.visible());
    expectOnSpot(f().civ1, 10);
    expectOnSpot(f().civ2, 11);
}

TEST_F(CivilianPlacement, TheTargetsNextPlacementTakesTheValuesAfterTheCivilians)
{
    // The target may come onto civ1's spot: only civ1 keeps off the target, at its next tick.
    generator().push({valueForSpot(3), valueForSpot(3), valueForSpot(4), valueForSpot(3), 0.0f});
    f().civmove_Timer();
    f().moveT_Timer();
    EXPECT_EQ(f().placec2, 4);
    EXPECT_EQ(f().Despot.left(), game::spot(3).left);
    EXPECT_EQ(f().Despot.top(), game::spot(3).top);
    EXPECT_EQ(f().moveT.interval(), 1);
}

class CivilianHit : public Form1Test {};

TEST_F(CivilianHit, ShowsTheHitPictureOverTheClickedCivilianWhileTheBoxIsOpen)
{
    generator().push({valueForSpot(2), valueForSpot(9)});
    f().civmove_Timer();
    f().civcheck.setValue(1);
    // civ1 twice running: the same civilian hit again is hit as the first time.
    for (platform::Image* civilian : {&f().civ1, &f().civ1, &f().civ2}) {
        SCOPED_TRACE(civilian->name());
        const float left = civilian->left();
        const float top = civilian->top();
        boxes().whileOpen([&] {
            EXPECT_TRUE(f().civboom.visible());
            EXPECT_EQ(f().civboom.left(), left);
            EXPECT_EQ(f().civboom.top(), top);
        });
        civilian->raiseClick();
        EXPECT_FALSE(f().civboom.visible());
        EXPECT_TRUE(civilian->visible()) << "the civilian itself stays";
        EXPECT_EQ(civilian->left(), left);
    }
    ASSERT_EQ(boxes().shown().size(), 3u);
    for (const auto& box : boxes().shown()) {
        EXPECT_EQ(box.text, "What's your problem? You just blew up an innocent civilian!");
        EXPECT_EQ(box.title, "Blastmap");
    }
}

TEST_F(CivilianHit, TheHitPictureStaysPutWhileTheCivilianJumpsUnderTheBox)
{
    generator().push({valueForSpot(2), valueForSpot(9)});
    f().civmove_Timer();
    generator().push({valueForSpot(5), valueForSpot(6)}); // the tick under the box
    boxes().whileOpen([&] {
        clock().advance(750);
        EXPECT_EQ(f().civ1.left(), game::spot(5).left);
        EXPECT_EQ(f().civboom.left(), game::spot(2).left);
        EXPECT_TRUE(f().moveT.enabled()) << "a civilian hit pauses nothing";
    });
    f().civ1.raiseClick();
    EXPECT_FALSE(f().civboom.visible());
}

TEST_F(CivilianHit, TheSwitchShowsForOneHidesForZeroAndLeavesGreyedAlone)
{
    struct Step {
        std::int16_t value;
        bool shown;
    };
    for (const Step step : {Step{1, true}, {2, true}, {0, false}, {2, false}, {1, true}}) {
        f().civcheck.setValue(step.value);
        EXPECT_EQ(f().civ1.visible(), step.shown) << step.value;
        EXPECT_EQ(f().civ2.visible(), step.shown) << step.value;
    }
}

TEST_F(CivilianHit, TheSwitchSetsBothFromTheValueAloneNotFromTheirVisibility)
{
    f().civ1.setVisible(true);
    f().civcheck_Click(); // value 0
    EXPECT_FALSE(f().civ1.visible());
    EXPECT_FALSE(f().civ2.visible());
}
