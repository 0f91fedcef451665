// A private Xvfb X server on a free display, with the test's own connection to it.
#pragma once

#include "tests/e2e/child_process.h"
#include "tests/e2e/x11_handles.h"

#include <memory>
#include <string>

namespace e2e {

class XvfbServer {
public:
    // Starts `Xvfb :N -screen 0 1280x1024x24 -noreset` (room for the window at scale 2) on the
    // first free display from a per-process starting point and connects to it. Throws
    // std::runtime_error if none starts.
    XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    // Closes the connection and kills the server.
    ~XvfbServer();

    // ":N", for the DISPLAY of the programs under test.
    const std::string& displayName() const { return m_name; }
    Display* display() const { return m_display; }

private:
    bool tryDisplay(int number);

    std::string m_name;
    std::unique_ptr<ChildProcess> m_server;
    Display* m_display = nullptr;
};

} // namespace e2e
