#include "printing/reportpreview.h"
#include "platform/waitcursor.h"

#include "platform/screencover.h"
#include "platform/twips.h"
#include "printing/pagesurface.h"
#include "printing/previewwidgets.h"
#include "printing/printingdialogs.h"
#include "printing/printjob.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace kelvarino {

// ---------------------------------------------------------------- the report's defaults

SizeRule PreviewReport::widthRule(int) const
{
    return SizeRule{15, 1, 1.0 / 3.0, 5};
}

SizeRule PreviewReport::heightRule(int) const
{
    return SizeRule{10, 1, 1.0 / 3.0, 2};
}

void PreviewReport::readSizes(PrintSetting &slot, const ReportSizes &defaults) const
{
    for (int i = 0; i < defaults.widths.size() && i < int(slot.Widths.size()); ++i)
        if (!(slot.Widths[i] >= 30))
            slot.Widths[i] = defaults.widths[i];
    for (int j = 0; j < defaults.heights.size() && j < int(slot.Heights.size()); ++j)
        if (!(slot.Heights[j] >= 30))
            slot.Heights[j] = defaults.heights[j];
}

void PreviewReport::restoreDefaultSizes(PrintSetting &slot, const ReportSizes &defaults) const
{
    for (int i = 0; i < defaults.widths.size() && i < int(slot.Widths.size()); ++i)
        slot.Widths[i] = defaults.widths[i];
    for (int j = 0; j < defaults.heights.size() && j < int(slot.Heights.size()); ++j)
        slot.Heights[j] = defaults.heights[j];
}

QString PreviewReport::footerPagePart(int row, int column, int rows, int columns) const
{
    return GridPagePart(row, column, rows, columns);
}

PageFooter PreviewReport::pageFooter(int row, int column, int rows, int columns, const QDateTime &now) const
{
    return {PageFooterText(footerPagePart(row, column, rows, columns), now), 7};
}

QString PreviewReport::pageLabel(int row, int column, bool) const
{
    return QStringLiteral("σελίδα (%1,%2)").arg(row).arg(column);
}

QString LayoutFailureText::text() const
{
    if (advice.isEmpty())
        return message;
    return message + QStringLiteral("\r\n\r\n") + advice;
}

PageButtonsShown PreviewReport::pageButtons(int row, int column, int rows, int columns) const
{
    PageButtonsShown shown;
    if (columns > 1) {
        shown.left = column > 1;
        shown.right = column < columns;
    }
    if (rows > 1) {
        shown.up = row > 1;
        shown.down = row < rows;
    }
    return shown;
}

void PreviewReport::setUpWindow(ReportPreview &) {}

void PreviewReport::printDocument(ReportPreview &window, PageSink &pages, bool allPages)
{
    if (!allPages) {
        window.paintPage(pages.nextPage(), 0, 0, window.currentRow(), window.currentColumn(), 1);
        return;
    }
    for (int column = 1; column <= window.pageColumns(); ++column)
        for (int row = 1; row <= window.pageRows(); ++row)
            window.paintPage(pages.nextPage(), 0, 0, row, column, 1);
}

// ---------------------------------------------------------------- construction

namespace {

// Measures only: the defaults and the layouts are measured with the metrics
// every surface shares.
class MeasuringSurface final : public PageSurface
{
public:
    void drawText(double, double, const QString &) override {}
    void drawLine(double, double, double, double, const QColor &) override {}
    void drawBox(double, double, double, double, const QColor &) override {}
    void fillBox(double, double, double, double, const QColor &) override {}
};

const QColor PaperOutline(255, 0, 0);

} // namespace

ReportPreview::ReportPreview(const PrintingContext &context, PreviewReport &report, QWidget *parent)
    : QDialog(parent), context_(context), report_(report)
{
    setModal(true);
    sizeTimer_.setInterval(30);
    connect(&sizeTimer_, &QTimer::timeout, this, [this] { applySizeStep(); });
    buildMenus();
    buildControls();
    report_.setUpWindow(*this);
}

ReportPreview::~ReportPreview() = default;

PrintSetting &ReportPreview::settings()
{
    return context_.state.Building.PrintSettings[report_.slot()];
}

PrintingDialogs &ReportPreview::dialogs()
{
    if (context_.dialogs)
        return *context_.dialogs;
    if (!ownDialogs_)
        ownDialogs_ = std::make_unique<QtPrintingDialogs>(context_);
    return *ownDialogs_;
}

