// Each handler does its steps in their order: the trace of its property accesses says which.
#include "support/access_trace.h"
#include "support/form1_fixture.h"

using testing_support::AccessTrace;
using testing_support::Form1Test;
using testing_support::valueForSpot;
using Steps = std::vector<std::string>;

class HandlerSteps : public Form1Test {
protected:
    Steps trace(const std::function<void()>& handler)
    {
        AccessTrace recorder;
        f().setAccessProbe(&recorder);
        f().dispatch(handler);
        f().setAccessProbe(nullptr);
        return recorder.entries;
    }
};

TEST_F(HandlerSteps, MoveTPlacesShowsStartsAppearThenDrawsTheInterval)
{
    generator().push({valueForSpot(3), 0.5f});
    EXPECT_EQ(trace([&] { f().moveT_Timer(); }),
              (Steps{"Rnd", "Despot.Left=", "Despot.Top=", "Despot.Left?", "Despot.Top?",
                     "Despot.Visible=", "appear.Enabled=", "Rnd", "moveT.Interval="}));
}

TEST_F(HandlerSteps, AppearHidesTheTargetThenStopsItself)
{
    EXPECT_EQ(trace([&] { f().appear_Timer(); }), (Steps{"Despot.Visible=", "appear.Enabled="}));
}

TEST_F(HandlerSteps, AHitReadsAndConvertsBeforeItChangesAnything)
{
    showTargetAtSpot(2);
    EXPECT_EQ(trace([&] { f().Despot_MouseDown(1, 0, 0, 0); }),
              (Steps{"Despot.Visible?", "Despot.Left?", "Despot.Top?",
                     "Deboom.Left=", "Deboom.Top=", "Deboom.Visible=", "Despot.Visible=",
                     "moveT.Enabled=", "MsgBox", "moveT.Enabled=", "Deboom.Visible="}));
    EXPECT_EQ(trace([&] { f().Despot_MouseDown(1, 0, 0, 0); }), (Steps{"Despot.Visible?"}));
}

TEST_F(HandlerSteps, AMissPlacesBothPicturesTopFirstThenStartsBoomtime)
{
    EXPECT_EQ(
        trace([&] { f().Iraq_MouseDown(1, 0, 600, 600); }),
        (Steps{"boom1.Top=", "boom1.Left=", "boom2.Top=", "boom2.Left=", "boomtime.Enabled="}));
}

TEST_F(HandlerSteps, EachExplosionStepShowsAndHidesInItsOrder)
{
    const Steps expected[] = {
        {"boom1.Visible="},
        {"boom1.Visible=", "boom2.Visible="},
        {"boom2.Visible=", "boom1.Visible="},
        {"boom1.Visible=", "boomtime.Enabled="},
    };
    for (const Steps& step : expected)
        EXPECT_EQ(trace([&] { f().boomtime_Timer(); }), step);
}

TEST_F(HandlerSteps, BoomnumIsOneWhenBoomtimeStops)
{
    f().boomnum = 4;
    AccessTrace recorder;
    std::int16_t boomnumWhenStopped = 0;
    recorder.onEntry = [&](const std::string& entry) {
        if (entry == "boomtime.Enabled=")
            boomnumWhenStopped = f().boomnum;
    };
    f().setAccessProbe(&recorder);
    f().boomtime_Timer();
    f().setAccessProbe(nullptr);
    EXPECT_EQ(boomnumWhenStopped, 1);
}

TEST_F(HandlerSteps, Civ1SettlesBeforeCiv2Draws)
{
    generator().push({valueForSpot(4), valueForSpot(4), valueForSpot(5)});
    EXPECT_EQ(trace([&] { f().civmove_Timer(); }),
              (Steps{"Rnd", "civ1.Left=", "civ1.Top=", "Despot.Top?", "Despot.Left?", "civ1.Top?",
                     "civ1.Left?",
                     // civ2 draws civ1's spot: the tops match, so the lefts are read too
                     "Rnd", "civ2.Left=", "civ2.Top=", "civ2.Top?", "civ1.Top?", "civ2.Left?",
                     "civ1.Left?",
                     // a different row: the lefts are not read
                     "Rnd", "civ2.Left=", "civ2.Top=", "civ2.Top?", "civ1.Top?", "civ2.Left?",
                     "civ1.Left?"}));
}

