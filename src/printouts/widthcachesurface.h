#pragma once

#include "printing/pagesurface.h"

#include <QHash>

namespace kelvarino {

// The widths of texts already measured, per font face and at one point: the
// page surface measures unhinted outlines at a large reference size, which is
// slow, and a width grows in proportion to the size.
class TableWidthCache
{
public:
    double width(PageSurface &surface, const QString &text);

private:
    QHash<QString, double> perPoint_;
};

// A surface that passes every drawing to another and measures through a
// width cache: a table's cells measure the same texts again and again.
class WidthCacheSurface : public PageSurface
{
public:
    WidthCacheSurface(PageSurface &target, TableWidthCache &cache);

    double textWidth(const QString &text) const override;
    double textHeight(const QString &text = QString()) const override;
    void drawText(double x, double y, const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void drawBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void fillBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    bool onPaper() const override { return target_.onPaper(); }

private:
    // The target takes this surface's font, colour and pen.
    void pass() const;

    PageSurface &target_;
    TableWidthCache &cache_;
};

} // namespace kelvarino
