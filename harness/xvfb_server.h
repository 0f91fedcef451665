// A private Xvfb X server on a display of its own, with the harness's own connection to it.
#pragma once

#include "harness/child_process.h"
#include "harness/x_connection.h"

#include <QSize>
#include <memory>
#include <string>

namespace harness {

class XvfbServer {
public:
    // Starts Xvfb with one screen of that size and depth on the first free display, which the
    // server picks itself, and connects to it. Throws std::runtime_error if it does not start.
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
    QSize m_screen;
    std::string m_name;
    std::unique_ptr<ChildProcess> m_server;
    std::unique_ptr<XConnection> m_connection;
};

} // namespace harness
