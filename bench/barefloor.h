#pragma once

// The bare QPainter floor of the printing benchmarks: what a recording surface
// kept of a report's pages drawn again straight through a QPainter, in device
// units (no transformation on the painter, lengths scaled by hand: the
// cheapest way a bare QPainter has to a PDF, so the fairer floor), into a PDF
// set up as the built-in PDF printer sets up its own (resolution, paper and
// orientation) or into a picture.

#include "core/printsettings.h"
#include "platform/printerservice.h"
#include "printing/pagegeometry.h"
#include "printing/pagesurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

namespace kelvarino::benchmarks {

// Recorded pages, in order; a deque keeps each page where it is while more
// are recorded.
using RecordedPages = std::deque<RecordingSurface>;

// The recorded texts (in the same fonts and colours), fills, boxes and lines
// of one page drawn in device units of pixelsPerTwip.
class BareReplay
{
public:
    explicit BareReplay(double pixelsPerTwip) : k_(pixelsPerTwip) {}

    void draw(const RecordingSurface &page, QPainter &painter)
    {
        for (const RecordingSurface::Shape &shape : page.shapes)
            drawShape(shape, painter);
        for (const RecordingSurface::Text &text : page.texts) {
            const Face &face = faceOf(text.font);
            painter.setFont(face.font);
            painter.setPen(text.colour);
            painter.drawText(QPointF(text.x * k_, text.y * k_ + face.ascent), text.text);
        }
    }

private:
    struct Face
    {
        SurfaceFont surfaceFont;
        QFont font;
        double ascent = 0;
    };

    QRectF device(const QRectF &twips) const
    {
        return QRectF(twips.x() * k_, twips.y() * k_, twips.width() * k_, twips.height() * k_);
    }

    // The pen of a box or line as the page surfaces use it: the recorded
    // width, or the device's thinnest line for none.
    void drawShape(const RecordingSurface::Shape &shape, QPainter &painter) const
    {
        if (shape.kind == RecordingSurface::Shape::Fill) {
            painter.fillRect(device(shape.rect), shape.colour);
            return;
        }
        QPen pen(shape.colour);
        if (shape.penWidth > 0) {
            pen.setWidthF(shape.penWidth * k_);
        } else {
            pen.setWidth(0);
            pen.setCosmetic(true);
        }
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (shape.kind == RecordingSurface::Shape::Box)
            painter.drawRect(device(shape.rect));
        else
            painter.drawLine(QLineF(shape.line.p1() * k_, shape.line.p2() * k_));
    }

    // A surface font as a QFont of its drawing family at its size in device
    // pixels, made once per font.
    const Face &faceOf(const SurfaceFont &font)
    {
        for (const Face &face : faces_)
            if (face.surfaceFont == font)
                return face;
        QFont qfont(DrawingFamily(font.name));
        qfont.setPixelSize(std::max(1, int(std::lround(font.points * 20 * k_))));
        qfont.setBold(font.bold);
        qfont.setItalic(font.italic);
        faces_.push_back({font, qfont, QFontMetricsF(qfont).ascent()});
        return faces_.back();
    }

    double k_;
    std::deque<Face> faces_;
};

// The PDF job of a report printed with a print slot's paper and orientation,
// requested as the program requests it of the built-in PDF printer.
inline PrinterJobRequest PdfRequestOf(const PrintSetting &slot, const QString &file)
{
    PrinterJobRequest request;
    request.paperCode = slot.PaperSize;
    request.orientation = slot.Portrait != 0 ? PortraitOrientation : LandscapeOrientation;
    const PageGeometry paper = PageGeometry::of(slot);
    request.paperWidthTwips = paper.PaperWidth[0];
    request.paperHeightTwips = paper.PaperHeight[0];
    request.outputFile = file;
    return request;
}

// The recorded pages written into a PDF file through the built-in PDF
// printer's own job (so with its resolution and page); false when the file
// could not be written.
inline bool WriteBarePdf(const RecordedPages &pages, const PrintSetting &slot, const QString &file)
{
    std::unique_ptr<PrinterJob> job = StartPdfJob(PdfRequestOf(slot, file));
    if (!job)
        return false;
    QPaintDevice &device = *job->device();
    BareReplay replay(device.logicalDpiX() / 1440.0);
    QPainter painter(&device);
    bool first = true;
    for (const RecordingSurface &page : pages) {
        if (!std::exchange(first, false))
            job->newPage();
        replay.draw(page, painter);
    }
    painter.end();
    return job->end();
}

} // namespace kelvarino::benchmarks
