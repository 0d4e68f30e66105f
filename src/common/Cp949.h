#pragma once
#include <QByteArray>
#include <QString>

// Files, records and field widths count bytes of the Korean code page CP949:
// a Hangul syllable takes two bytes.
namespace Cp949 {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
int byteLength(const QString& text);
// The longest prefix of text that fits in maxBytes (a double-byte character
// is never cut in half).
QString leftBytes(const QString& text, int maxBytes);

}  // namespace Cp949
