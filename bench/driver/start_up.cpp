#include "bench/driver/start_up.h"

#include "bench/driver/child.h"
#include "bench/driver/proc_stats.h"

#include <cmath>
#include <cstdio>
#include <thread>

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double msSince(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// All but a few pixels alike: the window's scaling may round a column differently.
bool nearlyEqual(const std::vector<std::uint32_t>& seen, const std::vector<std::uint32_t>& map)
{
    if (seen.size() != map.size())
        return false;
    std::size_t alike = 0;
    for (std::size_t i = 0; i < seen.size(); ++i)
        alike += seen[i] == map[i];
    return alike * 50 >= seen.size() * 49;
}

bool waitForRow(XView& view, XWindow window, const MapRow& expected, Clock::time_point deadline)
{
    const int width = static_cast<int>(expected.pixels.size());
    while (!nearlyEqual(view.row(window, expected.y, 0, width), expected.pixels)) {
        if (Clock::now() > deadline)
            return false;
        // Often enough for a fine figure, seldom enough to leave the server to the program.
        std::this_thread::sleep_for(200us);
    }
    return true;
}

// One start of the program; false if its window never showed the map.
bool startOnce(XView& view, const Program& program, const MapRow& expected, StartSamples& into)
{
    view.drainEvents();
    Child child({program.path}, false);
    const Clock::time_point deadline = child.started() + 20s;
    Clock::time_point mapped;
    const XWindow window = view.waitForMapped(child.pid(), deadline, mapped);
    if (!window || !waitForRow(view, window, expected, deadline))
        return false;
    const Clock::time_point shown = Clock::now();
    std::this_thread::sleep_until(child.started() + 1500ms);
    into.mappedMs.push_back(msSince(child.started(), mapped));
    into.shownMs.push_back(msSince(child.started(), shown));
    into.residentKiB.push_back(static_cast<double>(residentKiB(child.pid())));
    // Ended at once: SIGTERM runs no handler in these programs, so this is the start's CPU.
    child.terminate();
    into.cpuMs.push_back(child.cpuSeconds() * 1000);
    return true;
}

} // namespace

MapRow expectedMapRow()
{
    // Row 100 crosses the whole map and no control lies on it when the window first shows.
    // Converted before it is scaled, as a pixmap is.
    const QImage map = QImage(QStringLiteral(":/pictures/map.bmp"))
                           .convertToFormat(QImage::Format_RGB32)
                           .scaled(401, 327, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    MapRow row{100, {}};
    for (int x = 0; x < map.width(); ++x)
        row.pixels.push_back(map.pixel(x, row.y) & 0xffffff);
    return row;
}

XWindow waitUntilShown(XView& view, pid_t pid, const MapRow& expected, Clock::time_point deadline)
{
    Clock::time_point mapped;
    const XWindow window = view.waitForMapped(pid, deadline, mapped);
    return window && waitForRow(view, window, expected, deadline) ? window : 0;
}

std::vector<StartSamples> measureStartUp(XView& view, const std::vector<Program>& programs,
                                         int runs)
{
    const MapRow expected = expectedMapRow();
    std::vector<StartSamples> samples(programs.size());
    StartSamples discarded;
    for (int round = -1; round < runs; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const std::size_t which = (i + static_cast<std::size_t>(round + 1)) % programs.size();
            StartSamples& into = round < 0 ? discarded : samples[which];
            const bool started = startOnce(view, programs[which], expected, into);
            into.shownByRound.push_back(started ? into.shownMs.back() : NAN);
            if (!started)
                ++into.failures;
            // Lets the server forget the last window before the next program starts.
            std::this_thread::sleep_for(150ms);
        }
        std::fprintf(stderr, "\rstart-up: round %d of %d", round + 1, runs);
    }
    std::fprintf(stderr, "\n");
    return samples;
}

} // namespace bench
