// A Weston compositor inside an X server: its output is a window there, which XTest drives and
// XGetImage reads back, and Wayland clients connect to its private socket.
#pragma once

#include "harness/child_process.h"
#include "harness/weston_scene_graph.h"
#include "harness/x11_handles.h"

#include <QPoint>
#include <QRgb>
#include <QSize>
#include <memory>
#include <string>
#include <vector>

namespace harness {

class XvfbServer;

class WestonSession {
public:
    // The desktop's colour, wherever no window is.
    static constexpr QRgb kBackground = 0x204060;

    // Starts Weston on the server with the x11 backend and pixman, its desktop shell without a
    // panel, animations, screen locking or on-screen keyboard, on a solid background, in a
    // private runtime directory with a socket of its own, and with its debugging protocol on for
    // the scene graph. Returns once clients can connect, its output window shows and the
    // desktop is drawn; gives that window the keyboard. The server's screen must be larger than
    // the output, so that the pointer can leave it. Throws std::runtime_error if it does not
    // come up in time or the screen leaves no room beside the output.
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

    // Puts Weston's pointer on a point of the screen within the output. The x11 backend turns the
    // X pointer's motion into relative motion, which its own pointer follows only as far as the
    // output's edges, and places that pointer absolutely only where the X pointer enters the
    // output window: so the X pointer leaves the output first and then enters it at the point.
    // With a button held, Weston takes no crossing, and plain motion must do.
    void pointAt(QPoint rootPoint) const;
    // Takes the pointer off the output, where Weston neither draws it nor sends it to a client.
    void parkPointer() const;
    // A point of the screen beside the output, where the pointer rests.
    QPoint parkingPoint() const { return m_parkingPoint; }

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
    QPoint m_parkingPoint;
};

} // namespace harness
