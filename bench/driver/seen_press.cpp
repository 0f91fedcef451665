// Presses through XTest and watches the window from outside, as a player's eye would: the time
// from the send to the first change of the window's pixels that shows the press's picture. For a
// program whose event loop the bench cannot watch from inside, the Windows build under wine.
#include "bench/common/samples.h"
#include "bench/driver/parts.h"
#include "harness/x_events.h"
#include "harness/x_input.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/scene_view.h"

#include <QScopeGuard>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

namespace bench {
namespace {

using harness::Clock;
using namespace std::chrono_literals;

// As the probe inside the Qt game does: the target settled before the pointer comes, the
// pointer's move handled before the press, a few trials of each kind marked cold.
constexpr auto kSettle = 120ms;
constexpr auto kAim = 40ms;
constexpr int kWarmUp = 2;
// How long a press may take to show before it counts as missed: the explosion waits for its
// timer's first tick, 300 ms.
constexpr auto kShowTimeout = 2s;

class OutsideWatch {
public:
    explicit OutsideWatch(e2e::GameSession& game)
        : m_game(game)
        , m_display(game.display())
    {
        int errorBase = 0;
        if (!XDamageQueryExtension(m_display, &m_eventBase, &errorBase))
            throw std::runtime_error("the X server has no DAMAGE extension");
        if (!harness::hasXTest(m_display))
            throw std::runtime_error("the X server has no XTest");
        m_damage = XDamageCreate(m_display, game.window(), XDamageReportNonEmpty);
        XSync(m_display, False);
    }
    OutsideWatch(const OutsideWatch&) = delete;
    OutsideWatch& operator=(const OutsideWatch&) = delete;
    ~OutsideWatch()
    {
        XDamageDestroy(m_display, m_damage);
        XSync(m_display, False);
    }

    // Presses the left button where the pointer rests and returns the ms from the send to
    // the first report of new pixels whose capture `shows`; nothing if none came in time. The
    // button is let go at once, or, where `holdUntilShown`, once the picture shows.
    std::optional<double> press(bool holdUntilShown,
                                const std::function<bool(const QImage&)>& shows)
    {
        // The reports so far are of drawing before the press.
        rearm();
        XEvent event;
        while (XPending(m_display))
            XNextEvent(m_display, &event);
        const Clock::time_point sent = Clock::now();
        harness::pressButton(m_display);
        if (!holdUntilShown)
            harness::releaseButton(m_display);
        std::optional<double> shownMs;
        harness::handleEventsUntil(m_display, sent + kShowTimeout, [&](const XEvent& report) {
            if (report.type != m_eventBase + XDamageNotify)
                return false;
            const Clock::time_point reported = Clock::now();
            rearm();
            if (!shows(m_game.capture()))
                return false;
            shownMs = harness::millisecondsBetween(sent, reported);
            return true;
        });
        if (holdUntilShown)
            harness::releaseButton(m_display);
        return shownMs;
    }

private:
    void rearm()
    {
        XDamageSubtract(m_display, m_damage, None, None);
        XSync(m_display, False);
    }

    e2e::GameSession& m_game;
    Display* m_display;
    int m_eventBase = 0;
    Damage m_damage = 0;
};

// The spot where the target has shown, unmoved, for the settling time; nothing in 20 s.
std::optional<QPoint> settledTarget(const e2e::GameSession& game)
{
    std::optional<QPoint> spot;
    Clock::time_point since;
    const Clock::time_point deadline = Clock::now() + 20s;
    while (Clock::now() < deadline) {
        const std::optional<QPoint> now =
            game.messageBoxes().empty() ? e2e::targetSpot(game.capture()) : std::nullopt;
        if (now != spot) {
            spot = now;
            since = Clock::now();
        } else if (spot && Clock::now() - since >= kSettle) {
            return spot;
        }
        std::this_thread::sleep_for(10ms);
    }
    return std::nullopt;
}

// The hit's box, once it opens, dismissed as the player of the soak does, and gone.
void dismissBox(const e2e::GameSession& game)
{
    if (harness::waitUntil(2000ms, [&] { return !game.messageBoxes().empty(); }) &&
        dismissOpenBoxes(game))
        harness::waitUntil(2000ms, [&] { return game.messageBoxes().empty(); });
}

} // namespace

void timePressesFromOutside(const harness::Desktop& desktop, int presses)
{
    e2e::GameSession game(gameOn(desktop));
    OutsideWatch watch(game);
    const auto rootPoint = [&](QPoint windowPoint) {
        return game.geometry().topLeft() + windowPoint;
    };
    std::vector<SampleFields> timed;
    int misses = 0;
    const auto note = [&](const char* on, int trial, std::optional<double> shownMs) {
        if (!shownMs) {
            ++misses;
            return false;
        }
        timed.push_back({{"on", on}, {"cold", trial < kWarmUp}, {"from_send_ms", *shownMs}});
        return true;
    };

    for (int trial = 0; trial < presses + kWarmUp && misses <= presses;) {
        const std::optional<QPoint> spot = settledTarget(game);
        if (!spot) {
            ++misses;
            continue;
        }
        const QPoint centre = QRect(*spot, e2e::kTargetSize).center();
        game.moveTo(rootPoint(centre));
        std::this_thread::sleep_for(kAim);
        // Gone or moved while the pointer came: wait for the next one.
        if (e2e::targetSpot(game.capture()) != spot)
            continue;
        const std::optional<double> shown =
            watch.press(true, [&](const QImage& screen) { return e2e::hitShownAt(screen, *spot); });
        trial += note("target", trial, shown);
        dismissBox(game);
        std::fprintf(stderr, "\rpress under wine: target %d of %d", trial, presses + kWarmUp);
    }
    std::fprintf(stderr, "\n");

    // Bare map where the explosion covers no spot and no control: the target cannot hide it.
    const QPoint bare = e2e::kBareMapPoint;
    const QRect explosion(bare - e2e::kHalfExplosion, e2e::kExplosionSize);
    const QImage& firstPicture = e2e::gamePictures().explosion1;
    for (int trial = 0; trial < presses + kWarmUp && misses <= 2 * presses;) {
        // The last explosion over and gone.
        if (!harness::waitUntil(3000ms,
                                [&] { return e2e::showsBareMap(game.capture(), explosion); })) {
            ++misses;
            continue;
        }
        std::this_thread::sleep_for(100ms);
        game.moveTo(rootPoint(bare));
        std::this_thread::sleep_for(kAim);
        const std::optional<double> shown = watch.press(false, [&](const QImage& screen) {
            return e2e::shownFraction(screen, firstPicture, explosion.topLeft()) >= 0.9;
        });
        trial += note("map", trial, shown);
        std::fprintf(stderr, "\rpress under wine: map %d of %d", trial, presses + kWarmUp);
        // The explosion's two pictures run their course before the next press.
        std::this_thread::sleep_for(800ms);
    }
    std::fprintf(stderr, "\n");
    for (const SampleFields& fields : timed)
        emitSample(sample::seen_press, fields);
    emitSample(sample::seen_misses, {{"count", misses}});
}

} // namespace bench
