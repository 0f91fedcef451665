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
#include <functional>
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

// A started program's window as the driver reads it: its X window, when it was first seen, and
// a rectangle of its client area or the whole of it. Plain X reads the X window itself; wine
// draws its frame inside the X window, so there the desktop places the client area.
struct ShownWindow {
    XWindow window = 0;
    Clock::time_point seenAt;
    std::function<QImage(const QRect&)> area;
    std::function<QImage()> whole;
};

// Whether the window shows the map on that row: all but a few pixels alike, each a pixel of the
// map's own or of a neighbour's, as each toolkit's stretching rounds a column or a row its own
// way (the imaging component of wine's Windows unlike Qt).
bool showsMapRow(const ShownWindow& shown)
{
    static const QImage& map = e2e::gamePictures().map;
    const QImage seen = shown.area(kMapRow);
    if (seen.isNull() || seen.width() < kMapRow.width())
        return false;
    const int y = kMapRow.top() - e2e::kMapArea.top();
    const auto showsMap = [&](int x) {
        const QRgb pixel = seen.pixel(x, 0) & 0xFFFFFF;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (map.valid(x + dx, y + dy) && (map.pixel(x + dx, y + dy) & 0xFFFFFF) == pixel)
                    return true;
        return false;
    };
    int differing = 0;
    for (int x = 0; x < kMapRow.width(); ++x)
        differing += !showsMap(x);
    return differing * 50 <= kMapRow.width();
}

// The program's window once mapped, read as an X window; nothing at the deadline.
std::optional<ShownWindow> waitForXWindow(Display* display, harness::MapWatch& maps, pid_t pid,
                                          Clock::time_point deadline)
{
    const std::optional<harness::MappedWindow> mapped = maps.waitForWindowOf(pid, deadline);
    if (!mapped)
        return std::nullopt;
    const XWindow window = mapped->window;
    return ShownWindow{
        window, mapped->seenAt,
        [=](const QRect& area) { return harness::captureArea(display, window, area); },
        [=] { return harness::captureWindow(display, window); }};
}

// The program's window of the game's title and client size, as the desktop finds it; nothing at
// the deadline. Every wine process has windows of its own besides, hidden or 1 pixel wide.
std::optional<ShownWindow> waitForTopLevel(const harness::Desktop& desktop, pid_t pid,
                                           Clock::time_point deadline)
{
    std::optional<harness::TopLevel> found;
    const bool shown = harness::waitUntilDeadline(
        deadline,
        [&] {
            for (const harness::TopLevel& window : desktop.topLevels(pid, "Blastmap"))
                if (window.clientArea.size() == e2e::kClientSize)
                    found = window;
            return found.has_value();
        },
        1ms);
    if (!shown)
        return std::nullopt;
    const harness::TopLevel window = *found;
    return ShownWindow{
        window.id, Clock::now(),
        [&desktop, window](const QRect& area) { return desktop.capture(window, area); },
        [&desktop, window] {
            return desktop.capture(window, QRect(QPoint(), window.clientArea.size()));
        }};
}

// The moments one start of a program reached, in ms from its spawn: its window's map, the map's
// row on it, and the first frame that equals the one the window shows `settle` after the spawn.
struct StartTimes {
    double mappedMs = 0;
    double shownMs = 0;
    double wholeMs = 0;
};

// Times the window of a program just started until `settle` after its spawn, and returns with the
// program still running, for the caller to look at it; nothing if it never showed the map.
std::optional<StartTimes> timeOneStart(const harness::Desktop& desktop, harness::MapWatch& maps,
                                       const harness::ChildProcess& child, bool readAsX,
                                       Clock::duration settle)
{
    Display* display = desktop.display();
    const Clock::time_point deadline = child.startedAt() + 20s;
    const std::optional<ShownWindow> mapped =
        readAsX ? waitForXWindow(display, maps, child.pid(), deadline)
                : waitForTopLevel(desktop, child.pid(), deadline);
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
            deadline, [&] { return showsMapRow(*mapped); }, 200us))
        return std::nullopt;
    const Clock::time_point shown = Clock::now();

    // The window's last frame and when it was first seen: the whole first frame, once the frames
    // stop changing.
    QImage frame;
    Clock::time_point frameSince = shown;
    const auto capture = [&](Clock::time_point seenAt) {
        QImage pixels = mapped->whole();
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
    harness::handleEventsUntil(display, child.startedAt() + settle, [&](const XEvent& report) {
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

void timeStarts(const harness::Desktop& desktop, const std::vector<Start>& starts, bool marked,
                const Loader& loader)
{
    Display* display = desktop.display();
    harness::MapWatch maps(display);
    desktop.moveTo(desktop.parkingPoint());
    harness::ChildProcess::Options options;
    options.environment = desktop.clientEnvironment();
    options.environment.insert(options.environment.end(), loader.environment.begin(),
                               loader.environment.end());
    // A marked build prints its marks, and what it says on standard error shows; what the
    // others print is of no interest.
    options.output = marked ? Output::Capture : Output::Discard;
    options.errors = marked ? Output::Inherit : Output::Discard;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        maps.forgetEarlier();
        std::vector<std::string> command = loader.command;
        command.push_back(starts[i].path);
        harness::ChildProcess child(command, options);
        // A program under wine shows its first frame a few hundred ms later; the game's target
        // first shows 3 s after its start, which is no part of the first frame.
        const std::optional<StartTimes> times = timeOneStart(
            desktop, maps, child, loader.command.empty(), loader.command.empty() ? 1500ms : 2500ms);
        SampleFields fields{{"program", starts[i].role}};
        if (times) {
            fields.set("mapped_ms", times->mappedMs);
            fields.set("whole_ms", times->wholeMs);
        }
        if (marked) {
            child.sendSignal(SIGTERM);
            child.wait();
            // The marks are on the monotonic clock, which the driver's steady clock shares: the
            // report sets them against the spawn.
            const auto spawn = std::chrono::nanoseconds(child.startedAt().time_since_epoch());
            fields.set("spawn_ns", static_cast<double>(spawn.count()));
            fields.set("printed", child.output());
        } else {
            fields.set("round", starts[i].round);
            if (times) {
                fields.set("shown_ms", times->shownMs);
                fields.set("rss_kib", static_cast<double>(residentKiB(child.pid())));
            }
            // Ended at once: SIGTERM runs no handler in these programs, so this is the start's CPU.
            child.terminate(5s);
            if (times)
                fields.set("cpu_ms", child.cpuSeconds() * 1000);
            else
                fields.set("failed", true);
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
