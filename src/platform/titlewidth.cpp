#include "platform/titlewidth.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>

#include <algorithm>

namespace kelvarino {

namespace {

QRect AvailableArea(const QWidget &window)
{
    const QScreen *where = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return where ? where->availableGeometry() : window.geometry();
}

} // namespace

int WindowWidthForTitle(const QString &title)
{
    // The program cannot ask the window manager for its title font. Title
    // bars commonly set the title in bold, in the desktop's font or a size
    // larger (10 or 11 points where the text is 9 or 10), beside the window's
    // icon and its minimise, maximise and close buttons with margins: the
    // title measured in a bold face a tenth larger than the application's,
    // and room for six squares of a line's height.
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.1);
    else
        font.setPixelSize(font.pixelSize() * 11 / 10);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}

void WidenToTitle(QWidget &window, std::optional<int> centreX)
{
    const QRect available = AvailableArea(window);
    const int wanted = std::min(WindowWidthForTitle(window.windowTitle()), available.width());
    if (window.width() >= wanted)
        return;
    // The text may need fewer lines at the new width.
    const QLayout *layout = window.layout();
    const int height =
        layout && layout->hasHeightForWidth() ? layout->totalHeightForWidth(wanted) : window.height();
    // A window whose controls were placed by hand keeps them in its middle.
    if (!layout) {
        const int shift = (wanted - window.width()) / 2;
        for (QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
                child->move(child->pos() + QPoint(shift, 0));
    }
    if (window.minimumWidth() == window.maximumWidth()) {
        window.setFixedSize(wanted, window.minimumHeight() == window.maximumHeight() ? height : window.height());
    } else {
        window.setMinimumWidth(wanted);
        window.resize(wanted, std::max(height, window.minimumHeight()));
    }
    if (!centreX)
        return;
    const int left = std::clamp(*centreX - wanted / 2, available.left(), available.right() + 1 - wanted);
    window.move(left + window.pos().x() - window.geometry().x(), window.pos().y());
}

void TitledMessageBox::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event);
    widen();
}

bool TitledMessageBox::event(QEvent *event)
{
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::LayoutRequest && isVisible())
        widen();
    return handled;
}

void TitledMessageBox::widen()
{
    // The box was centred on its owner at its natural width, which it takes
    // again at each layout change: it stays centred where it was first placed.
    if (!centreX_)
        centreX_ = geometry().center().x();
    WidenToTitle(*this, centreX_);
}

DialogTitleWidths::DialogTitleWidths()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool DialogTitleWidths::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::WindowTitleChange)
        return false;
    // A message box widens itself after its own sizing.
    auto *dialog = qobject_cast<QDialog *>(watched);
    if (!dialog || !dialog->isWindow() || qobject_cast<QMessageBox *>(dialog))
        return false;
    if (type == QEvent::WindowTitleChange && !dialog->isVisible())
        return false;
    // A dialog that placed itself (centred on the screen) keeps its centre;
    // one not yet placed is centred on its owner at its new width as it shows.
    const bool placed = type == QEvent::WindowTitleChange || dialog->testAttribute(Qt::WA_Moved);
    WidenToTitle(*dialog, placed ? std::optional<int>(dialog->geometry().center().x()) : std::nullopt);
    return false;
}

} // namespace kelvarino
