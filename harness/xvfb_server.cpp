// Picks a display nobody uses, starts Xvfb on it and waits until it answers, with a deadline.
#include "harness/xvfb_server.h"

#include <X11/Xlib.h>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace harness {
namespace {

constexpr int kFirstDisplay = 100;
constexpr int kDisplayRange = 400;
constexpr int kAttempts = 40;
constexpr milliseconds kStartTimeout{30000};
constexpr milliseconds kStopGrace{5000};

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

} // namespace

XvfbServer::XvfbServer(QSize screen, int depth)
    : m_screen(screen)
{
    // Servers start side by side, one for each test process: each process starts looking at a
    // different display.
    const int start = static_cast<int>(getpid() % kDisplayRange);
    for (int i = 0; i < kAttempts; ++i) {
        if (tryDisplay(kFirstDisplay + (start + i) % kDisplayRange, depth))
            return;
    }
    throw std::runtime_error("no Xvfb server could be started");
}

XvfbServer::~XvfbServer()
{
    m_connection.reset();
    // Xvfb removes its lock file and socket on SIGTERM, not on SIGKILL.
    m_server->terminate(kStopGrace);
}

bool XvfbServer::tryDisplay(int number, int depth)
{
    // Appended rather than concatenated: GCC 12 at -O3 takes ":" + std::string for an
    // overlapping copy (-Wrestrict).
    std::string name = ":";
    name += std::to_string(number);
    if (lockExists(number) || somebodyAnswers(name))
        return false;
    const std::string screen = std::to_string(m_screen.width()) + "x" +
                               std::to_string(m_screen.height()) + "x" + std::to_string(depth);
    ChildProcess::Options options;
    options.output = ChildProcess::Output::Discard;
    options.errors = ChildProcess::Output::Discard;
    // So that a server whose test is killed still removes its lock file.
    options.deathSignal = SIGTERM;
    auto server = std::make_unique<ChildProcess>(
        std::vector<std::string>{"/usr/bin/Xvfb", name, "-screen", "0", screen, "-noreset",
                                 "-nolisten", "tcp"},
        options);
    Display* display = nullptr;
    // Another process may take the same display at the same moment: then our server exits, or
    // the server that answers is not ours, and the next display is tried.
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
        server->terminate(kStopGrace);
        return false;
    }
    m_name = name;
    m_server = std::move(server);
    m_connection = std::make_unique<XConnection>(display);
    return true;
}

} // namespace harness