void ReportPreview::buildMenus()
{
    menuBar_ = new QMenuBar(this);
    auto add = [this](QMenu *menu, const QString &name, const QString &text, const QKeySequence &keys = {}) {
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        if (!keys.isEmpty())
            a->setShortcut(keys);
        actions_.insert(name, a);
        return a;
    };
    optionsMenu_ = menuBar_->addMenu(QStringLiteral("Επιλογές"));
    optionsMenu_->setObjectName(QStringLiteral("options"));
    QAction *coloured = add(optionsMenu_, QStringLiteral("colouredPrint"), QStringLiteral("Έγχρωμη εκτύπωση"));
    coloured->setCheckable(true);
    connect(coloured, &QAction::triggered, this, [this] {
        PrintSetting &slot = settings();
        slot.ColouredPrint = slot.ColouredPrint != 0 ? 0 : -1;
        action(QStringLiteral("colouredPrint"))->setChecked(slot.ColouredPrint != 0);
        context_.state.DataChanged = true;
        redrawPreview();
    });
    QAction *numbers = add(optionsMenu_, QStringLiteral("pageNumbers"), QStringLiteral("Αρίθμηση σελίδων"));
    numbers->setCheckable(true);
    connect(numbers, &QAction::triggered, this, [this] {
        PrintSetting &slot = settings();
        slot.PageNumbers = slot.PageNumbers != 0 ? 0 : -1;
        action(QStringLiteral("pageNumbers"))->setChecked(slot.PageNumbers != 0);
        context_.state.DataChanged = true;
        redrawPreview();
    });
    optionsMenu_->addSeparator();
    connect(add(optionsMenu_, QStringLiteral("chooseFont"), QStringLiteral("Γραμματοσειρά")), &QAction::triggered,
            this, [this] {
                const QString font = context_.state.PreferredFont;
                dialogs().fontOverview();
                if (context_.state.PreferredFont != font)
                    redrawPreview();
            });
    optionsMenu_->addSeparator();
    connect(add(optionsMenu_, QStringLiteral("bestParameters"), QStringLiteral("Προτεινόμενες παράμετροι")),
            &QAction::triggered, this, [this] {
                report_.restoreDefaultSizes(settings(), defaults_);
                report_.defaultPrintParameters(settings());
                action(QStringLiteral("colouredPrint"))->setChecked(settings().ColouredPrint != 0);
                action(QStringLiteral("pageNumbers"))->setChecked(settings().PageNumbers != 0);
                context_.state.DataChanged = true;
                layoutPreview();
            });
    optionsMenu_->addSeparator();
    connect(add(optionsMenu_, QStringLiteral("exit"), QStringLiteral("Κλείσιμο του παραθύρου"),
                QKeySequence(Qt::CTRL | Qt::Key_F4)),
            &QAction::triggered, this, [this] { close(); });

    printMenu_ = menuBar_->addMenu(QStringLiteral("Εκτύπωση"));
    printMenu_->setObjectName(QStringLiteral("print"));
    connect(add(printMenu_, QStringLiteral("sendToPrinter"), QStringLiteral("Αποστολή στον εκτυπωτή"),
                QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { sendToPrinter(); });
    connect(add(printMenu_, QStringLiteral("pageSetup"), QStringLiteral("Διαμόρφωση σελίδας")),
            &QAction::triggered, this, [this] {
                if (dialogs().pageSetup(report_.slot()))
                    layoutPreview();
            });

    helpAction_ = menuBar_->addAction(QStringLiteral("Βοήθεια"));
    helpAction_->setObjectName(QStringLiteral("help"));
    actions_.insert(QStringLiteral("help"), helpAction_);
    connect(helpAction_, &QAction::triggered, this, [this] {
        context_.platform.help->showTopic(report_.helpTopic(), report_.helpSection());
    });
    auto *f1 = new QAction(this);
    f1->setShortcut(Qt::Key_F1);
    addAction(f1);
    connect(f1, &QAction::triggered, helpAction_, &QAction::trigger);
}

void ReportPreview::insertTopLevel(QMenu *menu)
{
    menuBar_->insertMenu(printMenu_->menuAction(), menu);
}

void ReportPreview::insertTopLevel(QAction *a)
{
    menuBar_->insertAction(printMenu_->menuAction(), a);
    if (!a->objectName().isEmpty())
        actions_.insert(a->objectName(), a);
}

QAction *ReportPreview::action(const QString &name) const
{
    if (QAction *a = actions_.value(name))
        return a;
    // A report's own entries: in the menus or owned by the window itself.
    return findChild<QAction *>(name);
}

void ReportPreview::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    client_ = new QWidget(this);
    layout->addWidget(client_);
    client_->setMouseTracking(true);
    client_->installEventFilter(this);

    canvas_ = new PreviewCanvas(*this, client_);
    canvas_->onPress = [this](QPointF at, Qt::MouseButton b, Qt::KeyboardModifiers m) { pagePressed(at, b, m); };
    canvas_->onHover = [this] { undoBorders(); };
    hScroll_ = new QScrollBar(Qt::Horizontal, canvas_);
    vScroll_ = new QScrollBar(Qt::Vertical, canvas_);
    for (QScrollBar *bar : {hScroll_, vScroll_}) {
        // The window's own keys scroll (pageKey): a bar never holds the focus.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setRange(-10, 10);
        bar->setPageStep(5);
        bar->setSingleStep(1);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, [this] { scrolled(); });
    }

    struct ImageDesign
    {
        const char *name;
        PreviewImage::Shape shape;
        const char *tip;
    };
    const ImageDesign images[] = {
        {"zoom", PreviewImage::Magnifier, "μεγένθυση/σμίκρυνση"},
        {"pagedown", PreviewImage::ArrowDown, "Νέα σελίδα κάτω "},
        {"pageup", PreviewImage::ArrowUp, "Νέα σελίδα πάνω"},
        {"pageright", PreviewImage::ArrowRight, "Νέα σελίδα δεξιά"},
        {"pageleft", PreviewImage::ArrowLeft, "Νέα σελίδα αριστερά"},
        {"plusbwidthcom", PreviewImage::Plus, "επιμήκυνση"},
        {"plusbheightcom", PreviewImage::Plus, "επιμήκυνση"},
        {"minusbwidthcom", PreviewImage::Minus, "σμίκρυνση"},
        {"minusbheightcom", PreviewImage::Minus, "σμίκρυνση"},
    };
    for (const ImageDesign &design : images) {
        auto *image = new PreviewImage(design.shape, QString::fromUtf8(design.tip), client_);
        image->setObjectName(QString::fromLatin1(design.name));
        images_.insert(image->objectName(), image);
        const QString name = image->objectName();
        image->onHover = [this, name] {
            const bool size = name.contains(QStringLiteral("bwidth")) || name.contains(QStringLiteral("bheight"));
            if (!size) {
                undoBorders();
            } else {
                // The twin of the other dimension loses its border.
                QString twin = name;
                if (twin.contains(QStringLiteral("width")))
                    twin.replace(QStringLiteral("width"), QStringLiteral("height"));
                else
                    twin.replace(QStringLiteral("height"), QStringLiteral("width"));
                images_.value(twin)->setBorder(false);
            }
            images_.value(name)->setBorder(true);
        };
    }
    images_.value(QStringLiteral("zoom"))->onPress = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) {
        zoomImagePressed(b, m);
    };
    images_.value(QStringLiteral("pagedown"))->onClick = [this] { pageDown(); };
    images_.value(QStringLiteral("pageup"))->onClick = [this] { pageUp(); };
    images_.value(QStringLiteral("pageright"))->onClick = [this] { pageRight(); };
    images_.value(QStringLiteral("pageleft"))->onClick = [this] { pageLeft(); };
    struct SizeImage
    {
        const char *name;
        int large, small;
    };
    for (const SizeImage &design : {SizeImage{"plusbwidthcom", 2, 1}, SizeImage{"minusbwidthcom", -2, -1},
                                 SizeImage{"plusbheightcom", 4, 3}, SizeImage{"minusbheightcom", -4, -3}}) {
        PreviewImage *image = images_.value(QString::fromLatin1(design.name));
        image->onPress = [this, design](Qt::MouseButton button, Qt::KeyboardModifiers) {
            if (button == Qt::LeftButton)
                sizeButtonPressed(design.large);
            else if (button == Qt::RightButton)
                sizeButtonPressed(design.small);
            else
                sizeButtonPressed(sizeStep_);
        };
        image->onRelease = [this] { sizeButtonReleased(); };
    }

    for (const char *name : {"lRealMagnification", "lbwidth", "lbheight", "lpage", "lpages", "lsm"}) {
        auto *label = new ClickLabel(client_);
        label->setObjectName(QString::fromLatin1(name));
        labels_.insert(label->objectName(), label);
    }
    auto *lbwidth = static_cast<ClickLabel *>(labels_.value(QStringLiteral("lbwidth")));
    lbwidth->setToolTip(QStringLiteral("click για αλλαγή στήλης"));
    lbwidth->onClick = [this] { nextWidth(); };
    auto *lbheight = static_cast<ClickLabel *>(labels_.value(QStringLiteral("lbheight")));
    lbheight->onClick = [this] { nextHeight(); };
    for (ClickLabel *label : {lbwidth, lbheight})
        label->onHover = [this] {
            for (const char *name : {"plusbwidthcom", "minusbwidthcom", "plusbheightcom", "minusbheightcom"})
                images_.value(QString::fromLatin1(name))->setBorder(false);
        };
    static_cast<ClickLabel *>(labels_.value(QStringLiteral("lRealMagnification")))->onClick = [this] {
        realMagnificationClicked();
    };
}

