// The difficulty bar under any style: arrows and the trough step, a click never jumps the thumb,
// a held press stops under the pointer, only the left button acts, and the wheel steps.
#include "platform/qt/desktop_scroll_bar.h"
#include "platform/qt/qt_front_end.h"
#include "shown_form.h"

#include <QMenu>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

using platform::DesktopScrollBar;
using testing_support::ShownForm1Test;

namespace {

// The bar's own style option, which QScrollBar keeps to itself and its subclasses.
struct StyleOptionOf : QScrollBar {
    using QScrollBar::initStyleOption;
};

// A style that asks for the thumb to jump to a left or a middle click in the trough, as some
// desktop styles do, and for a held press to stop near where Qt last saw a press begin.
class AbsoluteClicks final : public QProxyStyle {
public:
    AbsoluteClicks()
        : QProxyStyle(QStyleFactory::create("Fusion"))
    {
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition ||
            hint == SH_ScrollBar_MiddleClickAbsolutePosition ||
            hint == SH_Slider_StopMouseOverSlider)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// Where the thumb of the design's bar, drawn by Fusion, lies under a point of the bar.
constexpr std::int16_t kStopUnderAThird = 75;
constexpr std::int16_t kStopUnderTwoFifths = 150;
constexpr std::int16_t kValueDraggedToTheMiddle = 227;
// Qt's "Scroll here" puts the thumb's left end, not its middle, at the pointer.
constexpr std::int16_t kScrolledHereAtTheMiddle = 268;

class DifficultyBar : public ShownForm1Test {
protected:
    DifficultyBar()
    {
        // Every Change the player raises is counted on its way to Diff_Change.
        f().Diff.onChange = [this, handler = f().Diff.onChange] {
            ++changes;
            handler();
        };
    }
    ~DifficultyBar() override { QApplication::setStyle(m_originalStyle); }

    QScrollBar* bar() { return static_cast<QScrollBar*>(platform::qt::widgetOf(f().Diff)); }

    // The middle of one part of the bar, as the bar's style lays it out now, in the window.
    QPoint centreOf(QStyle::SubControl part)
    {
        const QStyleOptionSlider option = barOption();
        const QRect rect =
            bar()->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar());
        return bar()->mapTo(platform::qt::windowOf(f()), rect.center());
    }

    // The part of the bar at a point of the window, with the thumb where it is or where a value
    // would put it.
    QStyle::SubControl partAt(QPoint inWindow, std::optional<int> value = std::nullopt)
    {
        const QStyleOptionSlider option = barOption(value);
        return bar()->style()->hitTestComplexControl(
            QStyle::CC_ScrollBar, &option, bar()->mapFrom(platform::qt::windowOf(f()), inWindow),
            bar());
    }

    // A point of the trough right of the thumb at 0, `fraction` of the way along the bar.
    QPoint alongTheBar(double fraction)
    {
        const QRect inWindow(bar()->mapTo(platform::qt::windowOf(f()), QPoint()), bar()->size());
        return {inWindow.left() + static_cast<int>(inWindow.width() * fraction),
                inWindow.center().y()};
    }

    // Waits out the repeat's first delay and two steps after it: a bar that still pages has
    // changed by then.
    static void waitOutTheRepeat()
    {
        QTest::qWait(DesktopScrollBar::kRepeatDelayMs + 2 * DesktopScrollBar::kRepeatIntervalMs);
    }

    // Waits for the bar's value, as long as the paging from one end to the other takes.
    bool valueBecomes(int value)
    {
        return QTest::qWaitFor([&] { return f().Diff.value() == value; }, 10000);
    }

    int changes = 0;

private:
    QStyleOptionSlider barOption(std::optional<int> value = std::nullopt)
    {
        QStyleOptionSlider option;
        (bar()->*&StyleOptionOf::initStyleOption)(&option);
        option.subControls = QStyle::SC_All;
        if (value) {
            option.sliderPosition = *value;
            option.sliderValue = *value;
        }
        return option;
    }

    QString m_originalStyle = QApplication::style()->name();
};

} // namespace

