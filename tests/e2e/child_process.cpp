// Starts a child with fork and execve, and reaps it with waitpid without ever blocking for good.
#include "tests/e2e/child_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace e2e {
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
    merged.insert(merged.end(), overrides.begin(), overrides.end());
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

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& environment, bool quiet)
{
    if (argv.empty())
        throw std::invalid_argument("no program to start");
    // Everything the child needs is prepared before the fork: after it, only exec.
    std::vector<std::string> arguments = argv;
    std::vector<std::string> variables = mergedEnvironment(environment);
    std::vector<char*> argp = pointers(arguments);
    std::vector<char*> envp = pointers(variables);
    const int devNull = quiet ? open("/dev/null", O_WRONLY | O_CLOEXEC) : -1;
    const pid_t parent = getpid();

    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error(std::string("fork failed: ") + std::strerror(errno));
    if (m_pid == 0) {
        // Dies with the test even if the test itself is killed before it can clean up.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        if (devNull >= 0) {
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        execve(argp[0], argp.data(), envp.data());
        _exit(127);
    }
    if (devNull >= 0)
        close(devNull);
}

ChildProcess::~ChildProcess() { kill(); }

bool ChildProcess::running()
{
    if (m_status)
        return false;
    int status = 0;
    const pid_t reaped = waitpid(m_pid, &status, WNOHANG);
    if (reaped == m_pid) {
        m_status = status;
        return false;
    }
    return reaped == 0;
}

std::optional<int> ChildProcess::waitForExit(milliseconds timeout)
{
    waitUntil(timeout, [this] { return !running(); });
    return m_status;
}

void ChildProcess::kill()
{
    if (!running())
        return;
    ::kill(m_pid, SIGKILL);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_status = status;
}

void ChildProcess::terminate(milliseconds grace)
{
    if (!running())
        return;
    ::kill(m_pid, SIGTERM);
    waitForExit(grace);
    kill();
}

std::string describeWaitStatus(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "ended with wait status " + std::to_string(status);
}

} // namespace e2e
