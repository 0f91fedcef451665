// Runs a command on a private Xvfb: `blastmap-with-xvfb <program> [arguments...]` starts the
// server, runs the program with DISPLAY set to it, ends the server and exits as the program did.
#include "harness/child_process.h"
#include "harness/xvfb_server.h"

#include <QSize>
#include <cstdio>
#include <exception>
#include <string>
#include <sys/wait.h>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program> [arguments...]\n", argv[0]);
        return 2;
    }
    try {
        const harness::XvfbServer server(QSize(1280, 1024));
        harness::ChildProcess::Options options;
        options.environment = {server.displayVariable()};
        harness::ChildProcess program(std::vector<std::string>(argv + 1, argv + argc), options);
        const int status = program.wait();
        if (WIFEXITED(status))
            return WEXITSTATUS(status);
        std::fprintf(stderr, "%s: %s %s\n", argv[0], argv[1],
                     harness::describeWaitStatus(status).c_str());
        // As a shell reports a program that a signal ended.
        return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
}
