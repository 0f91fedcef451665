// The bench's tables, in Markdown, and the goals each figure is held to.
#pragma once

#include "bench/driver/attribution.h"
#include "bench/driver/idle.h"
#include "bench/driver/soak.h"
#include "bench/driver/start_up.h"

#include <map>
#include <string>
#include <vector>

namespace bench {

class Goals {
public:
    void check(const std::string& goal, bool met, const std::string& seen);
    void print() const;

private:
    struct Verdict {
        std::string goal;
        bool met;
        std::string seen;
    };
    std::vector<Verdict> m_verdicts;
};

// Programs in the order bare, plain, Blastmap.
void reportStartUp(const std::vector<Program>& programs, const std::vector<StartSamples>& samples,
                   int runs, Goals& goals);
// The marked builds' points and the profile, the bare window first.
void reportAttribution(const Attribution& attribution);
void reportIdle(const IdleFigures& figures, int seconds, Goals& goals);
void reportTimers(const std::map<std::string, double>& figures, int seconds, Goals& goals);
void reportPress(const std::map<std::string, double>& figures, Goals& goals);
void reportSoak(const SoakFigures& figures, int seconds, Goals& goals);

} // namespace bench
