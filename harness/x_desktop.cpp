#include "harness/x_desktop.h"

#include "harness/window_actions.h"
#include "harness/window_capture.h"
#include "harness/x_input.h"
#include "harness/x_windows.h"
#include "harness/xvfb_server.h"

#include <stdexcept>

namespace harness {

XDesktop::XDesktop(QSize screen)
    : m_server(std::make_unique<XvfbServer>(screen))
{
    if (!hasXTest(display()))
        throw std::runtime_error("the X server has no XTest extension");
}

XDesktop::~XDesktop() = default;

std::vector<std::string> XDesktop::clientEnvironment() const
{
    // The real X11 platform, whatever the test's own environment asks of Qt.
    return {m_server->displayVariable(), "QT_QPA_PLATFORM=xcb"};
}

std::vector<TopLevel> XDesktop::topLevels(pid_t program, const std::string& title) const
{
    std::vector<TopLevel> found;
    for (XWindow window : shownWindowsOf(display(), program))
        if (windowName(display(), window) == title)
            found.push_back({window, rootGeometry(display(), window)});
    return found;
}

QImage XDesktop::capture(const TopLevel& window, const QRect& area) const
{
    // No frame: the client area is the whole window.
    return captureArea(display(), window.id, area);
}

void XDesktop::moveTo(QPoint rootPoint) const { movePointer(display(), rootPoint); }

void XDesktop::clickAt(QPoint rootPoint) const
{
    // The X server draws no pointer into the windows' pixels: it may stay where it clicked.
    moveTo(rootPoint);
    clickButton(display());
}

void XDesktop::requestClose(const TopLevel& window) const
{
    sendDeleteWindow(display(), window.id);
}

QPoint XDesktop::parkingPoint() const
{
    const QSize screen = m_server->screenSize();
    return {screen.width() - 10, screen.height() - 14};
}

} // namespace harness
