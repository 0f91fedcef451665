// Writes Weston's configuration into a fresh runtime directory, starts it and polls until its
// socket, output window and drawn desktop are there; reads the scene graph through weston-debug.
#include "harness/weston_session.h"

#include "harness/polling.h"
#include "harness/window_actions.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"
#include "harness/x_windows.h"
#include "harness/xvfb_server.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace harness {
namespace {

constexpr milliseconds kStartTimeout{30000};
constexpr milliseconds kQueryTimeout{10000};
constexpr milliseconds kStopGrace{5000};
constexpr const char* kSocket = "harness-weston";
constexpr const char* kConfiguration = "weston.ini";
constexpr const char* kLog = "weston.log";
// The x11 backend's window is called after the output, in _NET_WM_NAME alone.
constexpr const char* kOutputWindowName = "Weston Compositor - screen0";

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
bool showsGlyph(const QImage& square, WestonSession::Glyph glyph)
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
    if (glyph == WestonSession::Glyph::Cross)
        return dark(middle, middle);
    return !dark(middle, middle) && darkToward(1, 0) && darkToward(-1, 0) && darkToward(0, 1) &&
           darkToward(0, -1);
}

// Nothing on the desktop changes by itself: no panel with a clock, no fading or animation, no
// screen lock, no idle blanking, no on-screen keyboard (an empty input method path).
std::string configuration(QSize output)
{
    std::ostringstream text;
    text << "[core]\nidle-time=0\nrequire-input=false\n\n"
         << "[shell]\npanel-position=none\nbackground-color=0x" << std::hex
         << (0xff000000u | WestonSession::kBackground) << std::dec << "\nlocking=false\n"
         << "animation=none\nclose-animation=none\nstartup-animation=none\nfocus-animation=none\n\n"
         << "[input-method]\npath=\n\n"
         << "[output]\nname=screen0\nmode=" << output.width() << "x" << output.height()
         << "\nscale=1\n";
    return text.str();
}

// A directory only this user may enter, as Wayland wants its runtime directory.
std::string makeRuntimeDirectory()
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "harness-weston-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a runtime directory for Weston");
    return pattern;
}

XWindow findOutputWindow(Display* display)
{
    for (XWindow window : topLevelWindows(display))
        if (isViewable(display, window) && netWmName(display, window) == kOutputWindowName)
            return window;
    return 0;
}

bool showsBackground(Display* display, XWindow outputWindow, QSize output)
{
    const QImage corner = captureArea(
        display, outputWindow, QRect(QPoint(output.width() - 1, output.height() - 1), QSize(1, 1)));
    return !corner.isNull() && (corner.pixel(0, 0) & 0xffffff) == WestonSession::kBackground;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

WestonSession::WestonSession(const XvfbServer& server, QSize output,
                             std::vector<std::string> clientExtras)
    : m_server(server)
    , m_outputSize(output)
    , m_runtimeDirectory(makeRuntimeDirectory())
    , m_clientExtras(std::move(clientExtras))
{
    const std::filesystem::path directory(m_runtimeDirectory);
    std::ofstream(directory / kConfiguration) << configuration(output);
    ChildProcess::Options options;
    // An inherited WAYLAND_DISPLAY would make Weston nest in another compositor.
    options.environment = {server.displayVariable(), "XDG_RUNTIME_DIR=" + m_runtimeDirectory,
                           "WAYLAND_DISPLAY", "WAYLAND_SOCKET"};
    // Weston writes to its log instead.
    options.output = ChildProcess::Output::Discard;
    options.errors = ChildProcess::Output::Discard;
    // So that Weston removes its socket when the test that started it is killed.
    options.deathSignal = SIGTERM;
    try {
        m_weston = std::make_unique<ChildProcess>(
            std::vector<std::string>{"/usr/bin/weston", "--backend=x11-backend.so", "--use-pixman",
                                     "--config=" + (directory / kConfiguration).string(),
                                     std::string("--socket=") + kSocket, "--debug",
                                     "--log=" + (directory / kLog).string()},
            options);
        const bool ready = waitUntil(
            kStartTimeout,
            [&] {
                if (!m_weston->running())
                    return true;
                if (!std::filesystem::is_socket(directory / kSocket))
                    return false;
                m_outputWindow = findOutputWindow(server.display());
                // Last comes the background, which the desktop shell's own client draws. Read
                // off the screen: a scene graph query would start a program at every poll.
                return m_outputWindow && showsBackground(server.display(), m_outputWindow, output);
            },
            milliseconds(20));
        if (!m_weston->running())
            throw std::runtime_error("Weston ended at its start: " + log());
        if (!ready)
            throw std::runtime_error("Weston did not come up in time: " + log());
        const QRect outputArea = rootGeometry(server.display(), m_outputWindow);
        m_outputOrigin = outputArea.topLeft();
        // The screen's bottom-right corner, the last place the output window could cover.
        m_parkingPoint = QPoint(server.screenSize().width() - 1, server.screenSize().height() - 1);
        if (outputArea.contains(m_parkingPoint))
            throw std::runtime_error("the X screen has no room beside Weston's output");
    } catch (...) {
        m_weston.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_runtimeDirectory, ignored);
        throw;
    }
    parkPointer();
    // Keys then reach Weston wherever the pointer is.
    focusWindow(server.display(), m_outputWindow);
}

