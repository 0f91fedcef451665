// The run-time errors that abandon a running event handler.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

// A failing runtime operation. The form catches it where it dispatched the event, so only the
// running handler is abandoned; the player is told the error's number and description.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description);

    int number() const { return m_number; }
    std::string description() const { return what(); }
    // The text of the box that reports the error, e.g. "Run-time error '6':\n\nOverflow".
    std::string report() const;

private:
    int m_number;
};

// Error 6: a value does not fit its type.
RuntimeError overflowError();
// Error 7: memory ran out.
RuntimeError outOfMemoryError();
// Error 51: a fault of the program's own, with what it says of itself.
RuntimeError internalError(const std::string& what);
// Error 380: a property was given a value it cannot hold.
RuntimeError invalidPropertyValueError();

} // namespace platform
