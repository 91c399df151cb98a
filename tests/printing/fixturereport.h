#pragma once

#include "printing/previewreport.h"

namespace kelvarino {

// The report of the printing tests: a grid of pages (2 x 3 unless changed),
// each showing "(row,column)" and a row of boxed cells one adjustable width
// wide and one adjustable height high. It fails with code -1 when its cells do
// not fit across the paper at the minimum scale, and with -2 when a cell is
// higher than half the printable height.
class FixtureReport : public PreviewReport
{
public:
    int slot() const override { return slotNumber; }
    QString title() const override { return QStringLiteral("Δοκιμαστική αναφορά"); }
    int helpTopic() const override { return 4242; }
    ReportSizes bestBoxSizes(PageSurface &target) override;
    QStringList widthNames() const override { return {QStringLiteral("Πλάτος κελιών")}; }
    QStringList heightNames() const override { return {QStringLiteral("Ύψος κελιών")}; }
    void defaultPrintParameters(PrintSetting &slot) override;
    LayoutOutcome preparePrint(ReportLayout &layout) override;
    LayoutFailureText failureText(int code) const override;
    void printPage(const PageRequest &page) override;

    static QString pageName(int row, int column) { return QStringLiteral("(%1,%2)").arg(row).arg(column); }

    int slotNumber = 5;
    int rows = 2;
    int columns = 3;
    int cellsAcross = 4;
    double minimumScale = 0.5;
    // When set, the width the layout needs in place of its cells'.
    double requiredWidth = 0;
    int layouts = 0;
};

} // namespace kelvarino
