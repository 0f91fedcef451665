// Decoding a form's pictures ahead of its window, on a thread of their own.
#pragma once

#include "platform/design.h"

#include <memory>
#include <string_view>
#include <vector>

// Qt's images, named but not brought in: only the controls that take the pictures need them.
class QImage;
class QSize;

namespace platform {

// Decodes the controls' pictures (those shown at start first) on a second thread while the
// program goes on to build its window; the form given it takes its controls' pictures from it.
// Make it once the application exists (Qt's image readers find their plugins through the
// application, which must not change under them) and before the form.
class PicturesAhead {
public:
    explicit PicturesAhead(const FormDesign& design);
    PicturesAhead(const PicturesAhead&) = delete;
    PicturesAhead& operator=(const PicturesAhead&) = delete;
    // Waits for the decoding thread.
    ~PicturesAhead();

    // Whether the design asks for the very pictures these were decoded for, as many times each.
    bool isFor(const FormDesign& design) const;

    // The picture's images, ready made if it was decoded ahead (waited for if still on its way,
    // and let go once as many controls as asked for it have taken it); decoded here otherwise.
    // An invalid `size` takes the picture at its own size.
    std::vector<QImage> take(std::string_view resource, const QSize& size);

private:
    class Store;
    std::unique_ptr<Store> m_store;
};

} // namespace platform
