// Decoding a form's pictures ahead of its window, on a thread of their own.
#pragma once

#include "platform/design.h"

#include <memory>

namespace platform {

// Decodes the controls' pictures (those shown at start first) on a second thread while the
// program goes on to build its window. While it lives, the controls take their pictures ready
// made; without it, each decodes its own on the way to the window's first frame. Make it once
// the application exists (Qt's image readers find their plugins through the application, which
// must not change under them) and before the form, and let it outlive the form.
class PicturesAhead {
public:
    explicit PicturesAhead(const FormDesign& design);
    PicturesAhead(const PicturesAhead&) = delete;
    PicturesAhead& operator=(const PicturesAhead&) = delete;
    // Waits for the decoding thread, which must be done before the program's statics go.
    ~PicturesAhead();

    class Store;

private:
    std::unique_ptr<Store> m_store;
};

} // namespace platform
