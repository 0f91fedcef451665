// The driver's command line.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace bench {

struct Options {
    int runs = 30;              // start-ups of each program
    int idleSeconds = 30;       // each idle window
    int timerSeconds = 60;      // the timer probe's run
    int presses = 50;           // presses of each kind
    int soakSeconds = 600;      // the long game; --quick makes it one minute
    std::set<std::string> only; // startup, attribution, idle, timers, press, soak; empty for all
    std::vector<std::string> compare; // other builds of the game, started alongside in start-up

    bool wants(const std::string& figure) const { return only.empty() || only.count(figure); }
};

// Exits with the usage on a bad command line.
Options parseOptions(int argc, char** argv);

} // namespace bench
