// Timer controls on the virtual clock: when ticks come, and what restarts the count.
#include "platform/form.h"
#include "platform/runtime_error.h"
#include "support/test_services.h"

#include <gtest/gtest.h>

using testing_support::TestServices;

namespace {

platform::FormDesign designWithTimer(bool enabled, int interval)
{
    platform::FormDesign design;
    design.caption = "Timers";
    design.clientWidth = 1500;
    design.clientHeight = 1500;
    design.timers = {{.name = "t", .enabled = enabled, .interval = interval}};
    return design;
}

class TimerControl : public ::testing::Test {
protected:
    explicit TimerControl(bool enabled = true, int interval = 100)
        : form(services, designWithTimer(enabled, interval))
        , timer(form.timer("t"))
    {
        timer.onTimer = [this] { ticks.push_back(services.clock.now()); };
    }

    TestServices services;
    platform::Form form;
    platform::Timer& timer;
    std::vector<std::int64_t> ticks;
};

} // namespace

TEST_F(TimerControl, AnEnabledTimerTicksEveryIntervalFromTheFormsCreation)
{
    services.clock.advance(350);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 300}));
}

TEST_F(TimerControl, SettingTheIntervalRestartsTheCountFromThen)
{
    services.clock.advance(80);
    timer.setInterval(100);
    services.clock.advance(99);
    EXPECT_TRUE(ticks.empty());
    services.clock.advance(1);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{180}));
}

TEST_F(TimerControl, EnablingARunningTimerKeepsItsCount)
{
    services.clock.advance(80);
    timer.setEnabled(true);
    services.clock.advance(20);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100}));
}

TEST_F(TimerControl, StoppingAndStartingAgainCountsAfresh)
{
    services.clock.advance(80);
    timer.setEnabled(false);
    services.clock.advance(500);
    EXPECT_TRUE(ticks.empty());
    timer.setEnabled(true);
    services.clock.advance(100);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{680}));
}

TEST_F(TimerControl, AnIntervalOfZeroNeverTicksUntilItIsGivenAnother)
{
    timer.setInterval(0);
    EXPECT_TRUE(timer.enabled());
    EXPECT_FALSE(timer.running());
    services.clock.advance(10000);
    EXPECT_TRUE(ticks.empty());
    timer.setInterval(5);
    services.clock.advance(5);
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(TimerControl, AHandlerThatReArmsItsOwnTimerSetsTheNextTick)
{
    timer.onTimer = [this] {
        ticks.push_back(services.clock.now());
        timer.setInterval(ticks.size() == 1 ? 1 : 3001);
    };
    services.clock.advance(3102);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 101, 3102}));
}

TEST_F(TimerControl, AnIntervalOutsideTheTimersRangeIsAnInvalidPropertyValue)
{
    for (int bad : {-1, 65536}) {
        try {
            timer.setInterval(bad);
            ADD_FAILURE() << bad;
        } catch (const platform::RuntimeError& error) {
            EXPECT_EQ(error.number(), 380);
        }
    }
    EXPECT_EQ(timer.interval(), 100);
    timer.setInterval(65535);
    EXPECT_EQ(timer.interval(), 65535);
}

TEST_F(TimerControl, NothingTicksOnceTheFormIsUnloaded)
{
    bool ended = false;
    form.onUnload = [&] { ended = true; };
    form.unload();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(timer.enabled());
    timer.setEnabled(true); // a handler still on its way out cannot start it again
    services.clock.advance(1000);
    EXPECT_TRUE(ticks.empty());
}

TEST(VirtualClock, TicksDueTogetherComeInTheOrderTheirTimersWereStarted)
{
    TestServices services;
    std::vector<int> order;
    auto first = services.clock.createTimer([&] { order.push_back(1); });
    auto second = services.clock.createTimer([&] { order.push_back(2); });
    second->start(50);
    first->start(50);
    services.clock.advance(50);
    EXPECT_EQ(order, (std::vector<int>{2, 1}));
}

TEST(VirtualClock, AdvancingInsideAHandlerFiresWhatFallsDueThere)
{
    TestServices services;
    std::vector<std::int64_t> fast;
    auto fastTimer = services.clock.createTimer([&] { fast.push_back(services.clock.now()); });
    std::unique_ptr<platform::TimerBackend> slowTimer;
    slowTimer = services.clock.createTimer([&] {
        slowTimer->stop();
        services.clock.advance(25); // as a message box left open for 25 ms would
    });
    fastTimer->start(10);
    slowTimer->start(15);
    services.clock.advance(20);
    // The slow tick at 15 ran the clock to 40 from inside; the outer advance then stops.
    EXPECT_EQ(fast, (std::vector<std::int64_t>{10, 20, 30, 40}));
    EXPECT_EQ(services.clock.now(), 40);
}
