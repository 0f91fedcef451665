// The platform's surroundings for tests: virtual clock, scripted boxes, scripted generator.
#pragma once

#include "platform/services.h"
#include "support/scripted_boxes.h"
#include "support/scripted_random.h"
#include "support/virtual_clock.h"

#include <cstdio>
#include <cstdlib>

namespace testing_support {

class TestServices final : public platform::Services {
public:
    std::unique_ptr<platform::TimerBackend> createTimer(std::function<void()> onTick) override
    {
        return clock.createTimer(std::move(onTick));
    }
    void showMessage(std::string_view text, std::string_view title) override
    {
        boxes.show(std::string(text), std::string(title));
    }
    platform::RandomSource& random() override { return generator; }
    // A programming error in a handler ends the test run at once, with its message, unless a
    // test asks for the shipped program's way, the run-time error box, to check that.
    void programmingError(const std::logic_error& error) override
    {
        if (playOnAfterProgrammingErrors)
            return;
        std::fprintf(stderr, "A handler failed on a programming error: %s\n", error.what());
        std::abort();
    }

    bool playOnAfterProgrammingErrors = false;

    VirtualClock clock;
    ScriptedBoxes boxes;
    ScriptedRandom generator;
};

} // namespace testing_support
