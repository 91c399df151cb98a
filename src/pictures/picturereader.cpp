#include "pictures/picturereader.h"

#include "pictures/metafileplayer.h"
#include "pictures/metafilereader.h"

#include <QFile>
#include <QImageReader>

namespace kelvarino::PictureReader {

bool looksLikeMetafile(const QByteArray &bytes)
{
    return MetafileReader::recognises(bytes);
}

QImage readMetafile(const QByteArray &bytes, const QSize &size)
{
    MetafileBudget budget;
    const std::optional<MetafileReader> reader = MetafileReader::open(bytes);
    if (!reader)
        return {};
    // A file that declares no frame is framed by what it draws.
    std::optional<QRectF> frame = MetafilePlayer::frameOf(*reader);
    if (!frame)
        frame = MetafilePlayer::drawnFrameOf(*reader, budget);
    if (!frame)
        return {};
    if (!size.isEmpty()) {
        // A size past the image limits (a wallpaper on a very large screen)
        // is drawn within them and then stretched, like any other picture.
        const QSize drawn = MetafilePlayer::withinImageLimits(size.width(), size.height());
        const QImage picture = MetafilePlayer(*reader, *frame, drawn, budget).draw();
        if (picture.isNull() || drawn == size)
            return picture;
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const QSize natural = MetafilePlayer::naturalSize(*reader, *frame, MetafileDotsPerInch);
    if (natural.isEmpty())
        return {};
    return MetafilePlayer(*reader, *frame, natural, budget).draw();
}

QImage read(const QString &path, const QSize &size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (looksLikeMetafile(file.peek(6))) {
        // A file larger than any metafile picture is not read into memory at all.
        if (file.size() > MetafileLimits::MaxFileBytes)
            return {};
        return readMetafile(file.readAll(), size);
    }
    QImageReader reader(&file);
    const QImage picture = reader.read();
    if (picture.isNull() || size.isEmpty())
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace kelvarino::PictureReader
