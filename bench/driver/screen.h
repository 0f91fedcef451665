// The driver's private X server for every program it runs, and its watch on their windows.
#pragma once

#include "harness/child_process.h"
#include "harness/map_watch.h"
#include "harness/xvfb_server.h"

namespace bench {

class Screen {
public:
    // Starts Xvfb with a 1024x768x24 screen. Throws std::runtime_error if it cannot.
    Screen();

    Display* display() const { return m_server.display(); }
    harness::MapWatch& maps() { return m_maps; }
    // How a program is started on this screen, with its output as given.
    harness::ChildProcess::Options programOptions(harness::ChildProcess::Output output) const;

private:
    harness::XvfbServer m_server;
    harness::MapWatch m_maps;
};

} // namespace bench