TEST_F(HandlerSteps, ACivilianHitCopiesTopThenLeftShowsTheBoxThenHidesThePicture)
{
    EXPECT_EQ(trace([&] { f().civ2_Click(); }),
              (Steps{"civ2.Top?", "civboom.Top=", "civ2.Left?",
                     "civboom.Left=", "civboom.Visible=", "MsgBox", "civboom.Visible="}));
    EXPECT_EQ(trace([&] { f().civ1_Click(); }),
              (Steps{"civ1.Top?", "civboom.Top=", "civ1.Left?",
                     "civboom.Left=", "civboom.Visible=", "MsgBox", "civboom.Visible="}));
}

TEST_F(HandlerSteps, TheSwitchReadsTheValueOnceThenSetsCiv1BeforeCiv2)
{
    const Steps both{"civcheck.Value?", "civ1.Visible=", "civ2.Visible="};
    EXPECT_EQ(trace([&] { f().civcheck_Click(); }), both);
    f().civcheck.setValue(1);
    EXPECT_EQ(trace([&] { f().civcheck_Click(); }), both);
    f().civcheck.setValue(2);
    EXPECT_EQ(trace([&] { f().civcheck_Click(); }), (Steps{"civcheck.Value?"}));
}

TEST_F(HandlerSteps, TheBarReadsItsValueThenSetsTheInterval)
{
    EXPECT_EQ(trace([&] { f().Diff_Change(); }), (Steps{"Diff.Value?", "appear.Interval="}));
}

TEST_F(HandlerSteps, CreditsStopTheTargetFirstWhenOpeningAndStartItLastWhenClosing)
{
    EXPECT_EQ(trace([&] { f().Credits_Click(); }),
              (Steps{"moveT.Enabled=", "Creditbox.Visible=", "Credits.Caption="}));
    EXPECT_EQ(trace([&] { f().Credits_Click(); }),
              (Steps{"Creditbox.Visible=", "Credits.Caption=", "moveT.Enabled="}));
}

TEST_F(HandlerSteps, InstructionsShowOrHideTheLabelBeforeTouchingTheTarget)
{
    EXPECT_EQ(trace([&] { f().Instructions_Click(); }), (Steps{"Inst.Visible=", "moveT.Enabled="}));
    EXPECT_EQ(trace([&] { f().Instructions_Click(); }), (Steps{"Inst.Visible=", "moveT.Enabled="}));
}

TEST_F(HandlerSteps, TheProbeSeesEveryPropertyAndKnowsWhichAccessesCanFail)
{
    struct Case {
        std::function<void()> access;
        std::string entry;
        bool canFail; // writes, and reads that build a text
    };
    const Case cases[] = {
        {[&] { (void)f().Despot.left(); }, "Despot.Left?", false},
        {[&] { (void)f().Despot.top(); }, "Despot.Top?", false},
        {[&] { (void)f().Despot.visible(); }, "Despot.Visible?", false},
        {[&] { f().Despot.setLeft(0); }, "Despot.Left=", true},
        {[&] { f().Despot.setTop(0); }, "Despot.Top=", true},
        {[&] { f().Despot.setVisible(false); }, "Despot.Visible=", true},
        {[&] { (void)f().moveT.enabled(); }, "moveT.Enabled?", false},
        {[&] { (void)f().moveT.interval(); }, "moveT.Interval?", false},
        {[&] { f().moveT.setEnabled(true); }, "moveT.Enabled=", true},
        {[&] { f().appear.setInterval(650); }, "appear.Interval=", true},
        {[&] { (void)f().civcheck.value(); }, "civcheck.Value?", false},
        {[&] { f().civcheck.setValue(0); }, "civcheck.Value=", true},
        {[&] { (void)f().Diff.value(); }, "Diff.Value?", false},
        {[&] { (void)f().Diff.min(); }, "Diff.Min?", false},
        {[&] { (void)f().Diff.max(); }, "Diff.Max?", false},
        {[&] { (void)f().Diff.smallChange(); }, "Diff.SmallChange?", false},
        {[&] { (void)f().Diff.largeChange(); }, "Diff.LargeChange?", false},
        {[&] { f().Diff.setValue(0); }, "Diff.Value=", true},
        {[&] { (void)f().Credits.caption(); }, "Credits.Caption?", true},
        {[&] { f().Credits.setCaption("Credits!"); }, "Credits.Caption=", true},
        {[&] { (void)f().Creditbox.text(); }, "Creditbox.Text?", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        AccessTrace recorder;
        f().setAccessProbe(&recorder);
        c.access();
        f().setAccessProbe(nullptr);
        ASSERT_EQ(recorder.entries, Steps{c.entry});
        EXPECT_EQ(recorder.canFail.front(), c.canFail);
    }
}
