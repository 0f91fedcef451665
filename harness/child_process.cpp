// Starts children with vfork and execve, keeps what they write in files in memory, and reaps them
// with wait4.
#include "harness/child_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <stdexcept>
#include <sys/mman.h>
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

void closeIfOpen(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

std::runtime_error systemError(const std::string& what, int error)
{
    return std::runtime_error(what + ": " + std::strerror(error));
}

// A file that lives in memory only, for a stream of the child's: the child never waits for this
// process to read, as it would on a full pipe.
int captureFile(const char* name)
{
    const int fd = memfd_create(name, MFD_CLOEXEC);
    if (fd < 0)
        throw systemError("cannot make a file for a child's output", errno);
    return fd;
}

std::string readWhole(int fd)
{
    std::string text;
    if (fd < 0)
        return text;
    char buffer[65536];
    off_t at = 0;
    for (;;) {
        // pread leaves the offset that the child writes at as it is.
        const ssize_t got = pread(fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
}

// Everything the child needs between vfork and execve, made ready before the vfork.
struct ChildPlan {
    char* const* argv;
    char* const* envp;
    int outputFd;
    int errorsFd;
    const std::vector<int>* kept;
    int deathSignal;
    pid_t parent;
};

// The child's side of the vfork. It shares this process's memory until execve, and other
// threads of ours go on meanwhile: so it only makes system calls that touch nothing but its own
// state, and reports a failure through `execError`, which the suspended parent reads.
[[noreturn]] void becomeProgram(const ChildPlan& plan, volatile int* execError)
{
    if (plan.deathSignal != 0) {
        prctl(PR_SET_PDEATHSIG, plan.deathSignal);
        // The parent may have died before the line above took effect.
        if (getppid() != plan.parent)
            _exit(127);
    }
    // The program starts as a desktop starts it, whatever started this process: no signal
    // ignored, which execve would keep (nohup ignores SIGHUP), and none blocked. The handlers
    // go first: one of ours must not run in this child while it shares our memory.
    for (int number = 1; number < NSIG; ++number)
        signal(number, SIG_DFL);
    bool ready = (plan.outputFd < 0 || dup2(plan.outputFd, STDOUT_FILENO) >= 0) &&
                 (plan.errorsFd < 0 || dup2(plan.errorsFd, STDERR_FILENO) >= 0);
    for (const int fd : *plan.kept)
        ready = ready && fcntl(fd, F_SETFD, 0) == 0;
    if (ready) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(plan.argv[0], plan.argv, plan.envp);
    }
    *execError = errno;
    _exit(127);
}

// Makes the child; returns its pid, or -1 with errno set. vfork suspends this thread until the
// child has executed the program or failed to, so the child runs at once, where a forked one may
// first wait for a processor behind others. Kept apart from its caller, whose variables the
// compiler could otherwise not keep in registers across the vfork.
[[gnu::noinline]] pid_t makeChild(const ChildPlan& plan, volatile int* execError)
{
    const pid_t pid = vfork();
    if (pid == 0)
        becomeProgram(plan, execError);
    return pid;
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
    // Everything that can fail is prepared before the child is made.
    std::vector<std::string> arguments = argv;
    std::vector<std::string> variables = mergedEnvironment(options.environment);
    const std::vector<char*> argp = pointers(arguments);
    const std::vector<char*> envp = pointers(variables);
    try {
        start(argp.data(), envp.data(), options);
    } catch (const std::exception&) {
        closeIfOpen(m_outputFile);
        closeIfOpen(m_errorsFile);
        throw;
    }
}

void ChildProcess::start(char* const argv[], char* const envp[], const Options& options)
{
    if (options.output == Output::Capture)
        m_outputFile = captureFile("child-output");
    if (options.errors == Output::Capture)
        m_errorsFile = captureFile("child-errors");
    // The last thing that can fail before the child is made.
    int devNull = -1;
    if (options.output == Output::Discard || options.errors == Output::Discard) {
        devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (devNull < 0)
            throw systemError("cannot open /dev/null", errno);
    }
    const auto target = [&](Output output, int captured) {
        return output == Output::Discard ? devNull : output == Output::Capture ? captured : -1;
    };
    const ChildPlan plan{argv,
                         envp,
                         target(options.output, m_outputFile),
                         target(options.errors, m_errorsFile),
                         &options.keptDescriptors,
                         options.deathSignal,
                         getpid()};

    // No handler of ours may run in the child before it has reset them all: every signal waits
    // until the child has gone its own way.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    volatile int execError = 0;
    m_startedAt = Clock::now();
    m_pid = makeChild(plan, &execError);
    const int forkError = errno;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    closeIfOpen(devNull);
    if (m_pid < 0)
        throw systemError("cannot make a process", forkError);
    if (execError != 0) {
        reap(0);
        throw systemError(std::string("cannot start ") + argv[0], execError);
    }
}

ChildProcess::~ChildProcess()
{
    try {
        kill();
    } catch (const std::exception&) {
        // Nothing is left to end if the child cannot be waited for.
    }
    closeIfOpen(m_outputFile);
    closeIfOpen(m_errorsFile);
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

bool ChildProcess::running() { return !reap(WNOHANG); }

std::optional<int> ChildProcess::waitForExit(Clock::duration timeout)
{
    waitUntil(timeout, [this] { return !running(); });
    return m_status;
}

int ChildProcess::wait()
{
    reap(0);
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

std::string ChildProcess::output() const { return readWhole(m_outputFile); }

std::string ChildProcess::errors() const { return readWhole(m_errorsFile); }

std::string describeWaitStatus(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "ended with wait status " + std::to_string(status);
}

} // namespace harness
