#include "harness/desktop.h"

#include "harness/x_input.h"
#include "harness/xvfb_server.h"

namespace harness {

Display* Desktop::display() const { return server().display(); }

void Desktop::dragTo(QPoint rootPoint) const { movePointer(display(), rootPoint); }

void Desktop::tapKey(XKeySym keysym) const { harness::tapKey(display(), keysym); }

void Desktop::tapChord(std::initializer_list<XKeySym> keysyms) const
{
    harness::tapChord(display(), keysyms);
}

} // namespace harness
