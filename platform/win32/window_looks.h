// What a form window draws of its design besides its controls: its icon, its pointer and the
// font of its controls, each at the window's density.
#pragma once

#include "platform/design.h"
#include "platform/win32/pictures.h"
#include "platform/win32/windows_api.h"

#include <string_view>

namespace platform::win32 {

// The icon picture at `size` pixels square, from the icon resource of the picture's name.
HICON loadIcon(std::string_view picture, int size);

// The pointer, from the cursor resource of the picture's name (the picture generator makes
// one from the same pixels for every icon), at the desktop's pointer size for `dpi`. The
// design's hot spot is in the picture's own pixels; throws std::logic_error if the cursor's
// is not the same, as the two would then point at different pixels.
HCURSOR loadPointer(const PointerDesign& pointer, unsigned dpi, const PictureDecoder& pictures);

// The design's font at `dpi`, in the face of the desktop's dialogs.
HFONT createFont(const FontDesign& font, unsigned dpi);

} // namespace platform::win32
