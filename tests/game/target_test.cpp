// Where and when the target pops up, and what a hit does.
#include "game/spots.h"
#include "scene/texts.h"
#include "support/form1_fixture.h"

#include <cmath>

using testing_support::Form1Test;
using testing_support::kLargestBelowOne;
using testing_support::valueForSpot;

class TargetPlacement : public Form1Test {};

TEST_F(TargetPlacement, ValueZeroGivesSpotOneAndAnIntervalOfOneMillisecond)
{
    generator().push({0.0f, 0.0f});
    f().moveT_Timer();
    EXPECT_EQ(f().Despot.left(), 2160);
    EXPECT_EQ(f().Despot.top(), 0);
    EXPECT_EQ(f().moveT.interval(), 1);
}

TEST_F(TargetPlacement, TheLargestValueBelowOneGivesSpotThirteenAndThreeThousandAndOneMs)
{
    generator().push({kLargestBelowOne, kLargestBelowOne});
    f().moveT_Timer();
    EXPECT_EQ(f().Despot.left(), 3360);
    EXPECT_EQ(f().Despot.top(), 4080);
    EXPECT_EQ(f().moveT.interval(), 3001);
}

TEST_F(TargetPlacement, EverySpotOfTheTableCanBeDrawn)
{
    const std::pair<float, float> table[] = {{2160, 0},    {3360, 0},    {960, 960},   {2160, 960},
                                             {3360, 960},  {0, 2040},    {960, 2040},  {2160, 2040},
                                             {3360, 2040}, {2160, 3120}, {3360, 3120}, {4440, 3120},
                                             {3360, 4080}};
    for (int number = 1; number <= 13; ++number) {
        SCOPED_TRACE(number);
        // Both ends of the value range that draws this number.
        for (float value : {static_cast<float>(number - 1) / 13,
                            std::nextafter(static_cast<float>(number) / 13, 0.0f)}) {
            generator().push({value, 0.5f});
            f().moveT_Timer();
            EXPECT_EQ(f().Despot.left(), table[number - 1].first);
            EXPECT_EQ(f().Despot.top(), table[number - 1].second);
        }
    }
}

TEST_F(TargetPlacement, ShowsTheTargetStartsAppearAndConsumesOneValueForTheInterval)
{
    showTargetAtSpot(4, 0.25f);
    EXPECT_TRUE(f().Despot.visible());
    EXPECT_TRUE(f().appear.enabled());
    EXPECT_EQ(f().moveT.interval(), 751); // Int(0.25 * 3001 + 1)
    EXPECT_EQ(generator().remaining(), 0u);
}

TEST_F(TargetPlacement, TheIntervalIsDrawnWithoutRoundingToSinglePrecision)
{
    // Just below 1500/3001: r × 3001 is 1499.99995902, so Int(r × 3001 + 1) is 1500. Rounded
    // to single precision the product would be 1500 exactly and the interval 1501; so would
    // the sum 1500.99995902, rounded to 1501.
    const float r = 0x1.ffd452p-2f; // 0.499833375
    showTargetAtSpot(4, r);
    EXPECT_EQ(f().moveT.interval(), 1500);
}

TEST_F(TargetPlacement, RedrawsWhileTheSpotsTestRectangleHoldsThePointerConsumingValuesInOrder)
{
    // The pointer at (2200, 100) lies in spot 1's rectangle only.
    f().Form_MouseMove(0, 0, 2200, 100);
    generator().push({valueForSpot(1), valueForSpot(1), valueForSpot(2), 0.0f});
    f().moveT_Timer();
    EXPECT_EQ(f().Despot.left(), 3360);
    EXPECT_EQ(f().Despot.top(), 0);
    EXPECT_EQ(f().moveT.interval(), 1);
    EXPECT_EQ(generator().drawn(), 4u);
}

