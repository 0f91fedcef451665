// The map of Iraq that fills the window, drawn from real geography.
#pragma once

#include <QImage>

namespace assetgen {

// 197 x 207 pixels, QImage::Format_Indexed8 with a 256-entry colour table of which exactly
// 21 colours are used; opaque.
QImage drawMapPicture();

} // namespace assetgen
