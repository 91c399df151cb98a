#include "pictures/metafilereader.h"

#include <QtEndian>

namespace kelvarino {

namespace {

// The first four bytes of a metafile with a placeable header.
constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableBytes = 22;
constexpr qsizetype StandardHeaderBytes = 18;
constexpr quint16 EndOfFile = 0x0000;

quint16 headerWord(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

bool hasPlaceableKey(QByteArrayView bytes)
{
    return bytes.size() >= 4 && qFromLittleEndian<quint32>(bytes.data()) == PlaceableKey;
}

// The standard header's first fields at `at`: type (1 in memory, 2 on disk),
// its size in words (9) and the format version.
bool hasStandardHeader(QByteArrayView bytes, qsizetype at)
{
    if (bytes.size() - at < 6)
        return false;
    const quint16 type = headerWord(bytes, at);
    const quint16 headerWords = headerWord(bytes, at + 2);
    const quint16 version = headerWord(bytes, at + 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

} // namespace

quint16 MetafileRecord::u16(qsizetype word) const
{
    if (word < 0 || word >= words())
        return 0;
    return qFromLittleEndian<quint16>(params_.data() + 2 * word);
}

QByteArrayView MetafileRecord::bytes(qint64 from, qint64 count) const
{
    if (from < 0 || count < 0 || from > params_.size() || count > params_.size() - from)
        return {};
    return params_.sliced(from, count);
}

bool MetafileReader::recognises(QByteArrayView bytes)
{
    return hasPlaceableKey(bytes) || hasStandardHeader(bytes, 0);
}

std::optional<MetafileReader> MetafileReader::open(QByteArrayView bytes)
{
    if (bytes.size() > MetafileLimits::MaxFileBytes)
        return std::nullopt;
    MetafileReader reader;
    qsizetype at = 0;
    if (hasPlaceableKey(bytes)) {
        if (bytes.size() < PlaceableBytes)
            return std::nullopt;
        const auto coordinate = [&](qsizetype offset) { return int(qint16(headerWord(bytes, offset))); };
        const QRect bounds(coordinate(6), coordinate(8), coordinate(10) - coordinate(6), coordinate(12) - coordinate(8));
        reader.header_.placeable = true;
        reader.header_.bounds = bounds.normalized();
        reader.header_.unitsPerInch = headerWord(bytes, 14);
        if (reader.header_.bounds.isEmpty() || reader.header_.unitsPerInch == 0)
            return std::nullopt;
        at = PlaceableBytes;
    }
    if (bytes.size() - at < StandardHeaderBytes || !hasStandardHeader(bytes, at))
        return std::nullopt;
    reader.header_.objectCount = headerWord(bytes, at + 10);
    at += StandardHeaderBytes;

    // Every record: its size in words (32 bits, at least the size and the
    // function themselves), then its function, then its parameters.
    while (true) {
        if (bytes.size() - at < 6 || qsizetype(reader.records_.size()) >= MetafileLimits::MaxRecords)
            return std::nullopt;
        const quint64 sizeWords = qFromLittleEndian<quint32>(bytes.data() + at);
        const quint16 function = headerWord(bytes, at + 4);
        if (sizeWords < 3 || sizeWords > quint64(bytes.size() - at) / 2)
            return std::nullopt;
        const qsizetype recordBytes = qsizetype(sizeWords * 2);
        if (function == EndOfFile)
            break;
        reader.records_.emplace_back(function, bytes.sliced(at + 6, recordBytes - 6));
        at += recordBytes;
    }
    return reader;
}

} // namespace kelvarino
