// A picture: a window class of this front end, which composes its picture over what lies beneath.
#include "platform/controls.h"
#include "platform/win32/control_kinds.h"
#include "platform/win32/form_window.h"
#include "platform/win32/mouse_input.h"
#include "platform/win32/pixels.h"

#include <utility>
#include <windowsx.h>

namespace platform::win32 {
namespace {

constexpr wchar_t kClassName[] = L"FormsRuntimePicture";

// Windows draws a child window without the pixels of the windows beneath it, so a picture with
// transparent pixels draws what lies beneath it itself: the form's colour, then every shown
// control under it from the back to the front, each asked to print itself, then its own
// picture. So whatever changes beneath a picture has the form repaint that area, the pictures
// above it included (FormWindow::repaint).
//
// A press of any button raises MouseDown; a press and release over the picture raises Click.
class PictureControl final : public ChildControl {
public:
    PictureControl(FormWindow& window, Control& control, const ControlDesign& design)
        : ChildControl(window, control, design, kind())
        , m_picture(design.picture)
        , m_stretch(design.stretch)
    {
        decode();
    }

    void setVisible(bool visible) override
    {
        // A press on a picture that hides comes to nothing.
        if (!visible)
            forgetPress();
        ChildControl::setVisible(visible);
    }

    void rescale(unsigned dpi) override
    {
        ChildControl::rescale(dpi);
        decode();
    }

private:
    static Kind kind()
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        if (!GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &windowClass)) {
            windowClass.lpfnWndProc = procedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kClassName;
            RegisterClassExW(&windowClass);
        }
        return {kClassName, 0, WS_EX_NOPARENTNOTIFY, Backing::Windowless};
    }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = static_cast<PictureControl*>(
            reinterpret_cast<ChildControl*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
        return self ? self->handleMessage(message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
    }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        case WM_PRINTCLIENT:
            m_drawn.draw(reinterpret_cast<HDC>(wParam), 0, 0);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            press(message, wParam, lParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            release(lParam);
            return 0;
        case WM_CAPTURECHANGED:
            m_pressed = false;
            return 0;
        default:
            return DefWindowProcW(handle(), message, wParam, lParam);
        }
    }

    void paint() const
    {
        PAINTSTRUCT painting;
        HDC screen = BeginPaint(handle(), &painting);
        RECT client;
        GetClientRect(handle(), &client);
        // Composed off the screen, so that nothing beneath flickers through.
        HDC canvas = CreateCompatibleDC(screen);
        HBITMAP pixels = CreateCompatibleBitmap(screen, client.right, client.bottom);
        HGDIOBJ previous = SelectObject(canvas, pixels);
        drawBeneath(canvas, client);
        m_drawn.draw(canvas, 0, 0);
        const RECT& area = painting.rcPaint;
        BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas,
               area.left, area.top, SRCCOPY);
        SelectObject(canvas, previous);
        DeleteObject(pixels);
        DeleteDC(canvas);
        EndPaint(handle(), &painting);
    }

    void drawBeneath(HDC canvas, const RECT& client) const
    {
        const HWND form = GetParent(handle());
        FillRect(canvas, &client,
                 reinterpret_cast<HBRUSH>(GetClassLongPtrW(form, GCLP_HBRBACKGROUND)));
        // From the bottom of the stacking up to this picture.
        for (HWND beneath = GetWindow(handle(), GW_HWNDLAST); beneath && beneath != handle();
             beneath = GetWindow(beneath, GW_HWNDPREV)) {
            RECT area;
            RECT overlap;
            GetWindowRect(beneath, &area);
            MapWindowPoints(HWND_DESKTOP, handle(), reinterpret_cast<POINT*>(&area), 2);
            if (!IsWindowVisible(beneath) || !IntersectRect(&overlap, &area, &client))
                continue;
            const int saved = SaveDC(canvas);
            SetViewportOrgEx(canvas, area.left, area.top, nullptr);
            SendMessageW(beneath, WM_PRINT, reinterpret_cast<WPARAM>(canvas),
                         PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
            RestoreDC(canvas, saved);
        }
    }

    void press(UINT message, WPARAM keys, LPARAM position)
    {
        const std::int16_t button = changedButton(message);
        const unsigned dpi = window().dpi();
        image().raiseMouseDown(button, shiftState(keys), pixelsToTwips(GET_X_LPARAM(position), dpi),
                               pixelsToTwips(GET_Y_LPARAM(position), dpi));
        // Held for a Click only if the picture still shows and the button is still down: the
        // handler may have hidden it, or opened a message box that took the release. The
        // pointer is captured only now, as a box must have the mouse while it is open.
        if (IsWindowVisible(handle()) && GetKeyState(virtualKey(button)) < 0) {
            SetCapture(handle());
            m_pressed = true;
        }
    }

    void release(LPARAM position)
    {
        if (!std::exchange(m_pressed, false))
            return;
        ReleaseCapture();
        RECT client;
        GetClientRect(handle(), &client);
        if (PtInRect(&client, {GET_X_LPARAM(position), GET_Y_LPARAM(position)}))
            image().raiseClick();
    }

    void forgetPress()
    {
        if (std::exchange(m_pressed, false) && GetCapture() == handle())
            ReleaseCapture();
    }

    void decode()
    {
        if (m_picture.empty())
            return;
        const RECT place = rectangle();
        m_drawn = m_stretch ? window().pictures().stretched(
                                  m_picture, {place.right - place.left, place.bottom - place.top})
                            : window().pictures().atScale(m_picture, window().dpi());
    }

    static int virtualKey(std::int16_t button)
    {
        return button == LeftButton ? VK_LBUTTON : button == RightButton ? VK_RBUTTON : VK_MBUTTON;
    }

    Image& image() const { return dynamic_cast<Image&>(control()); }

    std::string_view m_picture;
    bool m_stretch;
    Picture m_drawn;
    bool m_pressed = false;
};

} // namespace

std::unique_ptr<ChildControl> makeImage(FormWindow& window, Control& control,
                                        const ControlDesign& design)
{
    return std::make_unique<PictureControl>(window, control, design);
}

} // namespace platform::win32
