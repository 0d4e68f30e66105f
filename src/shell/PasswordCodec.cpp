#include "shell/PasswordCodec.h"
#include <array>

namespace {

constexpr std::array<std::uint16_t, 32> kOffsets = {
    0x1F3, 0x0A7, 0x25C, 0x3E1, 0x11D, 0x08B, 0x2F6, 0x1C4, 0x07E, 0x36A, 0x159,
    0x2B2, 0x0D3, 0x1E8, 0x34F, 0x065, 0x291, 0x13C, 0x3A7, 0x0F9, 0x24E, 0x1B5,
    0x06C, 0x3D2, 0x187, 0x2E0, 0x0B1, 0x35B, 0x11F, 0x2C8, 0x0E4, 0x3F6};
constexpr std::uint16_t kMultiplier = 0x6C1B;
constexpr std::uint16_t kAddend = 0x3A95;
constexpr int kBlockBytes = 32;

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return 0;  // a garbled digit decodes to garbage, never to a crash
}

QByteArray fromHexPairs(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (int i = 0; i + 1 < text.size(); i += 2)
        bytes.append(char(hexValue(text.at(i)) * 16 + hexValue(text.at(i + 1))));
    return bytes;
}

QString toHexPairs(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

std::uint16_t nextKey(std::uint8_t cipher, std::uint16_t key)
{
    return std::uint16_t((std::uint16_t(cipher + key) * kMultiplier + kAddend) & 0xFFFF);
}

}  // namespace

namespace PasswordCodec {

QString decode(const QString& encoded, std::uint16_t startKey)
{
    QByteArray block = fromHexPairs(encoded);
    for (int i = 0; i < block.size() && i < kBlockBytes; ++i)
        block[i] = char(std::uint8_t(block[i]) + (kOffsets[i] & 0xFF));

    const QByteArray cipher = fromHexPairs(QString::fromLatin1(block).trimmed());
    QByteArray plain;
    plain.reserve(cipher.size());
    std::uint16_t key = startKey;
    for (char ch : cipher) {
        const auto c = std::uint8_t(ch);
        plain.append(char(c ^ (key >> 8)));
        key = nextKey(c, key);
    }
    return QString::fromUtf8(plain);
}

QString encode(const QString& password, std::uint16_t startKey)
{
    QByteArray cipher;
    std::uint16_t key = startKey;
    for (char ch : password.toUtf8()) {
        const auto c = std::uint8_t(std::uint8_t(ch) ^ (key >> 8));
        cipher.append(char(c));
        key = nextKey(c, key);
    }
    QByteArray block = toHexPairs(cipher).toLatin1();
    if (block.size() < kBlockBytes)
        block.append(QByteArray(kBlockBytes - block.size(), ' '));
    for (int i = 0; i < kBlockBytes; ++i)
        block[i] = char(std::uint8_t(block[i]) - (kOffsets[i] & 0xFF));
    return toHexPairs(block);
}

}  // namespace PasswordCodec
