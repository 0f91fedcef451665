// Where two shown controls overlap, the one earlier in the layout takes the press there and is
// drawn over the other; a hidden one lets both through to what lies beneath.
#include "platform/qt/qt_front_end.h"
#include "shown_form.h"

#include <QImage>
#include <map>
#include <string>
#include <vector>

using testing_support::ShownForm1Test;

namespace {

// Two controls that can overlap in play, the first stacked over the second.
struct Overlap {
    const char* front;
    const char* back;
    bool frontShown = true;
};

// What a press that reaches each control runs; the others take it and nothing happens.
const std::map<std::string, std::string> kHandlerOf = {
    {"civcheck", "civcheck_Click"},
    {"Diff", "Diff_Change"},
    {"Instructions", "Instructions_Click"},
    {"Credits", "Credits_Click"},
    {"civ1", "civ1_Click"},
    {"civ2", "civ2_Click"},
    {"Despot", "Despot_MouseDown"},
    {"Iraq", "Iraq_MouseDown"},
};

const char* const kWindowBacked[] = {"civcheck", "Creditbox", "Diff", "Instructions", "Credits"};
const char* const kPictures[] = {"civboom", "civ1",  "civ2",   "Deboom",
                                 "boom2",   "boom1", "Despot", "Iraq"};

std::vector<Overlap> overlapsInPlay()
{
    std::vector<Overlap> overlaps;
    // The window-backed controls never move, but every picture may come under one.
    for (const char* control : kWindowBacked)
        for (const char* picture : kPictures)
            overlaps.push_back({control, picture});
    const Overlap others[] = {
        {"Diff", "Difficulty"}, // at their design places, by one pixel row
        {"Difficulty", "boom2"},
        {"Difficulty", "boom1"},
        {"Difficulty", "Iraq"},
        // The civilians' explosion shows where a civilian stands, and timers run under its box.
        {"civboom", "civ1"},
        {"civboom", "civ2"},
        {"civboom", "boom2"},
        {"civboom", "boom1"},
        {"civboom", "Inst"},
        {"civboom", "Despot"},
        {"civboom", "Iraq"},
        {"civ1", "civ2"},
        {"civ1", "Deboom"},
        {"civ1", "boom2"},
        {"civ1", "boom1"},
        {"civ1", "Inst"},
        {"civ1", "Despot"},
        {"civ1", "Iraq"},
        {"civ2", "Deboom"},
        {"civ2", "boom2"},
        {"civ2", "boom1"},
        {"civ2", "Inst"},
        {"civ2", "Despot"},
        {"civ2", "Iraq"},
        // The hit picture shows under its box while an explosion plays on.
        {"Deboom", "boom2"},
        {"Deboom", "boom1"},
        {"Deboom", "Inst"},
        {"Deboom", "Despot"},
        {"Deboom", "Iraq"},
        {"boom2", "Inst"},
        {"boom2", "Despot"},
        {"boom2", "Iraq"},
        {"boom1", "Inst"},
        {"boom1", "Despot"},
        {"boom1", "Iraq"},
        {"Inst", "Despot"},
        {"Inst", "Iraq"},
        {"Despot", "Iraq"},
        // A hidden civilian takes no press: the target or the map beneath gets it.
        {"civ1", "Despot", false},
        {"civ2", "Iraq", false},
    };
    overlaps.insert(overlaps.end(), std::begin(others), std::end(others));
    return overlaps;
}

class Stacking : public ShownForm1Test {
protected:
    Stacking() { recordHandlers(); }

    platform::Control& control(const char* name) { return f().control<platform::Control>(name); }

    // Each handler notes its name in place of the game's own, so that a press changes nothing
    // that the next arrangement would have to undo.
    void recordHandlers()
    {
        auto note = [this](std::string name) { return [this, name] { ran.push_back(name); }; };
        auto noteMouse = [this](std::string name) {
            return [this, name](std::int16_t, std::int16_t, float, float) { ran.push_back(name); };
        };
        f().civcheck.onClick = note("civcheck_Click");
        f().Diff.onChange = note("Diff_Change");
        f().Instructions.onClick = note("Instructions_Click");
        f().Credits.onClick = note("Credits_Click");
        f().civ1.onClick = note("civ1_Click");
        f().civ2.onClick = note("civ2_Click");
        f().Despot.onMouseDown = noteMouse("Despot_MouseDown");
        f().Iraq.onMouseDown = noteMouse("Iraq_MouseDown");
    }