// ---------------------------------------------------------------- opening

void ReportPreview::load()
{
    const QString title = report_.title();
    // A work never saved keeps the "/" before the title, as every window's caption does.
    setWindowTitle(context_.state.DataFileName + QLatin1Char('/') + title);
    ScreenCover::apply(this);
    PrintSetting &slot = settings();
    if (!(slot.Magnification >= 0.5f && slot.Magnification <= 2.0f))
        slot.Magnification = 1.0f;
    action(QStringLiteral("colouredPrint"))->setChecked(slot.ColouredPrint != 0);
    action(QStringLiteral("pageNumbers"))->setChecked(slot.PageNumbers != 0);
    // The controls take their places for the window's size before the first
    // page is fitted to the canvas.
    layout()->activate();
    prepareWindow();
    currentColumn_ = 1;
    currentRow_ = 1;
    zoom_ = 1;
    resizeAndLayout();
}

int ReportPreview::showModal()
{
    load();
    return exec();
}

void ReportPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // A shown window that the window manager (or the user) sizes anew fits
    // its page to the new size.
    if (isVisible())
        fitToShownCanvas();
    else
        prepareWindow();
}

void ReportPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitToShownCanvas();
    // The window manager may still frame and size the window after showing
    // it: once those events are through, the page is fitted again.
    if (!event->spontaneous())
        QTimer::singleShot(0, this, [this] { fitToShownCanvas(); });
}

