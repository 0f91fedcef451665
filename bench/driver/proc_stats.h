// What the kernel tells of a running process and of the machine, from /proc.
#pragma once

#include <string>
#include <sys/types.h>

namespace bench {

// The resident set (VmRSS) in KiB; 0 if the process is gone.
long residentKiB(pid_t pid);
// User and system CPU time of all the process's threads so far, in seconds.
double cpuSeconds(pid_t pid);
// The three load averages, as /proc/loadavg gives them.
std::string loadAverages();
// The 1-minute load average.
double loadAverage();

} // namespace bench
