// Opens the program's resources and decodes little-endian fields with bounds checks.
#include "tests/assets/embedded_picture.h"

#include <QFile>
#include <stdexcept>

namespace assettest {

QByteArray embeddedPicture(const char* name)
{
    QFile file(QStringLiteral(":/pictures/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t readU8(const QByteArray& bytes, qsizetype offset)
{
    if (offset < 0 || offset >= bytes.size())
        throw std::out_of_range("read past the end of the picture");
    return static_cast<std::uint8_t>(bytes[offset]);
}

std::uint32_t readU16(const QByteArray& bytes, qsizetype offset)
{
    return readU8(bytes, offset) | readU8(bytes, offset + 1) << 8;
}

std::uint32_t readU32(const QByteArray& bytes, qsizetype offset)
{
    return readU16(bytes, offset) | readU16(bytes, offset + 2) << 16;
}

std::int32_t readS32(const QByteArray& bytes, qsizetype offset)
{
    return static_cast<std::int32_t>(readU32(bytes, offset));
}

} // namespace assettest
