// A Weston compositor inside an X server: its output is a window there, which XTest drives and
// XGetImage reads back, and Wayland clients connect to its private socket.
#pragma once

#include "harness/child_process.h"
#include "harness/weston_scene_graph.h"
#include "harness/x11_handles.h"

#include <QPoint>
#include <QSize>
#include <memory>
#include <string>
#include <vector>

namespace harness {

class XvfbServer;

class WestonSession {
public:
    // Starts Weston on the server with the x11 backend and pixman, its desktop shell without a
    // panel, animations, screen locking or on-screen keyboard, on a solid background, in a
    // private runtime directory with a socket of its own, and with its debugging protocol on for
    // the scene graph. Returns once clients can connect, its output window shows and the
    // desktop is drawn; gives that window the keyboard. Throws std::runtime_error if it does not
    // come up in time.
    WestonSession(const XvfbServer& server, QSize output);
    WestonSession(const WestonSession&) = delete;
    WestonSession& operator=(const WestonSession&) = delete;
    // Ends Weston and removes its runtime directory.
    ~WestonSession();

    const XvfbServer& server() const { return m_server; }
    // What a Wayland client's environment needs to reach this compositor.
    std::vector<std::string> clientEnvironment() const;
    // The X window that shows the output, and where its top-left corner lies on the screen.
    // Output coordinates are pixels of that window: the output's scale is 1.
    XWindow outputWindow() const { return m_outputWindow; }
    QPoint outputOrigin() const { return m_outputOrigin; }
    QSize outputSize() const { return m_outputSize; }

    // The top-level windows now, the topmost first.
    std::vector<WestonToplevel> toplevels() const;
    // What Weston has logged so far: a client it disconnected for a protocol error, say.
    std::string log() const;

private:
    std::string sceneGraph() const;

    const XvfbServer& m_server;
    QSize m_outputSize;
    std::string m_runtimeDirectory;
    std::unique_ptr<ChildProcess> m_weston;
    XWindow m_outputWindow = 0;
    QPoint m_outputOrigin;
};

} // namespace harness
