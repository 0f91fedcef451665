// A label: the desktop's static text control.
#include "platform/win32/control_kinds.h"

namespace platform::win32 {
namespace {

class LabelControl final : public ChildControl {
public:
    LabelControl(FormWindow& window, Control& control, const ControlDesign& design)
        : ChildControl(window, control, design,
                       // Left-aligned static text wraps at word breaks. Without SS_NOTIFY a
                       // static control lets the mouse through to whatever lies beneath it; a
                       // label takes it, as every control does. An ampersand is text, not a
                       // mnemonic.
                       {L"STATIC",
                        SS_LEFT | SS_NOTIFY | SS_NOPREFIX | (design.border ? WS_BORDER : 0u),
                        WS_EX_NOPARENTNOTIFY, Backing::Windowless})
    {
    }
};

} // namespace

std::unique_ptr<ChildControl> makeLabel(FormWindow& window, Control& control,
                                        const ControlDesign& design)
{
    return std::make_unique<LabelControl>(window, control, design);
}

} // namespace platform::win32
