#include "bench/driver/child.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

Child::Child(const std::vector<std::string>& argv, bool captureOutput)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    if (captureOutput && pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (captureOutput)
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    // Qt's warnings about the bare X server say nothing about the figures.
    if (!captureOutput)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    m_started = std::chrono::steady_clock::now();
    const int error = posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (captureOutput) {
        close(pipeFds[1]);
        m_outputFd = pipeFds[0];
    }
    if (error != 0)
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(error));
}

Child::~Child()
{
    if (!m_reaped)
        terminate();
    if (m_outputFd >= 0)
        close(m_outputFd);
}

int Child::terminate()
{
    if (m_reaped)
        return m_status;
    kill(m_pid, SIGTERM);
    return wait();
}

int Child::wait()
{
    if (m_reaped)
        return m_status;
    if (m_outputFd >= 0) {
        char buffer[4096];
        for (;;) {
            const ssize_t n = read(m_outputFd, buffer, sizeof buffer);
            if (n > 0)
                m_output.append(buffer, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                break;
        }
    }
    // wait4's usage counts to the microsecond, where /proc counts in clock ticks.
    rusage usage{};
    while (wait4(m_pid, &m_status, 0, &usage) < 0 && errno == EINTR) {
    }
    m_reaped = true;
    m_cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return m_status;
}

} // namespace bench
