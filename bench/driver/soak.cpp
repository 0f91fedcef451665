// Plays the game for a long while as a player would, sampling its resident set.

#include "bench/common/samples.h"
#include "bench/driver/parts.h"
#include "tests/e2e/scene_view.h"

#include <X11/keysym.h>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <utility>

namespace bench {
namespace {

using harness::Clock;
using namespace std::chrono_literals;

// What the player did.
struct Played {
    int targetPresses = 0;
    int otherPresses = 0;
    int boxesDismissed = 0;
};

class Player {
public:
    explicit Player(const e2e::GameSession& game)
        : m_game(game)
    {
    }

    const Played& played() const { return m_played; }

    // One move of the player: dismisses an open box, closes a panel read long enough, or
    // presses something: mostly the target when it shows.
    void play()
    {
        if (dismissBoxes())
            return;
        if (m_openPanel && --m_panelMovesLeft <= 0) {
            m_game.clickAt(std::exchange(m_openPanel, nullptr)->center());
            return;
        }
        const int roll = pick(0, 99);
        if (const auto target = e2e::targetSpot(m_game.capture()); target && roll < 70) {
            m_game.clickAt(QRect(*target, e2e::kTargetSize).center());
            ++m_played.targetPresses;
            return;
        }
        ++m_played.otherPresses;
        if (roll < 60) {
            m_game.clickAt(somewhere(e2e::kOpenMap));
        } else if (roll < 68) {
            m_game.clickAt(e2e::kCivilianCheckBox);
        } else if (roll < 80 && !m_openPanel) {
            // A panel pauses the target; the player reads it for a second or two.
            m_openPanel = roll < 74 ? &e2e::kInstructionsButton : &e2e::kCreditsButton;
            m_panelMovesLeft = pick(4, 8);
            m_game.clickAt(m_openPanel->center());
        } else if (roll < 90) {
            const QRect& bar = e2e::kDifficultyBar;
            m_game.clickAt({pick(bar.left() + 2, bar.right() - 2), bar.center().y()});
        } else {
            m_game.moveTo(m_game.geometry().topLeft() + somewhere(e2e::kOpenMap));
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_chance); }
    QPoint somewhere(QRect area)
    {
        return {pick(area.left(), area.right()), pick(area.top(), area.bottom())};
    }

    bool dismissBoxes()
    {
        if (!dismissOpenBoxes(m_game))
            return false;
        ++m_played.boxesDismissed;
        return true;
    }

    const e2e::GameSession& m_game;
    Played m_played;
    std::mt19937 m_chance{2024};
    const QRect* m_openPanel = nullptr; // the button that opened it
    int m_panelMovesLeft = 0;
};

} // namespace

bool dismissOpenBoxes(const e2e::GameSession& game)
{
    if (game.messageBoxes().empty())
        return false;
    game.tapKey(XK_Return);
    std::this_thread::sleep_for(150ms);
    for (const e2e::GameWindowId box : game.messageBoxes())
        game.desktop().requestClose({box, {}});
    return true;
}

void soak(const harness::Desktop& desktop, int seconds, const std::string& build)
{
    e2e::GameSession game(gameOn(desktop));
    const pid_t pid = gameProcess(game);
    // Under wine the resident set counts the wine libraries every Windows program shares.
    const bool privateOnly = !build.empty();
    Player player(game);
    const Clock::time_point first = game.launchedAt() + 1500ms;
    const Clock::time_point end = first + std::chrono::seconds(seconds);
    Clock::time_point nextSample = first;
    std::this_thread::sleep_until(first);
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (now >= nextSample) {
            const double minute = harness::millisecondsBetween(first, now) / 60'000;
            const auto kib = static_cast<double>(privateOnly ? privateKiB(pid) : residentKiB(pid));
            emitSample(privateOnly ? sample::private_memory : sample::rss,
                       {{"minute", minute}, {"kib", kib}});
            nextSample += 10s;
            std::fprintf(stderr, "\rplay: %.1f of %.1f min, %.0f KiB", minute, seconds / 60.0, kib);
        }
        if (now >= end)
            break;
        player.play();
        std::this_thread::sleep_for(250ms);
    }
    std::fprintf(stderr, "\n");
    const Played& played = player.played();
    emitSample(sample::play, withBuild({{"seconds", seconds},
                                        {"target_presses", played.targetPresses},
                                        {"other_presses", played.otherPresses},
                                        {"boxes_dismissed", played.boxesDismissed},
                                        {"survived", game.anyWindowShows()}},
                                       build));
}

} // namespace bench
