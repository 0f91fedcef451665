// The driver's parts, each measuring one thing on a private X desktop and emitting its raw
// samples (bench/common/samples.def), and what they read of a running program in /proc.
#pragma once

#include "harness/desktop.h"
#include "tests/e2e/game_session.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

// One start of a program: its round, below 0 for one that is not counted; its role as
// bench/common/samples.def names it, or the path of another build compared; and its path.
struct Start {
    int round = 0;
    std::string role;
    std::string path;
};

// Times each start in turn, from the spawn to the program's window mapped, the first row of map
// on it and its whole first frame, and emits a sample a start counted: with the program's CPU
// and memory ("start"), or from `marked` builds with the start marks they print ("marks").
//
// A program started behind a loader (wine's, for Windows programs) is read through the desktop's
// own view of its window rather than as a bare X window.
struct Loader {
    std::vector<std::string> command;
    // Set besides the desktop's client environment.
    std::vector<std::string> environment;
};
void timeStarts(const harness::Desktop& desktop, const std::vector<Start>& starts, bool marked,
                const Loader& loader = {});
// The game left alone for `seconds`, first with the civilians hidden and then shown ("idle").
// `build` names the build played where it is not the Linux one.
void measureIdle(const harness::Desktop& desktop, int seconds, const std::string& build = {});
// Plays the game as a player would for `seconds`, pressing the target, the map, the check box,
// the buttons and the scroll bar and dismissing every message box; its resident set every 10 s
// ("rss"; of the Windows build its private memory, "private_memory"), then what was played and
// whether the game lasted ("play").
void soak(const harness::Desktop& desktop, int seconds, const std::string& build = {});
// Presses the target and bare map `presses` times each through XTest, after a few marked cold,
// and times each from the send to the first change of the window's pixels, as DAMAGE reports it,
// whose capture shows the hit picture or the explosion ("seen_press"); then the presses that
// showed nothing in time ("seen_misses").
void timePressesFromOutside(const harness::Desktop& desktop, int presses);

// Enter presses an open box's OK, and a box that stays is asked to close; false if none was open.
bool dismissOpenBoxes(const e2e::GameSession& game);

// How the game starts on the desktop for the parts that play it: on the session bus that
// bench/run gives the driver, as on a desktop.
inline e2e::GameSession::Options gameOn(const harness::Desktop& desktop)
{
    e2e::GameSession::Options options;
    options.desktop = &desktop;
    options.sessionBus = true;
    return options;
}

// The resident set (VmRSS) in KiB; 0 if the process is gone.
long residentKiB(pid_t pid);
// The pages that the process alone maps (Private_Clean and Private_Dirty of smaps_rollup) in
// KiB: what a Windows program under wine costs, without the wine libraries it shares.
long privateKiB(pid_t pid);
// The process that owns the game's window: the game itself, where a runner launched it.
pid_t gameProcess(e2e::GameSession& game);
// User and system CPU time of all the process's threads so far, in seconds.
double cpuSeconds(pid_t pid);

} // namespace bench
