#pragma once

#include <QByteArray>
#include <QString>

namespace kelvarino {

// Conversion between Unicode and the Greek single-byte code page that the data
// files use. Every byte value decodes to one character: the 17 byte values the
// code page leaves undefined decode into the private-use area (U+F000 + byte)
// and encode back to the same byte, so no stored byte is ever lost on the way
// through a text box.
//
// Text from the user is composed first (a letter followed by its combining
// accent becomes the one character Unicode has for the pair, as "α" + U+0301
// becomes "ά"); then each character as the user sees it that the code page
// cannot hold becomes one "?", however many UTF-16 units or code points it
// takes (an emoji, a flag, an accented letter without a composed form beyond
// its letter). Pasted and typed text go through this one conversion.
namespace Cp1253 {

QChar decodeByte(unsigned char byte);
// -1 when the character has no byte in the code page.
int encodeChar(QChar ch);
QString decode(const QByteArray &bytes);
QString decode(const char *bytes, qsizetype length);
QByteArray encode(const QString &text);
// The text as the data file will hold it: decode(encode(text)).
QString storable(const QString &text);
// True when every character of the text, once composed, has a byte of its own.
bool canEncode(const QString &text);

} // namespace Cp1253
} // namespace kelvarino
