// Starts each program, watches for its window and its first row of map, and samples it.
#include "bench/driver/start_up.h"

#include "bench/common/samples.h"
#include "bench/driver/frame_watch.h"
#include "bench/driver/layout.h"
#include "bench/driver/proc_stats.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"

#include <QJsonArray>
#include <cstdio>
#include <thread>

namespace bench {
namespace {

using harness::Clock;
using harness::XWindow;
using Output = harness::ChildProcess::Output;
using namespace std::chrono_literals;

// All but a few pixels alike: the window's scaling may round a column differently.
bool nearlyEqual(const QImage& seen, const std::vector<std::uint32_t>& map)
{
    if (seen.isNull() || static_cast<std::size_t>(seen.width()) != map.size())
        return false;
    const auto* line = reinterpret_cast<const QRgb*>(seen.constScanLine(0));
    std::size_t alike = 0;
    for (std::size_t i = 0; i < map.size(); ++i)
        alike += (line[i] & 0xffffff) == map[i];
    return alike * 50 >= map.size() * 49;
}

bool waitForRow(Screen& screen, XWindow window, const MapRow& expected, Clock::time_point deadline)
{
    const QRect row(0, expected.y, static_cast<int>(expected.pixels.size()), 1);
    return harness::waitUntilDeadline(
        deadline,
        [&] {
            return nearlyEqual(harness::captureArea(screen.display(), window, row),
                               expected.pixels);
        },
        // Often enough for a fine figure, seldom enough to leave the server to the program.
        200us);
}

// One start of the program, in round `round`; the round before the first, which warms the
// caches, is not counted.
void startOnce(Screen& screen, const Program& program, const MapRow& expected, int round)
{
    screen.maps().forgetEarlier();
    harness::ChildProcess child({program.path}, screen.programOptions(Output::Discard));
    const std::optional<StartTimes> times = timeOneStart(screen, child, expected);
    QJsonObject sample{
        {"kind", "start"}, {"program", QString::fromStdString(program.label)}, {"round", round}};
    if (times) {
        sample["mapped_ms"] = times->mappedMs;
        sample["shown_ms"] = times->shownMs;
        sample["whole_ms"] = times->wholeMs;
        sample["rss_kib"] = static_cast<double>(residentKiB(child.pid()));
    }
    // Ended at once: SIGTERM runs no handler in these programs, so this is the start's CPU.
    child.terminate(5s);
    if (times)
        sample["cpu_ms"] = child.cpuSeconds() * 1000;
    else
        sample["failed"] = true;
    if (round >= 0)
        emitSample(sample);
}

// Waits for the first window of the process to be mapped and then to show the row; returns
// the window, or 0 at the deadline.
XWindow waitUntilShown(Screen& screen, pid_t pid, const MapRow& expected,
                       Clock::time_point deadline)
{
    const std::optional<harness::MappedWindow> mapped =
        screen.maps().waitForWindowOf(pid, deadline);
    return mapped && waitForRow(screen, mapped->window, expected, deadline) ? mapped->window : 0;
}

} // namespace

std::optional<StartTimes> timeOneStart(Screen& screen, harness::ChildProcess& child,
                                       const MapRow& expected)
{
    const Clock::time_point deadline = child.startedAt() + 20s;
    const std::optional<harness::MappedWindow> mapped =
        screen.maps().waitForWindowOf(child.pid(), deadline);
    if (!mapped)
        return std::nullopt;
    FrameWatch frames(screen.display(), mapped->window);
    if (!waitForRow(screen, mapped->window, expected, deadline))
        return std::nullopt;
    const Clock::time_point shown = Clock::now();
    frames.takeFirst(shown);
    frames.watchUntil(child.startedAt() + 1500ms);
    const auto fromSpawn = [&](Clock::time_point at) {
        return harness::millisecondsBetween(child.startedAt(), at);
    };
    return StartTimes{fromSpawn(mapped->seenAt), fromSpawn(shown),
                      fromSpawn(*frames.settledSince())};
}

MapRow expectedMapRow()
{
    // Row 100 crosses the whole map and no control lies on it when the window first shows.
    // Converted before it is scaled, as a pixmap is.
    const QImage map =
        QImage(controlPicture("Iraq"))
            .convertToFormat(QImage::Format_RGB32)
            .scaled(controlRect("Iraq").size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    MapRow row{100, {}};
    for (int x = 0; x < map.width(); ++x)
        row.pixels.push_back(map.pixel(x, row.y) & 0xffffff);
    return row;
}

ShownGame startShown(Screen& screen, const std::string& game)
{
    harness::movePointer(screen.display(), kPointerAway);
    screen.maps().forgetEarlier();
    ShownGame shown;
    shown.process = std::make_unique<harness::ChildProcess>(
        std::vector<std::string>{game},
        screen.programOptions(harness::ChildProcess::Output::Discard));
    shown.window =
        waitUntilShown(screen, shown.process->pid(), expectedMapRow(), Clock::now() + 20s);
    return shown;
}

void measureStartUp(Screen& screen, const std::vector<Program>& programs, int runs)
{
    QJsonArray labels;
    for (const Program& program : programs)
        labels.append(QString::fromStdString(program.label));
    emitSample({{"kind", "startup"}, {"programs", labels}, {"runs", runs}});
    const MapRow expected = expectedMapRow();
    for (int round = -1; round < runs; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const std::size_t which = (i + static_cast<std::size_t>(round + 1)) % programs.size();
            startOnce(screen, programs[which], expected, round);
            // Lets the server forget the last window before the next program starts.
            std::this_thread::sleep_for(150ms);
        }
        std::fprintf(stderr, "\rstart-up: round %d of %d", round + 1, runs);
    }
    std::fprintf(stderr, "\n");
}

} // namespace bench