void ReportPreview::fitToShownCanvas()
{
    // The window's frame may leave the canvas smaller than at the opening: the page
    // is fitted to what the user sees.
    prepareWindow();
    if (hasPages_ && canvas_->size() != fittedCanvas_)
        drawCenteredPage();
}

bool ReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client_ && event->type() == QEvent::MouseMove)
        undoBorders();
    return QDialog::eventFilter(watched, event);
}

void ReportPreview::done(int result)
{
    // Every way of closing the window (the menu, the close box, Escape).
    sizeTimer_.stop();
    context_.platform.help->closeAll();
    QDialog::done(result);
}

void ReportPreview::prepareWindow()
{
    if (!client_)
        return;
    const QStringList widths = report_.widthNames();
    const QStringList heights = report_.heightNames();
    // A selection past the names a report now offers (the notifications'
    // split once the receipts are off) keeps its caption until the next click.
    if (selectedWidth_ < widths.size())
        setLabel(QStringLiteral("lbwidth"), widths.value(selectedWidth_));
    if (selectedHeight_ < heights.size())
        setLabel(QStringLiteral("lbheight"), heights.value(selectedHeight_));
    const int W = client_->width();
    const int H = client_->height();
    const int margin240 = Twips::toPixels(240, this);
    const int gap30 = std::max(1, Twips::toPixels(30, this));
    PreviewImage *zoom = images_.value(QStringLiteral("zoom"));
    const int s = zoom->height();
    const int pagedownTop = H - gap30 - s;
    const int zoomTop = pagedownTop - s;
    const int zoomLeft = W - margin240 - s - s;
    images_.value(QStringLiteral("pagedown"))->move(zoomLeft, pagedownTop);
    zoom->move(zoomLeft, zoomTop);
    images_.value(QStringLiteral("pageup"))->move(zoomLeft, zoomTop - s);
    images_.value(QStringLiteral("pageright"))->move(zoomLeft + s, zoomTop);
    images_.value(QStringLiteral("pageleft"))->move(zoomLeft - s, zoomTop);
    const int C = zoomTop + s / 2;
    const int pageLeftEdge = zoomLeft - s;

    auto place = [this](const QString &name, int centreX, int centreY) {
        QLabel *label = labels_.value(name);
        label->adjustSize();
        label->move(centreX - label->width() / 2, centreY - label->height() / 2);
    };
    QLabel *real = labels_.value(QStringLiteral("lRealMagnification"));
    real->adjustSize();
    real->move(margin240, C - real->height() / 2);

    const int M = pageLeftEdge / 2;
    const int gap180 = Twips::toPixels(180, this);
    const int gap60 = Twips::toPixels(60, this);
    QLabel *lbwidth = labels_.value(QStringLiteral("lbwidth"));
    QLabel *lbheight = labels_.value(QStringLiteral("lbheight"));
    lbwidth->adjustSize();
    lbheight->adjustSize();
    const int widthImagesTop = C - gap60 - s;
    const int heightImagesTop = C + gap60;
    const int lbLeft = M - std::max(lbwidth->width(), lbheight->width()) / 2;
    const int lbRight = M + std::max(lbwidth->width(), lbheight->width()) / 2;
    images_.value(QStringLiteral("minusbwidthcom"))->move(lbLeft - gap180 - s, widthImagesTop);
    images_.value(QStringLiteral("plusbwidthcom"))->move(lbRight + gap180, widthImagesTop);
    images_.value(QStringLiteral("minusbheightcom"))->move(lbLeft - gap180 - s, heightImagesTop);
    images_.value(QStringLiteral("plusbheightcom"))->move(lbRight + gap180, heightImagesTop);
    place(QStringLiteral("lbwidth"), M, widthImagesTop + s / 2);
    place(QStringLiteral("lbheight"), M, heightImagesTop + s / 2);

    const int infoX = (lbRight + gap180 + s + pageLeftEdge) / 2;
    QLabel *lpages = labels_.value(QStringLiteral("lpages"));
    lpages->adjustSize();
    place(QStringLiteral("lpages"), infoX, C);
    place(QStringLiteral("lpage"), infoX, C - lpages->height());
    place(QStringLiteral("lsm"), infoX, C + lpages->height());

    const int canvasBottom = std::max(0, C - (H - C));
    canvas_->setGeometry(0, 0, W, canvasBottom);
    const int barH = hScroll_->sizeHint().height();
    const int barW = vScroll_->sizeHint().width();
    vScroll_->setGeometry(W - barW, 0, barW, std::max(0, canvasBottom - barH));
    hScroll_->setGeometry(0, canvasBottom - barH, std::max(0, W - barW), barH);
}

