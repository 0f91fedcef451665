// Launches the game on the private display or compositor and finds its window, as a window
// manager does in plain X and through the compositor's scene graph under Weston.
#include "tests/e2e/game_session.h"

#include "harness/weston_session.h"
#include "harness/window_actions.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"
#include "harness/x_windows.h"
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
// The middles of the close and maximise buttons of Qt's own title bar (its "bradient"
// decoration): 18 pixels square, 8 pixels from the right edge and 5 apart, in a bar 30 high.
constexpr QPoint kCloseButton{-17, 15};
constexpr QPoint kMaximiseButton{-40, 15};
// How far a glyph reaches from its button's middle, at most.
constexpr int kGlyphReach = 8;
constexpr milliseconds kButtonTimeout{5000};
// Between the window icon and the caption.
constexpr QPoint kTitleBarSpot{50, 15};

// Whether a square around a title bar button's middle shows its glyph: a hollow box around the
// middle, or a cross through it.
bool showsGlyph(const QImage& square, GameSession::Glyph glyph)
{
    if (square.isNull())
        return false;
    const int middle = square.width() / 2;
    const auto dark = [&](int x, int y) { return qGray(square.pixel(x, y)) < 100; };
    const auto darkToward = [&](int dx, int dy) {
        for (int step = 1; step <= middle; ++step)
            if (dark(middle + dx * step, middle + dy * step))
                return true;
        return false;
    };
    if (glyph == GameSession::Glyph::Cross)
        return dark(middle, middle);
    return !dark(middle, middle) && darkToward(1, 0) && darkToward(-1, 0) && darkToward(0, 1) &&
           darkToward(0, -1);
}

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
    : m_compositor(options.compositor)
    , m_scale(options.scale)
    , m_sessionBus(options.sessionBus)
{
    if (m_compositor) {
        m_server = &m_compositor->server();
    } else {
        m_ownServer = std::make_unique<harness::XvfbServer>(kScreenSize);
        m_server = m_ownServer.get();
    }
    if (!harness::hasXTest(display()))
        throw std::runtime_error("the X server has no XTest extension");
    // The pointer rests off the window until a test moves it, as a player's would.
    moveTo(parkingPoint());
    std::vector<std::string> command = options.launcher;
    // The build beside the tests, unless the environment names another build to check.
    const char* program = std::getenv("BLASTMAP_E2E_PROGRAM");
    command.emplace_back(program && *program ? program : BLASTMAP_EXECUTABLE);
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
        throw std::runtime_error("the game ended before its window showed");
}

std::vector<std::string> GameSession::environment() const
{
    std::vector<std::string> variables = {"QT_SCALE_FACTOR=" +
                                          QString::number(m_scale).toStdString()};
    // With no session bus given, D-Bus would autolaunch one through the display and leave it
    // running.
    if (!m_sessionBus)
        variables.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus");
    if (m_compositor) {
        // Qt's Wayland platform, with no X display to fall back on. In a sanitizer build, what
        // that platform leaves at exit is not the game's leak; the slow unwinder finds the
        // frames that tell the two apart.
        variables.insert(variables.end(), {"QT_QPA_PLATFORM=wayland", "DISPLAY", "WAYLAND_SOCKET",
                                           "LSAN_OPTIONS=fast_unwind_on_malloc=0:"
                                           "suppressions=" BLASTMAP_WAYLAND_LEAK_SUPPRESSIONS});
        for (const std::string& variable : m_compositor->clientEnvironment())
            variables.push_back(variable);
    } else {
        // The real X11 platform, whatever the test's own environment asks of Qt.
        variables.insert(variables.end(), {m_server->displayVariable(), "QT_QPA_PLATFORM=xcb"});
    }
    return variables;
}

