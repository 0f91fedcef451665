// Starts children with fork and execve or with posix_spawn, and reaps them with wait4.
#include "harness/child_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace harness {
namespace {

std::string variableName(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& overrides)
{
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string current(*entry);
        const bool overridden =
            std::any_of(overrides.begin(), overrides.end(), [&](const std::string& o) {
                return variableName(o) == variableName(current);
            });
        if (!overridden)
            merged.push_back(current);
    }
    for (const std::string& entry : overrides)
        if (entry.find('=') != std::string::npos)
            merged.push_back(entry);
    return merged;
}

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (std::string& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

void closeIfOpen(int fd)
{
    if (fd >= 0)
        close(fd);
}

std::runtime_error systemError(const std::string& what, int error)
{
    return std::runtime_error(what + ": " + std::strerror(error));
}

// In the child, after the fork: tells the parent why the program could not be started.
[[noreturn]] void failInChild(int reportFd)
{
    const int error = errno;
    [[maybe_unused]] const ssize_t written = write(reportFd, &error, sizeof error);
    _exit(127);
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv)
    : ChildProcess(argv, Options{})
{
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Options& options)
{
    if (argv.empty())
        throw std::invalid_argument("no program to start");
    // Everything that can fail is prepared before the child is made: after it, the child only
    // sets up its descriptors and executes the program.
    std::vector<std::string> arguments = argv;
    std::vector<std::string> variables = mergedEnvironment(options.environment);
    const std::vector<char*> argp = pointers(arguments);
    const std::vector<char*> envp = pointers(variables);

    const int devNull =
        options.output == Output::Discard ? open("/dev/null", O_WRONLY | O_CLOEXEC) : -1;
    if (options.output == Output::Discard && devNull < 0)
        throw systemError("cannot open /dev/null", errno);
    int outputPipe[2] = {-1, -1};
    if (options.output == Output::Capture && pipe2(outputPipe, O_CLOEXEC) != 0) {
        closeIfOpen(devNull);
        throw systemError("cannot make a pipe", errno);
    }
    m_outputFd = outputPipe[0];
    try {
        if (options.deathSignal != 0)
            forkAndExec(argp.data(), envp.data(), options.deathSignal, devNull, outputPipe[1]);
        else
            spawn(argp.data(), envp.data(), devNull, outputPipe[1]);
    } catch (const std::exception&) {
        closeIfOpen(devNull);
        closeIfOpen(outputPipe[1]);
        closeOutput();
        throw;
    }
    closeIfOpen(devNull);
    closeIfOpen(outputPipe[1]);
}

void ChildProcess::forkAndExec(char* const argv[], char* const envp[], int deathSignal, int devNull,
                               int outputFd)
{
    // A successful execve closes the write end of this pipe, so an empty read tells the parent
    // that the program runs; a failing child writes its errno there instead.
    int execReport[2] = {-1, -1};
    if (pipe2(execReport, O_CLOEXEC) != 0)
        throw systemError("cannot make a pipe", errno);
    const pid_t parent = getpid();

    m_startedAt = Clock::now();
    m_pid = fork();
    if (m_pid == 0) {
        prctl(PR_SET_PDEATHSIG, deathSignal);
        // The program starts as a desktop starts it, whatever started this process: no signal
        // blocked and none ignored, which execve would keep (nohup ignores SIGHUP).
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        for (int number = 1; number < NSIG; ++number)
            signal(number, SIG_DFL);
        // The parent may have died before the line above took effect.
        if (getppid() != parent)
            _exit(127);
        if (devNull >= 0 && (dup2(devNull, STDOUT_FILENO) < 0 || dup2(devNull, STDERR_FILENO) < 0))
            failInChild(execReport[1]);
        if (outputFd >= 0 && dup2(outputFd, STDOUT_FILENO) < 0)
            failInChild(execReport[1]);
        execve(argv[0], argv, envp);
        failInChild(execReport[1]);
    }
    const int forkError = errno;
    close(execReport[1]);
    if (m_pid < 0) {
        close(execReport[0]);
        throw systemError("fork failed", forkError);
    }
    int execError = 0;
    ssize_t got = 0;
    while ((got = read(execReport[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    close(execReport[0]);
    if (got > 0) {
        reap(0);
        throw systemError(std::string("cannot start ") + argv[0], execError);
    }
}

void ChildProcess::spawn(char* const argv[], char* const envp[], int devNull, int outputFd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (devNull >= 0) {
        posix_spawn_file_actions_adddup2(&actions, devNull, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, devNull, STDERR_FILENO);
    }
    if (outputFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    // As after the fork: no signal blocked and none ignored.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    m_startedAt = Clock::now();
    // glibc's posix_spawn returns only once the program is executed, and tells why it was not.
    const int error = posix_spawn(&m_pid, argv[0], &actions, &attributes, argv, envp);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw systemError(std::string("cannot start ") + argv[0], error);
}

ChildProcess::~ChildProcess()
{
    try {
        kill();
    } catch (const std::exception&) {
        // Nothing is left to end if the child cannot be waited for.
    }
    closeOutput();
}

bool ChildProcess::reap(int flags)
{
    if (m_status)
        return true;
    int status = 0;
    // wait4 counts the child's CPU time to the microsecond, where /proc counts clock ticks.
    rusage usage{};
    pid_t reaped = 0;
    while ((reaped = wait4(m_pid, &status, flags, &usage)) < 0 && errno == EINTR) {
    }
    if (reaped < 0)
        throw systemError("cannot wait for process " + std::to_string(m_pid), errno);
    if (reaped == 0)
        return false;
    m_status = status;
    m_cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return true;
}

void ChildProcess::readOutput(int waitMs)
{
    while (m_outputFd >= 0) {
        pollfd watched{m_outputFd, POLLIN, 0};
        const int ready = poll(&watched, 1, waitMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return;
        char buffer[4096];
        const ssize_t n = read(m_outputFd, buffer, sizeof buffer);
        if (n > 0) {
            m_output.append(buffer, static_cast<std::size_t>(n));
            // Whatever else is there already, without waiting again.
            waitMs = 0;
        } else if (n == 0 || errno != EINTR) {
            closeOutput();
        }
    }
}

void ChildProcess::closeOutput()
{
    closeIfOpen(m_outputFd);
    m_outputFd = -1;
}

bool ChildProcess::running()
{
    if (m_status)
        return false;
    readOutput(0);
    return !reap(WNOHANG);
}

std::optional<int> ChildProcess::waitForExit(Clock::duration timeout)
{
    waitUntil(timeout, [this] { return !running(); });
    return m_status;
}

int ChildProcess::wait()
{
    // Reading and reaping take turns, so that neither a full pipe nor a grandchild that keeps
    // the pipe open holds the wait up.
    while (!m_status) {
        if (m_outputFd >= 0) {
            readOutput(50);
            reap(WNOHANG);
        } else {
            reap(0);
        }
    }
    readOutput(0);
    return *m_status;
}

bool ChildProcess::sendSignal(int signal)
{
    // Once reaped, the pid may already belong to another process.
    return running() && ::kill(m_pid, signal) == 0;
}

int ChildProcess::kill()
{
    if (running()) {
        ::kill(m_pid, SIGKILL);
        reap(0);
    }
    return *m_status;
}

int ChildProcess::terminate(Clock::duration grace)
{
    if (sendSignal(SIGTERM))
        waitForExit(grace);
    return kill();
}

std::string describeWaitStatus(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "ended with wait status " + std::to_string(status);
}

} // namespace harness
