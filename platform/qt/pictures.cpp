// Decodes pictures with Qt's image readers, which are safe to use from any thread.
#include "platform/qt/pictures.h"

#include "utf8/qt_string.h"

#include <QImageReader>
#include <string>
#include <utility>

namespace platform {

std::vector<QImage> decodePicture(std::string_view resource, QSize size)
{
    QImageReader reader(utf8::toQString(resource));
    std::vector<QImage> images;
    do {
        QImage image = reader.read();
        if (image.isNull())
            break;
        // The formats the raster pixmaps of the screen keep, so that making one is no copy.
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
        if (size.isValid()) {
            // Nearest-neighbour keeps the pixels crisp. The application exists by now, so Qt's
            // scaling, which may paint, is safe on the decoding thread too.
            images.push_back(image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            break;
        }
        images.push_back(std::move(image));
    } while (reader.jumpToNextImage());
    if (images.empty())
        qFatal("the picture %s is missing", std::string(resource).c_str());
    return images;
}

} // namespace platform
