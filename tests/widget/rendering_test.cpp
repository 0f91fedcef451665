// What the shown window looks like: pictures over the map, system colours, pointers.
#include "game/spots.h"
#include "platform/qt/qt_front_end.h"
#include "scene/texts.h"
#include "shown_form.h"

#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QWheelEvent>

using testing_support::ShownForm1Test;
using testing_support::valueForSpot;

namespace {

class Rendering : public ShownForm1Test {
protected:
    QImage render()
    {
        return platform::qt::windowOf(f())->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The map as it is drawn under a point of the client area, with nothing over it.
    QRgb mapAt(QPoint at)
    {
        const QImage map = platform::qt::widgetOf(f().Iraq)->grab().toImage().convertToFormat(
            QImage::Format_RGB32);
        return map.pixel(at);
    }
};

} // namespace

TEST_F(Rendering, ThePicturesShowTheMapThroughTheirTransparentCornersOnly)
{
    showTargetAtSpot(8); // target at 144, 136 px
    generator().push({valueForSpot(2), valueForSpot(12)});
    f().civmove_Timer();
    f().civcheck.setValue(1); // civ1 at spot 2 (224, 0), civ2 at spot 12 (296, 208)
    f().Iraq.raiseMouseDown(platform::LeftButton, 0, 1500, 4000);
    f().boomtime_Timer(); // the first explosion picture, centred on 100, 267 px

    const QImage shown = render();
    struct Picture {
        const platform::Image* image;
        int width, height;
    };
    for (const Picture& p :
         {Picture{&f().Despot, 56, 69}, Picture{&f().civ2, 71, 78}, Picture{&f().boom1, 64, 64}}) {
        SCOPED_TRACE(p.image->name());
        const QPoint topLeft = platform::qt::widgetOf(*p.image)->pos();
        EXPECT_EQ(platform::qt::widgetOf(*p.image)->size(), QSize(p.width, p.height));
        // A transparent corner shows the map exactly as it is drawn there.
        EXPECT_EQ(shown.pixel(topLeft), mapAt(topLeft));
        // The opaque centre shows the picture's own colour, not the map's.
        const QPoint centre = topLeft + QPoint(p.width / 2, p.height / 2);
        const QImage own = platform::qt::widgetOf(*p.image)->grab().toImage().convertToFormat(
            QImage::Format_RGB32);
        EXPECT_EQ(shown.pixel(centre), own.pixel(p.width / 2, p.height / 2));
        EXPECT_NE(shown.pixel(centre), mapAt(centre));
    }
}

TEST_F(Rendering, TheMapIsStretchedOverTheWholeClientAreaButTheStrips)
{
    EXPECT_EQ(platform::qt::widgetOf(f().Iraq)->geometry(), QRect(0, 0, 401, 327));
    EXPECT_EQ(platform::qt::windowOf(f())->size(), QSize(402, 328));
    const QImage shown = render();
    // The strips show the form's own colour, which the map's white ground is not.
    const QRgb strip = shown.pixel(401, 100);
    EXPECT_EQ(shown.pixel(200, 327), strip);
    EXPECT_EQ(QColor(strip), platform::qt::windowOf(f())->palette().color(QPalette::Window));
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(Rendering, TheCheckBoxAndInstructionsUseTheInactiveTitleBarGrey)
{
    f().Inst.setVisible(true);
    const QImage shown = render();
    const QRgb grey = qRgb(128, 128, 128);
    const QRect box = platform::qt::widgetOf(f().civcheck)->geometry();
    EXPECT_EQ(shown.pixel(box.right() - 2, box.bottom() - 2), grey);
    const QRect inst = platform::qt::widgetOf(f().Inst)->geometry();
    EXPECT_EQ(shown.pixel(inst.right() - 3, inst.bottom() - 3), grey);
    // The single-line border around the instructions.
    EXPECT_NE(shown.pixel(inst.right(), inst.bottom() - 3), grey);
    const QRect label = platform::qt::widgetOf(f().Difficulty)->geometry();
    EXPECT_EQ(QColor(shown.pixel(label.right(), label.top())),
              platform::qt::widgetOf(f().Difficulty)->palette().color(QPalette::Base));
}

TEST_F(Rendering, TheCaptionsFitTheirControls)
{
    for (const platform::Control* control : std::initializer_list<const platform::Control*>{
             &f().Difficulty, &f().civcheck, &f().Instructions, &f().Credits}) {
        const QWidget* widget = platform::qt::widgetOf(*control);
        EXPECT_LE(widget->sizeHint().width(), widget->width() + 1) << control->name();
    }
}

TEST_F(Rendering, TheInstructionsWrapInsideTheirLabelDownToTheLastLine)
{
    f().Inst.setVisible(true);
    const auto* label = qobject_cast<const QLabel*>(platform::qt::widgetOf(f().Inst));
    ASSERT_NE(label, nullptr);
    SCOPED_TRACE(label->style()->name().toStdString() + ", " +
                 label->font().toString().toStdString());
    EXPECT_EQ(label->text(), "Pretty simple, really: Click the infamous tyrant when he pops up. A "
                             "difficulty control is on the lower left of the game. Click "
                             "'Instructions' again when finished.");
    // Too long for one line inside the frame, so it must wrap; wrapped at the label's width,
    // it needs no more than the label's height, frame included.
    const QFontMetrics metrics(label->font());
    EXPECT_GT(metrics.horizontalAdvance(label->text()), label->contentsRect().width());
    const int needed = label->heightForWidth(label->width());
    EXPECT_GT(needed, 2 * metrics.lineSpacing()) << "the text does not wrap";
    EXPECT_LE(needed, label->height()) << "the last line is clipped";
}

TEST_F(Rendering, TheCreditsBoxScrollsToItsLastLineByTheWheelAndByTheKeys)
{
    f().Creditbox.setVisible(true);
    auto* box = qobject_cast<QPlainTextEdit*>(platform::qt::widgetOf(f().Creditbox));
    ASSERT_NE(box, nullptr);
    // The sixteen lines, one under another, and the empty one after the last line's end.
    const QStringList lines = box->toPlainText().split('\n');
    EXPECT_EQ(lines, QString::fromUtf8(scene::kCredits).split("\r\n"));
    ASSERT_EQ(lines.size(), 17);
    const QTextCursor lastLine(box->document()->findBlockByNumber(15));
    const auto lastLineShows = [&] {
        return box->viewport()->rect().contains(box->cursorRect(lastLine));
    };
    const auto backToTheTop = [&] {
        box->moveCursor(QTextCursor::Start);
        box->verticalScrollBar()->setValue(0);
        EXPECT_FALSE(lastLineShows()) << "already shown at the top";
    };

    backToTheTop();
    const QPoint over = box->geometry().center();
    for (int notch = 0; notch < 16 && !lastLineShows(); ++notch) {
        QWheelEvent wheel(over, window()->mapToGlobal(over), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window(), &wheel);
    }
    EXPECT_TRUE(lastLineShows()) << "by the wheel";

    click(over); // into the box, as a player does before reaching for the keys
    for (Qt::Key step : {Qt::Key_Down, Qt::Key_PageDown}) {
        backToTheTop();
        for (int press = 0; press < 16 && !lastLineShows(); ++press)
            key(step);
        EXPECT_TRUE(lastLineShows()) << "by " << QKeySequence(step).toString().toStdString();
    }
    backToTheTop();
    QTest::keyClick(window(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(lastLineShows()) << "by Ctrl+End";
}

TEST_F(Rendering, TheDartPointsOverTheMapPicturesAndLabelsAndTheArrowOverTheRest)
{
    const QCursor dart = platform::qt::windowOf(f())->cursor();
    EXPECT_EQ(dart.shape(), Qt::BitmapCursor);
    EXPECT_EQ(dart.hotSpot(), QPoint(0, 0));
    EXPECT_EQ(dart.pixmap().size(), QSize(32, 32));
    for (const platform::Control* control : std::initializer_list<const platform::Control*>{
             &f().Iraq, &f().Despot, &f().civ1, &f().boom1, &f().Inst, &f().Difficulty})
        EXPECT_EQ(platform::qt::widgetOf(*control)->cursor().shape(), Qt::BitmapCursor)
            << control->name();
    for (const platform::Control* control : std::initializer_list<const platform::Control*>{
             &f().civcheck, &f().Creditbox, &f().Diff, &f().Instructions, &f().Credits})
        EXPECT_EQ(platform::qt::widgetOf(*control)->cursor().shape(), Qt::ArrowCursor)
            << control->name();
    EXPECT_FALSE(platform::qt::windowOf(f())->windowIcon().isNull());
    EXPECT_EQ(platform::qt::windowOf(f())->windowIcon().availableSizes().size(), 2);
}
