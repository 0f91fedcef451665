// Leaves the game alone and reads its CPU time from /proc before and after.

#include "bench/common/samples.h"
#include "bench/driver/layout.h"
#include "bench/driver/parts.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"
#include "harness/x_windows.h"

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

void measureIdle(Screen& screen, const std::string& game, int seconds)
{
    const ShownGame shown = startShown(screen, game);
    if (!shown.window)
        return;
    const pid_t pid = shown.process->pid();
    // Start-up's own work is over well before this.
    std::this_thread::sleep_for(2s);
    const double hidden = cpuPercentOver(pid, seconds);

    const QPoint origin = harness::rootGeometry(screen.display(), shown.window).topLeft();
    harness::movePointer(screen.display(), origin + controlRect("civcheck").center());
    harness::clickButton(screen.display());
    harness::movePointer(screen.display(), kPointerAway);
    std::this_thread::sleep_for(1500ms);
    const bool civilians = centreOfColour(harness::captureWindow(screen.display(), shown.window),
                                          ownColour("civ1"), 100)
                               .has_value();
    std::this_thread::sleep_for(500ms);
    emitSample(sample::idle, {{"seconds", seconds},
                              {"hidden_percent", hidden},
                              {"shown_percent", cpuPercentOver(pid, seconds)},
                              {"civilians_seen", civilians}});
}

} // namespace bench
