// The pictures the program embeds, each by name, from the one list in scene/pictures.def.
#pragma once

namespace scene::picture {

struct Embedded {
    const char* file; // the file in scene/assets
    const char* path; // where the program finds it among its resources
};

#define PICTURE(id, file) inline constexpr Embedded id{file, ":/pictures/" file};
#include "scene/pictures.def"
#undef PICTURE

} // namespace scene::picture
