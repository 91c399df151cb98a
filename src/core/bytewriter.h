#pragma once

#include "core/fixedtext.h"

#include <QByteArray>
#include <QtEndian>

#include <bit>
#include <cstring>
#include <utility>

namespace kelvarino {

// Appends little-endian numbers and fixed-width texts to a growing buffer. The
// call operator writes one field; the layout functions shared with ByteReader
// drive it.
class ByteWriter
{
public:
    explicit ByteWriter(qsizetype expectedSize = 0) { bytes_.resize(std::max<qsizetype>(expectedSize, 64)); }

    qsizetype size() const { return pos_; }
    QByteArray take()
    {
        bytes_.truncate(pos_);
        pos_ = 0;
        return std::exchange(bytes_, QByteArray());
    }

    void operator()(qint16 value) { writeInteger(value); }
    void operator()(qint32 value) { writeInteger(value); }
    void operator()(quint32 value) { writeInteger(value); }
    void operator()(float value) { writeInteger(std::bit_cast<quint32>(value)); }
    void operator()(double value) { writeInteger(std::bit_cast<quint64>(value)); }
    template <std::size_t N>
    void operator()(const FixedText<N> &text) { raw(text.data(), qsizetype(N)); }

    void raw(const char *data, qsizetype n) { std::memcpy(reserve(n), data, std::size_t(n)); }

    // Makes room for n more bytes at once, so a long list is not copied over
    // and over while the buffer grows.
    void expect(qsizetype n)
    {
        if (pos_ + n > bytes_.size())
            bytes_.resize(pos_ + n);
    }

private:
    char *reserve(qsizetype n)
    {
        if (pos_ + n > bytes_.size())
            bytes_.resize(std::max(bytes_.size() * 2, pos_ + n));
        char *target = bytes_.data() + pos_;
        pos_ += n;
        return target;
    }
    template <typename T>
    void writeInteger(T value) { qToLittleEndian<T>(value, reserve(qsizetype(sizeof(T)))); }

    QByteArray bytes_;
    qsizetype pos_ = 0;
};

} // namespace kelvarino
