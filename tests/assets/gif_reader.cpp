// Walks a GIF's blocks and decodes its LZW data independently of any image library.
#include "tests/assets/gif_reader.h"

#include "tests/assets/embedded_picture.h"

#include <stdexcept>

namespace assettest {
namespace {

// The data sub-blocks that follow a block header, joined; `at` moves past the terminator.
QByteArray readSubBlocks(const QByteArray& bytes, qsizetype& at)
{
    QByteArray data;
    for (;;) {
        const qsizetype length = readU8(bytes, at++);
        if (length == 0)
            return data;
        if (at + length > bytes.size())
            throw std::out_of_range("a data sub-block runs past the end");
        data.append(bytes.mid(at, length));
        at += length;
    }
}

// Variable-width LZW as GIF uses it: codes packed least significant bit first, the width
// growing by one once the table fills its current width, up to 12 bits.
std::vector<std::uint8_t> decodeLzw(const QByteArray& data, int minimumCodeSize, size_t expected)
{
    if (minimumCodeSize < 2 || minimumCodeSize > 8)
        throw std::runtime_error("bad LZW minimum code size");
    const int clear = 1 << minimumCodeSize;
    const int end = clear + 1;
    std::vector<int> prefix(4096, -1);
    std::vector<std::uint8_t> suffix(4096, 0);
    std::vector<std::uint8_t> first(4096, 0);
    for (int code = 0; code < clear; ++code) {
        suffix[code] = static_cast<std::uint8_t>(code);
        first[code] = static_cast<std::uint8_t>(code);
    }

    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> string;
    auto append = [&](int code) {
        string.clear();
        for (int c = code; c != -1; c = prefix[c])
            string.push_back(suffix[c]);
        out.insert(out.end(), string.rbegin(), string.rend());
    };

    int width = minimumCodeSize + 1;
    int next = end + 1;
    int previous = -1;
    long long bit = 0;
    const long long totalBits = static_cast<long long>(data.size()) * 8;
    for (;;) {
        if (bit + width > totalBits)
            throw std::runtime_error("LZW data ends without an end code");
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit)
            if (static_cast<std::uint8_t>(data[bit / 8]) & (1 << (bit % 8)))
                code |= 1 << i;

        if (code == clear) {
            width = minimumCodeSize + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        if (previous == -1) {
            if (code >= clear)
                throw std::runtime_error("LZW starts with an undefined code");
            append(code);
            previous = code;
            continue;
        }
        if (code > next || (code == next && next >= 4096))
            throw std::runtime_error("LZW code beyond the table");
        const std::uint8_t head = code < next ? first[code] : first[previous];
        if (next < 4096) {
            prefix[next] = previous;
            suffix[next] = head;
            first[next] = first[previous];
            ++next;
            if (next == (1 << width) && width < 12)
                ++width;
        }
        append(code);
        previous = code;
    }
    if (out.size() != expected)
        throw std::runtime_error("LZW data gives " + std::to_string(out.size()) + " pixels, not " +
                                 std::to_string(expected));
    return out;
}

// Interlaced images store rows 0, 8, 16, ..., then 4, 12, ..., then 2, 6, ..., then 1, 3, ....
std::vector<std::uint8_t> deinterlace(const std::vector<std::uint8_t>& stored, int width,
                                      int height)
{
    std::vector<std::uint8_t> rows(stored.size());
    static constexpr int start[] = {0, 4, 2, 1};
    static constexpr int step[] = {8, 8, 4, 2};
    size_t from = 0;
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass]) {
            std::copy_n(stored.begin() + static_cast<std::ptrdiff_t>(from), width,
                        rows.begin() + static_cast<std::ptrdiff_t>(y) * width);
            from += static_cast<size_t>(width);
        }
    return rows;
}

} // namespace

GifFile readGif(const QByteArray& bytes)
{
    GifFile gif;
    gif.signature = bytes.left(6);
    if (gif.signature != "GIF87a" && gif.signature != "GIF89a")
        throw std::runtime_error("not a GIF");
    gif.screenWidth = static_cast<int>(readU16(bytes, 6));
    gif.screenHeight = static_cast<int>(readU16(bytes, 8));
    const std::uint32_t screenFlags = readU8(bytes, 10);
    qsizetype at = 13;
    gif.hasGlobalTable = screenFlags & 0x80;
    if (gif.hasGlobalTable) {
        const int entries = 2 << (screenFlags & 0x07);
        for (int i = 0; i < entries; ++i, at += 3)
            gif.globalTable.push_back({static_cast<std::uint8_t>(readU8(bytes, at)),
                                       static_cast<std::uint8_t>(readU8(bytes, at + 1)),
                                       static_cast<std::uint8_t>(readU8(bytes, at + 2))});
    }

    for (;;) {
        const std::uint32_t introducer = readU8(bytes, at++);
        if (introducer == 0x3B) {
            gif.hasTrailer = true;
            break;
        }
        if (introducer == 0x21) {
            const std::uint32_t label = readU8(bytes, at++);
            QByteArray data = readSubBlocks(bytes, at);
            if (label == 0xF9) {
                if (data.size() != 4)
                    throw std::runtime_error("a graphic control extension of the wrong size");
                ++gif.controlExtensions;
                gif.transparentFlag = readU8(data, 0) & 0x01;
                gif.transparentIndex = static_cast<int>(readU8(data, 3));
            }
            continue;
        }
        if (introducer != 0x2C)
            throw std::runtime_error("unknown block in the GIF");

        GifImage image;
        image.left = static_cast<int>(readU16(bytes, at));
        image.top = static_cast<int>(readU16(bytes, at + 2));
        image.width = static_cast<int>(readU16(bytes, at + 4));
        image.height = static_cast<int>(readU16(bytes, at + 6));
        const std::uint32_t imageFlags = readU8(bytes, at + 8);
        at += 9;
        image.interlaced = imageFlags & 0x40;
        image.hasLocalTable = imageFlags & 0x80;
        if (image.hasLocalTable)
            at += 3 * (2 << (imageFlags & 0x07));
        const int minimumCodeSize = static_cast<int>(readU8(bytes, at++));
        const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
        image.pixels = decodeLzw(readSubBlocks(bytes, at), minimumCodeSize, count);
        if (image.interlaced)
            image.pixels = deinterlace(image.pixels, image.width, image.height);
        gif.images.push_back(std::move(image));
    }
    return gif;
}

} // namespace assettest
