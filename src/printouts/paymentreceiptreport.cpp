#include "printouts/paymentreceiptreport.h"

#include "core/appstate.h"
#include "printing/pagesurface.h"
#include "printing/reportpreview.h"
#include "printing/textprimitives.h"
#include "printouts/paymentreceipt.h"
#include "printouts/tabledrawing.h"

#include <QMenu>

namespace kelvarino {

PaymentReceiptReport::PaymentReceiptReport(AppState &state, const PeriodResults &results, int paymentIndex)
    : state_(state), results_(results), paymentIndex_(paymentIndex)
{
}

ReportSizes PaymentReceiptReport::bestBoxSizes(PageSurface &target)
{
    target.setFont(state_.PreferredFont, 14, true);
    const float width = float(1.5 * target.textWidth(QStringLiteral("ΑΠΟΔΕΙΞΗ ΕΙΣΠΡΑΞΗΣ ΑΠΟ ΙΔΙΟΚΤΗΤΗ")));
    return {{width}, {PaymentReceipt::DefaultLineHeight}};
}

SizeRule PaymentReceiptReport::widthRule(int) const
{
    return SizeRule{15, 1, 1.0 / 5.0, 10};
}

SizeRule PaymentReceiptReport::heightRule(int) const
{
    return SizeRule{10, 1, 1.0 / 5.0, 5};
}

void PaymentReceiptReport::readSizes(PrintSetting &slot, const ReportSizes &defaults) const
{
    PaymentReceipt::ReadReceiptSizes(slot, defaults.widths.value(0));
}

void PaymentReceiptReport::defaultPrintParameters(PrintSetting &slot)
{
    slot.Portrait = False16;
    slot.ColouredPrint = True16;
    slot.Magnification = 1.0f;
    slot.PageNumbers = True16;
}

LayoutOutcome PaymentReceiptReport::preparePrint(ReportLayout &layout)
{
    const int columns = PaymentReceipt::FitReceipts(layout, layout.settings.Widths[0]);
    if (columns < 0)
        return LayoutOutcome::failure(columns);
    pageColumns_ = columns;
    return LayoutOutcome::pages(1, columns);
}

LayoutFailureText PaymentReceiptReport::failureText(int code) const
{
    return PaymentReceipt::LayoutMessage(code);
}

QString PaymentReceiptReport::pageLabel(int row, int column, bool laidOut) const
{
    // After a page move the label names the page alone; after a layout it
    // keeps the grid's form.
    if (laidOut)
        return PreviewReport::pageLabel(row, column, laidOut);
    return QStringLiteral("σελίδα ") + QString::number(column);
}

void PaymentReceiptReport::setUpWindow(ReportPreview &window)
{
    // One menu holds every command: printing first, then the page and the
    // font, the two ticks, the suggested parameters and closing.
    QMenu *options = window.optionsMenu();
    QAction *coloured = window.action(QStringLiteral("colouredPrint"));
    QAction *font = window.action(QStringLiteral("chooseFont"));
    options->removeAction(font);
    options->insertAction(coloured, window.action(QStringLiteral("sendToPrinter")));
    options->insertSeparator(coloured);
    options->insertAction(coloured, window.action(QStringLiteral("pageSetup")));
    options->insertAction(coloured, font);
    options->insertSeparator(coloured);
    window.printMenu()->menuAction()->setVisible(false);
}

PageFooter PaymentReceiptReport::pageFooter(int, int column, int, int, const QDateTime &now) const
{
    // The receipt's footer has one blank before the date.
    return {PageFooterText(QStringLiteral(", Σελίδα ") + QString::number(column), now, 1), 7};
}

void PaymentReceiptReport::printPage(const PageRequest &page)
{
    const double left = page.printable.left();
    const double top = page.printable.top();
    if (pageColumns_ == 2) {
        printReceipt(page.surface, page.column == 2 ? Side::Owner : Side::Resident, left, top, page.scale);
        return;
    }
    const double next = printReceipt(page.surface, Side::Resident, left, top, page.scale);
    printReceipt(page.surface, Side::Owner, next, top, page.scale);
}

double PaymentReceiptReport::printReceipt(PageSurface &s, Side side, double x, double y, double d)
{
    using PaymentReceipt::Placement;
    const PrintSetting &slot = state_.Building.PrintSettings[std::size_t(this->slot())];
    const double width = slot.Widths[0] * d;
    const double line = slot.Heights[0] * d;
    const QColor red = slot.ColouredPrint != 0 ? TableDrawing::Red : QColor(Qt::black);
    s.setFont(state_.PreferredFont, 14 * d, true);
    s.setForeColour(Qt::black);
    // The inset is the width of "A" at the receipt's scale (measured once).
    const double a = s.textWidth(QStringLiteral("A"));
    const double x1 = x + a;
    const double x2 = x + width - a;
    double top = y;
    for (const PaymentReceipt::Line &row : PaymentReceipt::Lines(state_.Building, results_, paymentIndex_, side)) {
        const double bottom = top + row.heightUnits * line;
        s.setFontSize(row.points * d);
        s.setBold(row.bold);
        s.setForeColour(row.red ? red : QColor(Qt::black));
        switch (row.placement) {
        case Placement::Centred:
            draw1(s, row.text, x1, top, x2, bottom, AlignCentre, d);
            break;
        case Placement::Left:
            draw1(s, row.text, x1, top, x2, bottom, AlignLeft, d);
            break;
        case Placement::TwoLines:
            draw2(s, row.text, row.second, x1, top, x2, bottom, AlignLeft, d);
            break;
        case Placement::Wrapped: {
            double lineTop = top;
            PrintWrappedText(row.text, x1, lineTop, x2, (bottom - top) / 2, s, AlignLeft, row.bold, false,
                             Qt::black);
            break;
        }
        case Placement::Empty:
            break;
        }
        s.setForeColour(Qt::black);
        top = bottom;
    }
    // The frame is red whether or not the print is coloured.
    s.drawBox(x, y, x + width, top, TableDrawing::Red);
    return x + (slot.Widths[0] + PaymentReceipt::Gap) * d;
}

} // namespace kelvarino
