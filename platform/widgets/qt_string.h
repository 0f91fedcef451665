// The platform's texts are views of UTF-8; Qt's are QStrings.
#pragma once

#include <QString>
#include <string_view>

namespace platform {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace platform
