// Hands the dart to icotool as PNGs whose transparent pixels become the icon's AND mask.
#include "tools/assetgen/icon_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

namespace assetgen {
namespace {

// icotool reads alpha, not a transparent index: the transparent index becomes alpha 0
// (black, a colour the dart already uses, so it takes no extra palette slot).
QImage withAlpha(const Sprite& sprite)
{
    QImage argb(sprite.image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            int index = sprite.image.pixelIndex(x, y);
            argb.setPixel(x, y,
                          index == sprite.transparentIndex ? qRgba(0, 0, 0, 0)
                                                           : sprite.image.color(index));
        }
    return argb;
}

// Runs icotool --create on the images with the further arguments, and reads what it wrote.
QByteArray create(const QList<Sprite>& images, const QStringList& options, const QString& icotool)
{
    QTemporaryDir work;
    if (!work.isValid())
        throw std::runtime_error("icon: cannot make a temporary folder");
    QStringList arguments{"--create", "--bit-depth=4", "--output=" + work.filePath("icon")};
    arguments << options;
    for (int i = 0; i < images.size(); ++i) {
        QString png = work.filePath(QString("image%1.png").arg(i));
        if (!withAlpha(images[i]).save(png, "PNG"))
            throw std::runtime_error("icon: cannot write " + png.toStdString());
        arguments << png;
    }

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(icotool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error("icon: " + icotool.toStdString() +
                                 " failed: " + process.errorString().toStdString() + " " +
                                 process.readAll().toStdString());

    QFile icon(work.filePath("icon"));
    if (!icon.open(QIODevice::ReadOnly))
        throw std::runtime_error("icon: icotool wrote no file");
    return icon.readAll();
}

} // namespace

QByteArray encodeIcon(const QList<Sprite>& images, const QString& icotool)
{
    return create(images, {}, icotool);
}

QByteArray encodeCursor(const QList<Sprite>& images, QPoint hotSpot, const QString& icotool)
{
    return create(images,
                  {"--cursor", QString("--hotspot-x=%1").arg(hotSpot.x()),
                   QString("--hotspot-y=%1").arg(hotSpot.y())},
                  icotool);
}

} // namespace assetgen
