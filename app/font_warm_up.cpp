#include "app/font_warm_up.h"

#ifdef BLASTMAP_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace app {

FontWarmUp::FontWarmUp()
{
#ifdef BLASTMAP_HAS_FONTCONFIG
    // Fontconfig makes its configuration once for the whole process, safely from any thread;
    // Qt's own FcInit() later finds it made.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() { wait(); }

void FontWarmUp::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace app
