#pragma once

#include "core/fixedtext.h"

#include <QByteArray>
#include <QtEndian>

#include <bit>
#include <cstring>

namespace kelvarino {

// Reads little-endian numbers and fixed-width texts from a buffer without ever
// reading past its end. A read that does not fit leaves its target untouched,
// marks the reader as failed, and every later read fails too, so a caller may
// read a whole group of fields and test ok() once afterwards.
//
// The call operator reads one field; the same layout functions that drive
// ByteWriter drive this class, so a record's field order is written down once.
class ByteReader
{
public:
    ByteReader(const char *data, qsizetype size, qsizetype position = 0)
        : data_(data), size_(size), pos_(position)
    {
        if (pos_ < 0 || pos_ > size_) {
            pos_ = size_;
            ok_ = false;
        }
    }
    explicit ByteReader(const QByteArray &bytes, qsizetype position = 0)
        : ByteReader(bytes.constData(), bytes.size(), position)
    {
    }

    bool ok() const { return ok_; }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return size_ - pos_; }
    // Whether n more bytes can still be read (false after a failure).
    bool has(qint64 n) const { return ok_ && n >= 0 && n <= qint64(size_ - pos_); }
    // Marks the data as unusable, for checks beyond the byte count.
    void fail() { ok_ = false; }

    void operator()(qint16 &value) { readInteger(value); }
    void operator()(qint32 &value) { readInteger(value); }
    void operator()(quint32 &value) { readInteger(value); }
    void operator()(float &value)
    {
        quint32 bits = 0;
        if (readInteger(bits))
            value = std::bit_cast<float>(bits);
    }
    void operator()(double &value)
    {
        quint64 bits = 0;
        if (readInteger(bits))
            value = std::bit_cast<double>(bits);
    }
    template <std::size_t N>
    void operator()(FixedText<N> &text)
    {
        if (take(qsizetype(N)))
            std::memcpy(text.data(), data_ + pos_ - qsizetype(N), N);
    }

    qint16 i16()
    {
        qint16 value = 0;
        (*this)(value);
        return value;
    }

    // Up to n bytes, fewer when the data end first; never fails.
    QByteArray upTo(qsizetype n)
    {
        const qsizetype length = ok_ ? std::min(n, remaining()) : 0;
        QByteArray bytes(data_ + pos_, length);
        pos_ += length;
        return bytes;
    }

private:
    bool take(qsizetype n)
    {
        if (!has(n)) {
            ok_ = false;
            return false;
        }
        pos_ += n;
        return true;
    }
    template <typename T>
    bool readInteger(T &value)
    {
        if (!take(qsizetype(sizeof(T))))
            return false;
        value = qFromLittleEndian<T>(data_ + pos_ - qsizetype(sizeof(T)));
        return true;
    }

    const char *data_;
    qsizetype size_;
    qsizetype pos_;
    bool ok_ = true;
};

} // namespace kelvarino
