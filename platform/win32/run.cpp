// The message loop of a form on the Win32 API.
#include "platform/form.h"
#include "platform/win32/form_window.h"

namespace platform {

int run(Form& form)
{
    // Closing the window unloads the form, which ends the loop here or in an open message box.
    form.onUnload = [] { PostQuitMessage(0); };
    form.load();
    form.show();
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        win32::FormWindow* window = win32::FormWindow::of(GetAncestor(message.hwnd, GA_ROOT));
        if (window && window->handleKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

} // namespace platform
