// The pictures of a form's window and controls, as images ready for the screen.
#pragma once

#include <QImage>
#include <QSize>
#include <string_view>
#include <vector>

namespace platform {

// Every image of the picture (an icon holds several), in the format the screen's pixmaps take;
// with a `size`, the first image alone, stretched nearest-neighbour to it, as a stretched picture
// is drawn.
// Ends the program if the picture is missing: every picture is compiled in.
std::vector<QImage> decodePicture(std::string_view resource, QSize size = {});

} // namespace platform
