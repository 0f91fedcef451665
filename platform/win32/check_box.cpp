// A check box: the desktop's automatic check box.
#include "platform/controls.h"
#include "platform/runtime_error.h"
#include "platform/win32/control_kinds.h"

#include <commctrl.h>

namespace platform::win32 {
namespace {

// Click follows every change of the value, once, whichever way it came: the mouse, Space, a
// screen reader's action, another program's BM_SETCHECK or the program's own Value. An
// automatic check box sets its state with BM_SETCHECK on itself, so the box watches that
// message; the BN_CLICKED that follows a click finds the change already told.
//
// A player's click gives only checked or unchecked: a greyed box becomes unchecked, as a
// two-state box does. The box takes the three-state style only while it is greyed.
class CheckBoxControl final : public ChildControl {
public:
    CheckBoxControl(FormWindow& window, Control& control, const ControlDesign& design)
        : ChildControl(
              window, control, design,
              {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, WS_EX_NOPARENTNOTIFY, Backing::Window})
    {
        setState(design.checkValue);
        m_told = state();
        SetWindowSubclass(handle(), watch, 0, reinterpret_cast<DWORD_PTR>(this));
    }

    ~CheckBoxControl() override { RemoveWindowSubclass(handle(), watch, 0); }

    std::int16_t value() const override { return m_told; }
    void setValue(std::int16_t value) override { setState(value); }

    void command(WORD notification) override
    {
        if (notification == BN_CLICKED)
            tellChange();
    }

private:
    static LRESULT CALLBACK watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self)
    {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (message == BM_SETCHECK)
            reinterpret_cast<CheckBoxControl*>(self)->tellChange();
        return result;
    }

    std::int16_t state() const
    {
        const LRESULT checked = SendMessageW(handle(), BM_GETCHECK, 0, 0);
        return checked == BST_INDETERMINATE ? 2 : checked == BST_CHECKED ? 1 : 0;
    }

    void setState(std::int16_t value)
    {
        if (value < 0 || value > 2)
            throw invalidPropertyValueError();
        if (value == 2)
            setStyle(BS_AUTO3STATE);
        SendMessageW(handle(), BM_SETCHECK,
                     value == 2   ? BST_INDETERMINATE
                     : value == 1 ? BST_CHECKED
                                  : BST_UNCHECKED,
                     0);
    }

    void setStyle(DWORD type)
    {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_STYLE));
        if ((style & BS_TYPEMASK) != type)
            SendMessageW(handle(), BM_SETSTYLE, (style & ~DWORD{BS_TYPEMASK}) | type, TRUE);
    }

    void tellChange()
    {
        const std::int16_t now = state();
        if (now == m_told)
            return;
        m_told = now;
        if (now != 2)
            setStyle(BS_AUTOCHECKBOX);
        dynamic_cast<CheckBox&>(control()).raiseClick();
    }

    std::int16_t m_told = 0; // the value that Click was last raised for
};

} // namespace

std::unique_ptr<ChildControl> makeCheckBox(FormWindow& window, Control& control,
                                           const ControlDesign& design)
{
    return std::make_unique<CheckBoxControl>(window, control, design);
}

} // namespace platform::win32
