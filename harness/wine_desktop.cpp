// Copies the runner's prefix for the desktop's own use and finds wine's X windows by their
// process, title and the frame wine draws in them.
#include "harness/wine_desktop.h"

#include "harness/child_process.h"
#include "harness/window_actions.h"
#include "harness/window_capture.h"
#include "harness/x_desktop.h"
#include "harness/x_windows.h"
#include "harness/xvfb_server.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace harness {
namespace {

namespace fs = std::filesystem;

// The server itself: Debian's wrapper would end it with each program.
constexpr const char* kWineServer = "/usr/lib/wine/wineserver64";
constexpr milliseconds kPrefixTimeout{120000};
constexpr milliseconds kServerTimeout{30000};

// The Motif decorations that wine sets from a window's style, although no window manager reads
// them here: wine draws the frame they describe into the X window itself.
constexpr unsigned long kMotifDecorations = 1u << 1;
constexpr unsigned long kBorder = 1u << 1;
constexpr unsigned long kTitle = 1u << 3;
// Wine's frame metrics at 96 dots per inch, as measured on its windows here: the fixed frame of a
// window that cannot be resized (the game's, a message box's) and the caption with its line
// below. A sizing frame is wider; no window of the game has one.
constexpr int kFixedFrame = 3;
constexpr int kCaption = 19;

struct Frame {
    int side = 0;
    int top = 0;
};

Frame frameOf(Display* display, XWindow window)
{
    const std::vector<unsigned long> hints =
        longProperty(display, window, "_MOTIF_WM_HINTS", "_MOTIF_WM_HINTS");
    if (hints.size() < 3 || !(hints[0] & kMotifDecorations))
        return {};
    const unsigned long decorations = hints[2];
    Frame frame;
    frame.side = (decorations & kBorder) ? kFixedFrame : 0;
    frame.top = frame.side + ((decorations & kTitle) ? kCaption : 0);
    return frame;
}

// The parent of a process, from /proc; 0 once it is gone.
pid_t parentOf(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // pid (command) state ppid ...: the command may hold spaces and parentheses.
    const std::size_t end = line.rfind(')');
    if (end == std::string::npos)
        return 0;
    std::istringstream rest(line.substr(end + 1));
    std::string state;
    pid_t parent = 0;
    rest >> state >> parent;
    return parent;
}

// Whether the process is the program or was started under it: a loader or a runner may start
// the Windows program as a child of its own.
bool startedBy(pid_t process, pid_t program)
{
    for (pid_t pid = process; pid > 1; pid = parentOf(pid))
        if (pid == program)
            return true;
    return false;
}

void run(const std::vector<std::string>& command, const std::vector<std::string>& environment,
         milliseconds timeout)
{
    ChildProcess::Options options;
    options.environment = environment;
    options.output = ChildProcess::Output::Capture;
    options.errors = ChildProcess::Output::Capture;
    ChildProcess child(command, options);
    const std::optional<int> status = child.waitForExit(timeout);
    if (!status || *status != 0)
        throw std::runtime_error(command.front() + " " + command.back() + " " +
                                 (status ? describeWaitStatus(*status) : "did not end in time") +
                                 ": " + child.errors());
}

bool hardLink(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::create_hard_link(from, to, error);
    return !error;
}

// A copy that shares the template's system libraries where both lie on one file system: nothing
// writes them but an update of wine, and they are nine tenths of the prefix.
void copyPrefix(const fs::path& from, const fs::path& to)
{
    const std::string libraries = "drive_c/windows/system32/";
    fs::create_directory(to);
    // Links are copied as links: the prefix's drive letters point at / and at its drive_c.
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
        const fs::path relative = entry.path().lexically_relative(from);
        if (entry.is_symlink())
            fs::copy_symlink(entry.path(), to / relative);
        else if (entry.is_directory())
            fs::create_directory(to / relative);
        else if (!relative.string().starts_with(libraries) ||
                 !hardLink(entry.path(), to / relative))
            fs::copy_file(entry.path(), to / relative);
    }
}

