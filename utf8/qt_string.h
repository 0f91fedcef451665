// Texts held as views of UTF-8 (the designs' and the platform's) made QStrings, for the platform
// and for the harness and bench programs that show or compare them.
#pragma once

#include <QString>
#include <string_view>

namespace utf8 {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace utf8
