// Watches every property access of a control, and the form's own operations, in the order they
// are made. Tests read a handler's steps from it and make an access fail on purpose; the
// shipped program runs without one. The platform's own looks at its state do not go through it.
#pragma once

#include <string_view>

namespace platform {

struct Access {
    std::string_view control;  // a control's name, or "" for the form's own operations
    std::string_view property; // "Left", "Visible", ...; "MsgBox" and "Rnd" for the form's
    bool write;
    // Whether the access can fail in the shipped program: a write hands the value to the desktop,
    // which may refuse it or run out of memory, and so may a read that builds a text; a read of a
    // number or a flag the control keeps cannot fail.
    bool canFail;
};

class AccessProbe {
public:
    virtual ~AccessProbe() = default;
    // Called before the access takes effect; a run-time error thrown here fails the access.
    virtual void onAccess(const Access& access) = 0;
    // Around every handler the form runs; handlers nest while one waits in a message box.
    virtual void onHandlerStart() {}
    virtual void onHandlerEnd() {}
};

} // namespace platform
