#include "platform/win32/child_control.h"

#include "platform/win32/form_window.h"
#include "platform/win32/pixels.h"
#include "platform/win32/system_colours.h"
#include "platform/win32/text.h"

#include <stdexcept>
#include <string>

namespace platform::win32 {

ChildControl::ChildControl(FormWindow& window, Control& control, const ControlDesign& design,
                           const Kind& kind)
    : m_window(window)
    , m_control(control)
    , m_left(design.left)
    , m_top(design.top)
    , m_width(design.width)
    , m_height(design.height)
    , m_background(design.background)
    , m_backing(kind.backing)
{
    // The window's text is the control's own where it has one (a caption, a text box's
    // contents), else what a screen reader calls it: readers take a window's name from it.
    const std::string_view text = design.text.empty() ? design.accessibleName : design.text;
    const RECT place = rectangle();
    m_handle =
        CreateWindowExW(kind.extendedStyle, kind.className, toUtf16(text).c_str(),
                        WS_CHILD | WS_CLIPSIBLINGS | kind.style | (design.visible ? WS_VISIBLE : 0),
                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                        window.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_handle)
        throw std::runtime_error("the control " + std::string(design.name) + " cannot be made");
    SetWindowLongPtrW(m_handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // A new child window goes beneath its siblings; the form makes its controls from the back
    // to the front, so each goes on top instead.
    SetWindowPos(m_handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(window.font()), FALSE);
}

ChildControl::~ChildControl()
{
    // The form's window, if it went first, took its child windows with it.
    if (!IsWindow(m_handle))
        return;
    SetWindowLongPtrW(m_handle, GWLP_USERDATA, 0);
    DestroyWindow(m_handle);
}

ChildControl* ChildControl::of(HWND window)
{
    if (!window || !FormWindow::of(GetParent(window)))
        return nullptr;
    return reinterpret_cast<ChildControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

RECT ChildControl::rectangle() const
{
    const unsigned dpi = m_window.dpi();
    const int left = twipsToPixels(m_left, dpi);
    const int top = twipsToPixels(m_top, dpi);
    return {left, top, left + twipsToPixels(m_width, dpi), top + twipsToPixels(m_height, dpi)};
}

void ChildControl::place(float left, float top)
{
    const RECT before = rectangle();
    m_left = left;
    m_top = top;
    const RECT after = rectangle();
    if (after.left == before.left && after.top == before.top)
        return;
    // Redrawn below, together with the controls above it that show it through their
    // transparent pixels.
    SetWindowPos(m_handle, nullptr, after.left, after.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    if (IsWindowVisible(m_handle)) {
        m_window.repaint(before);
        m_window.repaint(after);
    }
}

void ChildControl::setVisible(bool visible)
{
    // Its own flag: a control is not visible on the screen until the form's window shows.
    const bool wasVisible = (GetWindowLongPtrW(m_handle, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible == wasVisible)
        return;
    // The focus leaves a control as it hides, as a hidden control is skipped on Tab.
    if (!visible && GetFocus() == m_handle)
        m_window.moveFocus(true);
    ShowWindow(m_handle, visible ? SW_SHOWNA : SW_HIDE);
    m_window.repaint(rectangle());
}

void ChildControl::takeFocus() { SetFocus(m_handle); }

void ChildControl::rescale(unsigned)
{
    const RECT place = rectangle();
    SetWindowPos(m_handle, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_window.font()), TRUE);
}

HBRUSH ChildControl::colour(HDC dc) const { return applySystemColour(dc, m_background); }

} // namespace platform::win32
