// Wine in a private Xvfb with no window manager: Windows programs whose windows wine draws as
// X windows of their own, frame and all, each desktop with a wine prefix and a wine server of its
// own.
#pragma once

#include "harness/desktop.h"

#include <QSize>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace harness {

class ChildProcess;
class XDesktop;

class WineDesktop final : public Desktop {
public:
    struct Setup {
        // What makes a prefix and runs a Windows program in it: scripts/wine-run, which takes
        // --prefix DIR before the program or --make-prefix.
        std::filesystem::path runner;
        // A prefix that the runner makes once and each desktop copies.
        std::filesystem::path templatePrefix;
    };

    // Starts an Xvfb of that screen size, has the runner make the template prefix unless it is
    // there, copies it and starts a wine server on the copy that stays up between programs.
    // Throws std::runtime_error if any of it fails.
    WineDesktop(QSize screen, Setup setup);
    WineDesktop(const WineDesktop&) = delete;
    WineDesktop& operator=(const WineDesktop&) = delete;
    // Ends every wine process of the prefix and removes the copy.
    ~WineDesktop() override;

    // A Windows program takes no POSIX signal and no Qt setting, wine names, sizes and decorates
    // every window it makes in X, and it drops the close command of a disabled window.
    static constexpr DesktopTraits kTraits{.programsTakeSignals = false,
                                           .programsTakeQtScaleFactor = false,
                                           .windowPropertiesAreTheProgramsOwn = false,
                                           .closesWindowsUnderAModalBox = false};

    DesktopTraits traits() const override { return kTraits; }
    const XvfbServer& server() const override;
    std::vector<std::string> clientEnvironment() const override;
    std::vector<std::string> launchCommand(std::vector<std::string> program) const override;
    // The shown X windows of that title whose _NET_WM_PID is the program's or a child's of it.
    std::vector<TopLevel> topLevels(pid_t program, const std::string& title) const override;
    QImage capture(const TopLevel& window, const QRect& area) const override;
    void moveTo(QPoint rootPoint) const override;
    void clickAt(QPoint rootPoint) const override;
    // WM_DELETE_WINDOW, which wine turns into the window's close command; wine drops it while the
    // window is disabled, as under a modal box.
    void requestClose(const TopLevel& window) const override;
    QPoint parkingPoint() const override;
    milliseconds pollPace() const override { return milliseconds(10); }

private:
    std::unique_ptr<XDesktop> m_x;
    Setup m_setup;
    std::filesystem::path m_prefix;
    std::unique_ptr<ChildProcess> m_wineServer;
};

} // namespace harness
