// Watches the property accesses that handlers make, in the order they make them. Tests read
// a handler's steps from it and make an access fail on purpose; the game runs without one.
#pragma once

#include <string_view>

namespace platform {

struct Access {
    std::string_view control;  // a control's name, or "" for the form's own operations
    std::string_view property; // "Left", "Visible", ...; "MsgBox" and "Rnd" for the form's
    bool write;
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