void ReportPreview::setLabel(const QString &name, const QString &text)
{
    QLabel *label = labels_.value(name);
    label->setText(text);
    label->adjustSize();
}

QString ReportPreview::labelText(const QString &name) const
{
    const QLabel *label = labels_.value(name);
    return label ? label->text() : QString();
}

bool ReportPreview::imageShown(const QString &name) const
{
    const PreviewImage *image = images_.value(name);
    return image && !image->isHidden();
}

QSizeF ReportPreview::canvasTwips() const
{
    return QSizeF(Twips::fromPixels(canvas_->width(), canvas_), Twips::fromPixels(canvas_->height(), canvas_));
}

// ---------------------------------------------------------------- measuring and layout

void ReportPreview::measureDefaults()
{
    MeasuringSurface target;
    target.setFont(context_.state.PreferredFont, 8, true);
    defaults_ = report_.bestBoxSizes(target);
}

void ReportPreview::resizeAndLayout()
{
    measureDefaults();
    report_.readSizes(settings(), defaults_);
    layoutPreview();
}

bool ReportPreview::layoutPreview()
{
    geometry_ = PageGeometry::of(settings());
    MeasuringSurface measure;
    measure.setFont(context_.state.PreferredFont, 8);
    ReportLayout layout(settings(), geometry_, measure);
    const LayoutOutcome outcome = report_.preparePrint(layout);
    bool laidOut = false;
    if (outcome.failed()) {
        sizeTimer_.stop();
        hasPages_ = false;
        lastFailure_ = report_.failureText(outcome.code);
        showLayoutFailure();
        canvas_->update();
    } else {
        pageRows_ = std::max(1, outcome.pageRows);
        pageColumns_ = std::max(1, outcome.pageColumns);
        currentColumn_ = std::clamp(currentColumn_, 1, pageColumns_);
        currentRow_ = std::clamp(currentRow_, 1, pageRows_);
        setLabel(QStringLiteral("lpages"), QStringLiteral("από σελίδες %1 x %2").arg(pageRows_).arg(pageColumns_));
        setLabel(QStringLiteral("lpage"), report_.pageLabel(currentRow_, currentColumn_, true));
        hasPages_ = true;
        const WaitCursor hourglass;
        drawCenteredPage();
        updatePageButtons();
        laidOut = true;
    }
    updateMagnificationLabel();
    prepareWindow();
    return laidOut;
}

void ReportPreview::showLayoutFailure()
{
    context_.platform.messages->error(QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων"),
                                      lastFailure_.text());
}

void ReportPreview::updateMagnificationLabel()
{
    setLabel(QStringLiteral("lRealMagnification"),
             QStringLiteral("Πραγματική μεγέθυνση: %1%").arg(std::lround(double(settings().Magnification) * 100)));
}

void ReportPreview::updateZoomLabel()
{
    const float percent = zoom_ * 100.0f;
    setLabel(QStringLiteral("lsm"), QStringLiteral("μεγέθυνση: %1%").arg(int(std::floor(percent))));
}

// ---------------------------------------------------------------- the page on the canvas

void ReportPreview::drawCenteredPage()
{
    const int o = OrientationIndex(settings());
    const QSizeF size = canvasTwips();
    auto steps = [](double ratio) {
        int k = int(std::floor((ratio - 1) * 20));
        if (k < 0)
            k -= 1;
        return k;
    };
    const int kx = steps(size.width() / geometry_.PaperWidth[o]);
    const int ky = steps(size.height() / geometry_.PaperHeight[o]);
    // Never below 5 %: a window too small to fit the paper still shows it.
    zoom_ = std::max(0.05f, 1.0f + 0.05f * float(std::min(kx, ky)));
    fittedCanvas_ = canvas_->size();
    updateZoomLabel();
    for (QScrollBar *bar : {hScroll_, vScroll_}) {
        bar->setEnabled(false);
        bar->setValue(0);
        bar->hide();
    }
    centrePage();
    redrawPreview();
}

