// Where the milliseconds from spawn to the whole first frame go, for the game and for the bare
// window side by side: the moments each passes the points of its start (from builds with start
// marks), the main thread's processor time by what it was spent on (perf's samples, where the
// kernel lets perf run), and the dynamic loader's relocations.
#pragma once

#include "bench/driver/screen.h"

#include <map>
#include <string>
#include <vector>

namespace bench {

struct MarkedProgram {
    std::string label;
    std::string path; // a build that prints its start marks once its first frame is out
};

struct ProgramAttribution {
    // Milliseconds from the spawn to each mark, and to the driver's own sightings ("mapped",
    // "whole frame"), one sample a run.
    std::map<std::string, std::vector<double>> msToPoint;
    // Processor milliseconds of the main thread up to the first frame's flush, by what it was
    // spent on, per start (means over the profiled starts); and of the other threads.
    std::map<std::string, double> mainThreadMs;
    double otherThreadsMs = 0;
    int profiledStarts = 0;
    // From the dynamic loader's own statistics.
    long relocations = -1;
    long relocationsFromCache = -1;
    long loaderCycles = -1;
};

struct Attribution {
    std::vector<MarkedProgram> programs;
    std::vector<ProgramAttribution> results; // beside each program
    std::string profiler;                    // what profiled them, or why nothing did
};

// `runs` alternated timed starts of each program, then `profiled` starts of each under perf if
// it works here, then one start of each with the loader's statistics.
Attribution attributeStartUp(Screen& screen, const std::vector<MarkedProgram>& programs, int runs,
                             int profiled);

// The category a sample of the processor falls in, by its shared object and its symbol.
std::string categoryOf(const std::string& object, const std::string& symbol);

} // namespace bench
