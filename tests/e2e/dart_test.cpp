// The dart as a desktop shows it: the pointer over the game and the window's icon.
#include "harness/x_pointer.h"
#include "harness/x_windows.h"
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/scene_view.h"

namespace e2e {
namespace {

// The program's dart at its first size.
const QImage& dart()
{
    static const QImage picture = embeddedPicture(scene::picture::dart);
    return picture;
}

// The share of the dart's clear pixels that are clear in `shown` too.
double clearFraction(const QImage& shown)
{
    int clear = 0;
    int clearToo = 0;
    for (int y = 0; y < dart().height(); ++y)
        for (int x = 0; x < dart().width(); ++x)
            if (qAlpha(dart().pixel(x, y)) < 128) {
                ++clear;
                clearToo += shown.valid(x, y) && qAlpha(shown.pixel(x, y)) < 128;
            }
    return clear == 0 ? 1 : static_cast<double>(clearToo) / clear;
}

// Whether a picture shows the dart: its colours where it is drawn and nothing where it is clear.
bool showsTheDart(const QImage& shown)
{
    return shown.size() == dart().size() && shownFraction(shown, dart(), QPoint()) >= 0.95 &&
           clearFraction(shown) >= 0.95;
}

std::string describe(const QImage& shown)
{
    if (shown.isNull())
        return "nothing";
    return std::to_string(shown.width()) + "x" + std::to_string(shown.height()) + ", " +
           std::to_string(shownFraction(shown, dart(), QPoint())) + " of the dart's colours, " +
           std::to_string(clearFraction(shown)) + " of its clear pixels";
}

// The entry of that size of _NET_WM_ICON, which holds width, height and that many ARGB pixels
// for each size in turn; null if there is none.
QImage iconOfSize(const std::vector<unsigned long>& icon, QSize size)
{
    for (std::size_t at = 0; at + 2 <= icon.size();) {
        const QSize entry(static_cast<int>(icon[at]), static_cast<int>(icon[at + 1]));
        const std::size_t pixels = icon[at] * icon[at + 1];
        if (at + 2 + pixels > icon.size())
            break;
        if (entry == size) {
            QImage image(size, QImage::Format_ARGB32);
            for (int i = 0; i < size.width() * size.height(); ++i)
                image.setPixel(i % size.width(), i / size.width(),
                               static_cast<QRgb>(icon[at + 2 + i] & 0xffffffffu));
            return image;
        }
        at += 2 + pixels;
    }
    return {};
}

using DartTest = GameTest;

TEST_F(DartTest, ThePointerOverTheMapIsTheDart)
{
    game().moveTo(game().geometry().topLeft() + kBareMapPoint);
    QImage pointer;
    EXPECT_TRUE(waitUntil(milliseconds(3000),
                          [&] {
                              pointer = harness::pointerImage(game().display());
                              return showsTheDart(pointer);
                          }))
        << "the pointer over the map shows " << describe(pointer);
}

TEST_F(DartTest, TheWindowsIconIsTheDart)
{
    const QImage icon = iconOfSize(
        harness::longProperty(game().display(), game().window(), "_NET_WM_ICON", "CARDINAL"),
        dart().size());
    EXPECT_TRUE(showsTheDart(icon)) << "the icon of the dart's size shows " << describe(icon);
}

} // namespace
} // namespace e2e
