// The least Qt can do to show Blastmap's window: its size, its title and the map, stretched.
#include "app/start_marks.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

class MapWindow final : public QWidget {
public:
    MapWindow()
    {
        setWindowTitle(QStringLiteral("Blastmap"));
        // Plain numbers, not the game's design: the references are what Blastmap is measured
        // against, so they share none of its code.
        setFixedSize(402, 328);
        m_map = QPixmap(QStringLiteral(":/pictures/map.bmp"))
                    .scaled(401, 327, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, m_map); }

private:
    QPixmap m_map;
};

} // namespace

int main(int argc, char** argv)
{
    BLASTMAP_START_MARK(main);
    QApplication app(argc, argv);
    BLASTMAP_START_MARK(application);
    MapWindow window;
    BLASTMAP_START_MARK(window);
    window.show();
    return QApplication::exec();
}
