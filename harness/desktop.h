// A desktop as the real-window checks meet it: where a program runs, how its top-level windows
// are found and read back, and a player's pointer, keys and close command there. Each kind of
// desktop says in one class of its own what differs; the checks ask only this.
#pragma once

#include "harness/polling.h"
#include "harness/x11_handles.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <initializer_list>
#include <string>
#include <sys/types.h>
#include <vector>

namespace harness {

class XvfbServer;

// What a desktop's programs and windows offer beyond what every desktop has, for the checks
// that need it.
struct DesktopTraits {
    // POSIX signals reach the program's own handlers.
    bool programsTakeSignals = true;
    // The program takes Qt's scale factor from its environment.
    bool programsTakeQtScaleFactor = true;
    // The window's name, class, size hints, icon and protocols on the X server are what the
    // program set, not what a layer between it and X sets for every window.
    bool windowPropertiesAreTheProgramsOwn = true;
    // The close command reaches a window that a modal box of its program has disabled; Windows
    // refuses it until the box is closed.
    bool closesWindowsUnderAModalBox = true;
};

// One top-level window as the desktop knows it: an X window in plain X, a surface under Weston.
struct TopLevel {
    unsigned long id = 0;
    // In root coordinates: the part of the window its program draws, without any frame.
    QRect clientArea;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // The X server that input goes through and pixels come back from, whatever draws on it.
    virtual const XvfbServer& server() const = 0;
    Display* display() const;

    virtual DesktopTraits traits() const { return {}; }

    // What a program's environment needs to be a client of this desktop: NAME=value to set, a
    // lone NAME to remove.
    virtual std::vector<std::string> clientEnvironment() const = 0;
    // The command that starts a program here: its own, where the desktop runs the system's
    // programs; behind a loader, where it runs another system's.
    virtual std::vector<std::string> launchCommand(std::vector<std::string> program) const
    {
        return program;
    }
    // The program's shown top-level windows of that title, the topmost first where it is known.
    virtual std::vector<TopLevel> topLevels(pid_t program, const std::string& title) const = 0;
    // A rectangle of a window's client area, in its own coordinates; null if it cannot be read.
    virtual QImage capture(const TopLevel& window, const QRect& area) const = 0;

    // Puts the pointer on a point of the screen, where the desktop's own pointer goes too.
    virtual void moveTo(QPoint rootPoint) const = 0;
    // Moves the pointer straight there, as while a button is held.
    void dragTo(QPoint rootPoint) const;
    // A click of the left button at a point of the screen, as a player makes it; the pointer
    // rests afterwards where the desktop would show it least.
    virtual void clickAt(QPoint rootPoint) const = 0;
    void tapKey(XKeySym keysym) const;
    void tapChord(std::initializer_list<XKeySym> keysyms) const;
    // The desktop's own command to close the window.
    virtual void requestClose(const TopLevel& window) const = 0;

    // A point of the screen off every window, where the pointer rests.
    virtual QPoint parkingPoint() const = 0;
    // How often a poll may ask where windows are.
    virtual milliseconds pollPace() const = 0;
    // What the desktop logged, for a failure's report; empty where it keeps no log.
    virtual std::string log() const { return {}; }
};

} // namespace harness
