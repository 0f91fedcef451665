// Launches the game on the private display and finds its window the way a window manager would.
#include "tests/e2e/game_session.h"

#include "harness/window_actions.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"
#include "harness/x_windows.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/scene_view.h"

#include <QString>
#include <cstdlib>
#include <stdexcept>

namespace e2e {
namespace {

// Room for the window at scale 2.
constexpr QSize kScreenSize{1280, 1024};

} // namespace

GameSession::GameSession()
    : GameSession(Options{})
{
}

GameSession::GameSession(const Options& options)
    : m_server(kScreenSize)
    , m_scale(options.scale)
{
    if (!harness::hasXTest(display()))
        throw std::runtime_error("the X server has no XTest extension");
    // The pointer rests off the window until a test moves it, as a player's would.
    harness::movePointer(display(), {kScreenSize.width() - 10, kScreenSize.height() - 14});
    std::vector<std::string> command = options.launcher;
    // The build beside the tests, unless the environment names another build to check.
    const char* program = std::getenv("BLASTMAP_E2E_PROGRAM");
    command.emplace_back(program && *program ? program : BLASTMAP_EXECUTABLE);
    m_launchedAt = Clock::now();
    // The real X11 platform, whatever the test's own environment asks of Qt. With no session
    // bus given, D-Bus would autolaunch one through the display and leave it running.
    harness::ChildProcess::Options game;
    game.environment = {m_server.displayVariable(), "QT_QPA_PLATFORM=xcb",
                        "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus",
                        "QT_SCALE_FACTOR=" + QString::number(m_scale).toStdString()};
    m_game = std::make_unique<harness::ChildProcess>(command, game);
    if (!waitUntil(
            options.startTimeout, [this] { return !m_game->running() || findWindow(); },
            milliseconds(50)))
        throw std::runtime_error("the game window never showed the map");
    if (!m_game->running())
        throw std::runtime_error("the game ended before its window showed");
}

bool GameSession::findWindow()
{
    for (XWindow window : harness::viewableWindowsNamed(display(), "Blastmap")) {
        // Qt also keeps a hidden 1x1 window of the same name; the game window is the big one.
        if (harness::rootGeometry(display(), window).size() != kClientSize * m_scale)
            continue;
        const QImage screen = harness::captureWindow(display(), window);
        if (!screen.isNull() && mapIsDrawn(screen.scaled(kClientSize))) {
            m_window = window;
            return true;
        }
    }
    return false;
}

QImage GameSession::capture() const { return harness::captureWindow(display(), m_window); }

void GameSession::clickAt(QPoint windowPoint) const
{
    moveTo(geometry().topLeft() + windowPoint);
    harness::clickButton(display());
}

void GameSession::moveTo(QPoint rootPoint) const { harness::movePointer(display(), rootPoint); }

void GameSession::tapKey(XKeySym keysym) const { harness::tapKey(display(), keysym); }

std::vector<XWindow> GameSession::messageBoxes() const
{
    std::vector<XWindow> boxes;
    for (XWindow window : harness::viewableWindowsNamed(display(), "Blastmap"))
        if (window != m_window)
            boxes.push_back(window);
    return boxes;
}

void GameSession::requestClose() const { harness::sendDeleteWindow(display(), m_window); }

QRect GameSession::geometry() const { return harness::rootGeometry(display(), m_window); }

} // namespace e2e