TEST_F(DifficultyBar, ClicksStepByTheSmallOrLargeChangeAndNeverJumpUnderAnyStyle)
{
    struct Style {
        const char* name;
        std::function<QStyle*()> make;
    };
    const Style styles[] = {
        {"absolute clicks", [] { return new AbsoluteClicks; }},
        {"Fusion", [] { return QStyleFactory::create("Fusion"); }},
        {"Windows", [] { return QStyleFactory::create("Windows"); }},
    };
    struct Click {
        const char* what;
        QStyle::SubControl part;
        Qt::MouseButton button;
        std::int16_t value;
        int changes;
    };
    const Click clicks[] = {
        {"left in the trough right of the thumb", QStyle::SC_ScrollBarAddPage, Qt::LeftButton, 75,
         1},
        {"left on the right arrow", QStyle::SC_ScrollBarAddLine, Qt::LeftButton, 25, 1},
        // Fusion itself jumps the thumb to a middle click in the trough, and steps for one on an
        // arrow; only the left button acts on the bar.
        {"middle in the trough", QStyle::SC_ScrollBarAddPage, Qt::MiddleButton, 0, 0},
        {"middle on the right arrow", QStyle::SC_ScrollBarAddLine, Qt::MiddleButton, 0, 0},
    };
    for (const Style& style : styles) {
        QApplication::setStyle(style.make());
        for (const Click& c : clicks) {
            SCOPED_TRACE(std::string(style.name) + ", " + c.what);
            f().Diff.setValue(0);
            changes = 0;
            click(centreOf(c.part), c.button);
            EXPECT_EQ(f().Diff.value(), c.value);
            EXPECT_EQ(f().appear.interval(), 650 - c.value);
            EXPECT_EQ(changes, c.changes);
        }
    }
}

// The stops below are where the thumb lies under the pointer in Fusion at the design's size.
TEST_F(DifficultyBar, AHeldPressInTheTroughPagesUntilTheThumbIsUnderThePointerAndOnWhenItMoves)
{
    QApplication::setStyle(new AbsoluteClicks);
    f().Diff.setValue(0);
    changes = 0;
    // A third of the way along: the thumb stops there, short of the end.
    const QPoint third = alongTheBar(1.0 / 3);
    ASSERT_EQ(partAt(third), QStyle::SC_ScrollBarAddPage);
    press(third);
    EXPECT_EQ(f().Diff.value(), 75);
    EXPECT_TRUE(valueBecomes(kStopUnderAThird)) << "held, the press went to " << f().Diff.value();
    waitOutTheRepeat();
    EXPECT_EQ(f().Diff.value(), kStopUnderAThird) << "the thumb went on past the pointer";
    EXPECT_EQ(changes, kStopUnderAThird / 75) << "one Change a page";

    // Moved on beyond the thumb, the pointer takes the paging up again, to the end here.
    const QPoint nearTheEnd = alongTheBar(0.85);
    moveTo(nearTheEnd);
    EXPECT_TRUE(valueBecomes(450)) << "the paging stopped at " << f().Diff.value();
    release(nearTheEnd);
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(f().appear.interval(), 200);

    // Left of the thumb the same, paging down.
    const QPoint twoFifths = alongTheBar(0.4);
    ASSERT_EQ(partAt(twoFifths), QStyle::SC_ScrollBarSubPage);
    changes = 0;
    press(twoFifths);
    EXPECT_TRUE(valueBecomes(kStopUnderTwoFifths))
        << "held, the press went to " << f().Diff.value();
    waitOutTheRepeat();
    release(twoFifths);
    EXPECT_EQ(f().Diff.value(), kStopUnderTwoFifths) << "the thumb went on past the pointer";
    EXPECT_EQ(changes, (450 - kStopUnderTwoFifths) / 75);
}

TEST_F(DifficultyBar, AHeldArrowRepeatsAfterTheDelayToTheEndAndADragChangesOnceAtTheRelease)
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    f().Diff.setValue(375);
    changes = 0;
    const QPoint arrow = centreOf(QStyle::SC_ScrollBarAddLine);
    press(arrow);
    EXPECT_EQ(f().Diff.value(), 400);
    QTest::qWait(DesktopScrollBar::kRepeatDelayMs / 2);
    EXPECT_EQ(f().Diff.value(), 400) << "repeated before the delay";
    EXPECT_TRUE(valueBecomes(450));
    waitOutTheRepeat();
    release(arrow);
    EXPECT_EQ(f().Diff.value(), 450);
    EXPECT_EQ(changes, 3);

    // The thumb dragged from 0 to the middle of the bar: one Change, where it was let go.
    f().Diff.setValue(0);
    changes = 0;
    const QPoint thumb = centreOf(QStyle::SC_ScrollBarSlider);
    press(thumb);
    for (const double fraction : {0.3, 0.4, 0.5})
        QTest::mouseMove(window(), alongTheBar(fraction));
    EXPECT_EQ(changes, 0) << "a Change before the release";
    release(alongTheBar(0.5));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f().Diff.value(), kValueDraggedToTheMiddle);
    EXPECT_EQ(f().appear.interval(), 650 - kValueDraggedToTheMiddle);
}

