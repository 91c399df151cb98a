#pragma once

#include "printing/pagegeometry.h"
#include "printing/previewreport.h"
#include "printing/printingcontext.h"

#include <QDialog>
#include <QHash>
#include <QTimer>

#include <memory>

class QLabel;
class QMenu;
class QMenuBar;
class QScrollBar;

namespace kelvarino {

class PageSink;
class PageSurface;
class PreviewCanvas;
class PreviewImage;

// The report preview: a modal window covering the screen that shows one page
// of a report at a time exactly as it prints, fitted to its paper, zoomed,
// scrolled and paged; its size buttons, menus and settings dialogs change the
// report's print-settings slot, and it prints through the print-parameters
// dialog. Each report window configures it through a PreviewReport.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    // Size-button codes: + and - the large and small step of the selected
    // width (2, 1, -2, -1) or height (4, 3, -4, -3).
    enum SizeStepCode { WidthLarge = 2, WidthSmall = 1, HeightLarge = 4, HeightSmall = 3 };

    ReportPreview(const PrintingContext &context, PreviewReport &report, QWidget *parent = nullptr);
    ~ReportPreview() override;

    // The opening: caption, placement over the screen, menu ticks, first page,
    // zoom 1, then measuring and layout. A stored magnification outside 0.50 to
    // 2.00 (or not a number) becomes 1.00 first, without DataChanged.
    void load();
    // load() and the modal run.
    int showModal();

    // ---- state
    const PrintingContext &context() const { return context_; }
    PreviewReport &report() { return report_; }
    PrintSetting &settings();
    const PageGeometry &geometry() const { return geometry_; }
    const ReportSizes &defaultSizes() const { return defaults_; }
    int pageRows() const { return pageRows_; }
    int pageColumns() const { return pageColumns_; }
    int currentRow() const { return currentRow_; }
    int currentColumn() const { return currentColumn_; }
    // Whether a layout has succeeded since the last failure: only then is
    // there a page to show, move to or print.
    bool hasPages() const { return hasPages_; }
    double screenZoom() const { return zoom_; }
    QPointF pageOrigin() const { return {pageLeft_, pageTop_}; }
    int selectedWidth() const { return selectedWidth_; }
    int selectedHeight() const { return selectedHeight_; }

    // ---- steps a report may call again
    void resizeAndLayout();
    // Lays out anew; false when the report does not fit (its message shown).
    bool layoutPreview();
    void drawCenteredPage();
    void redrawPreview();
    void updatePageButtons();
    // Places the canvas, the labels and the images for the window's size.
    void prepareWindow();
    // Shows another page of the grid (clamped; no page: nothing).
    void showPage(int row, int column);

    // ---- drawing
    // What the canvas shows: the red outline of the paper and the current page.
    void paintView(PageSurface &surface);
    // One page with its footer at an origin and zoom (on paper: 0, 0, 1).
    void paintPage(PageSurface &surface, double x0, double y0, int row, int column, double zoom);

    // ---- printing
    // "Αποστολή στον εκτυπωτή": the print-parameters dialog, then the job.
    void sendToPrinter();
    // Runs a print job of a custom document (a report's own print command)
    // through the same checks and dialog as sendToPrinter.
    void sendToPrinter(const std::function<void(PageSink &, bool allPages)> &document);
    // The print job for given answers, without the dialog (the tool, tests).
    bool printPages(const PrintChoice &choice);

    // ---- the user's actions, also for tests
    void zoomImagePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // A press on the page at (x, y) twips of the canvas.
    void pagePressed(QPointF twips, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void pageDown();
    void pageUp();
    void pageRight();
    void pageLeft();
    void nextWidth();
    void nextHeight();
    void sizeButtonPressed(int code);
    void sizeButtonReleased();
    void applySizeStep(); // one tick of the auto-repeat
    void realMagnificationClicked();
    void scrolled();
    // The keys of the page: Page Down and Page Up page as the arrow images
    // do; the arrow keys scroll a page larger than the window and page
    // otherwise; + and - zoom as the magnifier's clicks do. True when the key
    // was one of them.
    bool pageKey(int key, Qt::KeyboardModifiers modifiers);

    // ---- widgets and menus
    PreviewCanvas *canvas() const { return canvas_; }
    // the canvas's inner size in twips.
    QSizeF canvasTwips() const;
    QMenuBar *menus() const { return menuBar_; }
    QMenu *optionsMenu() const { return optionsMenu_; }
    QMenu *printMenu() const { return printMenu_; }
    // A top-level menu or entry of the report, placed before "Εκτύπωση".
    void insertTopLevel(QMenu *menu);
    void insertTopLevel(QAction *action);
    // An action by its name (colouredPrint, sendToPrinter, ...).
    QAction *action(const QString &name) const;
    // A label's text by its name (lRealMagnification, lsm, lpage, lpages,
    // lbwidth, lbheight).
    QString labelText(const QString &name) const;
    // Whether a page or size image is shown (pageleft, pageright, pageup,
    // pagedown, zoom, ...).
    bool imageShown(const QString &name) const;
    QScrollBar *horizontalBar() const { return hScroll_; }
    QScrollBar *verticalBar() const { return vScroll_; }
    bool sizeTimerActive() const { return sizeTimer_.isActive(); }
    // Closing: the auto-repeat stops and the help windows close.
    void done(int result) override;
    // The settings dialogs (the context's, else the real ones), for a report's
    // own menu entries.
    PrintingDialogs &dialogs();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    void measureDefaults();
    void showLayoutFailure();
    void fitToShownCanvas();
    void setLabel(const QString &name, const QString &text);
    void updateZoomLabel();
    void updateMagnificationLabel();
    bool zoomRefused(double newZoom) const;
    void centrePage();
    void setScrollBar(QScrollBar *bar, double paperExtent, double windowExtent, double offset);
    // Moves a shown bar one step; false when it is hidden or at its end.
    static bool scrollStep(QScrollBar *bar, int direction);
    void undoBorders();

    PrintingContext context_;
    PreviewReport &report_;
    std::unique_ptr<PrintingDialogs> ownDialogs_;

    PageGeometry geometry_;
    ReportSizes defaults_;
    int pageRows_ = 0, pageColumns_ = 0;
    int currentRow_ = 1, currentColumn_ = 1;
    bool hasPages_ = false;
    LayoutFailureText lastFailure_;
    float zoom_ = 1;
    QSize fittedCanvas_; // the canvas's size when the page was last fitted
    double pageLeft_ = 0, pageTop_ = 0;
    int selectedWidth_ = 0, selectedHeight_ = 0;
    int sizeStep_ = 0;
    QTimer sizeTimer_;

    QMenuBar *menuBar_ = nullptr;
    QMenu *optionsMenu_ = nullptr;
    QMenu *printMenu_ = nullptr;
    QAction *helpAction_ = nullptr;
    QHash<QString, QAction *> actions_;
    QWidget *client_ = nullptr;
    PreviewCanvas *canvas_ = nullptr;
    QScrollBar *hScroll_ = nullptr;
    QScrollBar *vScroll_ = nullptr;
    QHash<QString, QLabel *> labels_;
    QHash<QString, PreviewImage *> images_;
};

} // namespace kelvarino
