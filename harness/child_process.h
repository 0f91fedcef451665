// A program started as a child, always ended and reaped, and never outliving its starter.
#pragma once

#include "harness/polling.h"

#include <csignal>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace harness {

class ChildProcess {
public:
    // Where one of the child's output streams goes.
    enum class Output {
        Inherit, // to this process's own
        Discard, // to /dev/null
        Capture, // into a file in memory that this process reads back, however much is written
    };

    struct Options {
        // "NAME=value" entries that override or add to this process's environment, and bare
        // "NAME" entries that leave a variable of it out.
        std::vector<std::string> environment;
        // The child's standard output and standard error.
        Output output = Output::Inherit;
        Output errors = Output::Inherit;
        // Descriptors of this process that the child keeps open under the same numbers, say
        // the write end of a pipe on which a server reports; every other one of ours is closed
        // on its exec.
        std::vector<int> keptDescriptors;
        // Sent to the child when the thread that started it dies without ending it, say when
        // a test runner's timeout kills the test. SIGKILL is sure; SIGTERM lets a server clean
        // up first; 0 sends none.
        int deathSignal = SIGKILL;
    };

    // Starts argv[0] (a path) and returns once it has been executed: this thread waits while
    // the child sets itself up, so the child runs at once however busy the machine is, and
    // start-up times counted from startedAt() are the program's own. Throws std::runtime_error
    // if it cannot be started, or std::invalid_argument without a program.
    explicit ChildProcess(const std::vector<std::string>& argv);
    ChildProcess(const std::vector<std::string>& argv, const Options& options);
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Kills the child if it still runs, so that nothing outlives a failed test or run.
    ~ChildProcess();

    pid_t pid() const { return m_pid; }
    // The moment just before the child was made: what start-up times count from.
    Clock::time_point startedAt() const { return m_startedAt; }

    // True until the child has exited; reaps it when it has.
    bool running();
    // The child's wait status once it has exited, or nothing if it still runs at the deadline.
    std::optional<int> waitForExit(Clock::duration timeout);
    // Waits as long as it takes for the child to exit; returns its wait status.
    int wait();
    // Sends `signal` to the child if it still runs; false if it had already exited.
    bool sendSignal(int signal);
    // Ends the child with SIGKILL and reaps it; returns its wait status.
    int kill();
    // Asks the child to end with SIGTERM, so that it can clean up, and kills it if it has not
    // ended within `grace`; returns its wait status.
    int terminate(Clock::duration grace);

    // What the child has written so far to its captured standard output or error; empty for a
    // stream that is not captured.
    std::string output() const;
    std::string errors() const;
    // User and system CPU time of all the child's threads over its whole life, once it has
    // been reaped; 0 before.
    double cpuSeconds() const { return m_cpuSeconds; }

private:
    void start(char* const argv[], char* const envp[], const Options& options);
    bool reap(int flags);

    pid_t m_pid = -1;
    Clock::time_point m_startedAt;
    std::optional<int> m_status;
    double m_cpuSeconds = 0;
    int m_outputFile = -1;
    int m_errorsFile = -1;
};

// "exited with status N" or "killed by signal N", for messages.
std::string describeWaitStatus(int status);

} // namespace harness
