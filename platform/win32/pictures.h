// The embedded pictures, decoded with the Windows Imaging Component and drawn with GDI.
#pragma once

#include "platform/win32/windows_api.h"

#include <functional>
#include <string>
#include <string_view>
#include <wincodec.h>
#include <wrl/client.h>

namespace platform::win32 {

// The name of a picture among the executable's resources: the design names it by a path, and
// the resources by its last part, the file name.
std::wstring resourceName(std::string_view picture);

// A picture ready for the screen: premultiplied 32-bit pixels, drawn with their transparency.
class Picture {
public:
    Picture() = default;
    Picture(HBITMAP bitmap, SIZE size);
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    ~Picture();

    bool isNull() const { return m_bitmap == nullptr; }
    SIZE size() const { return m_size; }
    void draw(HDC dc, int x, int y) const;

private:
    HBITMAP m_bitmap = nullptr;
    SIZE m_size{};
};

// Decodes the first image of an embedded picture, the one the runtime shows of an icon too.
// Throws std::runtime_error if the picture is missing or cannot be read: every picture is
// compiled in.
class PictureDecoder {
public:
    PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;
    ~PictureDecoder();

    // The picture's own size in its pixels.
    SIZE size(std::string_view picture) const;
    // At its own size scaled to `dpi`, as a desktop that scales a window draws a picture.
    Picture atScale(std::string_view picture, unsigned dpi) const;
    // Stretched to fill `size`.
    Picture stretched(std::string_view picture, SIZE size) const;

private:
    Microsoft::WRL::ComPtr<IWICBitmapFrameDecode> firstImage(std::string_view picture) const;
    Picture decode(std::string_view picture, const std::function<SIZE(SIZE)>& drawnSize) const;

    bool m_comStarted = false;
    Microsoft::WRL::ComPtr<IWICImagingFactory> m_factory;
};

} // namespace platform::win32
