// A text box: the desktop's multi-line edit control.
#include "platform/win32/control_kinds.h"
#include "platform/win32/system_colours.h"
#include "platform/win32/text.h"

namespace platform::win32 {
namespace {

DWORD styleOf(const ControlDesign& design)
{
    const bool vertical =
        design.scrollBars == ScrollBars::Vertical || design.scrollBars == ScrollBars::Both;
    const bool horizontal =
        design.scrollBars == ScrollBars::Horizontal || design.scrollBars == ScrollBars::Both;
    // With a horizontal bar long lines scroll; without one they wrap at the box's width. A
    // locked box is for reading: its text scrolls and can be selected, not edited.
    return ES_MULTILINE | ES_AUTOVSCROLL | WS_TABSTOP | (vertical ? WS_VSCROLL : 0u) |
           (horizontal ? WS_HSCROLL | ES_AUTOHSCROLL : 0u) | (design.locked ? ES_READONLY : 0u);
}

class EditControl final : public ChildControl {
public:
    EditControl(FormWindow& window, Control& control, const ControlDesign& design)
        : ChildControl(
              window, control, design,
              {L"EDIT", styleOf(design), WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY, Backing::Window})
    {
    }

    // The design's lines end with a carriage return and a line feed, as the edit control's do.
    std::string text() const override { return windowText(handle()); }
    void setText(std::string_view text) override
    {
        SetWindowTextW(handle(), toUtf16(text).c_str());
    }

    HBRUSH colour(HDC dc) const override
    {
        if (HBRUSH designed = ChildControl::colour(dc))
            return designed;
        // The desktop greys a read-only edit control as if it were disabled; a text box keeps
        // the colour of text to be read, locked or not.
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
};

} // namespace

std::unique_ptr<ChildControl> makeTextBox(FormWindow& window, Control& control,
                                          const ControlDesign& design)
{
    return std::make_unique<EditControl>(window, control, design);
}

} // namespace platform::win32
