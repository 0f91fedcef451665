// What the kernel tells of a running process, from /proc.
#pragma once

#include <sys/types.h>

namespace bench {

// The resident set (VmRSS) in KiB; 0 if the process is gone.
long residentKiB(pid_t pid);
// User and system CPU time of all the process's threads so far, in seconds.
double cpuSeconds(pid_t pid);

} // namespace bench
