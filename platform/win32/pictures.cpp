#include "platform/win32/pictures.h"

#include "platform/win32/pixels.h"
#include "platform/win32/text.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace platform::win32 {
namespace {

using Microsoft::WRL::ComPtr;

void check(HRESULT result, std::string_view picture, const char* step)
{
    if (SUCCEEDED(result))
        return;
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(result));
    throw std::runtime_error("the picture " + std::string(picture) + " cannot be " + step + " (" +
                             code + ")");
}

} // namespace

std::wstring resourceName(std::string_view picture)
{
    const std::size_t slash = picture.find_last_of('/');
    return toUtf16(slash == std::string_view::npos ? picture : picture.substr(slash + 1));
}

Picture::Picture(HBITMAP bitmap, SIZE size)
    : m_bitmap(bitmap)
    , m_size(size)
{
}

Picture::Picture(Picture&& other) noexcept
    : m_bitmap(std::exchange(other.m_bitmap, nullptr))
    , m_size(other.m_size)
{
}

Picture& Picture::operator=(Picture&& other) noexcept
{
    std::swap(m_bitmap, other.m_bitmap);
    std::swap(m_size, other.m_size);
    return *this;
}

Picture::~Picture()
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

void Picture::draw(HDC dc, int x, int y) const
{
    if (!m_bitmap)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, m_bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, m_size.cx, m_size.cy, source, 0, 0, m_size.cx, m_size.cy, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

PictureDecoder::PictureDecoder()
{
    // The imaging component is made of COM objects; this is the window's thread, whose apartment
    // is single-threaded.
    m_comStarted =
        SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&m_factory)),
          "decoder", "made");
}

PictureDecoder::~PictureDecoder()
{
    m_factory.Reset();
    if (m_comStarted)
        CoUninitialize();
}

SIZE PictureDecoder::size(std::string_view picture) const
{
    UINT width = 0;
    UINT height = 0;
    check(firstImage(picture)->GetSize(&width, &height), picture, "measured");
    return {static_cast<LONG>(width), static_cast<LONG>(height)};
}

Picture PictureDecoder::atScale(std::string_view picture, unsigned dpi) const
{
    return decode(picture, [dpi](SIZE own) {
        return SIZE{scaledPixels(own.cx, dpi), scaledPixels(own.cy, dpi)};
    });
}

Picture PictureDecoder::stretched(std::string_view picture, SIZE size) const
{
    return decode(picture, [size](SIZE) { return size; });
}

ComPtr<IWICBitmapFrameDecode> PictureDecoder::firstImage(std::string_view picture) const
{
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, resourceName(picture).c_str(), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    if (!loaded)
        throw std::runtime_error("the picture " + std::string(picture) + " is missing");
    ComPtr<IWICStream> stream;
    check(m_factory->CreateStream(&stream), picture, "read");
    check(stream->InitializeFromMemory(static_cast<BYTE*>(LockResource(loaded)),
                                       SizeofResource(program, found)),
          picture, "read");
    ComPtr<IWICBitmapDecoder> decoder;
    check(m_factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                             &decoder),
          picture, "decoded");
    ComPtr<IWICBitmapFrameDecode> image;
    check(decoder->GetFrame(0, &image), picture, "decoded");
    return image;
}

Picture PictureDecoder::decode(std::string_view picture,
                               const std::function<SIZE(SIZE)>& drawnSize) const
{
    const ComPtr<IWICBitmapFrameDecode> image = firstImage(picture);
    // A GIF's transparent colour and an icon's mask become pixels of no alpha here.
    ComPtr<IWICFormatConverter> converted;
    check(m_factory->CreateFormatConverter(&converted), picture, "converted");
    check(converted->Initialize(image.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                nullptr, 0.0, WICBitmapPaletteTypeCustom),
          picture, "converted");
    UINT width = 0;
    UINT height = 0;
    check(converted->GetSize(&width, &height), picture, "measured");
    const SIZE drawn = drawnSize({static_cast<LONG>(width), static_cast<LONG>(height)});
    if (drawn.cx <= 0 || drawn.cy <= 0)
        return {};

    // Scaled once, not on every paint; nearest-neighbour keeps the pixels crisp.
    ComPtr<IWICBitmapSource> source = converted;
    if (drawn.cx != static_cast<LONG>(width) || drawn.cy != static_cast<LONG>(height)) {
        ComPtr<IWICBitmapScaler> scaler;
        check(m_factory->CreateBitmapScaler(&scaler), picture, "scaled");
        check(scaler->Initialize(converted.Get(), static_cast<UINT>(drawn.cx),
                                 static_cast<UINT>(drawn.cy),
                                 WICBitmapInterpolationModeNearestNeighbor),
              picture, "scaled");
        source = scaler;
    }

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = drawn.cx;
    format.bmiHeader.biHeight = -drawn.cy; // top row first, as the imaging component gives them
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap)
        throw std::runtime_error("no memory for the picture " + std::string(picture));
    Picture result(bitmap, drawn);
    const UINT stride = static_cast<UINT>(drawn.cx) * 4;
    check(source->CopyPixels(nullptr, stride, stride * static_cast<UINT>(drawn.cy),
                             static_cast<BYTE*>(pixels)),
          picture, "decoded");
    return result;
}

} // namespace platform::win32
