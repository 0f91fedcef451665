// Leaves the game alone and reads its CPU time from /proc before and after.
#include "bench/driver/idle.h"

#include "bench/driver/layout.h"
#include "bench/driver/proc_stats.h"
#include "bench/driver/start_up.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"
#include "harness/x_windows.h"

#include <chrono>
#include <thread>

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The CPU the process uses over the next `seconds`, in percent of one core.
double cpuPercentOver(pid_t pid, int seconds)
{
    const double before = cpuSeconds(pid);
    const Clock::time_point from = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double used = cpuSeconds(pid) - before;
    return 100 * used / std::chrono::duration<double>(Clock::now() - from).count();
}

// Pixels of the civilians' helmets, a colour no other picture uses.
int helmetPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == 0xeee4c0;
    return count;
}

} // namespace

IdleFigures measureIdle(Screen& screen, const std::string& game, int seconds)
{
    IdleFigures figures;
    const ShownGame shown = startShown(screen, game);
    if (!shown.window)
        return figures;
    const pid_t pid = shown.process->pid();
    // Start-up's own work is over well before this.
    std::this_thread::sleep_for(2s);
    figures.hiddenPercent = cpuPercentOver(pid, seconds);

    const QPoint origin = harness::rootGeometry(screen.display(), shown.window).topLeft();
    harness::movePointer(screen.display(),
                         origin + controlRect("civcheck").topLeft() + QPoint(22, 13));
    harness::clickButton(screen.display());
    harness::movePointer(screen.display(), kPointerAway);
    std::this_thread::sleep_for(1500ms);
    figures.civiliansSeen =
        helmetPixels(harness::captureWindow(screen.display(), shown.window)) > 100;
    std::this_thread::sleep_for(500ms);
    figures.shownPercent = cpuPercentOver(pid, seconds);
    return figures;
}

} // namespace bench
