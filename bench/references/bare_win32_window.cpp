// The least a Win32 program does to show Blastmap's window: a class, a window of the game's style
// and client size at 96 dots per inch, and the map, decoded from the executable's resources with
// the Windows Imaging Component as the game decodes it, stretched and painted.
#include <initializer_list>
#include <wincodec.h>
#include <windows.h>

namespace {

// Plain numbers, not the game's design: the references are what Blastmap is measured against,
// so they share none of its code; only the embedded pictures are the same.
constexpr int kClientWidth = 402;
constexpr int kClientHeight = 328;
constexpr UINT kMapWidth = 401;
constexpr UINT kMapHeight = 327;

HBITMAP map = nullptr;

// The map stretched to its size, as 32-bit pixels; nothing on any failure, and the window shows
// blank, which the bench sees as a start that never showed the map.
HBITMAP decodeMap()
{
    HRSRC found = FindResourceW(nullptr, L"map.bmp", MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    if (!loaded)
        return nullptr;
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    IWICBitmapScaler* scaler = nullptr;
    HBITMAP bitmap = nullptr;
    void* pixels = nullptr;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = static_cast<LONG>(kMapWidth);
    // Negative: the rows top down, as WIC copies them.
    format.bmiHeader.biHeight = -static_cast<LONG>(kMapHeight);
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(static_cast<BYTE*>(LockResource(loaded)),
                                               SizeofResource(nullptr, found))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                   &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA,
                                        WICBitmapDitherTypeNone, nullptr, 0.0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(factory->CreateBitmapScaler(&scaler)) &&
        SUCCEEDED(scaler->Initialize(converter, kMapWidth, kMapHeight,
                                     WICBitmapInterpolationModeNearestNeighbor)) &&
        (bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &pixels, nullptr, 0)) &&
        FAILED(scaler->CopyPixels(nullptr, kMapWidth * 4, kMapWidth * 4 * kMapHeight,
                                  static_cast<BYTE*>(pixels)))) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    for (IUnknown* object : {static_cast<IUnknown*>(scaler), static_cast<IUnknown*>(converter),
                             static_cast<IUnknown*>(frame), static_cast<IUnknown*>(decoder),
                             static_cast<IUnknown*>(stream), static_cast<IUnknown*>(factory)})
        if (object)
            object->Release();
    return bitmap;
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, map);
        BitBlt(dc, 0, 0, kMapWidth, kMapHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    map = decodeMap();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BlastmapBareWindow";
    RegisterClassW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Blastmap", style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
