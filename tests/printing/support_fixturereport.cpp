#include "fixturereport.h"

#include "printing/pagesurface.h"
#include "printing/textprimitives.h"

namespace kelvarino {

ReportSizes FixtureReport::bestBoxSizes(PageSurface &target)
{
    ReportSizes sizes;
    sizes.widths = {float(target.textWidth(QStringLiteral("AAΔιαμέρισμαAA")))};
    sizes.heights = {355};
    return sizes;
}

void FixtureReport::defaultPrintParameters(PrintSetting &slot)
{
    slot.Portrait = 0;
    slot.ColouredPrint = -1;
    slot.Magnification = 1.0f;
    slot.PageNumbers = -1;
}

LayoutOutcome FixtureReport::preparePrint(ReportLayout &layout)
{
    ++layouts;
    const PrintSetting &slot = layout.settings;
    const double width = requiredWidth > 0 ? requiredWidth : cellsAcross * double(slot.Widths[0]);
    if (!layout.fitWidth(width, minimumScale))
        return LayoutOutcome::failure(-1);
    if (slot.Heights[0] * slot.Magnification > layout.printableHeight() / 2)
        return LayoutOutcome::failure(-2);
    return LayoutOutcome::pages(rows, columns);
}

LayoutFailureText FixtureReport::failureText(int code) const
{
    if (code == -1)
        return {QStringLiteral("Τα κελιά δε χωράνε στο χαρτί."), QStringLiteral("Μικρύνετε το πλάτος τους.")};
    return {QStringLiteral("Τα κελιά είναι πολύ ψηλά."), QStringLiteral("Μικρύνετε το ύψος τους.")};
}

void FixtureReport::printPage(const PageRequest &page)
{
    PageSurface &surface = page.surface;
    const double s = page.scale;
    const double w = page.settings.Widths[0] * s;
    const double h = page.settings.Heights[0] * s;
    const double left = page.printable.left();
    const double top = page.printable.top();
    const QColor fill = page.settings.ColouredPrint != 0 ? QColor(255, 232, 232) : QColor(240, 240, 240);
    surface.setFont(QStringLiteral("Arial Greek"), 8 * s, true);
    for (int i = 0; i < cellsAcross; ++i) {
        const double x = left + i * w;
        surface.fillBox(x, top, x + w, top + h, fill);
        surface.drawBox(x, top, x + w, top + h);
        const QString text = i == 0 ? pageName(page.row, page.column) : QStringLiteral("Μελισσοκαρπάκης %1").arg(i);
        draw1(surface, text, x, top, x + w, top + h, i == 0 ? AlignLeft : AlignCentre, s);
    }
    surface.drawLine(left, top + 2 * h, left + cellsAcross * w, top + 2 * h);
}

} // namespace kelvarino
