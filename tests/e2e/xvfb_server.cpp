// Picks a display nobody uses, starts Xvfb on it and waits until it answers, with a deadline.
#include "tests/e2e/xvfb_server.h"

#include <X11/Xlib.h>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace e2e {
namespace {

constexpr int kFirstDisplay = 100;
constexpr int kDisplayRange = 400;
constexpr int kAttempts = 40;
constexpr milliseconds kStartTimeout{30000};

std::string lockFile(int number) { return "/tmp/.X" + std::to_string(number) + "-lock"; }

bool lockExists(int number) { return access(lockFile(number).c_str(), F_OK) == 0; }

bool somebodyAnswers(const std::string& name)
{
    Display* display = XOpenDisplay(name.c_str());
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

// The pid written in the display's lock file by the server that holds it.
pid_t lockOwner(int number)
{
    std::ifstream lock(lockFile(number));
    long pid = -1;
    lock >> pid;
    return static_cast<pid_t>(pid);
}

// Errors on windows that have just gone away are expected; Xlib's default handler would exit.
int ignoreError(Display*, XErrorEvent*) { return 0; }

} // namespace

XvfbServer::XvfbServer()
{
    XSetErrorHandler(ignoreError);
    // Tests run side by side: each process starts looking at a different display.
    const int start = static_cast<int>(getpid() % kDisplayRange);
    for (int i = 0; i < kAttempts; ++i) {
        if (tryDisplay(kFirstDisplay + (start + i) % kDisplayRange))
            return;
    }
    throw std::runtime_error("no Xvfb server could be started");
}

XvfbServer::~XvfbServer()
{
    if (m_display)
        XCloseDisplay(m_display);
    // Xvfb removes its lock file and socket on SIGTERM, not on SIGKILL.
    if (m_server)
        m_server->terminate(milliseconds(5000));
}

bool XvfbServer::tryDisplay(int number)
{
    const std::string name = ":" + std::to_string(number);
    if (lockExists(number) || somebodyAnswers(name))
        return false;
    auto server = std::make_unique<ChildProcess>(
        std::vector<std::string>{"/usr/bin/Xvfb", name, "-screen", "0", "1280x1024x24", "-noreset",
                                 "-nolisten", "tcp"},
        std::vector<std::string>{}, true);
    Display* display = nullptr;
    // Another test may take the same display at the same moment: then our server exits, or the
    // server that answers is not ours, and the next display is tried.
    waitUntil(
        kStartTimeout,
        [&] {
            if (!server->running())
                return true;
            display = XOpenDisplay(name.c_str());
            if (display && lockOwner(number) != server->pid()) {
                XCloseDisplay(display);
                display = nullptr;
            }
            return display != nullptr;
        },
        milliseconds(50));
    if (!display) {
        server->terminate(milliseconds(5000));
        return false;
    }
    m_name = name;
    m_server = std::move(server);
    m_display = display;
    return true;
}

} // namespace e2e
