#include "pictures/metafiletext.h"

#include "platform/codepage1253.h"

#include <QStringDecoder>

#include <array>

namespace kelvarino {

namespace {

// Code page 1252 differs from Latin-1 only in 0x80 to 0x9F; the five bytes it
// leaves undefined keep their Latin-1 control characters.
constexpr std::array<char16_t, 32> Western80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The code page of the other character sets, where the toolkit has a codec for it.
const char *codePageName(int charset)
{
    switch (charset) {
    case 162: return "windows-1254"; // Turkish
    case 163: return "windows-1258"; // Vietnamese
    case 177: return "windows-1255"; // Hebrew
    case 178: return "windows-1256"; // Arabic
    case 186: return "windows-1257"; // Baltic
    case 204: return "windows-1251"; // Cyrillic
    case 222: return "windows-874";  // Thai
    case 238: return "windows-1250"; // Central European
    case 128: return "Shift_JIS";
    case 129: return "EUC-KR";
    case 134: return "GBK";
    case 136: return "Big5";
    default: return nullptr;
    }
}

} // namespace

QString MetafileText::decodeWestern(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = quint8(c);
        text.append(QChar(byte >= 0x80 && byte < 0xA0 ? Western80[byte - 0x80] : char16_t(byte)));
    }
    return text;
}

QString MetafileText::decode(QByteArrayView bytes, int charset)
{
    if (charset == GreekCharset)
        return Cp1253::decode(bytes.data(), bytes.size());
    if (const char *name = codePageName(charset)) {
        QStringDecoder decoder(name);
        if (decoder.isValid()) {
            QString text = decoder(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    return decodeWestern(bytes);
}

} // namespace kelvarino
