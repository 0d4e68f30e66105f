#pragma once
#include <QString>
#include <cstdint>

// The launcher stores the database password in TVUpdate.ini in this encoded
// form; the client decodes it. Both directions live here so that they cannot
// drift apart.
namespace PasswordCodec {

inline constexpr std::uint16_t kStartKey = 0x5A3C;

QString decode(const QString& encoded, std::uint16_t startKey = kStartKey);
// The launcher's side: the exact inverse of decode for passwords of up to
// 16 bytes (longer ones still round-trip, with a longer encoded text).
QString encode(const QString& password, std::uint16_t startKey = kStartKey);

}  // namespace PasswordCodec