TEST_F(TargetPlacement, ThePointerRejectsOnlyStrictlyInsideTheTestRectangle)
{
    // Spot 8 is at (2160, 2040); its rectangle is 1035 wide and 840 high.
    struct Case {
        int spot;
        float x, y;
        bool rejects;
    };
    const Case cases[] = {
        {8, 2160, 2400, false},             // on the left edge
        {8, 2160 + 1035, 2400, false},      // on the right edge
        {8, 2500, 2040, false},             // on the top edge
        {8, 2500, 2040 + 840, false},       // on the bottom edge
        {8, 2161, 2041, true},              // just inside the corner
        {8, 2160 + 900, 2040 + 100, true},  // right of the picture, inside the rectangle
        {8, 2160 + 100, 2040 + 900, false}, // on the picture's lower part, below the rectangle
        // Spots 6 (0, 2040) and 7 (960, 2040) share x from 960 to 1035: a point strictly
        // between lies in both rectangles, and each of them is redrawn.
        {6, 1000, 2400, true},
        {7, 1000, 2400, true},
        {6, 1035, 2400, false}, // on 6's right edge, inside 7
        {7, 1035, 2400, true},
        {6, 960, 2400, true}, // inside 6, on 7's left edge
        {7, 960, 2400, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "spot " << c.spot << " at " << c.x << ", " << c.y);
        f().Form_MouseMove(0, 0, c.x, c.y);
        generator().push({valueForSpot(c.spot), valueForSpot(13), 0.5f});
        f().moveT_Timer();
        const int expected = c.rejects ? 13 : c.spot;
        EXPECT_EQ(f().Despot.left(), game::spot(expected).left);
        EXPECT_EQ(f().Despot.top(), game::spot(expected).top);
        EXPECT_EQ(generator().remaining(), c.rejects ? 0u : 1u);
        while (generator().remaining() > 0)
            generator().next();
    }
}

TEST_F(TargetPlacement, ThePointerNeverSeenLiesInNoRectangle)
{
    generator().push({valueForSpot(6), 0.5f});
    f().moveT_Timer();
    EXPECT_EQ(f().Despot.left(), 0);
    EXPECT_EQ(f().Despot.top(), 2040);
}

TEST_F(TargetPlacement, ATickWhileTheTargetShowsMovesItAndLeavesAppearRunning)
{
    showTargetAtSpot(2);
    clock().advance(100);
    showTargetAtSpot(11);
    EXPECT_TRUE(f().Despot.visible());
    EXPECT_EQ(f().Despot.left(), 3360);
    EXPECT_EQ(f().Despot.top(), 3120);
    EXPECT_TRUE(f().appear.enabled());
    // Enabling a running timer keeps its count: the target hides 650 ms after it first showed.
    clock().advance(549);
    EXPECT_TRUE(f().Despot.visible());
    clock().advance(1);
    EXPECT_FALSE(f().Despot.visible());
}

TEST_F(TargetPlacement, AppearHidesTheTargetInPlaceAndStopsItself)
{
    showTargetAtSpot(9);
    f().appear_Timer();
    EXPECT_FALSE(f().Despot.visible());
    EXPECT_FALSE(f().appear.enabled());
    EXPECT_EQ(f().Despot.left(), 3360);
    EXPECT_EQ(f().Despot.top(), 2040);
    f().appear_Timer(); // already hidden
    EXPECT_FALSE(f().Despot.visible());
    EXPECT_FALSE(f().appear.enabled());
}

TEST_F(TargetPlacement, TheTargetStaysUpForAppearsIntervalThenWaitsForTheNextTick)
{
    showTargetAtSpot(3, kLargestBelowOne); // next moveT tick 3001 ms on
    clock().advance(649);
    EXPECT_TRUE(f().Despot.visible());
    clock().advance(1);
    EXPECT_FALSE(f().Despot.visible());
    EXPECT_FALSE(f().appear.enabled());
}

class TargetHit : public Form1Test {};

TEST_F(TargetHit, ShowsTheHitPictureWhereTheTargetStoodAndPausesBehindTheBox)
{
    showTargetAtSpot(12);
    bool checkedWhileOpen = false;
    boxes().whileOpen([&] {
        EXPECT_TRUE(f().Deboom.visible());
        EXPECT_EQ(f().Deboom.left(), 4440);
        EXPECT_EQ(f().Deboom.top(), 3120);
        EXPECT_FALSE(f().Despot.visible());
        EXPECT_FALSE(f().moveT.enabled());
        checkedWhileOpen = true;
    });
    f().Despot.raiseMouseDown(platform::LeftButton, 0, 10, 10);
    EXPECT_TRUE(checkedWhileOpen);
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown()[0].text, "Congratulations, you got him! Press Ok to play again.");
    EXPECT_EQ(boxes().shown()[0].title, "Blastmap");
    EXPECT_TRUE(f().moveT.enabled());
    EXPECT_FALSE(f().Deboom.visible());
    EXPECT_FALSE(f().Despot.visible());
}