    // Hides what starts hidden, then shows the two controls where they overlap: a picture
    // centred on the other control, or two pictures a little apart about the map's centre.
    // Returns the part of their overlap that no other shown control covers.
    QRegion arrange(const Overlap& overlap)
    {
        for (const platform::ControlDesign& row : f().design().controls)
            if (!row.visible)
                control(row.name.data()).setVisible(false);
        f().Diff.setValue(0);
        platform::Control& front = control(overlap.front);
        platform::Control& back = control(overlap.back);
        if (movable(front) && movable(back)) {
            const QPoint centre = platform::qt::widgetOf(f().Iraq)->geometry().center();
            centreOn(back, centre);
            centreOn(front, centre + QPoint(12, 12));
        } else if (movable(front)) {
            centreOn(front, platform::qt::widgetOf(back)->geometry().center());
        } else if (movable(back)) {
            centreOn(back, platform::qt::widgetOf(front)->geometry().center());
        }
        back.setVisible(true);
        front.setVisible(overlap.frontShown);
        ran.clear();
        QRegion shared = platform::qt::widgetOf(front)->geometry() &
                         platform::qt::widgetOf(back)->geometry() &
                         platform::qt::windowOf(f())->rect();
        for (const auto& other : f().controls())
            if (other.get() != &front && other.get() != &back && other.get() != &f().Iraq &&
                platform::qt::widgetOf(*other)->isVisible())
                shared -= platform::qt::widgetOf(*other)->geometry();
        return shared;
    }

    void centreOn(platform::Control& picture, QPoint centre)
    {
        const QSize size = platform::qt::widgetOf(picture)->size();
        picture.setLeft(static_cast<float>((centre.x() - size.width() / 2) * 15));
        picture.setTop(static_cast<float>((centre.y() - size.height() / 2) * 15));
    }

    // The pictures move in play; the map and the other controls stay at their design places.
    bool movable(const platform::Control& control) const
    {
        return form->design().control(control.name()).kind == platform::ControlKind::Image &&
               control.name() != "Iraq";
    }

    // The control as it draws itself, with nothing behind it: transparent where it is.
    static QImage ownDrawing(const platform::Control& control)
    {
        QImage image(platform::qt::widgetOf(control)->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        platform::qt::widgetOf(control)->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

    // Where both draw opaquely and differently, the window shows the top one's pixel.
    void expectDrawnOver(const platform::Control& top, const platform::Control& under,
                         const QRegion& overlap)
    {
        const QImage shown =
            platform::qt::windowOf(f())->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage topOwn = ownDrawing(top);
        const QImage underOwn = ownDrawing(under);
        const QPoint topAt = platform::qt::widgetOf(top)->pos();
        const QPoint underAt = platform::qt::widgetOf(under)->pos();
        int telling = 0;
        int wrong = 0;
        for (const QRect& part : overlap) {
            for (int y = part.top(); y <= part.bottom(); ++y) {
                for (int x = part.left(); x <= part.right(); ++x) {
                    const QRgb mine = topOwn.pixel(QPoint(x, y) - topAt);
                    const QRgb other = underOwn.pixel(QPoint(x, y) - underAt);
                    if (qAlpha(mine) != 255 || qAlpha(other) != 255 || mine == other)
                        continue;
                    ++telling;
                    if (shown.pixel(x, y) != mine)
                        ++wrong;
                }
            }
        }
        EXPECT_GT(telling, 0) << "no pixel tells the two apart";
        EXPECT_EQ(wrong, 0) << "of " << telling << " pixels that tell them apart";
    }

    // The centre of the region's largest rectangle, so that the point lies inside it.
    static QPoint insidePart(const QRegion& region)
    {
        QRect largest;
        for (const QRect& part : region)
            if (part.width() * part.height() > largest.width() * largest.height())
                largest = part;
        return largest.center();
    }

    std::vector<std::string> ran;
};

} // namespace

TEST_F(Stacking, TheEarlierControlTakesThePressAndIsDrawnOverTheLater)
{
    for (const Overlap& overlap : overlapsInPlay()) {
        SCOPED_TRACE(std::string(overlap.front) +
                     (overlap.frontShown ? " over " : " hidden over ") + overlap.back);
        const QRegion shared = arrange(overlap);
        ASSERT_FALSE(shared.isEmpty());
        const platform::Control& top = control(overlap.frontShown ? overlap.front : overlap.back);
        const platform::Control& under = control(overlap.frontShown ? overlap.back : overlap.front);
        expectDrawnOver(top, under, shared);
        click(insidePart(shared));
        const auto handler = kHandlerOf.find(top.name());
        EXPECT_EQ(ran, handler == kHandlerOf.end() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{handler->second});
    }
}