void ReportPreview::centrePage()
{
    const int o = OrientationIndex(settings());
    const QSizeF size = canvasTwips();
    pageLeft_ = size.width() / 2 - geometry_.PaperWidth[o] * zoom_ / 2;
    pageTop_ = size.height() / 2 - geometry_.PaperHeight[o] * zoom_ / 2;
}

void ReportPreview::redrawPreview()
{
    canvas_->update();
}

void ReportPreview::paintView(PageSurface &surface)
{
    if (!hasPages_)
        return;
    const int o = OrientationIndex(settings());
    surface.drawBox(pageLeft_, pageTop_, pageLeft_ + geometry_.PaperWidth[o] * zoom_,
                    pageTop_ + geometry_.PaperHeight[o] * zoom_, PaperOutline);
    paintPage(surface, pageLeft_, pageTop_, currentRow_, currentColumn_, zoom_);
}

void ReportPreview::paintPage(PageSurface &surface, double x0, double y0, int row, int column, double zoom)
{
    const PrintSetting &slot = settings();
    const int o = OrientationIndex(slot);
    const QRectF printable(QPointF(x0 + geometry_.PrintableLeft[o] * zoom, y0 + geometry_.PrintableTop[o] * zoom),
                           QPointF(x0 + geometry_.PrintableRight[o] * zoom, y0 + geometry_.PrintableBottom[o] * zoom));
    const double scale = double(slot.Magnification) * zoom;
    PageRequest request{surface, x0, y0, row, column, zoom, scale, printable, slot, surface.onPaper()};
    surface.setForeColour(Qt::black);
    report_.printPage(request);
    if (slot.PageNumbers != 0) {
        const PageFooter footer =
            report_.pageFooter(row, column, pageRows_, pageColumns_, context_.platform.clock->now());
        const QString &text = footer.text;
        surface.setFont(context_.state.PreferredFont, footer.points * scale);
        surface.setForeColour(Qt::black);
        surface.drawText(printable.right() - surface.textWidth(text), printable.bottom() - surface.textHeight(text),
                         text);
    }
}

void ReportPreview::updatePageButtons()
{
    const PageButtonsShown shown = report_.pageButtons(currentRow_, currentColumn_, pageRows_, pageColumns_);
    images_.value(QStringLiteral("pageleft"))->setVisible(shown.left);
    images_.value(QStringLiteral("pageright"))->setVisible(shown.right);
    images_.value(QStringLiteral("pageup"))->setVisible(shown.up);
    images_.value(QStringLiteral("pagedown"))->setVisible(shown.down);
}

void ReportPreview::showPage(int row, int column)
{
    if (!hasPages_)
        return;
    row = std::clamp(row, 1, pageRows_);
    column = std::clamp(column, 1, pageColumns_);
    if (row == currentRow_ && column == currentColumn_)
        return;
    currentRow_ = row;
    currentColumn_ = column;
    setLabel(QStringLiteral("lpage"), report_.pageLabel(currentRow_, currentColumn_, false));
    const WaitCursor hourglass;
    drawCenteredPage();
    updatePageButtons();
}

void ReportPreview::pageDown()
{
    images_.value(QStringLiteral("pagedown"))->setBorder(false);
    if (currentRow_ < pageRows_)
        showPage(currentRow_ + 1, currentColumn_);
}

void ReportPreview::pageUp()
{
    images_.value(QStringLiteral("pageup"))->setBorder(false);
    if (currentRow_ > 1)
        showPage(currentRow_ - 1, currentColumn_);
}

void ReportPreview::pageRight()
{
    images_.value(QStringLiteral("pageright"))->setBorder(false);
    if (currentColumn_ < pageColumns_)
        showPage(currentRow_, currentColumn_ + 1);
}

void ReportPreview::pageLeft()
{
    images_.value(QStringLiteral("pageleft"))->setBorder(false);
    if (currentColumn_ > 1)
        showPage(currentRow_, currentColumn_ - 1);
}

// ---------------------------------------------------------------- keys

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    if (pageKey(event->key(), event->modifiers()))
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

bool ReportPreview::scrollStep(QScrollBar *bar, int direction)
{
    if (bar->isHidden() || !bar->isEnabled())
        return false;
    const int value = std::clamp(bar->value() + direction * bar->singleStep(), bar->minimum(), bar->maximum());
    if (value == bar->value())
        return false;
    bar->setValue(value);
    return true;
}