TEST_F(TargetHit, AnyButtonAndAnyModifierIsAHit)
{
    for (std::int16_t button :
         {platform::LeftButton, platform::RightButton, platform::MiddleButton}) {
        showTargetAtSpot(5);
        f().Despot.raiseMouseDown(button, platform::ShiftKey | platform::ControlKey, 0, 0);
        EXPECT_FALSE(f().Despot.visible()) << button;
    }
    EXPECT_EQ(boxes().shown().size(), 3u);
}

TEST_F(TargetHit, APressThatReachesAHiddenTargetChangesNothing)
{
    f().Despot.raiseMouseDown(platform::LeftButton, 0, 0, 0);
    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_TRUE(f().moveT.enabled());
    EXPECT_FALSE(f().Deboom.visible());
}

TEST_F(TargetHit, TimersOtherThanMoveTTickUnderTheOpenBox)
{
    generator().push({valueForSpot(1), 0.0f}); // next moveT tick would be 1 ms away
    f().moveT_Timer();
    f().Iraq_MouseDown(1, 0, 3000, 3000);                 // an explosion is under way
    generator().push({valueForSpot(7), valueForSpot(8)}); // civmove's tick at 750 ms
    boxes().whileOpen([&] {
        clock().advance(1000);
        EXPECT_FALSE(f().Despot.visible()) << "moveT must not tick under the box";
        EXPECT_FALSE(f().appear.enabled()) << "appear ticked under the box";
        EXPECT_EQ(f().placec1, 7) << "civmove ticked under the box";
        EXPECT_EQ(f().boomnum, 4) << "the explosion ran on under the box";
    });
    f().Despot.raiseMouseDown(platform::LeftButton, 0, 0, 0);
    // moveT counts afresh from OK: its last interval, 1 ms.
    generator().push({valueForSpot(13), 0.5f});
    clock().advance(1);
    EXPECT_TRUE(f().Despot.visible());
    EXPECT_EQ(f().Despot.top(), 4080);
}

TEST_F(TargetHit, BothConversionsComeBeforeAnythingChanges)
{
    showTargetAtSpot(1);
    f().Despot.setTop(40000); // beyond 16 bits: the second conversion overflows
    f().Despot.raiseMouseDown(platform::LeftButton, 0, 0, 0);
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown()[0].text, "Run-time error '6':\n\nOverflow");
    EXPECT_FALSE(f().Deboom.visible());
    EXPECT_EQ(f().Deboom.left(), 4680) << "the hit picture moved before the overflow";
    EXPECT_TRUE(f().Despot.visible());
    EXPECT_TRUE(f().moveT.enabled());
}

TEST_F(TargetHit, RoundsAFractionalPositionHalfToEven)
{
    showTargetAtSpot(1);
    f().Despot.setLeft(2160.5f);
    f().Despot.setTop(1.5f);
    boxes().whileOpen([&] {
        EXPECT_EQ(f().Deboom.left(), 2160);
        EXPECT_EQ(f().Deboom.top(), 2);
    });
    f().Despot.raiseMouseDown(platform::LeftButton, 0, 0, 0);
    EXPECT_EQ(boxes().shown().size(), 1u);
}

TEST_F(TargetHit, ClosingTheWindowUnderTheBoxLeavesTheRestOfTheHandlerUndone)
{
    showTargetAtSpot(4);
    boxes().whileOpen([&] { f().unload(); });
    f().Despot.raiseMouseDown(platform::LeftButton, 0, 0, 0);
    EXPECT_TRUE(f().unloaded());
    EXPECT_FALSE(f().moveT.enabled()) << "moveT restarted after the form was unloaded";
    EXPECT_TRUE(f().Deboom.visible()) << "the handler went on after the form was unloaded";
    EXPECT_FALSE(f().civmove.enabled());
    const std::size_t drawn = generator().drawn();
    clock().advance(10000);
    EXPECT_EQ(generator().drawn(), drawn) << "a handler ran after the form was unloaded";
}
