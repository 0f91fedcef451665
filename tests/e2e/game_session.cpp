// Launches the game on its desktop and finds its window among those the desktop shows.
#include "tests/e2e/game_session.h"

#include "tests/e2e/chosen_desktop.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/scene_view.h"

#include <QString>
#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace e2e {
namespace {

// Room for the window at scale 2.
constexpr QSize kScreenSize{1280, 1024};
constexpr const char* kTitle = "Blastmap";

constexpr std::size_t kFramesReported = 4;
constexpr std::size_t kLinesReported = 30;

// The last `count` lines of a text, each indented.
std::string lastLines(const std::string& text, std::size_t count)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back("    " + line + "\n");
    if (lines.empty())
        return "    (nothing)\n";
    std::string result;
    for (std::size_t i = lines.size() > count ? lines.size() - count : 0; i < lines.size(); ++i)
        result += lines[i];
    return result;
}

} // namespace

GameSession::GameSession()
    : GameSession(Options{})
{
}

GameSession::GameSession(const Options& options)
    : m_ownDesktop(options.desktop ? nullptr : startChosenDesktop(kScreenSize))
    , m_desktop(options.desktop ? options.desktop : m_ownDesktop.get())
    , m_scale(options.scale)
    , m_sessionBus(options.sessionBus)
{
    // The pointer rests off the window until a test moves it, as a player's would.
    moveTo(m_desktop->parkingPoint());
    std::vector<std::string> command = options.launcher;
    // The build beside the tests, unless the environment names another build to check.
    const char* program = std::getenv("BLASTMAP_E2E_PROGRAM");
    for (const std::string& part :
         m_desktop->launchCommand({program && *program ? program : BLASTMAP_EXECUTABLE}))
        command.push_back(part);
    m_launchedAt = Clock::now();
    harness::ChildProcess::Options game;
    game.environment = environment();
    game.errors = harness::ChildProcess::Output::Capture;
    m_game = std::make_unique<harness::ChildProcess>(command, game);
    if (!waitUntil(
            options.startTimeout, [this] { return !m_game->running() || findWindow(); },
            milliseconds(50)))
        throw std::runtime_error("the game window never showed the map");
    if (!m_game->running())
        throw std::runtime_error(
            "the game " + harness::describeWaitStatus(*m_game->waitForExit(milliseconds(0))) +
            " before its window showed; its standard error, the last lines:\n" +
            lastLines(m_game->errors(), kLinesReported));
}

GameSession::~GameSession() = default;

Display* GameSession::display() const { return m_desktop->display(); }

std::vector<std::string> GameSession::environment() const
{
    std::vector<std::string> variables = {"QT_SCALE_FACTOR=" +
                                          QString::number(m_scale).toStdString()};
    // With no session bus given, D-Bus would autolaunch one through the display and leave it
    // running.
    if (!m_sessionBus)
        variables.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus");
    for (const std::string& variable : m_desktop->clientEnvironment())
        variables.push_back(variable);
    return variables;
}

std::vector<harness::TopLevel> GameSession::windowsOfTheGame() const
{
    std::vector<harness::TopLevel> windows = m_desktop->topLevels(m_game->pid(), kTitle);
    std::erase_if(windows, [](const harness::TopLevel& window) {
        return window.clientArea.width() <= 1 || window.clientArea.height() <= 1;
    });
    return windows;
}

bool GameSession::findWindow()
{
    for (const harness::TopLevel& candidate : windowsOfTheGame()) {
        // The message boxes are smaller.
        if (candidate.clientArea.size() != kClientSize * m_scale)
            continue;
        m_window = candidate;
        const QImage screen = capture();
        if (!screen.isNull() && mapIsDrawn(screen.scaled(kClientSize)))
            return true;
    }
    m_window = {};
    return false;
}

QImage GameSession::capture() const { return capture(QRect(QPoint(), kClientSize * m_scale)); }

QImage GameSession::capture(const QRect& area) const
{
    QImage pixels = m_desktop->capture(m_window, area);
    const Frame frame{msSince(m_launchedAt), area, pixels};
    m_recentFrames.push_back(frame);
    if (m_recentFrames.size() > kFramesReported)
        m_recentFrames.pop_front();
    if (area == QRect(QPoint(), kClientSize * m_scale))
        m_lastWholeFrame = frame;
    return pixels;
}

std::string GameSession::report(const std::string& name) const
{
    std::ostringstream text;
    const std::optional<int> status = m_game->waitForExit(milliseconds(0));
    text << (status ? "the game " + harness::describeWaitStatus(*status) : "the game runs") << ", "
         << msSince(m_launchedAt) << " ms after its launch\n";
    text << "its standard error, the last lines:\n" << lastLines(m_game->errors(), kLinesReported);
    const auto describeFrame = [&](const Frame& frame) {
        text << "  at " << frame.atMs << " ms, " << frame.area.width() << "x" << frame.area.height()
             << " at " << frame.area.x() << "," << frame.area.y() << ": ";
        if (frame.pixels.isNull())
            text << "nothing read back\n";
        else if (frame.pixels.size() == kClientSize)
            text << describeScreen(frame.pixels) << "\n";
        else
            text << "a part of the client area\n";
    };
    text << "the last captures:\n";
    for (const Frame& frame : m_recentFrames)
        describeFrame(frame);
    if (m_lastWholeFrame && !m_lastWholeFrame->pixels.isNull()) {
        text << "the last capture of the game's whole part:\n";
        describeFrame(*m_lastWholeFrame);
        const std::string path = name + ".png";
        if (m_lastWholeFrame->pixels.save(QString::fromStdString(path)))
            text << "  saved as " << path << "\n";
    }
    if (const std::string log = m_desktop->log(); !log.empty())
        text << "the desktop's log, the last lines:\n" << lastLines(log, kLinesReported);
    return text.str();
}

void GameSession::clickAt(QPoint windowPoint) const
{
    m_desktop->clickAt(geometry().topLeft() + windowPoint);
}

void GameSession::moveTo(QPoint rootPoint) const { m_desktop->moveTo(rootPoint); }

void GameSession::dragTo(QPoint rootPoint) const { m_desktop->dragTo(rootPoint); }

void GameSession::tapKey(XKeySym keysym) const { m_desktop->tapKey(keysym); }

void GameSession::tapChord(std::initializer_list<XKeySym> keysyms) const
{
    m_desktop->tapChord(keysyms);
}

std::vector<GameWindowId> GameSession::messageBoxes() const
{
    std::vector<GameWindowId> boxes;
    for (const harness::TopLevel& window : windowsOfTheGame())
        if (window.id != m_window.id)
            boxes.push_back(window.id);
    return boxes;
}

bool GameSession::anyWindowShows() const { return !windowsOfTheGame().empty(); }

void GameSession::requestClose() const { m_desktop->requestClose(m_window); }

void GameSession::requestClose(GameWindowId window) const
{
    for (const harness::TopLevel& shown : windowsOfTheGame())
        if (shown.id == window)
            m_desktop->requestClose(shown);
}

bool GameSession::waitForGeometry(const std::function<bool(const QRect&)>& condition,
                                  milliseconds timeout)
{
    return waitUntil(
        timeout,
        [&] {
            QRect seen;
            for (const harness::TopLevel& window : windowsOfTheGame())
                if (window.id == m_window.id)
                    seen = window.clientArea;
            if (!seen.isEmpty())
                m_window.clientArea = seen;
            return condition(seen);
        },
        pollPace());
}

milliseconds GameSession::pollPace() const { return m_desktop->pollPace(); }

} // namespace e2e
