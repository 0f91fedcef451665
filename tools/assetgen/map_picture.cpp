// Draws the map of Iraq pixel by pixel from latitude/longitude tables, so every build is identical.
#include "tools/assetgen/map_picture.h"

#include <QList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace assetgen {

namespace {

constexpr int kWidth = 197;
constexpr int kHeight = 207;

// The 21 colours, in palette order. Every one of them ends up on the picture.
enum Colour : uchar {
    White,         // the ground
    Black,         // marker outlines
    Orange,        // the border
    HaloOrange,    // the band just outside the border
    RiverBlue,     // rivers, lake shores
    LakeBlue,      // lake water
    SeaBlue,       // the Gulf
    GridGrey,      // lines of latitude and longitude
    LabelGrey,     // their degree labels
    Red,           // the name, the capital
    DarkRed,       // the name's shadow
    TownYellow,    // town marker fill
    DesertPale,    // the western desert plateau
    DesertSand,    // the southern desert
    Steppe,        // the Jazira steppe
    PlainGreen,    // the alluvial plain
    ValleyGreen,   // the irrigated belts along the two rivers
    MarshGreen,    // the southern marshes
    Foothills,     // the plains and low hills of the north-east
    Mountains,     // the Kurdish ranges
    HighMountains, // the Zagros crest
    ColourCount
};

constexpr std::array<QRgb, ColourCount> kPalette = {
    qRgb(255, 255, 255), qRgb(0, 0, 0),       qRgb(240, 124, 0),   qRgb(250, 216, 178),
    qRgb(34, 102, 204),  qRgb(96, 156, 228),  qRgb(182, 212, 244), qRgb(168, 168, 168),
    qRgb(96, 96, 96),    qRgb(208, 24, 24),   qRgb(122, 10, 10),   qRgb(250, 224, 80),
    qRgb(245, 235, 207), qRgb(238, 219, 176), qRgb(233, 232, 198), qRgb(221, 238, 196),
    qRgb(200, 229, 166), qRgb(180, 218, 182), qRgb(233, 221, 185), qRgb(220, 197, 159),
    qRgb(201, 168, 131),
};

struct LatLon {
    double lat;
    double lon;
};

// The border, clockwise from the Jordan-Syria tripoint. Points follow the public-domain
// Natural Earth admin-0 boundaries to two decimals, thinned to what a five-kilometre pixel
// can show.
constexpr LatLon kBorder[] = {
    {33.37, 38.79}, {33.72, 39.52}, {34.05, 40.21}, {34.42, 41.01}, // Syria, to the Euphrates
    {34.78, 41.12}, {35.20, 41.25}, {35.63, 41.38}, {36.00, 41.33}, // Syria, Sinjar plain
    {36.36, 41.29}, {36.61, 41.84}, {36.90, 42.10}, {37.23, 42.35}, // up to the Tigris
    {37.38, 42.78}, {37.36, 43.10}, {37.28, 43.50}, {37.32, 43.80}, // Turkey
    {37.26, 43.94}, {37.00, 44.29}, {37.15, 44.78},                 // Turkey-Iran tripoint
    {36.95, 44.90}, {36.70, 45.05}, {36.45, 45.16}, {36.15, 45.33}, // Iran, the Zagros
    {35.98, 45.42}, {35.80, 45.72}, {35.68, 46.08}, {35.40, 46.04}, // Penjwen
    {35.09, 46.15}, {34.90, 45.90}, {34.75, 45.65}, {34.50, 45.55}, // Halabja to Khanaqin
    {34.25, 45.55}, {33.97, 45.42}, {33.70, 45.62}, {33.40, 45.90}, // Mandali
    {33.02, 46.11}, {32.75, 46.65}, {32.47, 47.33}, {32.15, 47.55}, // Badra to Fakkeh
    {31.71, 47.85}, {31.35, 47.74}, {30.98, 47.69}, {30.99, 48.00}, // Hawizeh marshes
    {30.45, 48.01}, {30.20, 48.28}, {29.93, 48.57},                 // Shatt al-Arab to Faw
    {29.98, 47.97}, {30.10, 47.70}, {30.06, 47.30},                 // Umm Qasr, Safwan
    {29.70, 47.02}, {29.10, 46.57},                                 // Kuwait, Wadi al-Batin
    {29.18, 44.71}, {29.70, 43.98}, {30.20, 43.28}, {30.70, 42.58}, // Saudi Arabia
    {31.19, 41.89}, {31.55, 41.10}, {31.89, 40.40}, {32.16, 39.20}, // Jordan-Saudi tripoint
    {32.55, 39.05}, {33.00, 38.94},                                 // Jordan
};

constexpr LatLon kTigris[] = {
    {37.10, 42.37}, {36.95, 42.55}, {36.80, 42.80}, {36.63, 42.83}, {36.45, 42.98}, {36.34, 43.14},
    {36.10, 43.30}, {35.99, 43.35}, {35.80, 43.30}, {35.50, 43.24}, {35.22, 43.42}, {34.93, 43.49},
    {34.60, 43.68}, {34.20, 43.87}, {33.95, 44.20}, {33.70, 44.30}, {33.50, 44.30}, {33.34, 44.40},
    {33.22, 44.50}, {33.08, 44.58}, {32.93, 44.78}, {32.85, 45.05}, {32.58, 45.35}, {32.50, 45.82},
    {32.40, 46.20}, {32.47, 46.68}, {32.18, 46.90}, {31.84, 47.15}, {31.51, 47.27}, {31.25, 47.42},
    {31.00, 47.44},
};

constexpr LatLon kEuphrates[] = {
    {34.45, 40.93}, {34.38, 41.10}, {34.40, 41.40}, {34.47, 41.70}, {34.45, 41.93}, {34.25, 42.20},
    {34.13, 42.38}, {33.90, 42.53}, {33.64, 42.83}, {33.45, 43.10}, {33.42, 43.30}, {33.36, 43.60},
    {33.35, 43.78}, {33.10, 44.05}, {32.85, 44.25}, {32.54, 44.22}, {32.30, 44.35}, {32.03, 44.40},
    {31.80, 44.55}, {31.58, 44.65}, {31.31, 45.28}, {31.20, 45.70}, {31.04, 46.26}, {30.98, 46.47},
    {30.95, 46.80}, {30.95, 47.03}, {31.00, 47.44},
};

// From al-Qurnah, past Basra, then along the Iranian bank to the sea.
constexpr LatLon kShattAlArab[] = {
    {31.00, 47.44}, {30.82, 47.58}, {30.51, 47.82}, {30.45, 48.01}, {30.20, 48.28}, {29.93, 48.57},
};

constexpr LatLon kGreatZab[] = {
    {37.32, 43.60}, {37.10, 43.80}, {36.93, 44.05}, {36.72, 44.25}, {36.55, 44.02},
    {36.40, 43.80}, {36.27, 43.63}, {36.10, 43.45}, {35.99, 43.35},
};

constexpr LatLon kLittleZab[] = {
    {36.30, 45.28}, {36.10, 45.05}, {35.95, 44.95}, {35.85, 44.60},
    {35.75, 44.15}, {35.55, 43.85}, {35.35, 43.60}, {35.22, 43.42},
};

constexpr LatLon kDiyala[] = {
    {35.18, 46.00}, {35.11, 45.70}, {34.85, 45.52}, {34.60, 45.32}, {34.30, 45.10},
    {34.12, 44.97}, {33.90, 44.80}, {33.75, 44.64}, {33.50, 44.55}, {33.22, 44.50},
};

constexpr LatLon kTharthar[] = {
    {34.32, 43.02}, {34.18, 43.18}, {34.00, 43.35}, {33.85, 43.52}, {33.68, 43.50},
    {33.58, 43.32}, {33.62, 43.10}, {33.78, 42.98}, {34.02, 42.96}, {34.20, 42.98},
};

constexpr LatLon kHabbaniyah[] = {
    {33.32, 43.44}, {33.31, 43.60}, {33.18, 43.65}, {33.09, 43.54}, {33.15, 43.40},
};

constexpr LatLon kRazzaza[] = {
    {32.92, 43.45}, {32.84, 43.74}, {32.64, 43.97}, {32.47, 43.90}, {32.53, 43.62}, {32.72, 43.42},
};

constexpr LatLon kHammar[] = {
    {30.93, 46.52}, {30.92, 47.00}, {30.82, 47.40}, {30.64, 47.55},
    {30.55, 47.35}, {30.60, 47.00}, {30.70, 46.72}, {30.84, 46.50},
};

// The only reservoir big enough to show at five kilometres a pixel.
constexpr LatLon kMosulLake[] = {
    {36.93, 42.68},
    {36.85, 42.90},
    {36.68, 42.88},
    {36.75, 42.72},
};

// The Gulf, from Umm Qasr round the Faw peninsula and down the Kuwaiti shore, with
// Bubiyan joined to the mainland as the pixel size demands; the part inside Iraq is never
// painted.
constexpr LatLon kGulf[] = {
    {29.98, 47.97}, {29.93, 48.57}, {30.00, 48.70}, {30.08, 48.95}, {30.10, 49.80},
    {27.50, 49.80}, {27.50, 48.90}, {28.55, 48.40}, {28.95, 48.20}, {29.25, 48.08},
    {29.38, 48.00}, {29.45, 48.10}, {29.62, 48.32}, {29.80, 48.40}, {29.90, 48.20},
};

// Relief zones, painted in this order and clipped to the country; whatever they leave
// uncovered is the western desert plateau.
constexpr LatLon kSouthernDesert[] = {
    {32.20, 38.50}, {31.95, 40.20}, {31.75, 41.00}, {31.55, 41.60}, {31.40, 42.30},
    {31.15, 43.00}, {31.00, 43.70}, {30.85, 44.40}, {30.60, 45.00}, {30.45, 45.60},
    {30.25, 46.20}, {30.15, 46.60}, {29.90, 47.30}, {28.50, 47.30}, {28.50, 38.50},
};

constexpr LatLon kJaziraSteppe[] = {
    {34.55, 40.80}, {34.35, 42.00}, {34.05, 42.80}, {34.35, 43.40},
    {35.20, 43.30}, {36.30, 43.10}, {37.50, 42.30}, {37.50, 40.80},
};

constexpr LatLon kAlluvialPlain[] = {
    {34.30, 43.80}, {33.55, 43.25}, {33.00, 43.80}, {32.60, 44.00}, {32.00, 44.20},
    {31.40, 45.00}, {31.10, 45.80}, {30.80, 46.30}, {30.40, 47.60}, {29.80, 48.00},
    {29.80, 48.80}, {30.50, 48.20}, {31.00, 47.90}, {31.80, 47.90}, {32.40, 47.30},
    {32.90, 46.30}, {33.40, 45.60}, {33.90, 45.00}, {34.30, 44.50},
};

constexpr LatLon kFoothills[] = {
    {37.50, 42.40}, {36.95, 42.70}, {36.60, 42.95}, {36.30, 43.10}, {35.90, 43.25},
    {35.30, 43.40}, {34.90, 43.75}, {34.50, 44.05}, {34.30, 44.40}, {34.10, 44.65},
    {33.90, 45.00}, {33.50, 45.60}, {33.60, 46.20}, {35.50, 46.40}, {37.50, 45.00},
};

constexpr LatLon kMountains[] = {
    {37.50, 42.60}, {37.05, 42.95}, {36.85, 43.30}, {36.75, 43.70}, {36.55, 43.95}, {36.35, 44.10},
    {36.10, 44.45}, {35.85, 44.70}, {35.60, 44.95}, {35.35, 45.15}, {35.05, 45.35}, {34.75, 45.45},
    {34.50, 45.50}, {34.20, 45.75}, {34.30, 46.40}, {35.50, 46.40}, {36.50, 45.60}, {37.50, 45.00},
};

constexpr LatLon kSinjarRidge[] = {
    {36.45, 41.55},
    {36.40, 42.15},
    {36.30, 42.12},
    {36.33, 41.60},
};

constexpr LatLon kHighMountains[] = {
    {37.50, 43.30}, {37.15, 43.55}, {37.05, 43.95}, {36.85, 44.30}, {36.65, 44.55},
    {36.40, 44.80}, {36.15, 45.00}, {35.90, 45.25}, {35.65, 45.45}, {35.40, 45.75},
    {35.15, 45.85}, {35.00, 46.00}, {35.00, 46.50}, {36.00, 46.10}, {37.50, 45.50},
};

constexpr LatLon kCentralMarshes[] = {
    {31.62, 46.45}, {31.55, 47.10}, {31.15, 47.38}, {30.98, 47.05}, {31.05, 46.50}, {31.30, 46.25},
};

constexpr LatLon kHawizehMarshes[] = {
    {31.75, 47.35}, {31.65, 47.80}, {31.15, 47.75}, {31.10, 47.50}, {31.40, 47.35},
};

constexpr LatLon kHammarMarshes[] = {
    {31.05, 46.35}, {31.02, 47.40}, {30.70, 47.55}, {30.55, 47.30}, {30.62, 46.60}, {30.78, 46.30},
};

struct Town {
    LatLon place;
    bool isCapital;
};

constexpr Town kTowns[] = {
    {{33.31, 44.37}, true},  // Baghdad
    {{36.34, 43.13}, false}, // Mosul
    {{36.19, 44.01}, false}, // Erbil
    {{35.47, 44.39}, false}, // Kirkuk
    {{35.56, 45.43}, false}, // Sulaymaniyah
    {{33.42, 43.30}, false}, // Ramadi
    {{32.62, 44.02}, false}, // Karbala
    {{32.00, 44.33}, false}, // Najaf
    {{32.50, 45.82}, false}, // Kut
    {{31.84, 47.15}, false}, // Amarah
    {{31.04, 46.26}, false}, // Nasiriyah
    {{30.51, 47.81}, false}, // Basra
    {{33.04, 40.28}, false}, // Rutba
};

constexpr int kGridStep = 2; // degrees

// Glyphs as text so the lettering never depends on installed fonts.
struct Glyph {
    char letter;
    std::array<std::string_view, 12> rows; // the last row is Q's tail
};

constexpr Glyph kNameGlyphs[] = {
    {'I',
     {"######", "######", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..",
      "######", "######", ""}},
    {'R',
     {"#######.", "########", "##....##", "##....##", "##....##", "#######.", "######..",
      "##..##..", "##...##.", "##....##", "##....##", ""}},
    {'A',
     {"...##...", "..####..", "..####..", ".##..##.", ".##..##.", "##....##", "########",
      "########", "##....##", "##....##", "##....##", ""}},
    {'Q',
     {"..####..", ".######.", "###..###", "##....##", "##....##", "##....##", "##....##",
      "##.##.##", "###.####", ".######.", "..######", "......##"}},
};

struct SmallGlyph {
    char letter;
    std::array<std::string_view, 5> rows;
};

constexpr SmallGlyph kLabelGlyphs[] = {
    {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'2', {"###", "..#", "###", "#..", "###"}},
    {'3', {"###", "..#", "###", "..#", "###"}}, {'4', {"#.#", "#.#", "###", "..#", "..#"}},
    {'6', {"###", "#..", "###", "#.#", "###"}}, {'8', {"###", "#.#", "###", "#.#", "###"}},
    {'E', {"###", "#..", "##.", "#..", "###"}}, {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
};

// Equirectangular, x shrunk by cos(33.5 deg) so shapes are true in the middle of the
// country, scaled to fit the border's extent inside a small margin and centred.
constexpr double kCosMidLatitude = 0.8338858220671682;
constexpr double kNorth = 37.38;
constexpr double kSouth = 29.10;
constexpr double kWest = 38.79;
constexpr double kEast = 48.57;
constexpr int kMargin = 6;
constexpr double kScale = std::min((kWidth - 2 * kMargin) / ((kEast - kWest) * kCosMidLatitude),
                                   (kHeight - 2 * kMargin) / (kNorth - kSouth));

// Positions are kept in 1/256 pixel so the rasterising below is all integer arithmetic.
constexpr int kSubPixel = 256;

QPoint project(LatLon p)
{
    const double x = kWidth / 2.0 + (p.lon - (kWest + kEast) / 2.0) * kScale * kCosMidLatitude;
    const double y = kHeight / 2.0 + ((kNorth + kSouth) / 2.0 - p.lat) * kScale;
    return {qRound(x * kSubPixel), qRound(y * kSubPixel)};
}

QList<QPoint> project(std::span<const LatLon> points)
{
    QList<QPoint> result;
    result.reserve(points.size());
    for (const LatLon& p : points)
        result.append(project(p));
    return result;
}

QPoint pixelOf(QPoint subPixel) { return {subPixel.x() >> 8, subPixel.y() >> 8}; }

enum class Clip { Anywhere, InsideCountry, OutsideCountry };

class Canvas {
public:
    Canvas()
        : m_image(kWidth, kHeight, QImage::Format_Indexed8)
        , m_inside(kWidth * kHeight, false)
    {
        QList<QRgb> table(256, qRgb(0, 0, 0));
        std::copy(kPalette.begin(), kPalette.end(), table.begin());
        m_image.setColorTable(table);
        m_image.fill(White);
    }

    QImage image() const { return m_image; }

    int usedColourCount() const
    {
        std::array<bool, 256> used{};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                used[m_image.constScanLine(y)[x]] = true;
        return int(std::count(used.begin(), used.end(), true));
    }

    void setCountry(const QList<QPoint>& border)
    {
        forEachPixelInside(border, [this](int x, int y) { m_inside[y * kWidth + x] = true; });
    }

    void plot(int x, int y, Colour colour, Clip clip = Clip::Anywhere)
    {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
            return;
        const bool inside = m_inside[y * kWidth + x];
        if ((clip == Clip::InsideCountry && !inside) || (clip == Clip::OutsideCountry && inside))
            return;
        m_image.scanLine(y)[x] = colour;
    }

    void fillPolygon(const QList<QPoint>& polygon, Colour colour, Clip clip = Clip::Anywhere)
    {
        forEachPixelInside(polygon, [&](int x, int y) { plot(x, y, colour, clip); });
    }

    // A round brush of the given width in pixels, stamped along each segment.
    void strokePolyline(const QList<QPoint>& line, Colour colour, int width,
                        Clip clip = Clip::Anywhere)
    {
        for (qsizetype i = 1; i < line.size(); ++i)
            strokeSegment(pixelOf(line[i - 1]), pixelOf(line[i]), colour, width, clip);
    }

    void strokePolygon(const QList<QPoint>& polygon, Colour colour, int width,
                       Clip clip = Clip::Anywhere)
    {
        strokePolyline(polygon, colour, width, clip);
        strokeSegment(pixelOf(polygon.last()), pixelOf(polygon.first()), colour, width, clip);
    }

    void drawPattern(int left, int top, std::span<const std::string_view> rows, Colour ink)
    {
        for (int row = 0; row < int(rows.size()); ++row)
            for (int column = 0; column < int(rows[row].size()); ++column)
                if (rows[row][column] == '#')
                    plot(left + column, top + row, ink);
    }

private:
    // Even-odd fill of the pixels whose centres lie inside the polygon.
    template <typename Visit>
    static void forEachPixelInside(const QList<QPoint>& polygon, Visit visit)
    {
        std::vector<int> crossings;
        for (int y = 0; y < kHeight; ++y) {
            const int centreY = y * kSubPixel + kSubPixel / 2;
            crossings.clear();
            for (qsizetype i = 0; i < polygon.size(); ++i) {
                const QPoint a = polygon[i];
                const QPoint b = polygon[(i + 1) % polygon.size()];
                if ((a.y() <= centreY) == (b.y() <= centreY))
                    continue;
                const std::int64_t dx = b.x() - a.x();
                crossings.push_back(a.x() + int(dx * (centreY - a.y()) / (b.y() - a.y())));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
                for (int x = 0; x < kWidth; ++x) {
                    const int centreX = x * kSubPixel + kSubPixel / 2;
                    if (centreX >= crossings[i] && centreX < crossings[i + 1])
                        visit(x, y);
                }
            }
        }
    }

    void stamp(int x, int y, Colour colour, int width, Clip clip)
    {
        // Offsets are doubled so even widths centre between pixels; the limit trims corners.
        const int lowest = -(width - 1) / 2;
        const int shift = width % 2 == 0 ? 1 : 0;
        for (int dy = lowest; dy < lowest + width; ++dy) {
            for (int dx = lowest; dx < lowest + width; ++dx) {
                const int u = 2 * dx - shift;
                const int v = 2 * dy - shift;
                if (u * u + v * v <= width * width - width)
                    plot(x + dx, y + dy, colour, clip);
            }
        }
    }

    void strokeSegment(QPoint from, QPoint to, Colour colour, int width, Clip clip)
    {
        // Bresenham.
        const int dx = std::abs(to.x() - from.x());
        const int dy = -std::abs(to.y() - from.y());
        const int stepX = from.x() < to.x() ? 1 : -1;
        const int stepY = from.y() < to.y() ? 1 : -1;
        int error = dx + dy;
        int x = from.x();
        int y = from.y();
        for (;;) {
            stamp(x, y, colour, width, clip);
            if (x == to.x() && y == to.y())
                break;
            const int doubled = 2 * error;
            if (doubled >= dy) {
                error += dy;
                x += stepX;
            }
            if (doubled <= dx) {
                error += dx;
                y += stepY;
            }
        }
    }

    QImage m_image;
    std::vector<bool> m_inside;
};

void drawRelief(Canvas& canvas)
{
    canvas.fillPolygon(project(kBorder), DesertPale, Clip::InsideCountry);
    canvas.fillPolygon(project(kSouthernDesert), DesertSand, Clip::InsideCountry);
    canvas.fillPolygon(project(kJaziraSteppe), Steppe, Clip::InsideCountry);
    canvas.fillPolygon(project(kAlluvialPlain), PlainGreen, Clip::InsideCountry);
    canvas.fillPolygon(project(kFoothills), Foothills, Clip::InsideCountry);
    canvas.fillPolygon(project(kMountains), Mountains, Clip::InsideCountry);
    canvas.fillPolygon(project(kSinjarRidge), Mountains, Clip::InsideCountry);
    canvas.fillPolygon(project(kHighMountains), HighMountains, Clip::InsideCountry);
    canvas.strokePolyline(project(kTigris), ValleyGreen, 5, Clip::InsideCountry);
    canvas.strokePolyline(project(kEuphrates), ValleyGreen, 5, Clip::InsideCountry);
    canvas.strokePolyline(project(kShattAlArab), ValleyGreen, 5, Clip::InsideCountry);
    canvas.fillPolygon(project(kCentralMarshes), MarshGreen, Clip::InsideCountry);
    canvas.fillPolygon(project(kHawizehMarshes), MarshGreen, Clip::InsideCountry);
    canvas.fillPolygon(project(kHammarMarshes), MarshGreen, Clip::InsideCountry);
}

void drawSurroundings(Canvas& canvas)
{
    canvas.strokePolygon(project(kBorder), HaloOrange, 7, Clip::OutsideCountry);
    canvas.fillPolygon(project(kGulf), SeaBlue, Clip::OutsideCountry);
}

void drawLabel(Canvas& canvas, int left, int top, std::string_view text)
{
    for (char c : text) {
        for (const SmallGlyph& glyph : kLabelGlyphs) {
            if (glyph.letter == c) {
                canvas.drawPattern(left, top, glyph.rows, LabelGrey);
                left += int(glyph.rows[0].size()) + 1;
            }
        }
    }
}

void drawGrid(Canvas& canvas)
{
    for (int lat = 30; lat <= 36; lat += kGridStep) {
        const int y = pixelOf(project({double(lat), kWest})).y();
        for (int x = 0; x < kWidth; ++x)
            canvas.plot(x, y, GridGrey);
        drawLabel(canvas, 2, y + 2, std::to_string(lat) + "N");
    }
    for (int lon = 40; lon <= 48; lon += kGridStep) {
        const int x = pixelOf(project({kSouth, double(lon)})).x();
        for (int y = 0; y < kHeight; ++y)
            canvas.plot(x, y, GridGrey);
        drawLabel(canvas, x + 2, kHeight - 7, std::to_string(lon) + "E");
    }
}

void drawWater(Canvas& canvas)
{
    for (std::span<const LatLon> lake :
         {std::span<const LatLon>(kTharthar), {kHabbaniyah}, {kRazzaza}, {kHammar}, {kMosulLake}}) {
        canvas.fillPolygon(project(lake), LakeBlue);
        canvas.strokePolygon(project(lake), RiverBlue, 1);
    }
    canvas.strokePolyline(project(kGreatZab), RiverBlue, 1);
    canvas.strokePolyline(project(kLittleZab), RiverBlue, 1);
    canvas.strokePolyline(project(kDiyala), RiverBlue, 1);
    canvas.strokePolyline(project(kTigris), RiverBlue, 2);
    canvas.strokePolyline(project(kEuphrates), RiverBlue, 2);
}

void drawBorder(Canvas& canvas)
{
    canvas.strokePolygon(project(kBorder), Orange, 3);
    // The Shatt al-Arab is the border down to the sea; keep the river visible on it.
    canvas.strokePolyline(project(kShattAlArab), RiverBlue, 2);
}

void drawTowns(Canvas& canvas)
{
    constexpr std::string_view kTownRing[] = {".###.", "#...#", "#...#", "#...#", ".###."};
    constexpr std::string_view kTownFill[] = {".....", ".###.", ".###.", ".###.", "....."};
    constexpr std::string_view kCapitalEdge[] = {"#######", "#.....#", "#.....#", "#.....#",
                                                 "#.....#", "#.....#", "#######"};
    constexpr std::string_view kCapitalFill[] = {".......", ".#####.", ".#####.", ".#####.",
                                                 ".#####.", ".#####.", "......."};
    for (const Town& town : kTowns) {
        const QPoint centre = pixelOf(project(town.place));
        if (town.isCapital) {
            canvas.drawPattern(centre.x() - 3, centre.y() - 3, kCapitalEdge, Black);
            canvas.drawPattern(centre.x() - 3, centre.y() - 3, kCapitalFill, Red);
        } else {
            canvas.drawPattern(centre.x() - 2, centre.y() - 2, kTownRing, Black);
            canvas.drawPattern(centre.x() - 2, centre.y() - 2, kTownFill, TownYellow);
        }
    }
}

void drawName(Canvas& canvas)
{
    // In the empty western desert, between Rutba and the lakes.
    const QPoint anchor = pixelOf(project({32.95, 40.95}));
    int left = anchor.x();
    for (const Glyph& glyph : kNameGlyphs) {
        canvas.drawPattern(left + 1, anchor.y() + 1, glyph.rows, DarkRed);
        canvas.drawPattern(left, anchor.y(), glyph.rows, Red);
        left += int(glyph.rows[0].size()) + 3;
    }
}

} // namespace

QImage drawMapPicture()
{
    Canvas canvas;
    canvas.setCountry(project(kBorder));
    drawRelief(canvas);
    drawSurroundings(canvas);
    drawGrid(canvas);
    drawWater(canvas);
    drawBorder(canvas);
    drawTowns(canvas);
    drawName(canvas);
    // The palette is exactly the colours drawn; a zone or feature lost off the picture would
    // leave an entry unused.
    Q_ASSERT(canvas.usedColourCount() == ColourCount);
    return canvas.image();
}

} // namespace assetgen
