#pragma once

#include "core/fixedbytes.h"
#include "core/fixedtext.h"

#include <QByteArray>
#include <QtEndian>

#include <bit>
#include <optional>

namespace kelvarino {

// Reads little-endian numbers and fixed-width texts from a buffer without ever
// reading past its end. A read that does not fit leaves its target untouched,
// marks the reader as failed, and every later read fails too, so a caller may
// read a whole group of fields and test ok() once afterwards.
//
// The call operator reads one field; the same layout functions that drive
// ByteWriter drive this class, so a record's field order is written down once.
//
// With Checked false the reader tests nothing: it only ever reads a section
// that holds exactly the fields its caller reads from it.
template <bool Checked>
class BasicByteReader
{
public:
    BasicByteReader(const char *data, qsizetype size, qsizetype position = 0)
        : data_(data), size_(size), pos_(position)
    {
        if (pos_ < 0 || pos_ > size_) {
            pos_ = size_;
            ok_ = false;
        }
    }
    explicit BasicByteReader(const QByteArray &bytes, qsizetype position = 0)
        : BasicByteReader(bytes.constData(), bytes.size(), position)
    {
    }

    bool ok() const { return ok_; }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return size_ - pos_; }
    // Whether n more bytes can still be read (false after a failure).
    bool has(qint64 n) const { return ok_ && n >= 0 && n <= qint64(size_ - pos_); }

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
            CopyFixedBytes<N>(text.data(), data_ + pos_ - qsizetype(N));
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
        if constexpr (Checked) {
            if (!has(n)) {
                ok_ = false;
                return false;
            }
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

using ByteReader = BasicByteReader<true>;

} // namespace kelvarino
