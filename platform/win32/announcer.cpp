#include "platform/win32/announcer.h"

#include "platform/win32/text.h"

#include <oleauto.h>
#include <uiautomationcore.h>

namespace platform::win32 {
namespace {

// uiautomationcore.h of MinGW-w64 lacks the notification event; these are Windows' values.
enum NotificationKind { NotificationKindOther = 4 };
enum NotificationProcessing { NotificationProcessingImportantMostRecent = 1 };

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, NotificationKind,
                                                NotificationProcessing, BSTR, BSTR);

// Looked up at run time, so that the program still starts where the library lacks it.
template <class Function> Function lookUp(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

void announce(HWND window, std::string_view text)
{
    HMODULE automation =
        LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!automation)
        return;
    const auto hostProvider = lookUp<HostProviderFromHwnd>(automation, "UiaHostProviderFromHwnd");
    const auto raise = lookUp<RaiseNotificationEvent>(automation, "UiaRaiseNotificationEvent");
    IRawElementProviderSimple* provider = nullptr;
    if (hostProvider && raise && SUCCEEDED(hostProvider(window, &provider))) {
        BSTR said = SysAllocString(toUtf16(text).c_str());
        // Each announcement replaces one not yet said.
        BSTR activity = SysAllocString(L"announcement");
        raise(provider, NotificationKindOther, NotificationProcessingImportantMostRecent, said,
              activity);
        SysFreeString(activity);
        SysFreeString(said);
        provider->Release();
    }
    FreeLibrary(automation);
}

} // namespace platform::win32
