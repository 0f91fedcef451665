// The platform's surroundings for tests: virtual clock, scripted boxes, scripted generator.
#pragma once

#include "platform/services.h"
#include "support/scripted_boxes.h"
#include "support/scripted_random.h"
#include "support/virtual_clock.h"

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

    VirtualClock clock;
    ScriptedBoxes boxes;
    ScriptedRandom generator;
};

} // namespace testing_support
