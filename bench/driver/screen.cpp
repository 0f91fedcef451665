// Starts the bench's Xvfb and gives the programs its display.
#include "bench/driver/screen.h"

namespace bench {

Screen::Screen()
    : m_server(QSize(1024, 768))
    , m_maps(m_server.display())
{
}

harness::ChildProcess::Options Screen::programOptions(harness::ChildProcess::Output output) const
{
    harness::ChildProcess::Options options;
    // The X11 platform whatever the desktop around the bench runs, so that Qt draws where the
    // driver and the probes look. XDG_RUNTIME_DIR and the session bus come from bench/run.
    options.environment = {m_server.displayVariable(), "QT_QPA_PLATFORM=xcb"};
    options.output = output;
    // What a program says on standard error shows, unless its output is of no interest at all.
    options.errors = output == harness::ChildProcess::Output::Discard
                         ? output
                         : harness::ChildProcess::Output::Inherit;
    return options;
}

} // namespace bench