bool ReportPreview::pageKey(int key, Qt::KeyboardModifiers modifiers)
{
    // Shift may be needed to type "+"; with Ctrl or Alt a key belongs to the menus.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // An arrow scrolls a page larger than the window while it can, and
    // otherwise goes to the next page that way.
    const struct
    {
        int key;
        QScrollBar *bar;
        int direction;
        void (ReportPreview::*page)();
    } arrows[] = {{Qt::Key_Down, vScroll_, 1, &ReportPreview::pageDown},
                  {Qt::Key_Up, vScroll_, -1, &ReportPreview::pageUp},
                  {Qt::Key_Right, hScroll_, 1, &ReportPreview::pageRight},
                  {Qt::Key_Left, hScroll_, -1, &ReportPreview::pageLeft}};
    for (const auto &arrow : arrows) {
        if (key == arrow.key) {
            if (!scrollStep(arrow.bar, arrow.direction))
                (this->*arrow.page)();
            return true;
        }
    }
    switch (key) {
    case Qt::Key_PageDown: pageDown(); return true;
    case Qt::Key_PageUp: pageUp(); return true;
    // The magnifier's left and right clicks.
    case Qt::Key_Plus: zoomImagePressed(Qt::LeftButton, Qt::NoModifier); return true;
    case Qt::Key_Minus: zoomImagePressed(Qt::RightButton, Qt::NoModifier); return true;
    default: return false;
    }
}

// ---------------------------------------------------------------- zoom and scrolling

bool ReportPreview::zoomRefused(double newZoom) const
{
    const PrintSetting &slot = const_cast<ReportPreview *>(this)->settings();
    const int o = OrientationIndex(slot);
    const QSizeF size = canvasTwips();
    const float sw = float(size.width());
    const float sh = float(size.height());
    const float m = slot.Magnification;
    auto scaledW = [&](float z) { return float(geometry_.PaperWidth[o] * float(m * z)); };
    auto scaledH = [&](float z) { return float(geometry_.PaperHeight[o] * float(m * z)); };
    const float z = zoom_;
    const float zn = float(newZoom);
    if (zn < z && scaledW(z) < sw && scaledH(z) < sh && scaledW(zn) < sw && scaledH(zn) < sh)
        return true;
    if (zn > z && scaledW(z) > 2 * sw && scaledH(z) > 2 * sh && scaledW(zn) > 2 * sw && scaledH(zn) > 2 * sh)
        return true;
    return false;
}

void ReportPreview::zoomImagePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    images_.value(QStringLiteral("zoom"))->setBorder(false);
    if (!hasPages_)
        return;
    const Qt::KeyboardModifiers keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    float next;
    if (keys == Qt::NoModifier && button == Qt::LeftButton)
        next = zoom_ + 0.05f;
    else if (keys == Qt::NoModifier && button == Qt::RightButton)
        next = zoom_ - 0.05f;
    else if (keys == Qt::ShiftModifier)
        next = 1.0f;
    else
        return;
    next = std::max(next, 0.05f);
    if (zoomRefused(next))
        return;
    const WaitCursor hourglass;
    zoom_ = next;
    updateZoomLabel();
    const int o = OrientationIndex(settings());
    const QSizeF size = canvasTwips();
    for (QScrollBar *bar : {hScroll_, vScroll_}) {
        bar->setEnabled(false);
        bar->setValue(0);
        bar->show();
    }
    hScroll_->setVisible(geometry_.PaperWidth[o] * zoom_ > size.width());
    vScroll_->setVisible(geometry_.PaperHeight[o] * zoom_ > size.height());
    hScroll_->setEnabled(true);
    vScroll_->setEnabled(true);
    centrePage();
    redrawPreview();
}

void ReportPreview::setScrollBar(QScrollBar *bar, double paperExtent, double windowExtent, double offset)
{
    const double s = (paperExtent - windowExtent) / 20;
    int value;
    if (10 * std::fabs(s) > std::fabs(offset))
        value = int(std::floor(offset / s));
    else
        value = offset * s >= 0 ? 10 : -10;
    bar->setValue(std::clamp(value, -10, 10));
    bar->show();
    bar->setEnabled(true);
}

void ReportPreview::pagePressed(QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (!hasPages_)
        return;
    const Qt::KeyboardModifiers keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    float next;
    if (keys == Qt::NoModifier && button == Qt::LeftButton) {
        next = zoom_ + 0.2f;
    } else if (keys == Qt::NoModifier && button == Qt::RightButton) {
        next = zoom_ - 0.2f;
    } else if (keys == Qt::ShiftModifier) {
        drawCenteredPage();
        return;
    } else {
        return;
    }
    next = std::max(next, 0.05f);
    if (zoomRefused(next))
        return;
    const int o = OrientationIndex(settings());
    const QSizeF size = canvasTwips();
    const double W = geometry_.PaperWidth[o];
    const double H = geometry_.PaperHeight[o];
    const double r = double(next) / double(zoom_);
    zoom_ = next;
    updateZoomLabel();
    if (W * zoom_ <= size.width() && H * zoom_ <= size.height()) {
        drawCenteredPage();
        return;
    }
    hScroll_->setEnabled(false);
    vScroll_->setEnabled(false);
    pageLeft_ = (1 - r) * at.x() + r * pageLeft_;
    pageTop_ = (1 - r) * at.y() + r * pageTop_;
    redrawPreview();
    setScrollBar(hScroll_, W * zoom_, size.width(), size.width() / 2 - W * zoom_ / 2 - pageLeft_);
    setScrollBar(vScroll_, H * zoom_, size.height(), size.height() / 2 - H * zoom_ / 2 - pageTop_);
}

