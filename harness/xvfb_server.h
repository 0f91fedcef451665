// A private Xvfb X server on a free display, with the harness's own connection to it.
#pragma once

#include "harness/child_process.h"
#include "harness/x_connection.h"

#include <QSize>
#include <memory>
#include <string>

namespace harness {

class XvfbServer {
public:
    // Starts `Xvfb :N -screen 0 WxHxdepth -noreset -nolisten tcp` on the first free display from
    // a per-process starting point, and connects to it. -noreset keeps the server as it is when
    // a program's last connection closes, so that every program finds it ready. Throws
    // std::runtime_error if none starts.
    explicit XvfbServer(QSize screen, int depth = 24);
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    // Closes the connection and ends the server, which then removes its lock file.
    ~XvfbServer();

    // ":N", for the DISPLAY of the programs under test.
    const std::string& displayName() const { return m_name; }
    // "DISPLAY=:N", as a child's environment takes it.
    std::string displayVariable() const { return "DISPLAY=" + m_name; }
    Display* display() const { return m_connection->display(); }
    QSize screenSize() const { return m_screen; }

private:
    bool tryDisplay(int number, int depth);

    QSize m_screen;
    std::string m_name;
    std::unique_ptr<ChildProcess> m_server;
    std::unique_ptr<XConnection> m_connection;
};

} // namespace harness
