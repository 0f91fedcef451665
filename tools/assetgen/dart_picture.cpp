// The dart, drawn pixel by pixel at each icon size: the pointer's picture.
#include "tools/assetgen/dart_colours.h"
#include "tools/assetgen/indexed_canvas.h"
#include "tools/assetgen/pictures.h"

#include <stdexcept>

namespace assetgen {
namespace {

enum Ink {
    Black = 0,
    DarkRed,
    Red,
    RedHighlight,
    Yellow,
    DarkYellow,
    White,
    LightSteel,
    DarkSteel,
    // The icon's mask, not a colour, makes this see-through.
    Clear = 15,
};

QList<QRgb> dartPalette()
{
    return makePalette({
        {Black, dart::kOutline},
        {DarkRed, dart::kDarkRed},
        {Red, dart::kRed},
        {RedHighlight, dart::kRedHighlight},
        {Yellow, dart::kYellow},
        {DarkYellow, dart::kDarkYellow},
        {White, dart::kWhite},
        {LightSteel, dart::kLightSteel},
        {DarkSteel, dart::kDarkSteel},
        {Clear, qRgb(0, 128, 128)},
    });
}

// One character per pixel of the drawings below.
int inkOf(char pixel)
{
    switch (pixel) {
    case '.':
        return Clear;
    case 'K':
        return Black;
    case 'r':
        return DarkRed;
    case 'R':
        return Red;
    case 'p':
        return RedHighlight;
    case 'Y':
        return Yellow;
    case 'y':
        return DarkYellow;
    case 'W':
        return White;
    case 's':
        return LightSteel;
    case 'S':
        return DarkSteel;
    }
    throw std::invalid_argument("unknown pixel in the dart's drawing");
}

// The tip is pixel (0,0), the pointer's hot spot; steel point, red barrel with grip rings,
// then the yellow and white flights.
// clang-format off
const char* const Dart32[] = {
    "sSK.............................",
    "KsSK............................",
    ".KsSK...........................",
    "..KsSK..........................",
    "...KsSK.........................",
    "....KsSK........................",
    ".....KsSK.......................",
    "......KspKK.....................",
    ".......KRRpK....................",
    ".......KrRRpK...................",
    "........KrRrpK..................",
    ".........KrRRpK.................",
    "..........KrRrpK................",
    "...........KrRRpK...............",
    "............KrRrpK..............",
    ".............KrRRK..............",
    "..............KrRpKKK...........",
    "...............KKRpYYKK.........",
    "................KYRpYYYKK.......",
    ".................KYRpYYYWKKK....",
    ".................KYYRpYWWWWYKK..",
    "..................KYYRpWWWYYYYK.",
    "..................KYYWRpWYYYYyyK",
    "..................KYWWWRpYYYyyK.",
    "...................KWWWYRpYyyK..",
    "...................KWWYYYRpYK...",
    "....................KYYYYYRpK...",
    "....................KYYYyyKRpK..",
    ".....................KYyyK.KRpK.",
    ".....................KyyK...KRK.",
    ".....................KyK.....K..",
    "......................K.........",
};

const char* const Dart16[] = {
    "sSK.............",
    "KsSK............",
    ".KsSK...........",
    "..KspKK.........",
    "...KRRpK........",
    "...KrRrpK.......",
    "....KrRRK.......",
    ".....KrRpKKK....",
    "......KKRpYWKK..",
    ".......KYRpWYYK.",
    "........KWRpYyyK",
    "........KWYRpYK.",
    ".........KYYRpK.",
    ".........KyyKRpK",
    ".........KyK.KK.",
    "..........K.....",
};
// clang-format on

} // namespace

Sprite drawDart(int size)
{
    const char* const* rows = nullptr;
    if (size == 32)
        rows = Dart32;
    else if (size == 16)
        rows = Dart16;
    else
        throw std::invalid_argument("the dart is drawn at 32 or 16 pixels only");
    IndexedCanvas canvas(size, size, Clear);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            canvas.set(x, y, inkOf(rows[y][x]));
    return {canvas.toImage(dartPalette()), Clear};
}

} // namespace assetgen