void ReportPreview::scrolled()
{
    auto *bar = qobject_cast<QScrollBar *>(sender());
    if (bar && (!bar->isEnabled() || bar->isHidden()))
        return;
    if (!hasPages_)
        return;
    const int o = OrientationIndex(settings());
    const QSizeF size = canvasTwips();
    const double W = geometry_.PaperWidth[o] * zoom_;
    const double H = geometry_.PaperHeight[o] * zoom_;
    pageLeft_ = size.width() / 2 - W / 2 - (W - size.width()) * hScroll_->value() / 20;
    pageTop_ = size.height() / 2 - H / 2 - (H - size.height()) * vScroll_->value() / 20;
    redrawPreview();
}

// ---------------------------------------------------------------- sizes

void ReportPreview::nextWidth()
{
    const QStringList names = report_.widthNames();
    if (names.isEmpty())
        return;
    selectedWidth_ = (selectedWidth_ + 1) % int(names.size());
    setLabel(QStringLiteral("lbwidth"), names.value(selectedWidth_));
    prepareWindow();
}

void ReportPreview::nextHeight()
{
    const QStringList names = report_.heightNames();
    if (names.isEmpty())
        return;
    selectedHeight_ = (selectedHeight_ + 1) % int(names.size());
    setLabel(QStringLiteral("lbheight"), names.value(selectedHeight_));
    prepareWindow();
}

void ReportPreview::sizeButtonPressed(int code)
{
    sizeStep_ = code;
    sizeTimer_.start();
}

void ReportPreview::sizeButtonReleased()
{
    sizeTimer_.stop();
}

void ReportPreview::applySizeStep()
{
    const int code = sizeStep_;
    const bool width = std::abs(code) <= 2;
    const int index = width ? selectedWidth_ : selectedHeight_;
    const QList<float> &defaults = width ? defaults_.widths : defaults_.heights;
    if (code == 0 || index >= defaults.size())
        return;
    const SizeRule rule = width ? report_.widthRule(index) : report_.heightRule(index);
    const bool large = std::abs(code) == 2 || std::abs(code) == 4;
    const float step = (large ? rule.largeStep : rule.smallStep) * (code > 0 ? 1 : -1);
    float &size = width ? settings().Widths[index] : settings().Heights[index];
    float next = size + step;
    const double d = defaults[index];
    const float lowest = float(d * rule.minimumFactor);
    const float highest = float(d * rule.maximumFactor);
    if (rule.clampToBounds)
        next = std::clamp(next, lowest, highest);
    else if (next < lowest || next > highest)
        return;
    size = next;
    context_.state.DataChanged = true;
    layoutPreview();
}

void ReportPreview::realMagnificationClicked()
{
    if (dialogs().realMagnification(report_.slot()))
        resizeAndLayout();
}

void ReportPreview::undoBorders()
{
    for (PreviewImage *image : std::as_const(images_))
        image->setBorder(false);
}

// ---------------------------------------------------------------- printing

void ReportPreview::sendToPrinter()
{
    sendToPrinter([this](PageSink &pages, bool allPages) { report_.printDocument(*this, pages, allPages); });
}

void ReportPreview::sendToPrinter(const std::function<void(PageSink &, bool)> &document)
{
    if (!context_.state.PrintingPossible) {
        ShowPrinterProblem(context_.platform);
        return;
    }
    if (!hasPages_) {
        // A failed layout may have cleared what the pages hold: never printed.
        showLayoutFailure();
        return;
    }
    const QString font = context_.state.PreferredFont;
    const PrintChoice choice = dialogs().askPrintParameters(pageRows_, pageColumns_);
    if (choice.confirmed) {
        PrintDocument(context_, settings(), choice.copies,
                      [&](PageSink &pages) { document(pages, choice.allPages); });
    }
    if (context_.state.PreferredFont != font)
        redrawPreview();
}

bool ReportPreview::printPages(const PrintChoice &choice)
{
    if (!hasPages_)
        return false;
    return PrintDocument(context_, settings(), choice.copies, [&](PageSink &pages) {
        report_.printDocument(*this, pages, choice.allPages);
    });
}

} // namespace kelvarino
