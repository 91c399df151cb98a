#pragma once

#include <QByteArrayView>
#include <QString>

namespace kelvarino {

// The characters of a metafile's text, whose bytes are in the code page of the
// font's character set.
class MetafileText
{
public:
    // The Greek character set, whose bytes are code page 1253.
    static constexpr int GreekCharset = 161;

    static QString decode(QByteArrayView bytes, int charset);

private:
    static QString decodeWestern(QByteArrayView bytes);
};

} // namespace kelvarino
