#pragma once

#include "core/codepage1253.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstring>

namespace kelvarino {

// Removes blanks (character 32 only) at both ends, as the program trims every
// stored text; tabs and other white space stay.
inline QString TrimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

// A text field of exactly N characters, held as the code-page bytes that the
// data file stores. Assignment cuts at N characters and pads with blanks; the
// padding is kept, and whoever shows or compares the field trims it.
template <std::size_t N>
class FixedText
{
public:
    static constexpr std::size_t Width = N;

    FixedText() { bytes_.fill(' '); }
    explicit FixedText(const QString &text) { set(text); }

    void set(const QString &text) { setBytes(Cp1253::encode(text)); }
    // Stores the text (cut and padded); true when the field changed.
    bool assign(const QString &text)
    {
        const FixedText value(text);
        if (value == *this)
            return false;
        *this = value;
        return true;
    }

    void setBytes(const char *data, std::size_t length)
    {
        const std::size_t n = std::min(length, N);
        std::memcpy(bytes_.data(), data, n);
        std::fill(bytes_.begin() + n, bytes_.end(), ' ');
    }
    void setBytes(const QByteArray &data) { setBytes(data.constData(), std::size_t(data.size())); }

    // The whole field, padding included.
    QString text() const { return Cp1253::decode(bytes_.data(), N); }
    // The field without blanks (character 32) at either end.
    QString trimmed() const { return TrimBlanks(text()); }
    bool isBlank() const
    {
        return std::all_of(bytes_.begin(), bytes_.end(), [](char c) { return c == ' '; });
    }

    const char *data() const { return bytes_.data(); }
    char *data() { return bytes_.data(); }
    QByteArray toByteArray() const { return QByteArray(bytes_.data(), qsizetype(N)); }

    friend bool operator==(const FixedText &, const FixedText &) = default;

private:
    std::array<char, N> bytes_;
};

} // namespace kelvarino
