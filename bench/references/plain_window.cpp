// Blastmap's window with every control written straight on Qt and placed by hand: the same
// widgets, pictures, texts and looks, hidden ones hidden, without the forms runtime between.
#include "scene/texts.h"
#include "utf8/qt_string.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

namespace {

class Picture final : public QWidget {
public:
    Picture(QWidget* parent, const QString& resource, QRect place, bool shown)
        : QWidget(parent)
    {
        setGeometry(place);
        m_picture = QPixmap(resource);
        if (place.size() != m_picture.size() && resource.endsWith(QLatin1String(".bmp")))
            m_picture =
                m_picture.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        setVisible(shown);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, m_picture); }

private:
    QPixmap m_picture;
};

void fill(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Every place and size is a plain number, not read from the game's design: the reference is
// what Blastmap is measured against, so it shares none of its code but the texts and pictures.
void build(QWidget& window)
{
    window.setWindowTitle(QStringLiteral("Blastmap"));
    window.setFixedSize(402, 328);
    window.setWindowIcon(QIcon(QStringLiteral(":/pictures/dart.ico")));
    window.setCursor(QCursor(QPixmap(QStringLiteral(":/pictures/dart.ico")), 0, 0));
    QFont font = window.font();
    font.setPixelSize(11);
    window.setFont(font);

    // Back to front, so that each widget lies above those made before it.
    new Picture(&window, QStringLiteral(":/pictures/map.bmp"), {0, 0, 401, 327}, true);
    new Picture(&window, QStringLiteral(":/pictures/target.gif"), {224, 272, 56, 69}, false);
    auto* inst = new QLabel(utf8::toQString(scene::kInstructions), &window);
    inst->setGeometry(104, 184, 177, 73);
    inst->setWordWrap(true);
    inst->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    inst->setFrameStyle(QFrame::Box | QFrame::Plain);
    fill(inst, QColor(128, 128, 128));
    inst->hide();
    new Picture(&window, QStringLiteral(":/pictures/explosion1.gif"), {336, 64, 64, 64}, false);
    new Picture(&window, QStringLiteral(":/pictures/explosion2.gif"), {328, 136, 64, 64}, false);
    new Picture(&window, QStringLiteral(":/pictures/hit_target.gif"), {312, 256, 56, 69}, false);
    new Picture(&window, QStringLiteral(":/pictures/civilian.gif"), {144, 64, 71, 78}, false);
    new Picture(&window, QStringLiteral(":/pictures/civilian.gif"), {56, 64, 71, 78}, false);
    new Picture(&window, QStringLiteral(":/pictures/hit_civilian.gif"), {32, 144, 71, 78}, false);
    auto* difficulty = new QLabel(QStringLiteral("Difficulty"), &window);
    difficulty->setGeometry(56, 296, 49, 17);
    difficulty->setWordWrap(true);
    difficulty->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fill(difficulty, difficulty->palette().color(QPalette::Base));
    auto* credits = new QPushButton(QStringLiteral("Credits!"), &window);
    credits->setGeometry(304, 8, 97, 21);
    auto* instructions = new QPushButton(QStringLiteral("Instructions"), &window);
    instructions->setGeometry(304, 32, 97, 21);
    auto* diff = new QScrollBar(Qt::Horizontal, &window);
    diff->setGeometry(8, 312, 185, 9);
    diff->setRange(0, 450);
    diff->setSingleStep(25);
    diff->setPageStep(75);
    diff->setFocusPolicy(Qt::StrongFocus);
    auto* creditBox = new QPlainTextEdit(&window);
    creditBox->setGeometry(80, 88, 217, 65);
    creditBox->setPlainText(
        utf8::toQString(scene::kCredits).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    creditBox->setReadOnly(true);
    creditBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    creditBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    creditBox->hide();
    auto* civilians = new QCheckBox(QStringLiteral("Civilian"), &window);
    civilians->setGeometry(8, 264, 73, 29);
    fill(civilians, QColor(128, 128, 128));

    QWidget::setTabOrder(credits, instructions);
    QWidget::setTabOrder(instructions, diff);
    QWidget::setTabOrder(diff, creditBox);
    QWidget::setTabOrder(creditBox, civilians);
    credits->setFocus(Qt::OtherFocusReason);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    build(window);
    window.show();
    return QApplication::exec();
}
