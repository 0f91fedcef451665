#include "platform/runtime_error.h"

namespace platform {

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description)
    , m_number(number)
{
}

std::string RuntimeError::report() const
{
    return "Run-time error '" + std::to_string(m_number) + "':\n\n" + description();
}

RuntimeError overflowError() { return RuntimeError(6, "Overflow"); }

RuntimeError outOfMemoryError() { return RuntimeError(7, "Out of memory"); }

RuntimeError internalError(const std::string& what)
{
    return RuntimeError(51, "Internal error: " + what);
}

RuntimeError invalidPropertyValueError() { return RuntimeError(380, "Invalid property value"); }

} // namespace platform
