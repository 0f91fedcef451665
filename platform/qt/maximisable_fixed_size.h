// A window of one fixed size that a Wayland compositor may still maximise.
#pragma once

#include <QObject>

class QWidget;

namespace platform {

// Under a Wayland compositor, lets a window that has fixed its size take the size the compositor
// gives it while maximised, and gives it back its own size in every other state. On other
// platforms it does nothing: there the window manager keeps a fixed-size window as it is.
//
// Qt 6.4 draws its own title bar under Weston, with a maximise button whatever the window's
// flags, and a compositor may maximise any window by a key binding of its own. A maximised
// surface must be exactly the size the compositor configures, but Qt bounds that size by the
// window's maximum size: the next frame then breaks the protocol and the compositor ends the
// program. So where Qt draws the frame the maximum size is lifted once the window is drawn, and the
// window's minimum size, which stays the fixed size, is the size it keeps outside the maximised
// state: an edge dragged gets nothing. Where the compositor draws the frame (sway, through
// xdg-decoration) the window keeps a maximum size equal to its minimum: a tiling compositor
// floats only such a window, and would otherwise tile it and cut off what its tile lacks.
class MaximisableFixedSize final : public QObject {
public:
    // Becomes a child of `window`.
    explicit MaximisableFixedSize(QWidget& window);

    // Lifts the maximum size again after the window has fixed its size anew, where Qt draws the
    // window's frame.
    void refix();
    bool maximised() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool qtDrawsTheFrame() const;

    QWidget& m_window;
    bool m_underWayland;
    bool m_checkedFrame = false;
};

} // namespace platform
