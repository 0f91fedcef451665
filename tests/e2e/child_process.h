// A program the test starts and always ends: killed and reaped when the test lets go of it.
#pragma once

#include "tests/e2e/polling.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

class ChildProcess {
public:
    // Starts argv[0] (a path) with this process's environment plus `environment` ("NAME=value",
    // overriding a variable of the same name). A quiet child's output goes to /dev/null.
    // Throws std::runtime_error if the program cannot be started.
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 bool quiet);
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Kills the child if it still runs, so that no process outlives a failed test.
    ~ChildProcess();

    pid_t pid() const { return m_pid; }
    // True until the child has exited; reaps it when it has.
    bool running();
    // The child's wait status once it has exited, or nothing if it still runs at the deadline.
    std::optional<int> waitForExit(milliseconds timeout);
    // Ends the child with SIGKILL and reaps it.
    void kill();
    // Asks the child to end with SIGTERM, so that it can clean up, and kills it if it has not
    // ended by the deadline.
    void terminate(milliseconds grace);

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

// "exited with status N" or "killed by signal N", for failure messages.
std::string describeWaitStatus(int status);

} // namespace e2e
