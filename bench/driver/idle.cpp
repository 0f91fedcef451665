// Leaves the game alone and reads its CPU time from /proc before and after.

#include "bench/common/samples.h"
#include "bench/driver/parts.h"
#include "tests/e2e/scene_view.h"

#include <thread>

namespace bench {
namespace {

using harness::Clock;
using namespace std::chrono_literals;

// The CPU the process uses over the next `seconds`, in percent of one core.
double cpuPercentOver(pid_t pid, int seconds)
{
    const double before = cpuSeconds(pid);
    const Clock::time_point from = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double used = cpuSeconds(pid) - before;
    return 100 * used / (harness::millisecondsBetween(from, Clock::now()) / 1000);
}

} // namespace

void measureIdle(const harness::Desktop& desktop, int seconds, const std::string& build)
{
    e2e::GameSession game(gameOn(desktop));
    const pid_t pid = gameProcess(game);
    // Start-up's own work is over well before this.
    std::this_thread::sleep_for(2s);
    const double hidden = cpuPercentOver(pid, seconds);

    game.clickAt(e2e::kCivilianCheckBox);
    game.moveTo(desktop.parkingPoint());
    std::this_thread::sleep_for(1500ms);
    const bool civilians = !e2e::civilianSpots(game.capture()).empty();
    std::this_thread::sleep_for(500ms);
    emitSample(sample::idle, withBuild({{"seconds", seconds},
                                        {"hidden_percent", hidden},
                                        {"shown_percent", cpuPercentOver(pid, seconds)},
                                        {"civilians_seen", civilians}},
                                       build));
}

} // namespace bench
