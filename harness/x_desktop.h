// Plain X: a private Xvfb with no window manager, where the programs' own windows are the
// top-level windows and the X server's pointer is the only one.
#pragma once

#include "harness/desktop.h"

#include <QSize>
#include <memory>

namespace harness {

class XDesktop final : public Desktop {
public:
    // Starts an Xvfb of that screen size. Throws std::runtime_error if it does not start or has
    // no XTest to fake input with.
    explicit XDesktop(QSize screen);
    ~XDesktop() override;

    const XvfbServer& server() const override { return *m_server; }
    std::vector<std::string> clientEnvironment() const override;
    std::vector<TopLevel> topLevels(pid_t program, const std::string& title) const override;
    QImage capture(const TopLevel& window, const QRect& area) const override;
    void moveTo(QPoint rootPoint) const override;
    void clickAt(QPoint rootPoint) const override;
    // WM_DELETE_WINDOW, as a window manager's close button sends it.
    void requestClose(const TopLevel& window) const override;
    QPoint parkingPoint() const override;
    milliseconds pollPace() const override { return milliseconds(10); }

private:
    std::unique_ptr<XvfbServer> m_server;
};

} // namespace harness
