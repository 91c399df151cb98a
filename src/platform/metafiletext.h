#pragma once

#include <QByteArrayView>
#include <QString>

namespace kelvarino {

// The characters of a metafile's text, whose bytes are in the code page of the
// font's character set.
class MetafileText
{
public:
    // Character sets a metafile's fonts name.
    enum Charset { Ansi = 0, Default = 1, Symbol = 2, Greek = 161 };

    static QString decode(QByteArrayView bytes, int charset);

private:
    static QString decodeWestern(QByteArrayView bytes);
};

} // namespace kelvarino
