// The programs' surroundings on the driver's screen, and what /proc tells of them.
#include "bench/driver/parts.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace bench {

harness::ChildProcess::Options Screen::programOptions(harness::ChildProcess::Output output) const
{
    harness::ChildProcess::Options options;
    // The X11 platform whatever the desktop around the bench runs, so that Qt draws where the
    // driver and the probes look. XDG_RUNTIME_DIR and the session bus come from bench/run.
    options.environment = {m_server.displayVariable(), "QT_QPA_PLATFORM=xcb"};
    options.output = output;
    // What a program says on standard error shows, unless its output is of no interest at all.
    options.errors = output == harness::ChildProcess::Output::Discard
                         ? output
                         : harness::ChildProcess::Output::Inherit;
    return options;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return 0;
}

double cpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)), {});
    // The command name may hold spaces: the fields count from its closing ')', after which the
    // state is the 3rd and utime and stime are the 14th and 15th.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 1));
    std::string skipped;
    for (int index = 3; index < 14; ++index)
        fields >> skipped;
    long utime = 0;
    long stime = 0;
    fields >> utime >> stime;
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace bench