// Where the server of a prefix keeps its socket and lock, and leaves the lock when it ends:
// Debian's wine names a directory of the temporary folder in the prefix's file "wineserver", and
// each server has one inside it named after the prefix's device and inode.
fs::path serverDirectory(const fs::path& prefix)
{
    std::string parent;
    std::getline(std::ifstream(prefix / "wineserver"), parent);
    struct stat status {};
    if (parent.empty() || stat(prefix.c_str(), &status) != 0)
        return {};
    std::ostringstream name;
    name << "server-" << std::hex << status.st_dev << "-" << status.st_ino;
    return fs::temp_directory_path() / parent / name.str();
}

fs::path makeOwnDirectory()
{
    std::string pattern = (fs::temp_directory_path() / "harness-wine-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a directory for a wine prefix");
    return pattern;
}

} // namespace

WineDesktop::WineDesktop(QSize screen, Setup setup)
    : m_x(std::make_unique<XDesktop>(screen))
    , m_setup(std::move(setup))
{
    // The runner makes the template once, whichever test asks first.
    run({m_setup.runner.string(), "--prefix", m_setup.templatePrefix.string(), "--make-prefix"}, {},
        kPrefixTimeout);
    m_prefix = makeOwnDirectory() / "prefix";
    try {
        copyPrefix(m_setup.templatePrefix, m_prefix);
        ChildProcess::Options options;
        options.environment = clientEnvironment();
        options.output = ChildProcess::Output::Discard;
        options.errors = ChildProcess::Output::Discard;
        options.deathSignal = SIGTERM;
        // In the foreground, as a child of this process that ends with it; up between programs.
        m_wineServer = std::make_unique<ChildProcess>(
            std::vector<std::string>{kWineServer, "--foreground", "--persistent"}, options);
        // Wine's own services start with the session's first program: here rather than in the
        // program's start, which the checks time.
        run(launchCommand({"wineboot.exe"}), clientEnvironment(), kPrefixTimeout);
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(m_prefix.parent_path(), ignored);
        throw;
    }
}

WineDesktop::~WineDesktop()
{
    const fs::path serverLock = serverDirectory(m_prefix);
    try {
        run({kWineServer, "--kill"}, clientEnvironment(), kServerTimeout);
    } catch (const std::exception&) {
        // The server ends below all the same.
    }
    m_wineServer->terminate(kServerTimeout);
    // The prefix first: a wine process that outlived the kill finds no prefix to start a server
    // of its own in, which would make the lock directory again.
    std::error_code ignored;
    fs::remove_all(m_prefix.parent_path(), ignored);
    if (!serverLock.empty())
        fs::remove_all(serverLock, ignored);
}

const XvfbServer& WineDesktop::server() const { return m_x->server(); }

std::vector<std::string> WineDesktop::clientEnvironment() const
{
    return {m_x->server().displayVariable(), "WINEPREFIX=" + m_prefix.string()};
}

std::vector<std::string> WineDesktop::launchCommand(std::vector<std::string> program) const
{
    std::vector<std::string> command = {m_setup.runner.string(), "--prefix", m_prefix.string()};
    command.insert(command.end(), program.begin(), program.end());
    return command;
}

std::vector<TopLevel> WineDesktop::topLevels(pid_t program, const std::string& title) const
{
    std::vector<TopLevel> found;
    // Every wine process has a hidden window of the same class, and wine's own processes have
    // windows too: only the program's shown ones count.
    for (XWindow window : topLevelWindows(display())) {
        if (!isViewable(display(), window) || windowName(display(), window) != title)
            continue;
        const std::optional<pid_t> owner = processOf(display(), window);
        if (!owner || !startedBy(*owner, program))
            continue;
        const Frame frame = frameOf(display(), window);
        found.push_back({window, rootGeometry(display(), window)
                                     .adjusted(frame.side, frame.top, -frame.side, -frame.side)});
    }
    return found;
}

QImage WineDesktop::capture(const TopLevel& window, const QRect& area) const
{
    const QRect whole = rootGeometry(display(), window.id);
    if (whole.isEmpty())
        return {};
    return captureArea(display(), window.id,
                       area.translated(window.clientArea.topLeft() - whole.topLeft()));
}

void WineDesktop::moveTo(QPoint rootPoint) const { m_x->moveTo(rootPoint); }

void WineDesktop::clickAt(QPoint rootPoint) const { m_x->clickAt(rootPoint); }

void WineDesktop::requestClose(const TopLevel& window) const
{
    sendDeleteWindow(display(), window.id);
}

QPoint WineDesktop::parkingPoint() const { return m_x->parkingPoint(); }

} // namespace harness
