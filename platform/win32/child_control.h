// One control of a form as a child window of the form's window: what every kind shares.
#pragma once

#include "platform/design.h"
#include "platform/front_end.h"
#include "platform/win32/windows_api.h"

namespace platform {
class Control;
}

namespace platform::win32 {

class FormWindow;

class ChildControl : public NativeControl {
public:
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;
    ~ChildControl() override;

    void place(float left, float top) override;
    void setVisible(bool visible) override;
    void takeFocus() override;

    HWND handle() const { return m_handle; }
    // The control a child window of a form stands for; null for any other window.
    static ChildControl* of(HWND window);

    // Lays the control out again at the form window's new density.
    virtual void rescale(unsigned dpi);
    // What the form window hands on from the notifications the control sends it.
    virtual void command(WORD notification) { (void)notification; }
    virtual void scroll(WORD request) { (void)request; }
    // Answers WM_CTLCOLOR...: the brush to fill the control with, null for the desktop's own.
    virtual HBRUSH colour(HDC dc) const;
    // Pictures and labels show the form's pointer, as the runtime's windowless controls do,
    // though each is a child window here; a window-backed control shows the desktop's arrow.
    bool showsFormPointer() const { return m_backing == Backing::Windowless; }

protected:
    enum class Backing { Windowless, Window };
    // The window class and styles of a kind; every control also clips its siblings, so that
    // the stacking decides what shows where controls overlap.
    struct Kind {
        const wchar_t* className;
        DWORD style;
        DWORD extendedStyle;
        Backing backing;
    };
    ChildControl(FormWindow& window, Control& control, const ControlDesign& design,
                 const Kind& kind);

    FormWindow& window() const { return m_window; }
    Control& control() const { return m_control; }
    SystemColour background() const { return m_background; }
    // The control's rectangle in the form window's client area, at its density.
    RECT rectangle() const;

private:
    FormWindow& m_window;
    Control& m_control;
    float m_left;
    float m_top;
    float m_width;
    float m_height;
    SystemColour m_background;
    Backing m_backing;
    HWND m_handle = nullptr;
};

} // namespace platform::win32