WestonSession::~WestonSession()
{
    m_weston->terminate(kStopGrace);
    std::error_code ignored;
    std::filesystem::remove_all(m_runtimeDirectory, ignored);
}

std::vector<std::string> WestonSession::clientEnvironment() const
{
    std::vector<std::string> variables = {"XDG_RUNTIME_DIR=" + m_runtimeDirectory,
                                          std::string("WAYLAND_DISPLAY=") + kSocket,
                                          "QT_QPA_PLATFORM=wayland", "DISPLAY", "WAYLAND_SOCKET"};
    variables.insert(variables.end(), m_clientExtras.begin(), m_clientExtras.end());
    return variables;
}

std::vector<TopLevel> WestonSession::topLevels(pid_t program, const std::string& title) const
{
    std::vector<TopLevel> found;
    for (const WestonToplevel& toplevel : toplevels())
        if (toplevel.pid == program && toplevel.title == title)
            found.push_back({toplevel.surfaceId, toplevel.opaque.translated(m_outputOrigin)});
    return found;
}

QImage WestonSession::capture(const TopLevel& window, const QRect& area) const
{
    return captureArea(m_server.display(), m_outputWindow,
                       area.translated(window.clientArea.topLeft() - m_outputOrigin));
}

void WestonSession::clickAt(QPoint rootPoint) const
{
    pointAt(rootPoint);
    clickButton(m_server.display());
    parkPointer();
}

void WestonSession::requestClose(const TopLevel& window) const
{
    clickTitleBarButton(window.id, kCloseButton, Glyph::Cross);
}

std::optional<WestonToplevel> WestonSession::toplevel(unsigned long surfaceId) const
{
    for (const WestonToplevel& toplevel : toplevels())
        if (toplevel.surfaceId == surfaceId)
            return toplevel;
    return std::nullopt;
}

void WestonSession::clickMaximiseButton(unsigned long surfaceId) const
{
    clickTitleBarButton(surfaceId, kMaximiseButton, Glyph::HollowBox);
}

void WestonSession::clickTitleBar(unsigned long surfaceId) const
{
    clickAt(titleBarPoint(surfaceId));
}

QPoint WestonSession::titleBarPoint(unsigned long surfaceId) const
{
    return m_outputOrigin + shownToplevel(surfaceId).surface.topLeft() + kTitleBarSpot;
}

WestonToplevel WestonSession::shownToplevel(unsigned long surfaceId) const
{
    const std::optional<WestonToplevel> shown = toplevel(surfaceId);
    if (!shown)
        throw std::runtime_error("the window with a title bar to press is gone");
    return *shown;
}

void WestonSession::clickTitleBarButton(unsigned long surfaceId, QPoint fromTopRight,
                                        Glyph glyph) const
{
    // A window shows in the scene graph before the compositor has drawn it at its place: the
    // button is pressed once its glyph shows there.
    QPoint middle;
    const bool shown = waitUntil(
        kButtonTimeout,
        [&] {
            const QRect surface = shownToplevel(surfaceId).surface;
            middle = QPoint(surface.x() + surface.width(), surface.y()) + fromTopRight;
            return showsGlyph(captureArea(m_server.display(), m_outputWindow,
                                          QRect(middle - QPoint(kGlyphReach, kGlyphReach),
                                                QSize(2, 2) * kGlyphReach + QSize(1, 1))),
                              glyph);
        },
        pollPace());
    if (!shown)
        throw std::runtime_error("the title bar shows no such button at " +
                                 std::to_string(middle.x()) + "," + std::to_string(middle.y()));
    clickAt(m_outputOrigin + middle);
}

void WestonSession::pointAt(QPoint rootPoint) const
{
    parkPointer();
    movePointer(m_server.display(), rootPoint);
}

void WestonSession::parkPointer() const { movePointer(m_server.display(), m_parkingPoint); }

std::vector<WestonToplevel> WestonSession::toplevels() const
{
    return parseToplevels(sceneGraph());
}

std::string WestonSession::log() const
{
    return readFile(std::filesystem::path(m_runtimeDirectory) / kLog);
}

std::string WestonSession::sceneGraph() const
{
    ChildProcess::Options options;
    options.environment = clientEnvironment();
    options.output = ChildProcess::Output::Capture;
    // Its warning that the debugging protocol is on, every time.
    options.errors = ChildProcess::Output::Discard;
    ChildProcess query({"/usr/bin/weston-debug", "scene-graph"}, options);
    if (!query.waitForExit(kQueryTimeout))
        throw std::runtime_error("weston-debug did not answer in time");
    return query.output();
}

} // namespace harness
