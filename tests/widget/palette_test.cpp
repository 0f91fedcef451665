// A dark desktop palette: the controls follow it and every caption stays readable.
#include "platform/contrast.h"
#include "platform/qt/qt_front_end.h"
#include "shown_form.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <algorithm>
#include <map>

using testing_support::ShownForm1Test;

namespace {

double contrast(QRgb a, QRgb b)
{
    const auto rgb = [](QRgb colour) {
        return platform::Rgb{static_cast<std::uint8_t>(qRed(colour)),
                             static_cast<std::uint8_t>(qGreen(colour)),
                             static_cast<std::uint8_t>(qBlue(colour))};
    };
    return platform::contrastRatio(rgb(a), rgb(b));
}

// The contrast of the text's strongest pixel in the area against the background around it,
// which is the colour most of the area shows.
double textContrast(const QImage& image, QRect area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    double best = 1;
    for (const auto& [colour, count] : counts)
        best = std::max(best, contrast(colour, background));
    return best;
}

class DarkPalette : public ShownForm1Test {
protected:
    DarkPalette()
    {
        // The colours of a common dark desktop theme, whose light grey text does not reach
        // 3:1 on a mid grey.
        QPalette dark = m_original;
        dark.setColor(QPalette::Window, QColor(0x38, 0x3c, 0x4a));
        dark.setColor(QPalette::Base, QColor(0x40, 0x45, 0x52));
        dark.setColor(QPalette::Button, QColor(0x44, 0x4a, 0x59));
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xd3, 0xda, 0xe3));
        setPalette(dark);
        f().Inst.setVisible(true);
    }
    ~DarkPalette() override { setPalette(m_original); }

    // The desktop's palette as it changes while the game runs; Qt passes it on to the widgets
    // through posted events.
    static void setPalette(const QPalette& palette)
    {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();
    }

    // Where a control writes its caption, in the window: beside a check box's indicator,
    // inside a button's bevel, and no further than a label's text reaches (the scroll bar
    // covers the foot of the Difficulty label).
    static QRect captionArea(const QWidget* widget)
    {
        QRect area;
        if (auto* label = qobject_cast<const QLabel*>(widget)) {
            const QRect inside = label->contentsRect();
            area = inside.intersected(label->fontMetrics().boundingRect(
                inside, static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text()));
        } else if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool box = qobject_cast<const QCheckBox*>(button);
            area = widget->style()->subElementRect(
                box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, widget);
        }
        return area.translated(widget->pos());
    }

private:
    QPalette m_original = QApplication::palette();
};

} // namespace

TEST_F(DarkPalette, EveryCaptionReadsAtThreeToOneOrMore)
{
    const QImage shown =
        platform::qt::windowOf(f())->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const platform::Control* control : std::initializer_list<const platform::Control*>{
             &f().civcheck, &f().Difficulty, &f().Instructions, &f().Credits, &f().Inst}) {
        EXPECT_GE(textContrast(shown, captionArea(platform::qt::widgetOf(*control))), 3.0)
            << control->name();
    }
    // The label on the window-background colour follows the change of palette.
    const QRect label = platform::qt::widgetOf(f().Difficulty)->geometry();
    EXPECT_EQ(shown.pixel(label.right(), label.top()), QColor(0x40, 0x45, 0x52).rgb());
}
