// What /proc tells of a running program.
#include "bench/driver/parts.h"
#include "harness/x_windows.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace bench {

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return 0;
}

long privateKiB(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    long kib = 0;
    while (std::getline(rollup, line))
        if (line.starts_with("Private_Clean:") || line.starts_with("Private_Dirty:"))
            kib += std::stol(line.substr(line.find(':') + 1));
    return kib;
}

pid_t gameProcess(e2e::GameSession& game)
{
    const std::optional<pid_t> owner = harness::processOf(game.display(), game.window());
    return owner ? *owner : game.process().pid();
}

double cpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)), {});
    // The command name may hold spaces: the fields count from its closing ')', after which come
    // the state, ten more fields, and utime and stime.
    const std::size_t close = text.rfind(')');
    unsigned long utime = 0;
    unsigned long stime = 0;
    if (close == std::string::npos ||
        std::sscanf(text.c_str() + close + 1,
                    " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2)
        return 0;
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace bench
