// Plays the game for a long while as a player would, sampling its resident set.

#include "bench/common/samples.h"
#include "bench/driver/layout.h"
#include "bench/driver/parts.h"
#include "harness/window_actions.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"
#include "harness/x_windows.h"

#include <X11/keysym.h>
#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <thread>
#include <utility>

namespace bench {
namespace {

using harness::Clock;
using harness::XWindow;
using namespace std::chrono_literals;

// What the player did.
struct Played {
    int targetPresses = 0;
    int otherPresses = 0;
    int boxesDismissed = 0;
};

class Player {
public:
    Player(Display* display, XWindow window, pid_t pid, Played& figures)
        : m_display(display)
        , m_window(window)
        , m_pid(pid)
        , m_figures(figures)
        , m_origin(harness::rootGeometry(display, window).topLeft())
    {
    }

    // One move of the player: dismisses an open box, closes a panel read long enough, or
    // presses something: mostly the target when it shows.
    void play()
    {
        if (dismissBoxes())
            return;
        if (m_openPanel && --m_panelMovesLeft <= 0) {
            press(controlRect(std::exchange(m_openPanel, nullptr)).center());
            return;
        }
        const int roll = pick(0, 99);
        static const QRgb colour = ownColour("Despot", {"Deboom"});
        if (const auto target =
                centreOfColour(harness::captureWindow(m_display, m_window), colour, 49);
            target && roll < 70) {
            press(*target);
            ++m_figures.targetPresses;
            return;
        }
        ++m_figures.otherPresses;
        if (roll < 60) {
            press(somewhere(openMap()));
        } else if (roll < 68) {
            press(controlRect("civcheck").center());
        } else if (roll < 80 && !m_openPanel) {
            // A panel pauses the target; the player reads it for a second or two.
            m_openPanel = roll < 74 ? "Instructions" : "Credits";
            m_panelMovesLeft = pick(4, 8);
            press(controlRect(m_openPanel).center());
        } else if (roll < 90) {
            const QRect bar = controlRect("Diff");
            press({pick(bar.left() + 2, bar.right() - 2), bar.center().y()});
        } else {
            harness::movePointer(m_display, m_origin + somewhere(openMap()));
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_chance); }
    QPoint somewhere(QRect area)
    {
        return {pick(area.left(), area.right()), pick(area.top(), area.bottom())};
    }

    void press(QPoint inWindow)
    {
        harness::movePointer(m_display, m_origin + inWindow);
        harness::clickButton(m_display);
    }

    // A message box is any second window of the game's: Enter presses its OK, and a box that
    // stays is asked to close.
    bool dismissBoxes()
    {
        auto boxes = otherWindows();
        if (boxes.empty())
            return false;
        harness::tapKey(m_display, XK_Return);
        std::this_thread::sleep_for(150ms);
        for (XWindow box : otherWindows())
            harness::sendDeleteWindow(m_display, box);
        ++m_figures.boxesDismissed;
        return true;
    }

    std::vector<XWindow> otherWindows()
    {
        std::vector<XWindow> others;
        for (XWindow window : harness::shownWindowsOf(m_display, m_pid))
            if (window != m_window)
                others.push_back(window);
        return others;
    }

    Display* m_display;
    XWindow m_window;
    pid_t m_pid;
    Played& m_figures;
    QPoint m_origin;
    std::mt19937 m_chance{2024};
    const char* m_openPanel = nullptr;
    int m_panelMovesLeft = 0;
};

} // namespace

void soak(Screen& screen, const std::string& game, int seconds)
{
    const ShownGame shown = startShown(screen, game);
    if (!shown.window)
        return;
    const pid_t pid = shown.process->pid();
    Played played;
    Player player(screen.display(), shown.window, pid, played);
    const Clock::time_point first = shown.process->startedAt() + 1500ms;
    const Clock::time_point end = first + std::chrono::seconds(seconds);
    Clock::time_point nextSample = first;
    std::this_thread::sleep_until(first);
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (now >= nextSample) {
            const double minute = harness::millisecondsBetween(first, now) / 60'000;
            const auto kib = static_cast<double>(residentKiB(pid));
            emitSample(sample::rss, {{"minute", minute}, {"kib", kib}});
            nextSample += 10s;
            std::fprintf(stderr, "\rplay: %.1f of %.1f min, %.0f KiB", minute, seconds / 60.0, kib);
        }
        if (now >= end)
            break;
        player.play();
        std::this_thread::sleep_for(250ms);
    }
    std::fprintf(stderr, "\n");
    emitSample(sample::play,
               {{"seconds", seconds},
                {"target_presses", played.targetPresses},
                {"other_presses", played.otherPresses},
                {"boxes_dismissed", played.boxesDismissed},
                {"survived", !harness::shownWindowsOf(screen.display(), pid).empty()}});
}

} // namespace bench
