// The difficulty bar under any style: arrows and the trough step, a click never jumps the thumb.
#include "shown_form.h"

#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <functional>

using testing_support::ShownForm1Test;

namespace {

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

    QScrollBar* bar() { return static_cast<QScrollBar*>(f().Diff.widget()); }

    // The middle of one part of the bar, as the bar's style lays it out now, in the window.
    QPoint centreOf(QStyle::SubControl part)
    {
        const QStyleOptionSlider option = barOption();
        const QRect rect =
            bar()->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar());
        return bar()->mapTo(f().window(), rect.center());
    }

    QStyle::SubControl partAt(QPoint inWindow)
    {
        const QStyleOptionSlider option = barOption();
        return bar()->style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option,
                                                     bar()->mapFrom(f().window(), inWindow), bar());
    }

    int changes = 0;

private:
    QStyleOptionSlider barOption()
    {
        QStyleOptionSlider option;
        option.initFrom(bar());
        option.orientation = Qt::Horizontal;
        option.minimum = bar()->minimum();
        option.maximum = bar()->maximum();
        option.sliderPosition = bar()->sliderPosition();
        option.sliderValue = bar()->value();
        option.singleStep = bar()->singleStep();
        option.pageStep = bar()->pageStep();
        option.subControls = QStyle::SC_All;
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
        // Fusion itself jumps the thumb to a middle click in the trough.
        {"middle in the trough", QStyle::SC_ScrollBarAddPage, Qt::MiddleButton, 0, 0},
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

TEST_F(DifficultyBar, AHeldPressInTheTroughRepeatsItsStepToTheEnd)
{
    QApplication::setStyle(new AbsoluteClicks);
    f().Diff.setValue(450);
    changes = 0;
    const QPoint trough = centreOf(QStyle::SC_ScrollBarSubPage);
    press(trough);
    EXPECT_EQ(f().Diff.value(), 375);
    const bool atTheEnd = QTest::qWaitFor([&] { return f().Diff.value() == 0; }, 10000);
    release(trough);
    EXPECT_TRUE(atTheEnd) << "held, the press went no further than " << f().Diff.value();
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(f().appear.interval(), 650);
}
