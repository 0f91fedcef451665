// The driver's parts, each measuring one thing on the driver's private Xvfb and emitting its raw
// samples (bench/common/samples.def), and what they share: the screen, the timed start of a
// program, and what /proc tells of a running one.
#pragma once

#include "harness/child_process.h"
#include "harness/map_watch.h"
#include "harness/xvfb_server.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// The driver's private X server for every program it runs, and its watch on their windows.
class Screen {
public:
    // 1024x768x24. Throws std::runtime_error if Xvfb does not start.
    Screen()
        : m_server(QSize(1024, 768))
        , m_maps(m_server.display())
    {
    }

    Display* display() const { return m_server.display(); }
    harness::MapWatch& maps() { return m_maps; }
    // How a program is started on this screen, with its output as given.
    harness::ChildProcess::Options programOptions(harness::ChildProcess::Output output) const;

private:
    harness::XvfbServer m_server;
    harness::MapWatch m_maps;
};

struct Program {
    std::string role; // as bench/common/samples.def names it, or the path of a build compared
    std::string path;
};

// A row of the stretched map that nothing covers at start, as the window must show it.
struct MapRow {
    int y = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB from x = 0
};
MapRow expectedMapRow();

// The moments one start of a program reached, in ms from its spawn: its window's map, the map's
// row on it, and the first frame that equals the one the window shows 1.5 s after the spawn.
struct StartTimes {
    double mappedMs = 0;
    double shownMs = 0;
    double wholeMs = 0;
};
// Times the window of a program just started until 1.5 s after its spawn, and returns with the
// program still running, for the caller to look at it; nothing if it never showed the map.
std::optional<StartTimes> timeOneStart(Screen& screen, harness::ChildProcess& child,
                                       const MapRow& expected);

// The game started with the pointer out of its way, and its window once it shows the map (0 if
// it never does).
struct ShownGame {
    std::unique_ptr<harness::ChildProcess> process;
    harness::XWindow window = 0;
};
ShownGame startShown(Screen& screen, const std::string& game);

// The resident set (VmRSS) in KiB; 0 if the process is gone.
long residentKiB(pid_t pid);
// User and system CPU time of all the process's threads so far, in seconds.
double cpuSeconds(pid_t pid);

// Starts the programs one after the other, `runs` rounds, each round in a rotated order, after
// one round that is not counted: the programs ("startup"), then a sample a start ("start").
void measureStartUp(Screen& screen, const std::vector<Program>& programs, int runs);
// The same with builds that print their start marks, `runs` rounds all counted: the programs
// and their paths for bench/start_profile.py ("attribution"), then a sample a start ("marks").
void attributeStartUp(Screen& screen, const std::vector<Program>& programs, int runs);
// The game left alone for `seconds`, first with the civilians hidden and then shown ("idle").
void measureIdle(Screen& screen, const std::string& game, int seconds);
// Plays the game as a player would for `seconds`, pressing the target, the map, the check box,
// the buttons and the scroll bar and dismissing every message box; its resident set every 10 s
// ("rss"), then what was played and whether the game lasted ("play").
void soak(Screen& screen, const std::string& game, int seconds);

} // namespace bench
