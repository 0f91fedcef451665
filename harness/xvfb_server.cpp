// Starts Xvfb on a display of its own choosing and connects to it once it says which.
#include "harness/xvfb_server.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace harness {
namespace {

constexpr milliseconds kStartTimeout{30000};
constexpr milliseconds kStopGrace{5000};

// The line that the server writes on its -displayfd descriptor once it accepts connections;
// empty if it ends or falls silent first.
std::string readDisplayNumber(int fd, ChildProcess& server)
{
    std::string line;
    const Clock::time_point deadline = Clock::now() + kStartTimeout;
    while (Clock::now() < deadline) {
        pollfd watched{fd, POLLIN, 0};
        const int ready = poll(&watched, 1, 100);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0) {
            if (!server.running())
                break;
            continue;
        }
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        if (c == '\n')
            return line;
        line += c;
    }
    return {};
}

} // namespace

XvfbServer::XvfbServer(QSize screen, int depth)
    : m_screen(screen)
{
    // The server takes the first display that is free and tells which on this pipe: servers
    // that start side by side never race for one.
    int report[2] = {-1, -1};
    if (pipe2(report, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe for Xvfb");
    const std::string size = std::to_string(screen.width()) + "x" +
                             std::to_string(screen.height()) + "x" + std::to_string(depth);
    ChildProcess::Options options;
    options.output = ChildProcess::Output::Discard;
    options.errors = ChildProcess::Output::Capture;
    options.keptDescriptors = {report[1]};
    // So that a server whose test is killed still removes its lock file.
    options.deathSignal = SIGTERM;
    // -noreset keeps the server as it is when a program's last connection closes, so that
    // every program finds it ready.
    try {
        m_server = std::make_unique<ChildProcess>(
            std::vector<std::string>{"/usr/bin/Xvfb", "-displayfd", std::to_string(report[1]),
                                     "-screen", "0", size, "-noreset", "-nolisten", "tcp"},
            options);
    } catch (const std::exception&) {
        close(report[0]);
        close(report[1]);
        throw;
    }
    close(report[1]);
    const std::string number = readDisplayNumber(report[0], *m_server);
    close(report[0]);
    if (number.empty()) {
        m_server->terminate(kStopGrace);
        throw std::runtime_error("Xvfb named no display: " + m_server->errors());
    }
    m_name = ":" + number;
    try {
        m_connection = std::make_unique<XConnection>(m_name);
    } catch (const std::exception&) {
        m_server->terminate(kStopGrace);
        throw;
    }
}

XvfbServer::~XvfbServer()
{
    m_connection.reset();
    // Xvfb removes its lock file and socket on SIGTERM, not on SIGKILL.
    m_server->terminate(kStopGrace);
}

} // namespace harness
