// Converts a design's twips to pixels the way the forms runtime places its window and controls,
// and counts the colours of the design's pictures.
#include "harness/design_geometry.h"

#include "platform/twips.h"
#include "utf8/qt_string.h"

#include <QImage>
#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

namespace harness {
namespace {

using platform::twipsToPixels;

// How often each colour stands among the picture's opaque pixels.
std::map<QRgb, int> colourCounts(std::string_view resource)
{
    const QImage picture = QImage(utf8::toQString(resource)).convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) >= 128)
                ++counts[picture.pixel(x, y) & 0xffffff];
    return counts;
}

} // namespace

QSize clientSize(const platform::FormDesign& form)
{
    return {twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight)};
}

QRect pixelRect(const platform::ControlDesign& control)
{
    return {twipsToPixels(control.left), twipsToPixels(control.top), twipsToPixels(control.width),
            twipsToPixels(control.height)};
}

QRect controlRect(const platform::FormDesign& form, std::string_view name)
{
    return pixelRect(form.control(name));
}

QRgb ownColour(const platform::FormDesign& form, std::string_view name,
               std::initializer_list<std::string_view> sharedWith)
{
    const std::string_view picture = form.control(name).picture;
    if (picture.empty())
        throw std::logic_error(std::string(name) + " shows no picture");
    std::map<QRgb, int> counts = colourCounts(picture);
    std::set<std::string_view> others;
    for (const platform::ControlDesign& control : form.controls)
        if (!control.picture.empty() && control.picture != picture &&
            std::find(sharedWith.begin(), sharedWith.end(), control.name) == sharedWith.end())
            others.insert(control.picture);
    for (const std::string_view other : others)
        for (const auto& [colour, count] : colourCounts(other))
            counts.erase(colour);
    const auto commonest = std::max_element(counts.begin(), counts.end(),
                                            [](auto& a, auto& b) { return a.second < b.second; });
    if (commonest == counts.end())
        throw std::logic_error("every colour of " + std::string(name) + " shows elsewhere");
    return commonest->first;
}

} // namespace harness
