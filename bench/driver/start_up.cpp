// Starts each program, watches for its window, its first row of map and every frame it shows
// after, and samples it.
#include "bench/common/samples.h"
#include "bench/driver/parts.h"
#include "harness/child_process.h"
#include "harness/map_watch.h"
#include "harness/window_capture.h"
#include "harness/x_events.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/scene_view.h"

#include <QScopeGuard>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <csignal>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <thread>

namespace bench {
namespace {

using harness::Clock;
using harness::XWindow;
using Output = harness::ChildProcess::Output;
using namespace std::chrono_literals;

// A row through the middle of the open map: it crosses the map whole, and no control lies on it
// when the window first shows.
const QRect kMapRow(e2e::kMapArea.left(), e2e::kOpenMap.center().y(), e2e::kMapArea.width(), 1);

// Whether the window shows the map on that row: all but a few pixels alike, as the window's
// scaling may round a column differently.
bool showsMapRow(Display* display, XWindow window)
{
    static const QImage expected =
        e2e::gamePictures().map.copy(kMapRow.translated(-e2e::kMapArea.topLeft()));
    const QImage seen = harness::captureArea(display, window, kMapRow);
    return !seen.isNull() &&
           e2e::differingPixels(seen, expected, expected.rect()) * 50 <= expected.width();
}

// The moments one start of a program reached, in ms from its spawn: its window's map, the map's
// row on it, and the first frame that equals the one the window shows 1.5 s after the spawn.
struct StartTimes {
    double mappedMs = 0;
    double shownMs = 0;
    double wholeMs = 0;
};

// Times the window of a program just started until 1.5 s after its spawn, and returns with the
// program still running, for the caller to look at it; nothing if it never showed the map.
std::optional<StartTimes> timeOneStart(Display* display, harness::MapWatch& maps,
                                       const harness::ChildProcess& child)
{
    const Clock::time_point deadline = child.startedAt() + 20s;
    const std::optional<harness::MappedWindow> mapped = maps.waitForWindowOf(child.pid(), deadline);
    if (!mapped)
        return std::nullopt;
    // Every change of the window's pixels, as the server reports it through DAMAGE: one report
    // each time its damage goes from none to some, and subtracting the damage rearms it.
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
    // Often enough for a fine figure, seldom enough to leave the server to the program.
    if (!harness::waitUntilDeadline(
            deadline, [&] { return showsMapRow(display, mapped->window); }, 200us))
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
    harness::handleEventsUntil(display, child.startedAt() + 1500ms, [&](const XEvent& report) {
        if (report.type == eventBase + XDamageNotify) {
            const Clock::time_point reported = Clock::now();
            rearm();
            capture(reported);
        }
        return false;
    });
    // Whatever a report still on its way would show.
    capture(Clock::now());
    if (frame.isNull())
        return std::nullopt;
    const auto fromSpawn = [&](Clock::time_point at) {
        return harness::millisecondsBetween(child.startedAt(), at);
    };
    return StartTimes{fromSpawn(mapped->seenAt), fromSpawn(shown), fromSpawn(frameSince)};
}

} // namespace

void timeStarts(const harness::Desktop& desktop, const std::vector<Start>& starts, bool marked)
{
    Display* display = desktop.display();
    harness::MapWatch maps(display);
    desktop.moveTo(desktop.parkingPoint());
    harness::ChildProcess::Options options;
    options.environment = desktop.clientEnvironment();
    // A marked build prints its marks, and what it says on standard error shows; what the
    // others print is of no interest.
    options.output = marked ? Output::Capture : Output::Discard;
    options.errors = marked ? Output::Inherit : Output::Discard;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        maps.forgetEarlier();
        harness::ChildProcess child({starts[i].path}, options);
        const std::optional<StartTimes> times = timeOneStart(display, maps, child);
        QJsonObject fields{{"program", QString::fromStdString(starts[i].role)}};
        if (times) {
            fields["mapped_ms"] = times->mappedMs;
            fields["whole_ms"] = times->wholeMs;
        }
        if (marked) {
            child.sendSignal(SIGTERM);
            child.wait();
            // The marks are on the monotonic clock, which the driver's steady clock shares: the
            // report sets them against the spawn.
            const auto spawn = std::chrono::nanoseconds(child.startedAt().time_since_epoch());
            fields["spawn_ns"] = static_cast<double>(spawn.count());
            fields["printed"] = QString::fromStdString(child.output());
        } else {
            fields["round"] = starts[i].round;
            if (times) {
                fields["shown_ms"] = times->shownMs;
                fields["rss_kib"] = static_cast<double>(residentKiB(child.pid()));
            }
            // Ended at once: SIGTERM runs no handler in these programs, so this is the start's CPU.
            child.terminate(5s);
            if (times)
                fields["cpu_ms"] = child.cpuSeconds() * 1000;
            else
                fields["failed"] = true;
        }
        if (starts[i].round >= 0 && (times || !marked))
            emitSample(marked ? sample::marks : sample::start, fields);
        // Lets the server forget the last window before the next program starts.
        std::this_thread::sleep_for(150ms);
        std::fprintf(stderr, "\r%s: start %zu of %zu", marked ? "attribution" : "start-up", i + 1,
                     starts.size());
    }
    std::fprintf(stderr, "\n");
}

} // namespace bench
