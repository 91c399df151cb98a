#pragma once

#include "core/side.h"
#include "notifications/notificationrows.h"
#include "notifications/notificationtexts.h"

#include <QColor>
#include <QString>

namespace kelvarino {

class PageSurface;
struct PageRequest;
struct PrintSetting;

// The vertical space of a title band: four bands of two 270-twip lines.
inline constexpr double TitleBandHeight = 8 * 270;

// Draws the pages of a flat's notification sheet: on page 1 the title band,
// on every page the rows placed on it, and on page 1 beside the sheet the
// resident's and the owner's receipts when they are on. The same code draws
// the preview, the printer's pages and the tests' recordings.
class NotificationPainter
{
public:
    // The font name is read at every page: the preferred font may change
    // while the window is open.
    NotificationPainter(const NotificationSource &source, const NotificationRows &rows, const QString &fontName);

    // Page `page.row` of the flat's sheet (the footer is the preview's).
    void printPage(const PageRequest &page, int flat);

private:
    struct Pen; // the page's scale, slot and colours
    void drawTitleInNotification(const Pen &pen, const NotificationTexts &texts, double startX, double startY,
                                 double endX) const;
    void drawTitleInReceipt(const Pen &pen, const NotificationTexts &texts, Side side, double startX,
                            double startY, double endX) const;
    // The first three bands of a title, common to the sheet and the receipts.
    void drawTitleBands(const Pen &pen, const TitleTexts &title, const QString &kind, const QString &whose,
                        double startX, double startY, double endX) const;
    void drawAnnouncement(const Pen &pen, const TitleTexts &title, double startX, double top, double right) const;
    void drawNotificationBody(const Pen &pen, const NotificationTexts &texts, int page, double left, double top,
                              double right) const;
    void drawReceiptBody(const Pen &pen, const NotificationTexts &texts, Side side, double left, double top,
                         double right) const;

    // Held by value: it is only two references and an index, and callers
    // often hand over a temporary.
    NotificationSource source_;
    const NotificationRows &rows_;
    const QString &fontName_;
};

} // namespace kelvarino
