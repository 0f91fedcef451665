// A connection of our own to an X server, closed when it goes out of scope.
#pragma once

#include "harness/x11_handles.h"

#include <string>

namespace harness {

class XConnection {
public:
    // Connects to the display called `name` (":N"), or to $DISPLAY if it is empty. Throws
    // std::runtime_error if nobody answers.
    explicit XConnection(const std::string& name = {});
    // Takes over a connection that is already open.
    explicit XConnection(Display* open);
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    ~XConnection();

    Display* display() const { return m_display; }

private:
    Display* m_display = nullptr;
};

// Errors about windows that have just gone away are expected of a connection that watches
// other programs' windows; Xlib's default handler would end this process for them. Every
// XConnection installs this once; other errors are reported on standard error.
void ignoreErrorsOnVanishedWindows();

} // namespace harness
