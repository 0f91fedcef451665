// One run of the built game in its own Xvfb: the window, a player's input and the window
// manager's requests.
#pragma once

#include "harness/child_process.h"
#include "harness/x11_handles.h"
#include "harness/xvfb_server.h"

#include <QImage>
#include <QPoint>
#include <memory>
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

class GameSession {
public:
    struct Options {
        // Put before the game's path on the command line, e.g. a memory checker.
        std::vector<std::string> launcher;
        // From the launch until the window shows the map.
        milliseconds startTimeout{30000};
        // Qt's scale factor: device pixels to each of the game's logical pixels, 1.5 too.
        double scale = 1;
    };

    // Starts Xvfb and the game, and waits until the game window is mapped and painted.
    // Throws std::runtime_error if it never is.
    GameSession();
    explicit GameSession(const Options& options);

    Display* display() const { return m_server.display(); }
    XWindow window() const { return m_window; }
    Clock::time_point launchedAt() const { return m_launchedAt; }
    harness::ChildProcess& process() { return *m_game; }

    // The game window's pixels now.
    QImage capture() const;
    // Moves the pointer to a point of the game window and clicks the left button there.
    void clickAt(QPoint windowPoint) const;
    // Moves the pointer to a point of the screen, off the game window or on it.
    void moveTo(QPoint rootPoint) const;
    void tapKey(XKeySym keysym) const;
    // The game's other viewable top-level windows called "Blastmap": its message boxes.
    std::vector<XWindow> messageBoxes() const;
    // WM_DELETE_WINDOW to the game window.
    void requestClose() const;
    double scale() const { return m_scale; }
    // Where the game window lies on the screen.
    QRect geometry() const;

private:
    bool findWindow();

    harness::XvfbServer m_server;
    Clock::time_point m_launchedAt;
    std::unique_ptr<harness::ChildProcess> m_game;
    XWindow m_window = 0;
    double m_scale = 1;
};

} // namespace e2e
