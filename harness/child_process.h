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
    // Where the child's standard output and error go.
    enum class Output {
        Inherit, // both to this process's own
        Discard, // both to /dev/null
        Capture, // standard output read back by this process; standard error inherited
    };

    struct Options {
        // "NAME=value" entries that override or add to this process's environment, and bare
        // "NAME" entries that leave a variable of it out.
        std::vector<std::string> environment;
        Output output = Output::Inherit;
        // Sent to the child when the thread that started it dies without ending it, say when
        // a test runner's timeout kills the test. SIGKILL is sure; SIGTERM lets a server clean
        // up first. 0 sends none and starts the child with posix_spawn instead of fork: its
        // child runs at once, where fork's may wait for the processor behind others on a busy
        // machine (several milliseconds on 2 busy cores), so that start-up times counted from
        // startedAt() are the program's own.
        int deathSignal = SIGKILL;
    };

    // Starts argv[0] (a path) and returns once it has been executed. Throws
    // std::runtime_error if it cannot be started, or std::invalid_argument without a program.
    explicit ChildProcess(const std::vector<std::string>& argv);
    ChildProcess(const std::vector<std::string>& argv, const Options& options);
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Kills the child if it still runs, so that nothing outlives a failed test or run.
    ~ChildProcess();

    pid_t pid() const { return m_pid; }
    // The moment just before the child was spawned: what start-up times count from.
    Clock::time_point startedAt() const { return m_startedAt; }

    // True until the child has exited; reaps it when it has, and reads what captured output
    // there is meanwhile, so that a chatty child never blocks on a full pipe.
    bool running();
    // The child's wait status once it has exited, or nothing if it still runs at the deadline.
    std::optional<int> waitForExit(Clock::duration timeout);
    // Waits as long as it takes for the child to exit, reading its captured output meanwhile;
    // returns its wait status.
    int wait();
    // Sends `signal` to the child if it still runs; false if it had already exited.
    bool sendSignal(int signal);
    // Ends the child with SIGKILL and reaps it; returns its wait status.
    int kill();
    // Asks the child to end with SIGTERM, so that it can clean up, and kills it if it has not
    // ended within `grace`; returns its wait status.
    int terminate(Clock::duration grace);

    // What the child has written to its captured standard output so far.
    const std::string& output() const { return m_output; }
    // User and system CPU time of all the child's threads over its whole life, once it has
    // been reaped; 0 before.
    double cpuSeconds() const { return m_cpuSeconds; }

private:
    void forkAndExec(char* const argv[], char* const envp[], int deathSignal, int devNull,
                     int outputFd);
    void spawn(char* const argv[], char* const envp[], int devNull, int outputFd);
    bool reap(int flags);
    void readOutput(int waitMs);
    void closeOutput();

    pid_t m_pid = -1;
    Clock::time_point m_startedAt;
    std::optional<int> m_status;
    double m_cpuSeconds = 0;
    int m_outputFd = -1;
    std::string m_output;
};

// "exited with status N" or "killed by signal N", for messages.
std::string describeWaitStatus(int status);

} // namespace harness
