#pragma once

#include "core/buildingdata.h"
#include "printing/pagegeometry.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace kelvarino {

class PageSurface;
class ReportPreview;

// The measured defaults of a report's adjustable sizes, same indexes as the
// slot's Widths and Heights.
struct ReportSizes
{
    QList<float> widths;
    QList<float> heights;
};

// What a layout answers: the page grid, or a negative code when the report
// does not fit.
struct LayoutOutcome
{
    int code = 0;
    int pageRows = 1;
    int pageColumns = 1;
    static LayoutOutcome pages(int rows, int columns) { return {0, rows, columns}; }
    static LayoutOutcome failure(int code) { return {code, 0, 0}; }
    bool failed() const { return code < 0; }
};

// The failure message of a code: the text, then an empty line, then the
// advice; a message without advice stands alone.
struct LayoutFailureText
{
    QString message;
    QString advice;
    // The text of the message box, its lines joined with CR LF.
    QString text() const;
};

// The footer of a page with page numbers: its text and its size in points at
// content scale 1.
struct PageFooter
{
    QString text;
    double points = 7;
};

// The bounds and steps of one size button pair: a size with default d may
// range from minimumFactor x d to maximumFactor x d (both inclusive).
struct SizeRule
{
    float largeStep = 15;
    float smallStep = 1;
    double minimumFactor = 1.0 / 3.0;
    double maximumFactor = 5;
    // A step past a bound is refused; with clamping it stops on the bound.
    bool clampToBounds = false;
};

// What a report's layout is handed: its slot, the page set-up, a surface to
// measure on and the fit rule.
class ReportLayout
{
public:
    ReportLayout(PrintSetting &settings, const PageGeometry &geometry, PageSurface &measure)
        : settings(settings), geometry(geometry), measure(measure), fitter_(settings, geometry)
    {
    }
    PrintSetting &settings;
    const PageGeometry &geometry;
    PageSurface &measure;

    int orientation() const { return OrientationIndex(settings); }
    double printableWidth() const { return geometry.printableWidth(orientation()); }
    double printableHeight() const { return geometry.printableHeight(orientation()); }
    // The fit rule for one required width (twips at magnification 1); false:
    // it does not fit, orientation and magnification are back as at the start
    // of the layout, and the layout answers its code for this width.
    bool fitWidth(double requiredWidth, double minimumScale) { return fitter_.fit(requiredWidth, minimumScale); }
    // The same for a block that must fit the printable height as well.
    BoxFit fitBox(double requiredWidth, double requiredHeight, double minimumScale)
    {
        return fitter_.fitBox(requiredWidth, requiredHeight, minimumScale);
    }
    // Orientation and magnification back as at the start of the layout: for a
    // layout that fails after its widths fitted.
    void restore() { fitter_.restore(); }

private:
    WidthFitter fitter_;
};

// One page to draw: the surface, the page's top-left corner on it, the page,
// the zoom (1 on paper) and what follows from them.
struct PageRequest
{
    PageSurface &surface;
    double x0 = 0, y0 = 0;
    int row = 1, column = 1;
    double zoom = 1;
    // The content scale: the slot's Magnification x zoom. Reports multiply
    // every length, gap and font size of their content by it.
    double scale = 1;
    // The printable rectangle on the surface (paper x zoom from the origin).
    QRectF printable;
    const PrintSetting &settings;
    bool onPaper = false;
};

// The page images a page grid shows.
struct PageButtonsShown
{
    bool left = false, right = false, up = false, down = false;
};

// What a report supplies to the report preview. The preview does the rest:
// fitting, zoom, page navigation, size buttons, menus, footer and printing.
class PreviewReport
{
public:
    virtual ~PreviewReport() = default;

    virtual int slot() const = 0;
    // Follows DataFileName and "/" in the window's caption.
    virtual QString title() const = 0;
    virtual int helpTopic() const = 0;
    // The section of the topic's page that the help opens, empty for its top.
    virtual QString helpSection() const { return {}; }

    // Measures the defaults. The surface is set to the preferred font, 8
    // points, bold; the report may change it.
    virtual ReportSizes bestBoxSizes(PageSurface &target) = 0;
    // The captions lbwidth and lbheight cycle through, one per adjustable size.
    virtual QStringList widthNames() const = 0;
    virtual QStringList heightNames() const = 0;
    // Bounds and steps of the size buttons.
    virtual SizeRule widthRule(int index) const;
    virtual SizeRule heightRule(int index) const;
    // Fills the sizes below 30 twips (not set) with the defaults: by default
    // every named width and height.
    virtual void readSizes(PrintSetting &slot, const ReportSizes &defaults) const;
    // "Προτεινόμενες παράμετροι": puts the listed sizes back to their
    // defaults (by default every named one), then the suggested parameters.
    virtual void restoreDefaultSizes(PrintSetting &slot, const ReportSizes &defaults) const;
    virtual void defaultPrintParameters(PrintSetting &slot) = 0;

    // The layout: fit rule, page grid, placing. Runs with the slot's page
    // set-up; may change orientation and magnification (not DataChanged).
    virtual LayoutOutcome preparePrint(ReportLayout &layout) = 0;
    virtual LayoutFailureText failureText(int code) const = 0;

    // Draws one page. The preview adds the footer when page numbers are on.
    virtual void printPage(const PageRequest &page) = 0;
    // The footer's page part; by default ", Σελίδα (row,column) από RowsxColumns".
    virtual QString footerPagePart(int row, int column, int rows, int columns) const;
    // The whole footer: by default the page part between the program's name
    // and the date, in 7 points.
    virtual PageFooter pageFooter(int row, int column, int rows, int columns, const QDateTime &now) const;
    // The page label (lpage) after a layout (laidOut) or a page move; by
    // default "σελίδα (row,column)" after both.
    virtual QString pageLabel(int row, int column, bool laidOut) const;

    // Which page images show for the page grid; by default the four by the
    // current row and column.
    virtual PageButtonsShown pageButtons(int row, int column, int rows, int columns) const;

    // Called once the window's menus and controls stand: a report adds its own
    // menu entries and keeps the window to lay out, redraw or print again.
    virtual void setUpWindow(ReportPreview &window);
    // Prints the document of a confirmed print command. By default every page
    // column by column (all pages) or the shown page.
    virtual void printDocument(ReportPreview &window, class PageSink &pages, bool allPages);
};

} // namespace kelvarino
