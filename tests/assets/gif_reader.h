// A minimal GIF reader for the tests: the file's structure and its decoded pixels.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace assettest {

struct GifColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const GifColour&) const = default;
};

struct GifImage {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    bool hasLocalTable = false;
    // Colour indices row by row from the top, already de-interlaced.
    std::vector<std::uint8_t> pixels;
};

struct GifFile {
    QByteArray signature; // "GIF87a" or "GIF89a"
    int screenWidth = 0;
    int screenHeight = 0;
    bool hasGlobalTable = false;
    std::vector<GifColour> globalTable;
    int controlExtensions = 0;
    bool transparentFlag = false;
    int transparentIndex = -1;
    std::vector<GifImage> images;
    bool hasTrailer = false;
};

// Parses every block and LZW-decodes every image; throws std::runtime_error (or
// std::out_of_range) on a malformed file.
GifFile readGif(const QByteArray& bytes);

} // namespace assettest
