// Reads the bytes of a picture compiled into the program, and little-endian fields from them.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace assettest {

// The bytes of ":/pictures/<name>"; empty if the program does not embed it.
QByteArray embeddedPicture(const char* name);

// Little-endian unsigned fields; throw std::out_of_range past the end of the bytes.
std::uint32_t readU8(const QByteArray& bytes, qsizetype offset);
std::uint32_t readU16(const QByteArray& bytes, qsizetype offset);
std::uint32_t readU32(const QByteArray& bytes, qsizetype offset);
std::int32_t readS32(const QByteArray& bytes, qsizetype offset);

} // namespace assettest
