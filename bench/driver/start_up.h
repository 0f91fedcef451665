// Start-up as seen from outside: from the spawn to the window's map, to its first painted pixels
// and to the first frame that shows all the window will show when it has settled; and the
// program's resident set and CPU time 1.5 s after the spawn.
#pragma once

#include "bench/driver/screen.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Program {
    std::string label;
    std::string path;
};

// A row of the stretched map that nothing covers at start, as the window must show it.
struct MapRow {
    int y = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB from x = 0
};
MapRow expectedMapRow();

// The moments one start of a program reached, from its spawn.
struct StartTimes {
    double mappedMs = 0;
    double shownMs = 0; // the map's row
    double wholeMs = 0; // the settled frame
};
// Times the window of a program just started until 1.5 s after its spawn, and returns with the
// program still running, for the caller to look at it (its resident set, say); nothing if the
// window never showed the map.
std::optional<StartTimes> timeOneStart(Screen& screen, harness::ChildProcess& child,
                                       const MapRow& expected);

// The game started with the pointer out of its way, and its window once it shows the map (0 if
// it never does).
struct ShownGame {
    std::unique_ptr<harness::ChildProcess> process;
    harness::XWindow window = 0;
};
ShownGame startShown(Screen& screen, const std::string& game);

// Starts the programs one after the other, `runs` rounds, each round in a rotated order, after
// one round that is not counted; emits the programs in order ("startup") and a sample a start
// ("start"), or its failure.
void measureStartUp(Screen& screen, const std::vector<Program>& programs, int runs);

} // namespace bench
