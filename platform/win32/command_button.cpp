// A command button: the desktop's push button.
#include "platform/controls.h"
#include "platform/win32/control_kinds.h"
#include "platform/win32/text.h"

namespace platform::win32 {
namespace {

class PushButtonControl final : public ChildControl {
public:
    PushButtonControl(FormWindow& window, Control& control, const ControlDesign& design)
        : ChildControl(
              window, control, design,
              {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, WS_EX_NOPARENTNOTIFY, Backing::Window})
    {
    }

    std::string text() const override { return windowText(handle()); }
    void setText(std::string_view text) override
    {
        SetWindowTextW(handle(), toUtf16(text).c_str());
    }

    // Pressed by the mouse, by Space, by Enter (FormWindow::handleKey) or by a screen reader.
    void command(WORD notification) override
    {
        if (notification == BN_CLICKED)
            dynamic_cast<CommandButton&>(control()).raiseClick();
    }
};

} // namespace

std::unique_ptr<ChildControl> makeCommandButton(FormWindow& window, Control& control,
                                                const ControlDesign& design)
{
    return std::make_unique<PushButtonControl>(window, control, design);
}

} // namespace platform::win32
