// A run-time error abandons the running handler alone; the player is told and plays on.
#include "platform/form.h"
#include "platform/runtime_error.h"
#include "support/test_services.h"

#include <gtest/gtest.h>

using testing_support::TestServices;

namespace {

platform::FormDesign twoTimers()
{
    platform::FormDesign design;
    design.caption = "Blastmap";
    design.clientWidth = 1500;
    design.clientHeight = 1500;
    design.timers = {{.name = "failing", .enabled = true, .interval = 100},
                     {.name = "steady", .enabled = true, .interval = 100}};
    return design;
}

} // namespace

TEST(Dispatch, ARunTimeErrorAbandonsOnlyTheRunningHandlerAndIsReported)
{
    TestServices services;
    platform::Form form(services, twoTimers());
    int before = 0, after = 0, steady = 0;
    form.timer("failing").onTimer = [&] {
        ++before;
        throw platform::overflowError();
        ++after;
    };
    form.timer("steady").onTimer = [&] { ++steady; };
    services.clock.advance(300);
    EXPECT_EQ(before, 3);
    EXPECT_EQ(after, 0);
    EXPECT_EQ(steady, 3) << "the other handlers must go on";
    ASSERT_EQ(services.boxes.shown().size(), 3u);
    EXPECT_EQ(services.boxes.shown()[0].text, "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(services.boxes.shown()[0].title, "Blastmap");
}

TEST(Dispatch, AnyOtherExceptionIsReportedAsAnErrorInsteadOfEndingTheProgram)
{
    TestServices services;
    // The shipped program's way with a programming error too, which a test run stops on.
    services.playOnAfterProgrammingErrors = true;
    platform::Form form(services, twoTimers());
    form.dispatch([] { throw std::bad_alloc(); });
    form.dispatch([] { throw std::out_of_range("spot 14"); });
    form.dispatch([] { throw std::runtime_error("no display"); });
    ASSERT_EQ(services.boxes.shown().size(), 3u);
    EXPECT_EQ(services.boxes.shown()[0].text, "Run-time error '7':\n\nOut of memory");
    EXPECT_EQ(services.boxes.shown()[1].text, "Run-time error '51':\n\nInternal error: spot 14");
    EXPECT_EQ(services.boxes.shown()[2].text, "Run-time error '51':\n\nInternal error: no display");
}

TEST(DispatchDeathTest, AProgrammingErrorInAHandlerEndsATestRunLoudly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            TestServices services;
            platform::Form form(services, twoTimers());
            form.dispatch([] { throw std::out_of_range("spot 14"); });
        },
        "programming error: spot 14");
}

TEST(Dispatch, NoHandlerRunsOnceTheFormIsUnloaded)
{
    TestServices services;
    platform::Form form(services, twoTimers());
    form.unload();
    bool ran = false;
    form.dispatch([&] { ran = true; });
    EXPECT_FALSE(ran);
}
