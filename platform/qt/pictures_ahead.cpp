// Keeps the pictures decoded ahead on a thread of their own until the controls that need each
// one have taken it.
#include "platform/qt/pictures_ahead.h"

#include "platform/qt/pictures.h"
#include "platform/twips.h"

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

namespace platform {
namespace {

using Key = std::pair<std::string, std::pair<int, int>>;

Key keyOf(std::string_view resource, QSize size)
{
    return {std::string(resource), {size.width(), size.height()}};
}

// A picture that the design's controls show, at the size they show it, and how many show it.
struct Asked {
    std::string resource;
    QSize size;
    int uses = 0;
    bool operator==(const Asked&) const = default;
};

// Every picture the design asks for, once, in the order to decode them: those shown at start
// first, so that the first frame waits on as few as can be.
std::vector<Asked> picturesAsked(const FormDesign& design)
{
    std::vector<Asked> asked;
    std::map<Key, std::size_t> seen;
    for (const bool shownAtStart : {true, false})
        for (const ControlDesign& control : design.controls) {
            if (control.visible != shownAtStart || control.picture.empty())
                continue;
            const QSize size =
                control.stretch ? QSize(twipsToPixels(control.width), twipsToPixels(control.height))
                                : QSize();
            const auto [at, first] = seen.try_emplace(keyOf(control.picture, size), asked.size());
            if (first)
                asked.push_back({std::string(control.picture), size});
            ++asked[at->second].uses;
        }
    return asked;
}

} // namespace

// The pictures decoded ahead, each kept until as many controls as asked for it have taken it.
class PicturesAhead::Store {
public:
    explicit Store(const FormDesign& design)
        : m_asked(picturesAsked(design))
    {
        for (const Asked& picture : m_asked)
            m_entries[keyOf(picture.resource, picture.size)].uses = picture.uses;
        m_worker = std::thread([this] {
            for (const Asked& picture : m_asked) {
                std::vector<QImage> images = decodePicture(picture.resource, picture.size);
                const std::lock_guard lock(m_mutex);
                Entry& entry = m_entries[keyOf(picture.resource, picture.size)];
                entry.images = std::move(images);
                entry.done = true;
                m_decoded.notify_all();
            }
        });
    }

    bool isFor(const FormDesign& design) const { return picturesAsked(design) == m_asked; }

    ~Store() { m_worker.join(); }

    // Nothing if the picture was not decoded ahead.
    std::optional<std::vector<QImage>> take(std::string_view resource, QSize size)
    {
        std::unique_lock lock(m_mutex);
        const auto found = m_entries.find(keyOf(resource, size));
        if (found == m_entries.end())
            return std::nullopt;
        m_decoded.wait(lock, [&] { return found->second.done; });
        std::vector<QImage> images = found->second.images;
        // The last control to take it lets it go, so that no picture is held twice.
        if (--found->second.uses == 0)
            m_entries.erase(found);
        return images;
    }

private:
    struct Entry {
        int uses = 0;
        bool done = false;
        std::vector<QImage> images;
    };

    // Read alone, by both threads, once made.
    const std::vector<Asked> m_asked;
    std::mutex m_mutex;
    std::condition_variable m_decoded;
    std::map<Key, Entry> m_entries;
    std::thread m_worker;
};

PicturesAhead::PicturesAhead(const FormDesign& design)
    : m_store(std::make_unique<Store>(design))
{
}

PicturesAhead::~PicturesAhead() = default;

bool PicturesAhead::isFor(const FormDesign& design) const { return m_store->isFor(design); }

std::vector<QImage> PicturesAhead::take(std::string_view resource, const QSize& size)
{
    if (std::optional<std::vector<QImage>> ahead = m_store->take(resource, size))
        return std::move(*ahead);
    return decodePicture(resource, size);
}

} // namespace platform
