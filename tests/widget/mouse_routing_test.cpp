// A mouse event reaches the topmost shown control under the pointer, and only that one.
#include "game/spots.h"
#include "platform/qt/drawn_pixel_pointer.h"
#include "platform/qt/qt_front_end.h"
#include "shown_form.h"

#include <memory>

using testing_support::ShownForm1Test;
using testing_support::valueForSpot;

class MouseRouting : public ShownForm1Test {};

TEST_F(MouseRouting, MovesOverTheMapLeaveThePointerRecordAlone)
{
    moveTo({100, 100});
    moveTo({400, 326});
    EXPECT_EQ(f().mousex, 0);
    EXPECT_EQ(f().mousey, 0);
}

TEST_F(MouseRouting, MovesOverTheUncoveredStripsAreRecordedInTwips)
{
    moveTo({401, 200});
    EXPECT_EQ(f().mousex, 6015);
    EXPECT_EQ(f().mousey, 3000);
    moveTo({50, 327});
    EXPECT_EQ(f().mousex, 750);
    EXPECT_EQ(f().mousey, 4905);
    moveTo({200, 200}); // back over the map
    EXPECT_EQ(f().mousex, 750);
}

TEST_F(MouseRouting, MovesOverEveryOtherControlNeverReachTheForm)
{
    f().Inst.setVisible(true);
    f().Creditbox.setVisible(true);
    for (const platform::Control* control : std::initializer_list<const platform::Control*>{
             &f().Credits, &f().Instructions, &f().Diff, &f().Difficulty, &f().civcheck,
             &f().Creditbox, &f().Inst}) {
        const QPoint centre = platform::qt::widgetOf(*control)->geometry().center();
        moveTo(centre);
        EXPECT_EQ(f().mousex, 0) << control->name();
    }
}

TEST_F(MouseRouting, HalfTwipsRoundToTheEvenNeighbourAtTheHandler)
{
    for (const auto& [twips, expected] : {std::pair{2.5, 2}, {3.5, 4}}) {
        const QPointF at(twips / 15.0, twips / 15.0);
        QMouseEvent move(QEvent::MouseMove, at, platform::qt::windowOf(*form)->mapToGlobal(at),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(platform::qt::windowOf(*form), &move);
        EXPECT_EQ(f().mousex, expected) << twips;
        EXPECT_EQ(f().mousey, expected) << twips;
    }
}

TEST_F(MouseRouting, APressOfAnyButtonOnTheShownTargetIsAHitAndNeverAMiss)
{
    std::size_t hits = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        showTargetAtSpot(5); // 224, 64 in pixels
        press({240, 100}, button);
        // The hit comes with the button going down: its box has been and gone.
        EXPECT_EQ(boxes().shown().size(), ++hits) << "no hit while the button is down";
        release({240, 100}, button);
        EXPECT_FALSE(f().Despot.visible());
        EXPECT_FALSE(f().boomtime.enabled()) << "the hit also played a miss";
    }
    ASSERT_EQ(boxes().shown().size(), 3u);
    EXPECT_EQ(boxes().shown()[0].text, "Congratulations, you got him! Press Ok to play again.");
}

TEST_F(MouseRouting, APressWhereTheHiddenTargetStandsReachesTheMap)
{
    showTargetAtSpot(5);
    f().appear_Timer();
    press({240, 100}, Qt::RightButton);
    EXPECT_TRUE(f().boomtime.enabled()) << "no miss while the button is down";
    release({240, 100}, Qt::RightButton);
    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_EQ(f().boom1.left(), 240 * 15 - 480);
    EXPECT_EQ(f().boom1.top(), 100 * 15 - 480);
}

TEST_F(MouseRouting, AShownCivilianOverTheTargetTakesTheClick)
{
    showTargetAtSpot(9);
    generator().push({valueForSpot(1), valueForSpot(9)}); // civ2 onto the target's spot
    f().civmove_Timer();
    f().civcheck.setValue(1);
    click({240, 150});
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown()[0].text,
              "What's your problem? You just blew up an innocent civilian!");
    EXPECT_TRUE(f().moveT.enabled()) << "the click also hit the target";
    EXPECT_FALSE(f().boomtime.enabled());
}

TEST_F(MouseRouting, AClickIsAPressAndAReleaseOnTheSameCivilian)
{
    generator().push({valueForSpot(6), valueForSpot(12)});
    f().civmove_Timer();
    f().civcheck.setValue(1);
    press({20, 150});    // on civ1 at spot 6
    release({300, 250}); // released over civ2 at spot 12
    EXPECT_TRUE(boxes().shown().empty());
    click({300, 250}, Qt::MiddleButton);
    EXPECT_EQ(boxes().shown().size(), 1u);
}

