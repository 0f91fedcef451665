// Launches the game on the private display and finds its window the way a window manager would.
#include "tests/e2e/game_session.h"

#include "tests/e2e/pictures.h"
#include "tests/e2e/scene_view.h"
#include "tests/e2e/screen_capture.h"
#include "tests/e2e/x_input.h"
#include "tests/e2e/x_windows.h"

#include <cstdlib>
#include <stdexcept>

namespace e2e {

GameSession::GameSession()
    : GameSession(Options{})
{
}

GameSession::GameSession(const Options& options)
    : m_scale(options.scale)
{
    if (!hasXTest(display()))
        throw std::runtime_error("the X server has no XTest extension");
    // The pointer rests off the window until a test moves it, as a player's would.
    movePointer(display(), {1270, 1010});
    std::vector<std::string> command = options.launcher;
    // The build beside the tests, unless the environment names another build to check.
    const char* program = std::getenv("BLASTMAP_E2E_PROGRAM");
    command.emplace_back(program && *program ? program : BLASTMAP_EXECUTABLE);
    m_launchedAt = Clock::now();
    // The real X11 platform, whatever the test's own environment asks of Qt. With no session
    // bus given, D-Bus would autolaunch one through the display and leave it running.
    m_game = std::make_unique<ChildProcess>(
        command,
        std::vector<std::string>{"DISPLAY=" + m_server.displayName(), "QT_QPA_PLATFORM=xcb",
                                 "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus",
                                 "QT_SCALE_FACTOR=" + std::to_string(m_scale)},
        false);
    if (!waitUntil(
            options.startTimeout, [this] { return !m_game->running() || findWindow(); },
            milliseconds(50)))
        throw std::runtime_error("the game window never showed the map");
    if (!m_game->running())
        throw std::runtime_error("the game ended before its window showed");
}

bool GameSession::findWindow()
{
    for (XWindow window : viewableWindowsNamed(display(), "Blastmap")) {
        // Qt also keeps a hidden 1x1 window of the same name; the game window is the big one.
        if (rootGeometry(display(), window).size() != kClientSize * m_scale)
            continue;
        const QImage screen = captureWindow(display(), window);
        if (!screen.isNull() && mapIsDrawn(screen.scaled(kClientSize))) {
            m_window = window;
            return true;
        }
    }
    return false;
}

QImage GameSession::capture() const { return captureWindow(display(), m_window); }

void GameSession::clickAt(QPoint windowPoint) const
{
    moveTo(geometry().topLeft() + windowPoint);
    clickButton(display());
}

void GameSession::moveTo(QPoint rootPoint) const { movePointer(display(), rootPoint); }

void GameSession::tapKey(XKeySym keysym) const { e2e::tapKey(display(), keysym); }

std::vector<XWindow> GameSession::messageBoxes() const
{
    std::vector<XWindow> boxes;
    for (XWindow window : viewableWindowsNamed(display(), "Blastmap"))
        if (window != m_window)
            boxes.push_back(window);
    return boxes;
}

void GameSession::requestClose() const { sendDeleteWindow(display(), m_window); }

QRect GameSession::geometry() const { return rootGeometry(display(), m_window); }

} // namespace e2e
