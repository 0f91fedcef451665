// One run of the built game on a desktop (by default one of its own, of the kind the environment
// names): the window, a player's input and the close command.
#pragma once

#include "harness/child_process.h"
#include "harness/desktop.h"
#include "harness/x11_handles.h"

#include <QImage>
#include <QPoint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The harness's words for time and windows, which every test uses.
using harness::Clock;
using harness::milliseconds;
using harness::msSince;
using harness::waitUntil;
using harness::XKeySym;
using harness::XWindow;

// One of the game's top-level windows: its X window in plain X, its surface's id under Weston.
using GameWindowId = unsigned long;

// One run of the built game on a desktop: its window, a player's input and the close command,
// the same whatever the desktop.
class GameSession {
public:
    struct Options {
        // Put before the game's path on the command line, e.g. a memory checker.
        std::vector<std::string> launcher;
        // From the launch until the window shows the map.
        milliseconds startTimeout{30000};
        // Qt's scale factor: device pixels to each of the game's logical pixels, 1.5 too.
        double scale = 1;
        // Where the game runs; without one, on a desktop of its own (see chosen_desktop.h).
        const harness::Desktop* desktop = nullptr;
        // Gives the game this process's session bus, where a screen reader's accessibility bus
        // is found; without it the game has no session bus.
        bool sessionBus = false;
    };

    // Starts the game (and a desktop of its own, unless given one), and waits until the game
    // window shows the map. Throws std::runtime_error if it never does.
    GameSession();
    explicit GameSession(const Options& options);
    ~GameSession();

    const harness::Desktop& desktop() const { return *m_desktop; }
    Display* display() const;
    // The game window's id on its desktop: its X window in plain X.
    GameWindowId window() const { return m_window.id; }
    Clock::time_point launchedAt() const { return m_launchedAt; }
    harness::ChildProcess& process() { return *m_game; }

    // The pixels of the game's own part of the client area now: the design's size at the game's
    // scale from the top-left corner, which is the whole client area unless it is maximised.
    QImage capture() const;
    // The pixels of a rectangle of the client area now. A poll that needs a small part reads
    // back no more.
    QImage capture(const QRect& area) const;
    // Clicks the left button at a point of the client area, as a player does.
    void clickAt(QPoint windowPoint) const;
    // Moves the pointer to a point of the screen, off the game window or on it.
    void moveTo(QPoint rootPoint) const;
    // Moves the pointer straight to a point of the screen, as while a button is held.
    void dragTo(QPoint rootPoint) const;
    void tapKey(XKeySym keysym) const;
    void tapChord(std::initializer_list<XKeySym> keysyms) const;
    // The game's other top-level windows: its message boxes.
    std::vector<GameWindowId> messageBoxes() const;
    // Whether any window of the game shows.
    bool anyWindowShows() const;
    // The desktop's command to close the game window, or another window of the game.
    void requestClose() const;
    void requestClose(GameWindowId window) const;
    double scale() const { return m_scale; }
    // Where the game window's client area lies on the screen, as last seen.
    QRect geometry() const { return m_window.clientArea; }
    // Polls where the client area lies until `condition` holds or the deadline passes; captures
    // and clicks go by the last place seen. Returns whether it held.
    bool waitForGeometry(const std::function<bool(const QRect&)>& condition, milliseconds timeout);
    // How often a poll that asks the desktop may ask.
    milliseconds pollPace() const;

    // What explains a failure: whether the game runs, what it wrote on standard error, what the
    // last captures showed (the last one of the game's whole part saved as `<name>.png` in the
    // working directory), and the desktop's log.
    std::string report(const std::string& name) const;

private:
    std::vector<std::string> environment() const;
    // The game's windows that show: Qt's hidden 1x1 helper window is none of them.
    std::vector<harness::TopLevel> windowsOfTheGame() const;
    bool findWindow();

    struct Frame {
        long long atMs;
        QRect area;
        QImage pixels;
    };
    // The last few captures and the last one of the game's whole part, for the report.
    mutable std::deque<Frame> m_recentFrames;
    mutable std::optional<Frame> m_lastWholeFrame;

    std::unique_ptr<harness::Desktop> m_ownDesktop;
    const harness::Desktop* m_desktop = nullptr;
    Clock::time_point m_launchedAt;
    std::unique_ptr<harness::ChildProcess> m_game;
    harness::TopLevel m_window;
    double m_scale = 1;
    bool m_sessionBus = false;
};

} // namespace e2e
