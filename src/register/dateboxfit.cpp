#include "register/dateboxfit.h"

#include "core/formatting.h"
#include "platform/twips.h"
#include "register/dateentry.h"
#include "register/registerlook.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>
#include <memory>

namespace kelvarino {

namespace {

const char *const DateBoxProperty = "kvDateBox";

// The margin that a line edit keeps on either side of its text, inside its
// contents rectangle, and the pixel its caret takes beyond the text's end.
constexpr int InnerMargin = 2;
constexpr int CaretWidth = 1;

// Widgets whose children are laid out by hand, as the windows are: a strip
// put into them moves their children too.
bool HoldsPlacedChildren(const QWidget *widget)
{
    return widget->metaObject() == &QWidget::staticMetaObject || qobject_cast<const QGroupBox *>(widget);
}

void SetWidth(QWidget *widget, int width)
{
    if (widget->minimumWidth() == widget->maximumWidth())
        widget->setFixedWidth(width);
    else
        widget->resize(width, widget->height());
}

// Puts a strip of `width` pixels into `container` just right of the column
// `line` (its own coordinates).
void InsertStrip(QWidget *container, int line, int width)
{
    const QList<QWidget *> children = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow())
            continue;
        const QRect r = child->geometry();
        if (r.left() > line) {
            child->move(r.left() + width, r.top());
        } else if (r.right() >= line) {
            SetWidth(child, r.width() + width);
            if (HoldsPlacedChildren(child))
                InsertStrip(child, line - r.left(), width);
        }
    }
}

// The width in pixels that the box needs to show a text of `textWidth`
// pixels whole, in its own frame and margins.
int WidthToShowWhole(const QLineEdit *box, double textWidth)
{
    // The rectangle the box gives its text, as it works it out when it paints.
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QMargins textMargins = box->textMargins();
    const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width()
        - textMargins.left() - textMargins.right() - 2 * InnerMargin;
    const int needed = int(std::ceil(textWidth)) + CaretWidth;
    return box->width() - room + needed;
}

// The width in pixels that the box needs for the widest date in its own font.
int DateBoxWidth(const QLineEdit *box)
{
    const QFontMetricsF metrics(box->font());
    const double widest =
        WidestDigitsWidth(LongestDate, [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    return WidthToShowWhole(box, widest);
}

} // namespace

void MarkDateBox(QLineEdit *box)
{
    box->setProperty(DateBoxProperty, true);
}

double DateCellWidthTwips(double designTwips)
{
    const std::unique_ptr<QLineEdit> probe(MakeCellEdit(nullptr));
    probe->resize(Twips::toPixels(designTwips), probe->height());
    probe->ensurePolished();
    // A pixel more, for the rounding of a column's edges to pixels.
    return std::max(designTwips, Twips::fromPixels(DateBoxWidth(probe.get()) + 1));
}

void FitDateBoxes(QWidget *window)
{
    const QList<QLineEdit *> boxes = window->findChildren<QLineEdit *>();
    for (QLineEdit *box : boxes) {
        if (!box->property(DateBoxProperty).toBool())
            continue;
        box->ensurePolished();
        const int missing = DateBoxWidth(box) - box->width();
        if (missing <= 0)
            continue;
        const int line = box->mapTo(window, QPoint(box->width() - 1, 0)).x();
        InsertStrip(window, line, missing);
        SetWidth(window, window->width() + missing);
    }
}

} // namespace kelvarino
