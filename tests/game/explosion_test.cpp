// The explosion that a press on the map plays.
#include "support/form1_fixture.h"

using testing_support::Form1Test;

class MissExplosion : public Form1Test {
protected:
    MissExplosion() { drawTheRestByChance(); }

    // What shows: 0 nothing, 1 the first picture, 2 the second.
    int showing() const
    {
        EXPECT_FALSE(form->boom1.visible() && form->boom2.visible());
        return form->boom1.visible() ? 1 : form->boom2.visible() ? 2 : 0;
    }
    void expectPlacedAt(float x, float y) const
    {
        for (const platform::Image* picture : {&form->boom1, &form->boom2}) {
            EXPECT_EQ(picture->left(), x - 480) << picture->name();
            EXPECT_EQ(picture->top(), y - 480) << picture->name();
        }
    }
};

TEST_F(MissExplosion, PlaysFirstSecondFirstPicture300MsApartCentredOnThePress)
{
    f().Iraq.raiseMouseDown(platform::LeftButton, 0, 1000, 2000);
    expectPlacedAt(1000, 2000);
    const int timeline[] = {0, 1, 2, 1, 0}; // at 0, 300, 600, 900 and 1200 ms
    for (int step = 0; step < 5; ++step) {
        if (step > 0)
            clock().advance(300);
        EXPECT_EQ(showing(), timeline[step]) << "at " << step * 300 << " ms";
    }
    EXPECT_EQ(f().boomnum, 1);
    EXPECT_FALSE(f().boomtime.enabled());
    clock().advance(3000);
    EXPECT_EQ(showing(), 0);
}

TEST_F(MissExplosion, EveryButtonPlaysIt)
{
    for (std::int16_t button : {platform::RightButton, platform::MiddleButton}) {
        f().Iraq.raiseMouseDown(button, platform::AltKey, 500, 500);
        clock().advance(300);
        EXPECT_EQ(showing(), 1) << button;
        clock().advance(900);
        EXPECT_EQ(showing(), 0) << button;
    }
}

TEST_F(MissExplosion, ASecondPressMovesThePlayingExplosionWithoutRestartingIt)
{
    f().Iraq.raiseMouseDown(platform::LeftButton, 0, 1000, 1000);
    clock().advance(100);
    f().Iraq.raiseMouseDown(platform::LeftButton, 0, 4000, 3000);
    expectPlacedAt(4000, 3000);
    // The count began at the first press and runs on: three pictures in all.
    clock().advance(199);
    EXPECT_EQ(showing(), 0);
    clock().advance(1);
    EXPECT_EQ(showing(), 1);
    clock().advance(900);
    EXPECT_EQ(showing(), 0);
    EXPECT_EQ(f().boomnum, 1);
}

TEST_F(MissExplosion, APressWhileTheThirdPictureShowsMovesItAndTheNextTickEndsIt)
{
    f().Iraq.raiseMouseDown(platform::LeftButton, 0, 1000, 1000);
    clock().advance(900);
    ASSERT_EQ(f().boomnum, 4);
    f().Iraq.raiseMouseDown(platform::LeftButton, 0, 2000, 500);
    EXPECT_EQ(showing(), 1);
    expectPlacedAt(2000, 500);
    clock().advance(300);
    EXPECT_EQ(showing(), 0);
    EXPECT_EQ(f().boomnum, 1);
    EXPECT_FALSE(f().boomtime.enabled());
}

TEST_F(MissExplosion, BoomnumIsBackToOneBeforeBoomtimeStops)
{
    f().boomnum = 4;
    f().boom1.setVisible(true);
    f().boomtime.setEnabled(true);
    f().boomtime_Timer();
    EXPECT_EQ(f().boomnum, 1);
    EXPECT_FALSE(f().boomtime.enabled());
    EXPECT_FALSE(f().boom1.visible());
    // A fresh press plays a fresh explosion from the first picture.
    f().Iraq.raiseMouseDown(platform::LeftButton, 0, 700, 700);
    clock().advance(300);
    EXPECT_EQ(showing(), 1);
}

TEST_F(MissExplosion, AnUnexpectedStepDoesNothing)
{
    for (std::int16_t odd : {0, 5, -1}) {
        f().boomnum = odd;
        f().boomtime_Timer();
        EXPECT_EQ(f().boomnum, odd);
        EXPECT_EQ(showing(), 0);
    }
}

TEST_F(MissExplosion, APressNearTheEdgePlacesThePicturesPartlyOffTheMap)
{
    f().Iraq.raiseMouseDown(platform::LeftButton, 0, 10.5f, 0);
    EXPECT_EQ(f().boom1.left(), -469.5f);
    EXPECT_EQ(f().boom1.top(), -480);
}
