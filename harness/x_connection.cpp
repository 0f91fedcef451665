// Opens and closes the harness's connections, and keeps Xlib from exiting on a vanished window.
#include "harness/x_connection.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <cstdio>
#include <stdexcept>

namespace harness {
namespace {

int reportOtherErrors(Display* display, XErrorEvent* error)
{
    // A window destroyed between two requests about it, or unmapped before it is read back.
    if (error->error_code == BadWindow || error->error_code == BadDrawable ||
        (error->error_code == BadMatch &&
         (error->request_code == X_GetImage || error->request_code == X_SetInputFocus)))
        return 0;
    char text[256];
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X error: %s (request %d)\n", text, error->request_code);
    return 0;
}

} // namespace

void ignoreErrorsOnVanishedWindows() { XSetErrorHandler(reportOtherErrors); }

XConnection::XConnection(const std::string& name)
    : m_display(XOpenDisplay(name.empty() ? nullptr : name.c_str()))
{
    if (!m_display)
        throw std::runtime_error("cannot connect to the X display " +
                                 (name.empty() ? std::string("of $DISPLAY") : name));
    ignoreErrorsOnVanishedWindows();
}

XConnection::XConnection(Display* open)
    : m_display(open)
{
    if (!m_display)
        throw std::invalid_argument("no X connection to take over");
    ignoreErrorsOnVanishedWindows();
}

XConnection::~XConnection() { XCloseDisplay(m_display); }

} // namespace harness
