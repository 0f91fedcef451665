// A loaded Form1 on the test doubles: virtual clock, scripted boxes, scripted generator.
#pragma once

#include "game/form1.h"
#include "platform/seeded_random.h"
#include "support/test_services.h"

#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

// The generator value whose draw gives the spot of that number.
inline float valueForSpot(int number) { return (static_cast<float>(number) - 0.5f) / 13; }

class Form1Test : public ::testing::Test {
protected:
    Form1Test()
        : form(std::make_unique<game::Form1>(services))
    {
        form->load();
    }

    game::Form1& f() { return *form; }
    VirtualClock& clock() { return services.clock; }
    ScriptedRandom& generator() { return services.generator; }
    ScriptedBoxes& boxes() { return services.boxes; }

    // Shows the target at a spot through a moveT tick drawn from the given values.
    void showTargetAtSpot(int number, float nextInterval = 0.5f)
    {
        generator().push({valueForSpot(number), nextInterval});
        f().moveT_Timer();
    }

    // Draws beyond the script come from a seeded generator: for tests that let the clock run
    // and do not care where the civilians jump.
    void drawTheRestByChance() { generator().setFallback(&m_chance); }

    TestServices services;
    std::unique_ptr<game::Form1> form;

private:
    platform::SeededRandom m_chance{20261207};
};

} // namespace testing_support
