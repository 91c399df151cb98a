#include "platform/picturereader.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

extern "C" {
#include <libwmf/api.h>
#include <libwmf/gd.h>
}

namespace kelvarino::PictureReader {

namespace {

// A metafile's own size is a claim of its header; no wallpaper needs more than
// this on a side, and a damaged header must not ask for gigabytes.
constexpr unsigned MaxMetafileSide = 8192;

constexpr quint32 PlaceableKey = 0x9AC6CDD7;

// libwmf draws text with the PostScript base fonts, which this desktop need not
// have; the fonts the program already requires stand in for them (Liberation
// matches the widths of the fonts metafiles usually name).
constexpr const char *FontFolders[] = {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/dejavu"};

struct FontFamily
{
    const char *faces[4]; // regular, italic, bold, bold italic, as libwmf names them
    const char *files;    // the stand-in family's file prefix
};

constexpr FontFamily FontFamilies[] = {
    {{"Helvetica", "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique"}, "LiberationSans"},
    {{"Helvetica-Narrow", "Helvetica-Narrow-Oblique", "Helvetica-Narrow-Bold", "Helvetica-Narrow-BoldOblique"},
     "LiberationSans"},
    {{"AvantGarde-Book", "AvantGarde-BookOblique", "AvantGarde-Demi", "AvantGarde-DemiOblique"}, "LiberationSans"},
    {{"Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic"}, "LiberationSerif"},
    {{"NewCenturySchlbk-Roman", "NewCenturySchlbk-Italic", "NewCenturySchlbk-Bold", "NewCenturySchlbk-BoldItalic"},
     "LiberationSerif"},
    {{"Palatino-Roman", "Palatino-Italic", "Palatino-Bold", "Palatino-BoldItalic"}, "LiberationSerif"},
    {{"Bookman-Light", "Bookman-LightItalic", "Bookman-Demi", "Bookman-DemiItalic"}, "LiberationSerif"},
    {{"Courier", "Courier-Oblique", "Courier-Bold", "Courier-BoldOblique"}, "LiberationMono"},
};
constexpr const char *FontStyles[4] = {"-Regular.ttf", "-Italic.ttf", "-Bold.ttf", "-BoldItalic.ttf"};

// The font map handed to libwmf: PostScript name to font file, ended by an
// empty entry. libwmf copies what it is given.
class FontMap
{
public:
    FontMap()
    {
        for (const FontFamily &family : FontFamilies)
            for (int style = 0; style < 4; ++style)
                add(family.faces[style], QByteArray(family.files) + FontStyles[style]);
        add("ZapfChancery-MediumItalic", "LiberationSerif-Italic.ttf");
        add("Symbol", "DejaVuSans.ttf");
        add("ZapfDingbats", "DejaVuSans.ttf");
        for (const char *folder : FontFolders)
            folders_.push_back(const_cast<char *>(folder));
        folders_.push_back(nullptr);
        for (std::size_t i = 0; i < names_.size(); ++i) {
            wmfMapping entry{};
            entry.name = names_[i].data();
            entry.mapping = files_[i].data();
            mappings_.push_back(entry);
        }
        mappings_.push_back(wmfMapping{});
    }
    wmfMapping *mappings() { return mappings_.data(); }
    char **folders() { return folders_.data(); }

private:
    void add(const char *name, const QByteArray &file)
    {
        names_.emplace_back(name);
        files_.push_back(file);
    }

    std::vector<QByteArray> names_, files_;
    std::vector<wmfMapping> mappings_;
    std::vector<char *> folders_;
};

// The frame a placeable metafile declares, in libwmf's device units (points,
// from the window origin); empty for a metafile without one.
wmfD_Rect declaredFrame(const QByteArray &bytes)
{
    wmfD_Rect frame{};
    if (bytes.size() < 22 || qFromLittleEndian<quint32>(bytes.constData()) != PlaceableKey)
        return frame;
    const auto word = [&bytes](int at) { return qFromLittleEndian<qint16>(bytes.constData() + at); };
    const int inch = qFromLittleEndian<quint16>(bytes.constData() + 14);
    if (inch <= 0)
        return frame;
    frame.BR.x = float(std::abs(word(10) - word(6)) * 72.0 / inch);
    frame.BR.y = float(std::abs(word(12) - word(8)) * 72.0 / inch);
    return frame;
}

// One drawing of one metafile with libwmf's image device, which hands back a
// PNG; whatever the library holds is released with it.
class MetafileDrawing
{
public:
    explicit MetafileDrawing(QByteArray bytes) : bytes_(std::move(bytes))
    {
        wmfAPI_Options options{};
        options.function = wmf_gd_function;
        options.fontdirs = fonts_.folders();
        options.font.ps = fonts_.mappings();
        // The library's own messages would only reach a terminal the user never
        // sees; a failure shows as a null image and the program's own message.
        const unsigned long flags =
            WMF_OPT_FUNCTION | WMF_OPT_FONTDIRS | WMF_OPT_FONTMAP | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None) {
            if (api_)
                wmf_api_destroy(api_);
            api_ = nullptr;
            return;
        }
        opened_ = wmf_mem_open(api_, reinterpret_cast<unsigned char *>(bytes_.data()), long(bytes_.size())) == wmf_E_None;
    }
    MetafileDrawing(const MetafileDrawing &) = delete;
    MetafileDrawing &operator=(const MetafileDrawing &) = delete;
    ~MetafileDrawing()
    {
        if (!api_)
            return;
        if (opened_)
            wmf_mem_close(api_);
        wmf_api_destroy(api_);
    }

    QImage draw(const QSize &asked)
    {
        if (!opened_)
            return {};
        wmfD_Rect box{};
        if (wmf_scan(api_, 0, &box) != wmf_E_None)
            return {};
        // libwmf frames what is drawn; a placeable metafile declares its own
        // frame, which may hold margins, so the picture covers both.
        const wmfD_Rect frame = declaredFrame(bytes_);
        if (frame.BR.x > 0 && frame.BR.y > 0) {
            box.TL.x = std::min(box.TL.x, frame.TL.x);
            box.TL.y = std::min(box.TL.y, frame.TL.y);
            box.BR.x = std::max(box.BR.x, frame.BR.x);
            box.BR.y = std::max(box.BR.y, frame.BR.y);
        }
        QSize size = asked;
        if (size.isEmpty()) {
            unsigned width = 0, height = 0;
            if (wmf_display_size(api_, &width, &height, MetafileDotsPerInch, MetafileDotsPerInch) != wmf_E_None)
                return {};
            size = naturalSize(width, height);
        }
        if (size.isEmpty() || box.BR.x <= box.TL.x || box.BR.y <= box.TL.y)
            return {};
        wmf_gd_t *device = WMF_GD_GetData(api_);
        if (!(device->flags & WMF_GD_SUPPORTS_PNG))
            return {};
        // The device's own image cannot be released through libwmf's interface;
        // as a PNG it is released by the device and handed over here.
        device->type = wmf_gd_png;
        device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
        device->sink.context = &png_;
        device->sink.function = [](void *context, char *buffer, int length) {
            static_cast<QByteArray *>(context)->append(buffer, length);
            return length;
        };
        device->bbox = box;
        device->width = unsigned(size.width());
        device->height = unsigned(size.height());
        if (wmf_play(api_, 0, &box) != wmf_E_None)
            return {};
        QImage picture = QImage::fromData(png_, "PNG");
        if (picture.size() != size)
            return {};
        return picture;
    }

private:
    // The metafile's size at the reading resolution, brought within bounds
    // (keeping its proportions) when its header claims more.
    static QSize naturalSize(unsigned width, unsigned height)
    {
        if (width == 0 || height == 0)
            return {};
        const double shrink = std::min({1.0, double(MaxMetafileSide) / width, double(MaxMetafileSide) / height});
        return QSize(std::max(1, int(std::lround(width * shrink))), std::max(1, int(std::lround(height * shrink))));
    }

    FontMap fonts_;
    QByteArray bytes_;
    QByteArray png_;
    wmfAPI *api_ = nullptr;
    bool opened_ = false;
};

} // namespace

bool looksLikeMetafile(const QByteArray &bytes)
{
    if (bytes.size() >= 4 && qFromLittleEndian<quint32>(bytes.constData()) == PlaceableKey)
        return true;
    // The standard header: type (1 in memory, 2 on disk), its size in words (9)
    // and the format version.
    if (bytes.size() < 6)
        return false;
    const quint16 type = qFromLittleEndian<quint16>(bytes.constData());
    const quint16 headerWords = qFromLittleEndian<quint16>(bytes.constData() + 2);
    const quint16 version = qFromLittleEndian<quint16>(bytes.constData() + 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

QImage readMetafile(const QByteArray &bytes, const QSize &size)
{
    if (!looksLikeMetafile(bytes))
        return {};
    MetafileDrawing drawing(bytes);
    return drawing.draw(size);
}

QImage read(const QString &path, const QSize &size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (looksLikeMetafile(file.peek(6)))
        return readMetafile(file.readAll(), size);
    QImageReader reader(&file);
    const QImage picture = reader.read();
    if (picture.isNull() || size.isEmpty())
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace kelvarino::PictureReader
