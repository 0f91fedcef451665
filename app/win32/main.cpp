// Blastmap on the Win32 API: starts the game's one window on the desktop's own controls,
// precise timers and message boxes.
#include "game/form1.h"
#include "platform/win32/form_window.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/windows_api.h"
#include "scene/texts.h"

#include <exception>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    try {
        platform::win32::Win32Services services;
        game::Form1 form(services);
        services.setOwnerWindow(platform::win32::FormWindow::of(form).handle());
        return platform::run(form);
    } catch (const std::exception& error) {
        // A picture or a window that cannot be made: the program has no window to go on in.
        // There is no console either, so the player is told in a box.
        MessageBoxW(nullptr, platform::win32::toUtf16(error.what()).c_str(),
                    platform::win32::toUtf16(scene::kCaption).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