TEST_F(DifficultyBar, EachEntryOfTheBarsMenuRaisesOneChangeInsideTheRange)
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    struct Entry {
        const char* text;
        std::int16_t from;
        std::int16_t value;
    };
    const Entry entries[] = {
        {"Scroll here", 0, kScrolledHereAtTheMiddle},
        {"Left edge", 200, 0},
        {"Right edge", 200, 450},
        {"Page left", 50, 0},
        {"Page right", 400, 450},
        {"Scroll left", 200, 175},
        {"Scroll right", 200, 225},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.text);
        f().Diff.setValue(entry.from);
        changes = 0;
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    if (action->text() == entry.text) {
                        chosen = true;
                        menu->setActiveAction(action);
                        QTest::keyClick(menu, Qt::Key_Return);
                        return;
                    }
                menu->close();
            }
        });
        click(alongTheBar(0.5), Qt::RightButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return chosen; }));
        EXPECT_EQ(f().Diff.value(), entry.value);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(f().appear.interval(), 650 - entry.value);
    }
}

TEST_F(DifficultyBar, NoMixOfButtonsLeavesTheBarPagingOrItsThumbHeld)
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    // Qt's menu of the bar opens in a loop of its own: whatever opens is closed again at once.
    bool menuOpened = false;
    const auto closeAnyMenu = [&] {
        QTimer::singleShot(50, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menuOpened = true;
                menu->close();
            }
        });
    };
    struct Step {
        bool press;
        QStyle::SubControl part;
        Qt::MouseButton button;
    };
    struct Sequence {
        const char* what;
        std::vector<Step> steps;
        std::int16_t value;
    };
    const QStyle::SubControl trough = QStyle::SC_ScrollBarAddPage;
    const QStyle::SubControl arrow = QStyle::SC_ScrollBarAddLine;
    const QStyle::SubControl thumb = QStyle::SC_ScrollBarSlider;
    const Sequence sequences[] = {
        {"a right press while the left pages",
         {{true, trough, Qt::LeftButton},
          {true, trough, Qt::RightButton},
          {false, trough, Qt::RightButton},
          {false, trough, Qt::LeftButton}},
         75},
        {"a left release while the middle is down on an arrow",
         {{true, arrow, Qt::LeftButton},
          {true, arrow, Qt::MiddleButton},
          {false, arrow, Qt::LeftButton},
          {false, arrow, Qt::MiddleButton}},
         25},
        {"a right press while the left holds the thumb",
         {{true, thumb, Qt::LeftButton},
          {true, thumb, Qt::RightButton},
          {false, thumb, Qt::RightButton},
          {false, thumb, Qt::LeftButton}},
         0},
        {"a middle press on the thumb, moved",
         {{true, thumb, Qt::MiddleButton}, {false, trough, Qt::MiddleButton}},
         0},
    };
    for (const Sequence& sequence : sequences) {
        SCOPED_TRACE(sequence.what);
        f().Diff.setValue(0);
        menuOpened = false;
        for (const Step& step : sequence.steps) {
            const QPoint at = centreOf(step.part);
            if (!step.press) {
                release(at, step.button);
                continue;
            }
            closeAnyMenu();
            press(at, step.button);
        }
        waitOutTheRepeat();
        EXPECT_EQ(f().Diff.value(), sequence.value);
        EXPECT_FALSE(bar()->isSliderDown());
        EXPECT_FALSE(menuOpened);
    }

    // With nothing held, the right button still opens the menu.
    closeAnyMenu();
    click(centreOf(trough), Qt::RightButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menuOpened; }));
}

TEST_F(DifficultyBar, TheWheelAndATouchpadStepInsideTheRangeWithAChangeEach)
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    struct Turn {
        const char* what;
        std::int16_t from;
        QPoint angleDelta;
        int times;
        std::vector<std::int16_t> values; // after each turn that changed the value
    };
    const Turn turns[] = {
        // A notch is three single steps, towards the right for a turn down.
        {"a notch down", 0, {0, -120}, 1, {75}},
        {"a notch up", 100, {0, 120}, 1, {25}},
        {"notches down at the end", 400, {0, -120}, 2, {450}},
        // A touchpad's small deltas move by their share of a notch's 75, counted up.
        {"a touchpad's fifths of a notch", 0, {0, -24}, 3, {15, 30, 45}},
        {"a touchpad's tenths of a notch", 0, {0, -12}, 3, {7, 15, 22}},
    };
    std::vector<std::int16_t> seen;
    f().Diff.onChange = [&, handler = f().Diff.onChange] {
        seen.push_back(f().Diff.value());
        handler();
    };
    for (const Turn& turn : turns) {
        SCOPED_TRACE(turn.what);
        f().Diff.setValue(turn.from);
        seen.clear();
        const QPoint at = centreOf(QStyle::SC_ScrollBarSlider);
        for (int i = 0; i < turn.times; ++i) {
            QWheelEvent wheel(bar()->mapFrom(platform::qt::windowOf(f()), at),
                              bar()->mapToGlobal(at), QPoint(), turn.angleDelta, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar(), &wheel);
        }
        EXPECT_EQ(seen, turn.values);
        EXPECT_EQ(f().appear.interval(), 650 - f().Diff.value());
    }
}
