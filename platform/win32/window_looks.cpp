#include "platform/win32/window_looks.h"

#include "platform/win32/pixels.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace platform::win32 {

HICON loadIcon(std::string_view picture, int size)
{
    auto* icon =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), resourceName(picture).c_str(),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (!icon)
        throw std::runtime_error("the icon " + std::string(picture) + " is missing");
    return icon;
}

HCURSOR loadPointer(const PointerDesign& pointer, unsigned dpi, const PictureDecoder& pictures)
{
    const int size = GetSystemMetricsForDpi(SM_CXCURSOR, dpi);
    auto* cursor = static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr),
                                                   resourceName(pointer.picture).c_str(),
                                                   IMAGE_CURSOR, size, size, LR_DEFAULTCOLOR));
    if (!cursor)
        throw std::runtime_error("the pointer " + std::string(pointer.picture) + " is missing");
    ICONINFO info{};
    GetIconInfo(cursor, &info);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    // The desktop scales the cursor's hot spot with its pixels; a pixel either way is rounding.
    const SIZE own = pictures.size(pointer.picture);
    const long hotX = MulDiv(pointer.hotX, size, own.cx);
    const long hotY = MulDiv(pointer.hotY, size, own.cy);
    if (std::labs(static_cast<long>(info.xHotspot) - hotX) > 1 ||
        std::labs(static_cast<long>(info.yHotspot) - hotY) > 1) {
        DestroyCursor(cursor);
        throw std::logic_error("the cursor of " + std::string(pointer.picture) +
                               " has another hot spot than the design's");
    }
    return cursor;
}

HFONT createFont(const FontDesign& font, unsigned dpi)
{
    // The stock font of dialogs names "MS Shell Dlg", which Windows maps to its classic dialog
    // face (Microsoft Sans Serif; Wine maps it to Tahoma); its height is for the system's
    // density.
    LOGFONTW face{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfHeight = font.pixelSize > 0 ? -scaledPixels(font.pixelSize, dpi)
                                       : MulDiv(face.lfHeight, static_cast<int>(dpi),
                                                static_cast<int>(GetDpiForSystem()));
    face.lfWidth = 0;
    HFONT created = CreateFontIndirectW(&face);
    if (created && font.condensed) {
        // No face of the desktop's comes condensed; the outline face is narrowed instead, to
        // three quarters of its width, as a condensed face is.
        HDC screen = GetDC(nullptr);
        HGDIOBJ previous = SelectObject(screen, created);
        TEXTMETRICW metrics{};
        GetTextMetricsW(screen, &metrics);
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
        DeleteObject(created);
        face.lfWidth = std::max<LONG>(1, metrics.tmAveCharWidth * 3 / 4);
        created = CreateFontIndirectW(&face);
    }
    if (!created)
        throw std::runtime_error("the form's font cannot be made");
    return created;
}

} // namespace platform::win32
