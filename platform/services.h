// What the forms runtime takes from its surroundings: time, message boxes and chance.
// The application passes the real ones; tests pass a virtual clock, scripted boxes and a
// scripted generator, so that the program's logic runs the same without a machine's timing.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace platform {

// One periodic timer of the surroundings. It calls the tick function given when it was made
// every interval while started; start() on a started timer begins its count again.
class TimerBackend {
public:
    virtual ~TimerBackend() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

// The program's one random generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseeds from the system clock, so that every run draws a different sequence.
    virtual void reseed() = 0;
    // The next value r, a single-precision float with 0 <= r < 1.
    virtual float next() = 0;
};

class Services {
public:
    virtual ~Services() = default;

    virtual std::unique_ptr<TimerBackend> createTimer(std::function<void()> onTick) = 0;
    // A modal box with the text, one OK button and the title; returns when OK is pressed or
    // the box is closed. Timers keep ticking while it is open.
    virtual void showMessage(std::string_view text, std::string_view title) = 0;
    virtual RandomSource& random() = 0;

    // A std::logic_error left a handler: a fault in the program, not anything the player did.
    // Unless this ends the program, the form reports it as run-time error 51 and goes on, as the
    // shipped game does; tests end their run here, loudly.
    virtual void programmingError(const std::logic_error& error) { (void)error; }
};

} // namespace platform
