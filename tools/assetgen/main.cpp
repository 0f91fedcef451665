// blastmap-assetgen OUTDIR: draws every picture of the game and writes its files into OUTDIR.
#include "tools/assetgen/app_icons.h"
#include "tools/assetgen/bmp_file.h"
#include "tools/assetgen/gif_file.h"
#include "tools/assetgen/icon_file.h"
#include "tools/assetgen/map_picture.h"
#include "tools/assetgen/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QSet>
#include <cstdio>
#include <stdexcept>

#ifndef BLASTMAP_ICOTOOL
#define BLASTMAP_ICOTOOL "icotool"
#endif

namespace {

// The map comes from its own drawing code; hold it to the picture the game expects.
void checkMap(const QImage& map)
{
    if (map.size() != QSize(197, 207) || map.format() != QImage::Format_Indexed8)
        throw std::runtime_error("the map is not a 197 x 207 indexed picture");
    QSet<int> used;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            used.insert(map.pixelIndex(x, y));
    if (used.size() != 21)
        throw std::runtime_error("the map uses " + std::to_string(used.size()) +
                                 " colours, not 21");
    for (int index : used)
        if (qAlpha(map.color(index)) != 255)
            throw std::runtime_error("the map has a see-through colour");
}

// Written through a temporary file, so a failed run never leaves half a picture behind.
void writeFile(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    QSaveFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + file.fileName().toStdString() + ": " +
                                 file.errorString().toStdString());
}

void writeGif(const QDir& folder, const QString& name, const assetgen::Sprite& sprite)
{
    writeFile(folder, name, assetgen::encodeGif(sprite.image, sprite.transparentIndex));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: blastmap-assetgen OUTDIR\n");
        return 2;
    }
    try {
        QDir folder(arguments[1]);
        if (!folder.mkpath("."))
            throw std::runtime_error("cannot make " + arguments[1].toStdString());

        QImage map = assetgen::drawMapPicture();
        checkMap(map);
        writeFile(folder, "map.bmp", assetgen::encodeBmp(map));

        writeGif(folder, "target.gif", assetgen::drawTarget());
        writeGif(folder, "hit_target.gif", assetgen::drawHitTarget());
        writeGif(folder, "civilian.gif", assetgen::drawCivilian());
        writeGif(folder, "hit_civilian.gif", assetgen::drawHitCivilian());
        writeGif(folder, "explosion1.gif", assetgen::drawExplosion(0));
        writeGif(folder, "explosion2.gif", assetgen::drawExplosion(1));

        const QList<assetgen::Sprite> dart{assetgen::drawDart(32), assetgen::drawDart(16)};
        writeFile(folder, "dart.ico", assetgen::encodeIcon(dart, QStringLiteral(BLASTMAP_ICOTOOL)));
        // The same dart as a Windows pointer, whose hot spot is the dart's tip: the top-left
        // pixel of each image, where the design puts the pointer's hot spot too.
        writeFile(folder, "dart.cur",
                  assetgen::encodeCursor(dart, QPoint(0, 0), QStringLiteral(BLASTMAP_ICOTOOL)));

        // Not embedded: installed for desktop menus (packaging/).
        for (int size : assetgen::appIconSizes())
            writeFile(folder, QString("app_icon_%1.png").arg(size), assetgen::encodeAppIcon(size));
        writeFile(folder, "app_icon.svg", assetgen::encodeScalableAppIcon());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "blastmap-assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
