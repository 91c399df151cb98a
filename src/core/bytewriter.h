#pragma once

#include "core/fixedbytes.h"
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
    explicit ByteWriter(qsizetype expectedSize = 0) { grow(std::max<qsizetype>(expectedSize, 64)); }

    qsizetype size() const { return pos_; }
    // The bytes written; the writer is empty afterwards.
    QByteArray take()
    {
        bytes_.truncate(pos_);
        data_ = nullptr;
        capacity_ = pos_ = 0;
        return std::exchange(bytes_, QByteArray());
    }

    void operator()(qint16 value) { writeInteger(value); }
    void operator()(qint32 value) { writeInteger(value); }
    void operator()(quint32 value) { writeInteger(value); }
    void operator()(float value) { writeInteger(std::bit_cast<quint32>(value)); }
    void operator()(double value) { writeInteger(std::bit_cast<quint64>(value)); }
    template <std::size_t N>
    void operator()(const FixedText<N> &text) { CopyFixedBytes<N>(reserve(qsizetype(N)), text.data()); }

    void raw(const char *data, qsizetype n) { std::memcpy(reserve(n), data, std::size_t(n)); }

    // Makes room for n more bytes at once, so a long list is not copied over
    // and over while the buffer grows.
    void expect(qsizetype n)
    {
        if (pos_ + n > capacity_)
            grow(pos_ + n);
    }

private:
    char *reserve(qsizetype n)
    {
        if (Q_UNLIKELY(pos_ + n > capacity_))
            grow(std::max(capacity_ * 2, pos_ + n));
        char *target = data_ + pos_;
        pos_ += n;
        return target;
    }
    Q_NEVER_INLINE void grow(qsizetype capacity)
    {
        bytes_.resize(capacity);
        data_ = bytes_.data();
        capacity_ = capacity;
    }
    template <typename T>
    void writeInteger(T value) { qToLittleEndian<T>(value, reserve(qsizetype(sizeof(T)))); }

    QByteArray bytes_;
    char *data_ = nullptr; // bytes_ is never shared, so this stays valid until it grows
    qsizetype capacity_ = 0;
    qsizetype pos_ = 0;
};

} // namespace kelvarino
