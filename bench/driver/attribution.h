// Where the milliseconds from spawn to the whole first frame go, for the game and for the bare
// window side by side: the moments each passes the points of its start (from builds with start
// marks), the processor samples of each up to its first flush (perf, where the kernel lets it
// run), and the dynamic loader's relocations.
#pragma once

#include "bench/driver/screen.h"

#include <string>
#include <vector>

namespace bench {

struct MarkedProgram {
    std::string label;
    std::string path; // a build that prints its start marks once its first frame is out
};

// The programs in order ("attribution"), `runs` alternated timed starts of each program
// ("marks": ms from the spawn to each point and
// to the driver's own sightings, "mapped" and "whole frame"), then whether perf works here
// ("profiler") and `profiled` starts of each under it ("profile": perf report's samples by
// object and symbol up to the first flush, of the main thread and of all threads), then one
// start of each with the loader's statistics ("loader").
void attributeStartUp(Screen& screen, const std::vector<MarkedProgram>& programs, int runs,
                      int profiled);

} // namespace bench
