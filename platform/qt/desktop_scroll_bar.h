// A horizontal or vertical scroll bar that behaves as a desktop's does whatever Qt style draws it.
#pragma once

#include <QBasicTimer>
#include <QScrollBar>
#include <QStyle>

namespace platform {

// The keys of a desktop scroll bar: arrows by the small change, Page Up and Page Down by the
// large one (Page Down to the right), Home and End to the ends. Qt maps Page Up to the right.
//
// A left press in the trough takes one large step towards the pointer and repeats while held,
// until the thumb reaches the pointer; it goes on only when the pointer moves on beyond the
// thumb. No press there makes the thumb jump to the pointer: only the entries of the bar's menu
// that say so ("Scroll here", the edges) move it there in one step, as a desktop's do. Qt leaves
// that to the style (a left or middle click jumps where the style's hints say so, and its repeat
// runs on to the end), so the bar pages itself: a style still draws it, but decides nothing about a
// press in the trough. Left presses on the arrows and the thumb stay Qt's.
//
// The left button alone pages, steps and drags, and only pressed on its own; its release ends
// what it started whatever other button is down. The other buttons do nothing on any part of
// the bar (Qt would let the middle one step or drag), and the right one opens Qt's menu of the
// bar only while the left one holds nothing: the menu would take the left release and leave
// the bar paging or its thumb held with no button down.
class DesktopScrollBar final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

    // The delays of Qt's own scroll bars: before a held press repeats, and between repeats.
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 50;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    // The repeat runs on a timer of the bar's own: Qt's slider repeat asks the style whether to
    // stop at a press position that only Qt's own press handling records.
    void timerEvent(QTimerEvent* event) override;

    // As Qt draws the bar, with the trough's pressed part shown sunk while it pages.
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStyle::SubControl partAt(QPoint point) const;
    SliderAction pageAction() const;
    // One large step now, and more after a delay while the press is held.
    void page();

    // Pauses the repeat while the pointer is off the pressed part of the trough (the thumb may
    // have reached it), and takes it up again when the pointer is over that part once more, as
    // Qt does for the arrows.
    void followPointer();

    void stopPaging();
    static SliderAction actionFor(int key);

    bool m_leftHeld = false; // since a left press on the bar, until its release
    QStyle::SubControl m_paging = QStyle::SC_None; // the part of the trough held pressed
    QPoint m_pointer;
    bool m_pointerAway = false;
    QBasicTimer m_repeat;
};

} // namespace platform