bool GameSession::findWindow()
{
    if (m_compositor)
        return findWestonWindow();
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

bool GameSession::findWestonWindow()
{
    for (const harness::WestonToplevel& toplevel : toplevelsOfTheGame()) {
        // The message boxes are smaller.
        if (toplevel.opaque.size() != kClientSize * m_scale)
            continue;
        m_clientArea = toplevel.opaque.translated(m_compositor->outputOrigin());
        const QImage screen = capture();
        if (!screen.isNull() && mapIsDrawn(screen.scaled(kClientSize))) {
            m_surfaceId = toplevel.surfaceId;
            return true;
        }
    }
    return false;
}

std::vector<harness::WestonToplevel> GameSession::toplevelsOfTheGame() const
{
    std::vector<harness::WestonToplevel> toplevels = m_compositor->toplevels();
    std::erase_if(toplevels, [this](const harness::WestonToplevel& toplevel) {
        return toplevel.pid != m_game->pid() || toplevel.title != "Blastmap";
    });
    return toplevels;
}

QImage GameSession::capture() const { return capture(QRect(QPoint(), kClientSize * m_scale)); }

QImage GameSession::capture(const QRect& area) const
{
    // Weston's output window at its top-left corner; Xvfb has nothing above it.
    QImage pixels =
        m_compositor ? harness::captureArea(
                           display(), m_compositor->outputWindow(),
                           area.translated(m_clientArea.topLeft() - m_compositor->outputOrigin()))
                     : harness::captureArea(display(), m_window, area);
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
    if (m_compositor)
        text << "Weston's log, the last lines:\n" << lastLines(m_compositor->log(), kLinesReported);
    return text.str();
}

void GameSession::clickAt(QPoint windowPoint) const
{
    moveTo(geometry().topLeft() + windowPoint);
    harness::clickButton(display());
    if (m_compositor)
        moveTo(parkingPoint());
}

void GameSession::moveTo(QPoint rootPoint) const
{
    if (m_compositor)
        m_compositor->pointAt(rootPoint);
    else
        harness::movePointer(display(), rootPoint);
}

void GameSession::dragTo(QPoint rootPoint) const { harness::movePointer(display(), rootPoint); }

void GameSession::tapKey(XKeySym keysym) const { harness::tapKey(display(), keysym); }

void GameSession::tapChord(std::initializer_list<XKeySym> keysyms) const
{
    harness::tapChord(display(), keysyms);
}

std::vector<GameWindowId> GameSession::messageBoxes() const
{
    std::vector<GameWindowId> boxes;
    if (m_compositor) {
        for (const harness::WestonToplevel& toplevel : toplevelsOfTheGame())
            if (toplevel.surfaceId != m_surfaceId)
                boxes.push_back(toplevel.surfaceId);
        return boxes;
    }
    for (XWindow window : harness::viewableWindowsNamed(display(), "Blastmap"))
        if (window != m_window)
            boxes.push_back(window);
    return boxes;
}

void GameSession::requestClose() const
{
    if (m_compositor)
        clickTitleBarButton(m_surfaceId, kCloseButton, Glyph::Cross);
    else
        harness::sendDeleteWindow(display(), m_window);
}

QRect GameSession::geometry() const
{
    return m_compositor ? m_clientArea : harness::rootGeometry(display(), m_window);
}

QRect GameSession::currentGeometry() const
{
    if (!m_compositor)
        return geometry();
    const std::optional<harness::WestonToplevel> shown = toplevel(m_surfaceId);
    return shown ? shown->opaque.translated(m_compositor->outputOrigin()) : QRect();
}

bool GameSession::waitForGeometry(const std::function<bool(const QRect&)>& condition,
                                  milliseconds timeout)
{
    return waitUntil(
        timeout,
        [&] {
            const QRect seen = currentGeometry();
            if (m_compositor && !seen.isEmpty())
                m_clientArea = seen;
            return condition(seen);
        },
        pollPace());
}

std::optional<harness::WestonToplevel> GameSession::toplevel(GameWindowId window) const
{
    if (!m_compositor)
        return std::nullopt;
    for (const harness::WestonToplevel& toplevel : m_compositor->toplevels())
        if (toplevel.surfaceId == window && toplevel.pid == m_game->pid())
            return toplevel;
    return std::nullopt;
}

void GameSession::clickMaximiseButton(GameWindowId window) const
{
    clickTitleBarButton(window, kMaximiseButton, Glyph::HollowBox);
}

void GameSession::clickTitleBar(GameWindowId window) const
{
    moveTo(titleBarPoint(window));
    harness::clickButton(display());
    moveTo(parkingPoint());
}

QPoint GameSession::titleBarPoint(GameWindowId window) const
{
    return m_compositor->outputOrigin() + shownToplevel(window).surface.topLeft() + kTitleBarSpot;
}

harness::WestonToplevel GameSession::shownToplevel(GameWindowId window) const
{
    const std::optional<harness::WestonToplevel> shown = toplevel(window);
    if (!shown)
        throw std::runtime_error("the window with a title bar to press is gone");
    return *shown;
}

void GameSession::clickTitleBarButton(GameWindowId window, QPoint fromTopRight, Glyph glyph) const
{
    // A window shows in the scene graph before the compositor has drawn it at its place: the
    // button is pressed once its glyph shows there.
    QPoint middle;
    const bool shown = waitUntil(
        kButtonTimeout,
        [&] {
            const QRect surface = shownToplevel(window).surface;
            middle = QPoint(surface.x() + surface.width(), surface.y()) + fromTopRight;
            return showsGlyph(harness::captureArea(display(), m_compositor->outputWindow(),
                                                   QRect(middle - QPoint(kGlyphReach, kGlyphReach),
                                                         QSize(2, 2) * kGlyphReach + QSize(1, 1))),
                              glyph);
        },
        pollPace());
    if (!shown)
        throw std::runtime_error("the title bar shows no such button at " +
                                 std::to_string(middle.x()) + "," + std::to_string(middle.y()));
    moveTo(m_compositor->outputOrigin() + middle);
    harness::clickButton(display());
    moveTo(parkingPoint());
}

QPoint GameSession::parkingPoint() const
{
    if (!m_compositor)
        return {kScreenSize.width() - 10, kScreenSize.height() - 14};
    return m_compositor->parkingPoint();
}

} // namespace e2e
