// Drives giflib's low-level writer into memory, feeding the rows in interlaced order.
#include "tools/assetgen/gif_file.h"

#include <algorithm>
#include <array>
#include <gif_lib.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace assetgen {
namespace {

int appendToBuffer(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

void check(int result, GifFileType* gif, const char* step)
{
    if (result != GIF_OK)
        throw std::runtime_error(std::string("GIF ") + step + ": " + GifErrorString(gif->Error));
}

struct GifCloser {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

QByteArray encodeGif(const QImage& indexed, int transparentIndex)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() != 256)
        throw std::runtime_error("GIF: the picture is not 8-bit indexed with 256 colours");
    if (transparentIndex < 0 || transparentIndex > 255)
        throw std::runtime_error("GIF: transparent index out of range");

    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendToBuffer, &error));
    if (!gif)
        throw std::runtime_error(std::string("GIF open: ") + GifErrorString(error));
    EGifSetGifVersion(gif.get(), true);

    std::array<GifColorType, 256> colours{};
    for (int i = 0; i < 256; ++i) {
        QRgb colour = indexed.color(i);
        colours[i] = {static_cast<GifByteType>(qRed(colour)),
                      static_cast<GifByteType>(qGreen(colour)),
                      static_cast<GifByteType>(qBlue(colour))};
    }
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(256, colours.data()));
    if (!map)
        throw std::runtime_error("GIF: no memory for the colour table");

    const int width = indexed.width();
    const int height = indexed.height();
    check(EGifPutScreenDesc(gif.get(), width, height, 8, 0, map.get()), gif.get(), "screen");

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = transparentIndex;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, extension), gif.get(),
          "control extension");

    check(EGifPutImageDesc(gif.get(), 0, 0, width, height, true, nullptr), gif.get(), "image");
    // giflib writes lines in the order given; an interlaced image stores every 8th row from
    // 0, then every 8th from 4, every 4th from 2, and every 2nd from 1.
    static constexpr int passStart[] = {0, 4, 2, 1};
    static constexpr int passStep[] = {8, 8, 4, 2};
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    for (int pass = 0; pass < 4; ++pass)
        for (int y = passStart[pass]; y < height; y += passStep[pass]) {
            const uchar* source = indexed.constScanLine(y);
            std::copy(source, source + width, line.begin());
            check(EGifPutLine(gif.get(), line.data(), width), gif.get(), "pixels");
        }

    // Closing writes the trailer and frees the writer, whether or not it succeeds.
    if (EGifCloseFile(gif.release(), &error) != GIF_OK)
        throw std::runtime_error(std::string("GIF close: ") + GifErrorString(error));
    return bytes;
}

} // namespace assetgen
