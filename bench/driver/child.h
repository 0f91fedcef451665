// A program the driver starts, times from the moment before it is spawned, and always ends.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

class Child {
public:
    // Starts argv[0] (a path) with the driver's environment. Its output goes to /dev/null unless
    // captured. Throws std::runtime_error if it cannot be started.
    Child(const std::vector<std::string>& argv, bool captureOutput);
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    // Kills the child if it still runs.
    ~Child();

    pid_t pid() const { return m_pid; }
    // The moment just before the spawn.
    std::chrono::steady_clock::time_point started() const { return m_started; }

    // Asks the child to end (SIGTERM) and waits for it; returns its wait status.
    int terminate();
    // Waits for the child to end by itself, reading its output meanwhile; returns its status.
    int wait();
    const std::string& output() const { return m_output; }
    // User and system CPU time of all its threads over its whole life, once it has ended.
    double cpuSeconds() const { return m_cpuSeconds; }

private:
    pid_t m_pid = -1;
    int m_outputFd = -1;
    bool m_reaped = false;
    int m_status = 0;
    double m_cpuSeconds = 0;
    std::string m_output;
    std::chrono::steady_clock::time_point m_started;
};

} // namespace bench
