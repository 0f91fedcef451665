// A Weston compositor inside an X server: its output is a window there, which XTest drives and
// XGetImage reads back, and Wayland clients connect to its private socket.
#pragma once

#include "harness/child_process.h"
#include "harness/desktop.h"
#include "harness/weston_scene_graph.h"
#include "harness/x11_handles.h"

#include <QPoint>
#include <QRgb>
#include <QSize>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace harness {

class XvfbServer;

class WestonSession final : public Desktop {
public:
    // The desktop's colour, wherever no window is.
    static constexpr QRgb kBackground = 0x204060;

    // Starts Weston on the server with the x11 backend and pixman, its desktop shell without a
    // panel, animations, screen locking or on-screen keyboard, on a solid background, in a
    // private runtime directory with a socket of its own, and with its debugging protocol on for
    // the scene graph. Returns once clients can connect, its output window shows and the
    // desktop is drawn; gives that window the keyboard. The server's screen must be larger than
    // the output, so that the pointer can leave it. Throws std::runtime_error if it does not
    // come up in time or the screen leaves no room beside the output. `clientExtras` go into
    // every client's environment besides what it needs to reach the compositor.
    WestonSession(const XvfbServer& server, QSize output,
                  std::vector<std::string> clientExtras = {});
    WestonSession(const WestonSession&) = delete;
    WestonSession& operator=(const WestonSession&) = delete;
    // Ends Weston and removes its runtime directory.
    ~WestonSession() override;

    const XvfbServer& server() const override { return m_server; }
    // What a Wayland client's environment needs to reach this compositor, with no X display to
    // fall back on, and Qt's Wayland platform.
    std::vector<std::string> clientEnvironment() const override;
    std::vector<TopLevel> topLevels(pid_t program, const std::string& title) const override;
    // Read from the output's window, where the compositor draws the surface.
    QImage capture(const TopLevel& window, const QRect& area) const override;
    void moveTo(QPoint rootPoint) const override { pointAt(rootPoint); }
    // Weston draws its pointer into the pictures it shows: after a click the pointer leaves.
    void clickAt(QPoint rootPoint) const override;
    // The close button of the title bar that Qt draws on its windows here.
    void requestClose(const TopLevel& window) const override;
    milliseconds pollPace() const override { return milliseconds(50); }

    // The glyphs of the buttons of Qt's title bar, dark on the light bar.
    enum class Glyph { HollowBox, Cross };
    // A window as Weston shows it, if it is there.
    std::optional<WestonToplevel> toplevel(unsigned long surfaceId) const;
    // Clicks the maximise button of the title bar Qt draws on the window. Throws
    // std::runtime_error if the bar shows no maximise button there.
    void clickMaximiseButton(unsigned long surfaceId) const;
    // Clicks the title bar left of the caption, as a player does to bring the window to the
    // front and give it the keyboard.
    void clickTitleBar(unsigned long surfaceId) const;
    // A point of the title bar left of the caption, in root coordinates.
    QPoint titleBarPoint(unsigned long surfaceId) const;
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
    QPoint parkingPoint() const override { return m_parkingPoint; }

    // The top-level windows now, the topmost first.
    std::vector<WestonToplevel> toplevels() const;
    // What Weston has logged so far: a client it disconnected for a protocol error, say.
    std::string log() const override;

private:
    std::string sceneGraph() const;
    // The window as Weston shows it; throws std::runtime_error if it is gone.
    WestonToplevel shownToplevel(unsigned long surfaceId) const;
    // Presses a title bar button: `fromTopRight` is its middle's offset from the window's
    // top-right corner. Throws std::runtime_error if the button's glyph is not there.
    void clickTitleBarButton(unsigned long surfaceId, QPoint fromTopRight, Glyph glyph) const;

    const XvfbServer& m_server;
    QSize m_outputSize;
    std::string m_runtimeDirectory;
    std::vector<std::string> m_clientExtras;
    std::unique_ptr<ChildProcess> m_weston;
    XWindow m_outputWindow = 0;
    QPoint m_outputOrigin;
    QPoint m_parkingPoint;
};

} // namespace harness
