// One run of the built game, either in its own Xvfb or as a Wayland client of a Weston inside an
// Xvfb: the window, a player's input and the close command.
#pragma once

#include "harness/child_process.h"
#include "harness/weston_scene_graph.h"
#include "harness/x11_handles.h"
#include "harness/xvfb_server.h"

#include <QImage>
#include <QPoint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace harness {
class WestonSession;
}

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

class GameSession {
public:
    struct Options {
        // Put before the game's path on the command line, e.g. a memory checker.
        std::vector<std::string> launcher;
        // From the launch until the window shows the map.
        milliseconds startTimeout{30000};
        // Qt's scale factor: device pixels to each of the game's logical pixels, 1.5 too.
        double scale = 1;
        // Runs the game as a Wayland client of this compositor, without an X display of its
        // own, instead of in a private Xvfb.
        const harness::WestonSession* compositor = nullptr;
        // Gives the game this process's session bus, where a screen reader's accessibility bus
        // is found; without it the game has no session bus.
        bool sessionBus = false;
    };

    // Starts the game (and Xvfb, in plain X), and waits until the game window shows the map.
    // Throws std::runtime_error if it never does.
    GameSession();
    explicit GameSession(const Options& options);

    Display* display() const { return m_server->display(); }
    // The game's X window in plain X; 0 under Weston, where it is a surface of the compositor.
    XWindow window() const { return m_window; }
    Clock::time_point launchedAt() const { return m_launchedAt; }
    harness::ChildProcess& process() { return *m_game; }
    bool underWeston() const { return m_compositor != nullptr; }

    // The pixels of the game's own part of the client area now: the design's size at the game's
    // scale from the top-left corner, which is the whole client area unless it is maximised.
    QImage capture() const;
    // The pixels of a rectangle of the client area now. A poll that needs a small part reads
    // back no more: the X server that copies the pixels is the one the game draws into.
    QImage capture(const QRect& area) const;
    // Moves the pointer to a point of the client area and clicks the left button there. Under
    // Weston, which draws the pointer into the pictures it shows, the pointer is then taken off
    // the output.
    void clickAt(QPoint windowPoint) const;
    // Moves the pointer to a point of the screen, off the game window or on it; under Weston,
    // by way of a point off the output, so that the compositor's pointer lands there too.
    void moveTo(QPoint rootPoint) const;
    // Moves the pointer straight to a point of the screen, as while a button is held.
    void dragTo(QPoint rootPoint) const;
    void tapKey(XKeySym keysym) const;
    void tapChord(std::initializer_list<XKeySym> keysyms) const;
    // The game's other top-level windows: its message boxes.
    std::vector<GameWindowId> messageBoxes() const;
    // The window's close command: WM_DELETE_WINDOW in plain X, the close button of the title bar
    // that Qt draws under Weston.
    void requestClose() const;
    double scale() const { return m_scale; }
    // Where the game window's client area lies on the screen.
    QRect geometry() const;
    // Polls where the client area lies until `condition` holds or the deadline passes; captures
    // and clicks go by the last place seen. Returns whether it held.
    bool waitForGeometry(const std::function<bool(const QRect&)>& condition, milliseconds timeout);

    // Under Weston: one of the game's windows as the compositor shows it, if it is there.
    std::optional<harness::WestonToplevel> toplevel(GameWindowId window) const;
    // The glyphs of the buttons of Qt's title bar, dark on the light bar.
    enum class Glyph { HollowBox, Cross };
    // Under Weston: clicks the maximise button of the title bar Qt draws on the window. Throws
    // std::runtime_error if the bar shows no maximise button there.
    void clickMaximiseButton(GameWindowId window) const;
    // Under Weston: clicks the title bar left of the caption, as a player does to bring the
    // window to the front and give it the keyboard.
    void clickTitleBar(GameWindowId window) const;
    // Under Weston: a point of the title bar left of the caption, in root coordinates.
    QPoint titleBarPoint(GameWindowId window) const;
    GameWindowId gameWindow() const { return underWeston() ? m_surfaceId : m_window; }
    // How often a poll that asks the compositor may ask: each query starts a program.
    milliseconds pollPace() const { return milliseconds(underWeston() ? 50 : 10); }

    // What explains a failure: whether the game runs, what it wrote on standard error, what the
    // last captures showed (the last one of the game's whole part saved as `<name>.png` in the
    // working directory), and under Weston the compositor's log.
    std::string report(const std::string& name) const;

private:
    std::vector<std::string> environment() const;
    bool findWindow();
    bool findWestonWindow();
    std::vector<harness::WestonToplevel> toplevelsOfTheGame() const;
    QRect currentGeometry() const;
    // Presses a title bar button: `fromTopRight` is its middle's offset from the window's
    // top-right corner. Throws std::runtime_error if the button's glyph is not there.
    void clickTitleBarButton(GameWindowId window, QPoint fromTopRight, Glyph glyph) const;
    // The window as Weston shows it; throws std::runtime_error if it is gone.
    harness::WestonToplevel shownToplevel(GameWindowId window) const;
    QPoint parkingPoint() const;

    struct Frame {
        long long atMs;
        QRect area;
        QImage pixels;
    };
    // The last few captures and the last one of the game's whole part, for the report.
    mutable std::deque<Frame> m_recentFrames;
    mutable std::optional<Frame> m_lastWholeFrame;

    std::unique_ptr<harness::XvfbServer> m_ownServer;
    const harness::XvfbServer* m_server = nullptr;
    const harness::WestonSession* m_compositor = nullptr;
    Clock::time_point m_launchedAt;
    std::unique_ptr<harness::ChildProcess> m_game;
    XWindow m_window = 0;
    GameWindowId m_surfaceId = 0;
    // Under Weston: the client area, in root coordinates, where it was last seen.
    QRect m_clientArea;
    double m_scale = 1;
    bool m_sessionBus = false;
};

} // namespace e2e