TEST_F(MouseRouting, ACivilianThatJumpsBetweenPressAndReleaseIsClickedIfStillUnderThePointer)
{
    // As on the desktop, the control that took the press judges the release where it stands
    // then: a civilian that jumped from under the pointer is not clicked, and neither is the
    // one that jumped there; one whose new spot still lies under the pointer is.
    generator().push({valueForSpot(6), valueForSpot(12)});
    f().civmove_Timer();
    f().civcheck.setValue(1);
    press({20, 150}); // on civ1 at spot 6
    generator().push({valueForSpot(3), valueForSpot(6)});
    clock().advance(750); // civ1 to spot 3, civ2 under the pointer
    release({20, 150});
    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_FALSE(f().boomtime.enabled());

    // Spots 6 and 7 are 960 twips apart and a civilian is 1065 wide: x 64 to 70 is on both.
    generator().push({valueForSpot(6), valueForSpot(12)});
    clock().advance(750);
    press({66, 150});
    generator().push({valueForSpot(7), valueForSpot(12)});
    clock().advance(750);
    release({66, 150});
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(f().civboom.left(), game::spot(7).left) << "not civ1 at its new spot";
}

TEST_F(MouseRouting, APressOnALabelOrAShowingExplosionIsNoMiss)
{
    click({70, 300}); // the Difficulty label
    EXPECT_FALSE(f().boomtime.enabled());
    f().Inst.setVisible(true);
    click({150, 220});
    EXPECT_FALSE(f().boomtime.enabled());

    drawTheRestByChance();
    click({150, 100}); // a miss
    clock().advance(300);
    ASSERT_TRUE(f().boom1.visible());
    click({150, 100}); // on the showing first picture
    EXPECT_EQ(f().boom1.left(), 150 * 15 - 480);
    click({20, 20}); // beside it: on the map again
    EXPECT_EQ(f().boom1.left(), 20 * 15 - 480);
}

TEST_F(MouseRouting, ATapActsAsAPressAndReleaseOfTheLeftButtonWhereverItLands)
{
    // Qt turns a touch that no widget takes into the mouse's press and release.
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    const auto tap = [&](QPoint at) {
        QTest::touchEvent(window(), screen.get()).press(0, at);
        QTest::touchEvent(window(), screen.get()).release(0, at);
    };
    showTargetAtSpot(5); // 224, 64 in pixels
    tap({240, 100});
    EXPECT_EQ(boxes().shown().size(), 1u) << "a tap on the target is no hit";
    EXPECT_FALSE(f().boomtime.enabled());
    tap({150, 200});
    EXPECT_TRUE(f().boomtime.enabled()) << "a tap on bare map is no miss";
    EXPECT_EQ(f().boom1.left(), 150 * 15 - 480);
    tap(platform::qt::widgetOf(f().Credits)->geometry().center());
    EXPECT_TRUE(f().Creditbox.visible()) << "a tap on a button is no click";
    tap({401, 200});
    EXPECT_EQ(f().mousex, 6015) << "a tap on the uncovered strip is not recorded as a move is";
    EXPECT_EQ(f().mousey, 3000);
}

TEST_F(MouseRouting, TheTargetBelowTheWindowsEdgeCannotBePressedThere)
{
    generator().push({valueForSpot(13), 0.5f});
    f().moveT_Timer();
    click({240, 326}); // the lowest row of the map, over the target's top part
    EXPECT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(f().Despot.top(), 4080);
}

// As captures of the real window show it: the map's last logical column ends on device column
// 500, 601, 701 or 801 at the scales from 1.25 to 2, and the strip starts on the next. Rounding
// the device pixel divided by the scale gives the strip's 401 on each of those four.
TEST(DrawnPixel, EachDevicePixelBelongsToTheLogicalPixelPaintedOverIt)
{
    struct Row {
        double scale;
        int device;
        int logical;
    };
    for (const Row& row :
         {Row{1, 400, 400}, Row{1, 401, 401}, Row{1.25, 500, 400}, Row{1.25, 501, 401},
          Row{1.5, 601, 400}, Row{1.5, 602, 401}, Row{1.5, 523, 348}, Row{1.75, 701, 400},
          Row{1.75, 702, 401}, Row{2, 801, 400}, Row{2, 802, 401}})
        EXPECT_EQ(platform::logicalPixelDrawnAt(row.device, row.scale), row.logical)
            << "device pixel " << row.device << " at scale " << row.scale;
}
