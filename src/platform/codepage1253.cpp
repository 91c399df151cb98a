#include "platform/codepage1253.h"

#include <QTextBoundaryFinder>

#include <array>

namespace kelvarino::Cp1253 {
namespace {

constexpr char16_t Undefined = 0;

// Code points of the bytes 0x80 to 0xFF; Undefined marks the unassigned ones.
constexpr std::array<char16_t, 128> HighHalf = {
    0x20AC, Undefined, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    Undefined, 0x2030, Undefined, 0x2039, Undefined, Undefined, Undefined, Undefined, // 88
    Undefined, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    Undefined, 0x2122, Undefined, 0x203A, Undefined, Undefined, Undefined, Undefined, // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, Undefined, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, // B8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, // C0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F, // C8
    0x03A0, 0x03A1, Undefined, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7, // D0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF, // D8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, // E0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, // E8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7, // F0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, Undefined, // F8
};

constexpr char16_t PrivateUseBase = 0xF000;

} // namespace

QChar decodeByte(unsigned char byte)
{
    if (byte < 0x80)
        return QChar(char16_t(byte));
    const char16_t cp = HighHalf[byte - 0x80];
    return QChar(cp == Undefined ? char16_t(PrivateUseBase + byte) : cp);
}

int encodeChar(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < 0x80)
        return u;
    if (u >= PrivateUseBase + 0x80 && u <= PrivateUseBase + 0xFF) {
        const int byte = u - PrivateUseBase;
        return HighHalf[byte - 0x80] == Undefined ? byte : -1;
    }
    for (int i = 0; i < 128; ++i) {
        if (HighHalf[i] == u && u != Undefined)
            return 0x80 + i;
    }
    return -1;
}

QString decode(const char *bytes, qsizetype length)
{
    QString out;
    out.resize(length);
    for (qsizetype i = 0; i < length; ++i)
        out[i] = decodeByte(static_cast<unsigned char>(bytes[i]));
    return out;
}

QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

namespace {

// True when each UTF-16 unit has a byte: such a text is already composed
// (the code page has no combining marks), so it needs no further work.
bool everyUnitEncodes(const QString &text)
{
    for (QChar ch : text) {
        if (encodeChar(ch) < 0)
            return false;
    }
    return true;
}

// The bytes of a text, one per character as the user sees it (a grapheme
// cluster of the composed text): the cluster's leading characters that have a
// byte keep it, and whatever is left of the cluster becomes one '?'. So "ε"
// with a tilde that has no composed form keeps its "ε", and an emoji made of
// several code points is one '?'.
QByteArray encodeClusters(const QString &text)
{
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QByteArray out;
    out.reserve(composed.size());
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, composed);
    qsizetype start = 0;
    while (start < composed.size()) {
        qsizetype end = clusters.toNextBoundary();
        if (end <= start)
            end = composed.size();
        qsizetype i = start;
        for (int b; i < end && (b = encodeChar(composed.at(i))) >= 0; ++i)
            out.append(static_cast<char>(b));
        if (i < end)
            out.append('?');
        start = end;
    }
    return out;
}

} // namespace

QByteArray encode(const QString &text)
{
    if (!everyUnitEncodes(text))
        return encodeClusters(text);
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text)
        out.append(static_cast<char>(encodeChar(ch)));
    return out;
}

QString storable(const QString &text)
{
    return everyUnitEncodes(text) ? text : decode(encodeClusters(text));
}

bool canEncode(const QString &text)
{
    return everyUnitEncodes(text) || everyUnitEncodes(text.normalized(QString::NormalizationForm_C));
}

} // namespace kelvarino::Cp1253
