// blastmap-bench-probe.exe: the real game on the Win32 front end in this process, on timers that
// note their starts and ticks, emitting raw samples marked as the Windows build's.
//
//   blastmap-bench-probe.exe timers SECONDS   plays on the front end's precise timers, pressing
//                                             bare map every 1.7 s so that the explosion's timer
//                                             runs too; emits how late each tick came ("timers",
//                                             "tick", "stray")
#include "bench/probes/recording_services.h"
#include "game/form1.h"
#include "platform/win32/form_window.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/windows_api.h"
#include "scene/form1_design.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <random>
#include <string_view>

namespace {

// What the timer procedures reach: a plain Win32 timer carries no state of its own.
game::Form1* pressedForm = nullptr;
HWND formWindow = nullptr;

// The desktop's own coarse timer is enough for the presses and the end: their moment is not
// measured, only the game's timers are.
void CALLBACK pressBareMap(HWND, UINT, UINT_PTR, DWORD)
{
    static std::mt19937 chance(7);
    static std::uniform_real_distribution<float> across(600, 4000);
    pressedForm->Iraq.raiseMouseDown(platform::LeftButton, 0, across(chance), across(chance));
}

void CALLBACK endRun(HWND, UINT, UINT_PTR, DWORD) { PostMessageW(formWindow, WM_CLOSE, 0, 0); }

int playOnTimers(game::Form1& form, const bench::RecordingServices& services, int seconds)
{
    pressedForm = &form;
    formWindow = platform::win32::FormWindow::of(form).handle();
    SetTimer(nullptr, 0, 1700, pressBareMap);
    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, endRun);
    const int status = platform::run(form);
    services.emitSamples(seconds, "windows");
    return status;
}

} // namespace

int main(int argc, char** argv)
try {
    const std::string_view mode = argc > 2 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode != "timers" || count <= 0) {
        std::fprintf(stderr, "usage: blastmap-bench-probe.exe timers SECONDS\n");
        return 2;
    }
    platform::win32::Win32Services real;
    bench::RecordingServices services(real, scene::form1Design());
    game::Form1 form(services);
    real.setOwnerWindow(platform::win32::FormWindow::of(form).handle());
    return playOnTimers(form, services, count);
} catch (const std::exception& error) {
    std::fprintf(stderr, "blastmap-bench-probe.exe: %s\n", error.what());
    return 2;
}
