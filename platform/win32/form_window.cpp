#include "platform/win32/form_window.h"

#include "platform/form.h"
#include "platform/win32/announcer.h"
#include "platform/win32/control_kinds.h"
#include "platform/win32/mouse_input.h"
#include "platform/win32/pixels.h"
#include "platform/win32/text.h"
#include "platform/win32/window_looks.h"

#include <algorithm>
#include <commctrl.h>
#include <stdexcept>
#include <utility>
#include <windowsx.h>

namespace platform::win32 {
namespace {

constexpr wchar_t kClassName[] = L"FormsRuntimeForm";

// Nothing in the layout follows a change of size, so the frame has neither a sizing border nor
// a maximise box, and Windows keeps the window at its size. (The Qt build lifts its maximum
// size where Qt draws the frame itself, under Wayland, as a compositor there may maximise any
// window; Windows draws every frame and maximises no window that lacks the box.)
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Posted after the window's first paint.
constexpr UINT kFinishLoading = WM_APP + 1;

} // namespace

FormWindow::FormWindow(Form& form, const FormDesign& design)
    : m_form(form)
    , m_clientWidth(design.clientWidth)
    , m_clientHeight(design.clientHeight)
    , m_iconPicture(design.icon)
    , m_pointerDesign(design.pointer)
    , m_fontDesign(design.font)
{
    // The desktop's themed controls, which the manifest asks for.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    // The platform's default form colour; the pointer is chosen by what lies under it.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    // A second form finds the class registered.
    RegisterClassExW(&windowClass);

    if (!CreateWindowExW(0, kClassName, toUtf16(design.caption).c_str(), kStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                         GetModuleHandleW(nullptr), this))
        throw std::runtime_error("the form's window cannot be made");
    // The density of the monitor the window opens on.
    m_dpi = GetDpiForWindow(m_handle);
    loadLooks();
    const SIZE frame = frameSize();
    SetWindowPos(m_handle, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

FormWindow::~FormWindow()
{
    // Nothing of the form is asked while the window and its controls go.
    SetWindowLongPtrW(m_handle, GWLP_USERDATA, 0);
    DestroyWindow(m_handle);
    releaseLooks();
}

std::unique_ptr<NativeControl> FormWindow::createControl(Control& control,
                                                         const ControlDesign& design)
{
    switch (design.kind) {
    case ControlKind::Image:
        return makeImage(*this, control, design);
    case ControlKind::Label:
        return makeLabel(*this, control, design);
    case ControlKind::TextBox:
        return makeTextBox(*this, control, design);
    case ControlKind::CheckBox:
        return makeCheckBox(*this, control, design);
    case ControlKind::HScrollBar:
        return makeScrollBar(*this, control, design);
    case ControlKind::CommandButton:
        return makeCommandButton(*this, control, design);
    }
    throw std::invalid_argument("unknown control kind");
}

void FormWindow::setTabOrder(const std::vector<NativeControl*>& order)
{
    m_tabOrder.clear();
    for (NativeControl* control : order)
        m_tabOrder.push_back(dynamic_cast<ChildControl&>(*control).handle());
}

void FormWindow::show()
{
    // The way the program was started asks for: normal, or minimised from a shortcut.
    ShowWindow(m_handle, SW_SHOWDEFAULT);
    UpdateWindow(m_handle);
}

void FormWindow::holdInput(bool)
{
    // The message box disables its owner, this window, while it is open: the player's input
    // waits without anything done here, and the focus comes back where it was when the window
    // is active again (WM_ACTIVATE).
}

void FormWindow::announce(std::string_view text) { win32::announce(m_handle, text); }

void FormWindow::repaint(const RECT& area) const
{
    RedrawWindow(m_handle, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindow::showChanges()
{
    // Every window the handler changed, painted at once rather than each at its own WM_PAINT,
    // which would show a control at its new place while it still shows at the old one.
    RedrawWindow(m_handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void FormWindow::moveFocus(bool forward)
{
    const std::size_t count = m_tabOrder.size();
    const auto focused = std::find(m_tabOrder.begin(), m_tabOrder.end(), GetFocus());
    const bool inOrder = focused != m_tabOrder.end();
    // From outside the order, a step forward comes to its first control and a step back to its
    // last; from inside, every other control is tried once.
    const std::size_t from = inOrder   ? static_cast<std::size_t>(focused - m_tabOrder.begin())
                             : forward ? count - 1
                                       : 0;
    const std::size_t candidates = inOrder ? count - 1 : count;
    for (std::size_t step = 1; step <= candidates; ++step) {
        const HWND next = m_tabOrder[(forward ? from + step : from + count - step) % count];
        if (IsWindowVisible(next) && IsWindowEnabled(next)) {
            SetFocus(next);
            return;
        }
    }
}

bool FormWindow::handleKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN)
        return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    if (message.wParam == VK_TAB) {
        moveFocus(!shift);
        // From now on the controls show where the focus is, as a dialog's do after Tab.
        SendMessageW(m_handle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        return true;
    }
    // Space presses a focused button by itself; Enter does so only in a dialog, and here too.
    if (message.wParam == VK_RETURN && !shift &&
        (SendMessageW(message.hwnd, WM_GETDLGCODE, 0, 0) &
         (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

FormWindow* FormWindow::of(HWND window)
{
    if (!window || GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(procedure))
        return nullptr;
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

FormWindow& FormWindow::of(const Form& form)
{
    struct Search {
        const Form* form;
        FormWindow* found;
    } search{&form, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            FormWindow* candidate = of(window);
            if (candidate && &candidate->form() == search.form)
                search.found = candidate;
            return !search.found;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        throw std::logic_error("the form has no window on this thread");
    return *search.found;
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handleMessage(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (ChildControl* control = ChildControl::of(reinterpret_cast<HWND>(lParam))) {
            control->command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_HSCROLL:
        if (ChildControl* control = ChildControl::of(reinterpret_cast<HWND>(lParam))) {
            control->scroll(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        if (const ChildControl* control = ChildControl::of(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = control->colour(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_SETCURSOR:
        if (setCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam)))
            return TRUE;
        break;
    case WM_MOUSEMOVE:
        // Only over the client area that no control covers: each control is a window that takes
        // the mouse over itself.
        m_form.raiseMouseMove(heldButtons(wParam), shiftState(wParam),
                              pixelsToTwips(GET_X_LPARAM(lParam), m_dpi),
                              pixelsToTwips(GET_Y_LPARAM(lParam), m_dpi));
        return 0;
    case WM_ACTIVATE:
        // A top-level window forgets which child had the focus when another window takes it (a
        // message box, another program); the form keeps it, as a dialog does.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            m_focusWhileInactive = focus && IsChild(m_handle, focus) ? focus : nullptr;
            return 0;
        }
        if (m_focusWhileInactive && IsWindowVisible(m_focusWhileInactive)) {
            SetFocus(std::exchange(m_focusWhileInactive, nullptr));
            return 0;
        }
        if (IsChild(m_handle, GetFocus()))
            return 0;
        break;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_PAINT:
        // The first frame is on its way; what the controls left out of it comes next.
        if (!std::exchange(m_painted, true))
            PostMessageW(m_handle, kFinishLoading, 0, 0);
        break;
    case kFinishLoading:
        m_form.finishLoading();
        return 0;
    case WM_CLOSE:
        // The form ends the program; the window goes with the form.
        m_form.unload();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_handle, message, wParam, lParam);
}

bool FormWindow::setCursor(HWND under, WORD hitTest)
{
    const ChildControl* control = ChildControl::of(under);
    if (control && !control->showsFormPointer()) {
        // Over every part of a window-backed control, its scroll bars and borders included.
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return true;
    }
    if ((under != m_handle && !control) || hitTest != HTCLIENT)
        return false;
    SetCursor(m_pointer ? m_pointer : LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

void FormWindow::changeDpi(unsigned dpi, const RECT& suggested)
{
    m_dpi = dpi;
    // The new font reaches every control before the old one goes.
    const HFONT oldFont = std::exchange(m_font, nullptr);
    const HICON oldIcon = std::exchange(m_bigIcon, nullptr);
    const HICON oldSmallIcon = std::exchange(m_smallIcon, nullptr);
    const HCURSOR oldPointer = std::exchange(m_pointer, nullptr);
    loadLooks();
    // Where Windows suggests, at the size of the design's client area at the new density.
    const SIZE frame = frameSize();
    SetWindowPos(m_handle, nullptr, suggested.left, suggested.top, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = GetWindow(m_handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ChildControl* control = ChildControl::of(child))
            control->rescale(dpi);
    RedrawWindow(m_handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    DeleteObject(oldFont);
    DestroyIcon(oldIcon);
    DestroyIcon(oldSmallIcon);
    DestroyCursor(oldPointer);
}

SIZE FormWindow::frameSize() const
{
    RECT frame{0, 0, twipsToPixels(m_clientWidth, m_dpi), twipsToPixels(m_clientHeight, m_dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, m_dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void FormWindow::loadLooks()
{
    m_font = createFont(m_fontDesign, m_dpi);
    if (!m_iconPicture.empty()) {
        m_bigIcon = loadIcon(m_iconPicture, GetSystemMetricsForDpi(SM_CXICON, m_dpi));
        m_smallIcon = loadIcon(m_iconPicture, GetSystemMetricsForDpi(SM_CXSMICON, m_dpi));
        SendMessageW(m_handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon));
        SendMessageW(m_handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
    }
    if (!m_pointerDesign.picture.empty())
        m_pointer = loadPointer(m_pointerDesign, m_dpi, m_pictures);
}

void FormWindow::releaseLooks()
{
    DeleteObject(m_font);
    if (m_bigIcon)
        DestroyIcon(m_bigIcon);
    if (m_smallIcon)
        DestroyIcon(m_smallIcon);
    if (m_pointer)
        DestroyCursor(m_pointer);
}

} // namespace platform::win32

namespace platform {

std::unique_ptr<NativeWindow> createNativeWindow(Form& form, const FormDesign& design)
{
    return std::make_unique<win32::FormWindow>(form, design);
}

} // namespace platform
