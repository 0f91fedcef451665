// A horizontal scroll bar: the desktop's scroll bar control, which pages, steps, repeats a held
// press and takes the keys by itself; the form sets its value as each request asks.
#include "platform/controls.h"
#include "platform/win32/control_kinds.h"

#include <algorithm>

namespace platform::win32 {
namespace {

class ScrollBarControl final : public ChildControl {
public:
    ScrollBarControl(FormWindow& window, Control& control, const ControlDesign& design)
        : ChildControl(window, control, design,
                       {L"SCROLLBAR", SBS_HORZ | WS_TABSTOP, WS_EX_NOPARENTNOTIFY, Backing::Window})
        , m_range(design.range)
    {
        // No page size: the thumb is the desktop's plain square, and every value from the
        // minimum to the maximum is a place for it.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        info.nMin = m_range.min;
        info.nMax = m_range.max;
        info.nPos = m_range.value;
        SetScrollInfo(handle(), SB_CTL, &info, FALSE);
        m_value = m_range.value;
    }

    std::int16_t value() const override { return m_value; }

    void setValue(std::int16_t value) override
    {
        if (value == m_value)
            return;
        m_value = value;
        SetScrollPos(handle(), SB_CTL, value, TRUE);
        dynamic_cast<HScrollBar&>(control()).raiseChange();
    }

    void scroll(WORD request) override
    {
        int wanted = m_value;
        switch (request) {
        case SB_LINELEFT:
            wanted -= m_range.smallChange;
            break;
        case SB_LINERIGHT:
            wanted += m_range.smallChange;
            break;
        case SB_PAGELEFT:
            wanted -= m_range.largeChange;
            break;
        case SB_PAGERIGHT:
            wanted += m_range.largeChange;
            break;
        case SB_LEFT:
            wanted = m_range.min;
            break;
        case SB_RIGHT:
            wanted = m_range.max;
            break;
        case SB_THUMBPOSITION:
            // The thumb was let go. While it is dragged (SB_THUMBTRACK) the bar draws it where
            // the pointer is and the value stays, so that Change comes once, at the release.
            wanted = trackedPosition();
            break;
        default:
            return;
        }
        setValue(static_cast<std::int16_t>(std::clamp<int>(wanted, m_range.min, m_range.max)));
    }

private:
    // The position the thumb was dragged to, in full: the request's own is 16 bits.
    int trackedPosition() const
    {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(handle(), SB_CTL, &info);
        return info.nTrackPos;
    }

    ScrollRange m_range;
    std::int16_t m_value = 0;
};

} // namespace

std::unique_ptr<ChildControl> makeScrollBar(FormWindow& window, Control& control,
                                            const ControlDesign& design)
{
    return std::make_unique<ScrollBarControl>(window, control, design);
}

} // namespace platform::win32
