// The top-level window of a form: its client area is the form's own surface, and the
// controls are its child windows.
#pragma once

#include "platform/design.h"
#include "platform/front_end.h"
#include "platform/win32/pictures.h"
#include "platform/win32/windows_api.h"

#include <string_view>
#include <vector>

namespace platform::win32 {

class FormWindow final : public NativeWindow {
public:
    FormWindow(Form& form, const FormDesign& design);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override;

    std::unique_ptr<NativeControl> createControl(Control& control,
                                                 const ControlDesign& design) override;
    void setTabOrder(const std::vector<NativeControl*>& order) override;
    void show() override;
    void holdInput(bool held) override;
    void announce(std::string_view text) override;
    void showChanges() override;

    HWND handle() const { return m_handle; }
    Form& form() const { return m_form; }
    unsigned dpi() const { return m_dpi; }
    HFONT font() const { return m_font; }
    const PictureDecoder& pictures() const { return m_pictures; }

    // Has what lies in the rectangle of the client area drawn again, the controls there
    // included: a picture shows what lies beneath it through its transparent pixels.
    void repaint(const RECT& area) const;
    // Moves the focus to the next shown control of the tab order, or the previous one.
    void moveFocus(bool forward);
    // The keys a form handles before its controls see them: Tab and Shift+Tab move the focus,
    // Enter presses the focused button. Returns whether the key was one of them.
    bool handleKey(const MSG& message);

    // The form window that is `window`, if it is one.
    static FormWindow* of(HWND window);
    // The window of the form, made on this thread; throws std::logic_error if it has none.
    static FormWindow& of(const Form& form);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool setCursor(HWND under, WORD hitTest);
    void changeDpi(unsigned dpi, const RECT& suggested);
    // The frame's size for the design's client area at the window's density.
    SIZE frameSize() const;
    void loadLooks();
    void releaseLooks();

    Form& m_form;
    // What the window keeps of its design to draw itself again at another density.
    float m_clientWidth;
    float m_clientHeight;
    std::string_view m_iconPicture;
    PointerDesign m_pointerDesign;
    FontDesign m_fontDesign;
    PictureDecoder m_pictures;
    HWND m_handle = nullptr;
    unsigned m_dpi = 96;
    HFONT m_font = nullptr;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    HCURSOR m_pointer = nullptr;
    std::vector<HWND> m_tabOrder;
    HWND m_focusWhileInactive = nullptr;
    bool m_painted = false;
};

} // namespace platform::win32
