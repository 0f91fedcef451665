// Waiting for what the X server reports on a connection.
#pragma once

#include "harness/polling.h"
#include "harness/x11_handles.h"

#include <functional>

namespace harness {

// Hands each event that comes on the connection to `handle`, those already queued first, and
// sleeps in poll on the connection in between, until `handle` returns true (returns true) or
// the deadline has passed (returns false).
bool handleEventsUntil(Display* display, Clock::time_point deadline,
                       const std::function<bool(const XEvent&)>& handle);

} // namespace harness
