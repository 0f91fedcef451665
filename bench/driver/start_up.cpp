// Starts each program, watches for its window, its first row of map and every frame it shows
// after, and samples it.
#include "bench/common/samples.h"
#include "bench/driver/layout.h"
#include "bench/driver/parts.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"

#include <QJsonArray>
#include <QScopeGuard>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <stdexcept>
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

QJsonArray rolesOf(const std::vector<Program>& programs)
{
    QJsonArray roles;
    for (const Program& program : programs)
        roles.append(QString::fromStdString(program.role));
    return roles;
}

// Starts each program once a round, each round in a rotated order; `first` may be below 0 for
// rounds that are not counted.
template <class Start>
void inRounds(const std::vector<Program>& programs, int first, int runs, const char* what,
              Start start)
{
    for (int round = first; round < runs; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            start(programs[(i + static_cast<std::size_t>(round - first)) % programs.size()], round);
            // Lets the server forget the last window before the next program starts.
            std::this_thread::sleep_for(150ms);
        }
        std::fprintf(stderr, "\r%s round %d of %d", what, round + 1, runs);
    }
    std::fprintf(stderr, "\n");
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
    // Every change of the window's pixels, as the server reports it through DAMAGE: one report
    // each time its damage goes from none to some, and subtracting the damage rearms it.
    Display* display = screen.display();
    int eventBase = 0;
    int errorBase = 0;
    if (!XDamageQueryExtension(display, &eventBase, &errorBase))
        throw std::runtime_error("the X server has no DAMAGE extension");
    const Damage damage = XDamageCreate(display, mapped->window, XDamageReportNonEmpty);
    const auto destroy = qScopeGuard([&] {
        XDamageDestroy(display, damage);
        XSync(display, False);
    });
    XSync(display, False);
    if (!waitForRow(screen, mapped->window, expected, deadline))
        return std::nullopt;
    const Clock::time_point shown = Clock::now();

    // The window's last frame and when it was first seen: the whole first frame, once the frames
    // stop changing.
    QImage frame;
    Clock::time_point frameSince = shown;
    const auto capture = [&](Clock::time_point seenAt) {
        QImage pixels = harness::captureWindow(display, mapped->window);
        if (!pixels.isNull() && pixels != frame) {
            frame = std::move(pixels);
            frameSince = seenAt;
        }
    };
    const auto rearm = [&] {
        XDamageSubtract(display, damage, None, None);
        XSync(display, False);
    };
    // The reports queued so far are of drawing the first capture already holds.
    rearm();
    XEvent event;
    while (XPending(display))
        XNextEvent(display, &event);
    capture(shown);
    const Clock::time_point until = child.startedAt() + 1500ms;
    for (;;) {
        while (XPending(display)) {
            XNextEvent(display, &event);
            if (event.type != eventBase + XDamageNotify)
                continue;
            const Clock::time_point reported = Clock::now();
            rearm();
            capture(reported);
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0)
            break;
        pollfd watched{ConnectionNumber(display), POLLIN, 0};
        poll(&watched, 1, static_cast<int>(left.count()));
    }
    // Whatever a report still on its way would show.
    capture(Clock::now());
    if (frame.isNull())
        return std::nullopt;
    const auto fromSpawn = [&](Clock::time_point at) {
        return harness::millisecondsBetween(child.startedAt(), at);
    };
    return StartTimes{fromSpawn(mapped->seenAt), fromSpawn(shown), fromSpawn(frameSince)};
}

MapRow expectedMapRow()
{
    // A row through the middle of the open map crosses it whole, and no control lies on it when
    // the window first shows. Converted before it is scaled, as a pixmap is.
    const QImage map =
        QImage(controlPicture("Iraq"))
            .convertToFormat(QImage::Format_RGB32)
            .scaled(controlRect("Iraq").size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    MapRow row{openMap().center().y() - controlRect("Iraq").top(), {}};
    for (int x = 0; x < map.width(); ++x)
        row.pixels.push_back(map.pixel(x, row.y) & 0xffffff);
    return row;
}

ShownGame startShown(Screen& screen, const std::string& game)
{
    harness::movePointer(screen.display(), kPointerAway);
    screen.maps().forgetEarlier();
    ShownGame shown;
    shown.process = std::make_unique<harness::ChildProcess>(std::vector<std::string>{game},
                                                            screen.programOptions(Output::Discard));
    const Clock::time_point deadline = Clock::now() + 20s;
    const std::optional<harness::MappedWindow> mapped =
        screen.maps().waitForWindowOf(shown.process->pid(), deadline);
    if (mapped && waitForRow(screen, mapped->window, expectedMapRow(), deadline))
        shown.window = mapped->window;
    return shown;
}

void measureStartUp(Screen& screen, const std::vector<Program>& programs, int runs)
{
    emitSample(sample::startup, {{"programs", rolesOf(programs)}, {"runs", runs}});
    const MapRow expected = expectedMapRow();
    // The round before the first warms the caches.
    inRounds(programs, -1, runs, "start-up:", [&](const Program& program, int round) {
        screen.maps().forgetEarlier();
        harness::ChildProcess child({program.path}, screen.programOptions(Output::Discard));
        const std::optional<StartTimes> times = timeOneStart(screen, child, expected);
        QJsonObject fields{{"program", QString::fromStdString(program.role)}, {"round", round}};
        if (times) {
            fields["mapped_ms"] = times->mappedMs;
            fields["shown_ms"] = times->shownMs;
            fields["whole_ms"] = times->wholeMs;
            fields["rss_kib"] = static_cast<double>(residentKiB(child.pid()));
        }
        // Ended at once: SIGTERM runs no handler in these programs, so this is the start's CPU.
        child.terminate(5s);
        if (times)
            fields["cpu_ms"] = child.cpuSeconds() * 1000;
        else
            fields["failed"] = true;
        if (round >= 0)
            emitSample(sample::start, fields);
    });
}

void attributeStartUp(Screen& screen, const std::vector<Program>& programs, int runs)
{
    QJsonArray paths;
    for (const Program& program : programs)
        paths.append(QString::fromStdString(program.path));
    emitSample(sample::attribution, {{"programs", rolesOf(programs)}, {"paths", paths}});
    const MapRow expected = expectedMapRow();
    inRounds(programs, 0, runs, "attribution: timed", [&](const Program& program, int) {
        screen.maps().forgetEarlier();
        harness::ChildProcess child({program.path}, screen.programOptions(Output::Capture));
        const std::optional<StartTimes> times = timeOneStart(screen, child, expected);
        child.sendSignal(SIGTERM);
        child.wait();
        // The marks are on the monotonic clock, which the driver's steady clock shares: the
        // report sets them against the spawn.
        const auto spawnNs = std::chrono::nanoseconds(child.startedAt().time_since_epoch());
        if (times)
            emitSample(sample::marks, {{"program", QString::fromStdString(program.role)},
                                       {"spawn_ns", static_cast<double>(spawnNs.count())},
                                       {"mapped_ms", times->mappedMs},
                                       {"whole_ms", times->wholeMs},
                                       {"printed", QString::fromStdString(child.output())}});
    });
}

} // namespace bench
