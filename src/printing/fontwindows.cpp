#include "printing/fontwindows.h"

#include "core/autoloadfile.h"
#include "platform/fontfamilies.h"
#include "platform/twips.h"
#include "printing/pagesurface.h"
#include "printing/printjob.h"
#include "printing/textprimitives.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QPainter>

#include <algorithm>

namespace kelvarino {

QString SampleAlphabet()
{
    return QStringLiteral("Α Ά Β Γ Δ Ε Έ Ζ Η Ή Θ Ι Ί Ϊ Κ Λ Μ Ν Ξ Ο Ό Π Ρ Σ Τ Υ Ύ Ϋ Φ Χ Ψ Ω Ώ α ά β γ δ ε έ ζ η ή θ ι ί ϊ ΐ κ λ "
                          "μ ν ξ ο ό π ρ σ τ υ ύ ϋ ΰ φ χ ψ ω");
}

FontMatch MatchScreenFonts(const QStringList &screen, const QStringList &printer, const std::function<void()> &step)
{
    FontMatch match;
    QStringList candidates = printer;
    for (const QString &name : screen) {
        const qsizetype found = candidates.indexOf(name);
        if (found >= 0) {
            match.common.append(candidates.takeAt(found));
        } else {
            match.screenOnly.append(name);
        }
        if (step)
            step();
    }
    return match;
}

QStringList MatchPrinterFonts(const QStringList &printer, const QStringList &screen, const std::function<void()> &step)
{
    QStringList common;
    QStringList remaining = screen;
    for (const QString &name : printer) {
        const qsizetype found = remaining.indexOf(name);
        if (found >= 0) {
            remaining.removeAt(found);
            common.append(name);
        }
        if (step)
            step();
    }
    return common;
}

qsizetype FontEntryOf(const QStringList &list, const QString &name)
{
    const qsizetype exact = list.indexOf(name);
    if (exact >= 0)
        return exact;
    const QString family = InstalledFontFamily(name);
    return family.isEmpty() ? -1 : list.indexOf(family);
}

QStringList ItemsOf(const QComboBox &list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items.append(list.itemText(i));
    return items;
}

QStringList SortedLikeList(QStringList names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

void WriteAutoloadFile(const PrintingContext &context)
{
    PromoteCurrentFile(context.state);
    if (context.captions)
        context.captions->recentFilesChanged();
    if (!SaveAutoloadFile(context.state))
        context.platform.messages->error(AutoloadFile::writeFailedTitle(), AutoloadFile::writeFailedText());
}

QString FontsCaptionOf(const QString &preferredFont)
{
    return QStringLiteral("Επισκόπιση γραμματοσειρών (") + preferredFont + QStringLiteral(")");
}

QString PrinterCaptionOf(const QString &programPrinter)
{
    return QStringLiteral("Επιλογή εκτυπωτή (") + programPrinter + QStringLiteral(")");
}

void CheckFontCounts(const PrintingContext &context)
{
    AppState &state = context.state;
    const qsizetype printerFonts = context.platform.printers->printerFonts().size();
    const qsizetype screenFonts = context.platform.printers->screenFonts().size();
    auto caption = [&](const QString &text) {
        if (context.captions)
            context.captions->setFontsCaption(text);
    };
    if (screenFonts == 0) {
        context.platform.messages->information(
            QStringLiteral("Σοβαρό πρόβλημα με τις γραμματοσειρές οθόνης"),
            QStringLiteral("Όπως φαίνεται, δεν έχετε εγκατεστημένες γραμματοσειρές οθόνης. ")
                + QStringLiteral("Αν δεν έχουμε κάνει εμείς κάποιο λάθος, το ερώτημα είναι: πώς έχετε φτάσει έως εδώ; ")
                + QStringLiteral("Δεν μπορείτε να εκτυπώσετε."));
        state.PrintingPossible = false;
        caption(QStringLiteral("Επισκόπιση γραμματοσειρών (δεν υπάρχουν)"));
    } else if (printerFonts > 0) {
        caption(FontsCaptionOf(state.PreferredFont));
        state.PrintingPossible = true;
    } else {
        context.platform.messages->information(
            QStringLiteral("Σοβαρό πρόβλημα με τις γραμματοσειρές εκτυπωτή"),
            QStringLiteral("Όπως φαίνεται, ο προτιμώμενος εκτυπωτής: ") + state.ProgramPrinter + QStringLiteral(" ")
                + QStringLiteral("δεν υποστηρίζει καμιά από τις εγκατεστημένες γραμματοσειρές. ")
                + QStringLiteral("Επιλέξτε άλλο εκτυπωτή ή εγκαταστήστε γραμματοσειρές για να μπορέσετε να εκτυπώσετε."));
        state.PrintingPossible = false;
        caption(QStringLiteral("Επισκόπιση γραμματοσειρών (μόνο για την οθόνη)"));
    }
}

// ---------------------------------------------------------------- widgets

FontSample::FontSample(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void FontSample::showFont(const QString &name)
{
    font_ = name;
    update();
}

void FontSample::paintEvent(QPaintEvent *)
{
    if (font_.isEmpty())
        return;
    QPainter painter(this);
    PainterSurface surface(painter, Twips::pixelsPerTwip(this));
    surface.setFont(font_, 16);
    double y = 240;
    PrintWrappedText(SampleAlphabet(), 240, y, Twips::fromPixels(width(), this) - 240, 360, surface, AlignCentre,
                     false, false, palette().color(QPalette::WindowText));
}

ComparisonProgress::ComparisonProgress(QWidget *parent) : QWidget(parent)
{
    hide();
}

void ComparisonProgress::start(int total)
{
    total_ = total;
    done_ = 0;
    show();
    update();
}

void ComparisonProgress::step()
{
    ++done_;
    update();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ComparisonProgress::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRectF(0, 0, width() * fraction(), height()), Qt::red);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

PrinterWindow::PrinterWindow(const PrintingContext &context, QWidget *parent)
    : QDialog(parent ? parent : context.owner), context_(context)
{
    setModal(true);
    timer_.setInterval(1);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!busy_)
            firstTick();
    });
}

void PrinterWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (closeOnShow_) {
        // Closed once the showing is over, from the window's own event loop.
        QMetaObject::invokeMethod(this, [this] { accept(); }, Qt::QueuedConnection);
        return;
    }
    if (!started_) {
        started_ = true;
        timer_.start();
    }
}

void PrinterWindow::closeWhenShown()
{
    closeOnShow_ = true;
    started_ = true; // the work is done: it is not started again
    timer_.stop();
    if (isVisible())
        accept();
}

void PrinterWindow::setBusy(bool busy)
{
    if (busy && !busy_)
        focusBeforeBusy_ = focusWidget();
    busy_ = busy;
    for (QWidget *part : std::as_const(busyParts_))
        part->setEnabled(!busy);
    if (!busy && focusBeforeBusy_) {
        if (focusBeforeBusy_->isEnabled())
            focusBeforeBusy_->setFocus(Qt::OtherFocusReason);
        focusBeforeBusy_ = nullptr;
    }
}

void PrinterWindow::closeEvent(QCloseEvent *event)
{
    if (busy_) {
        context_.platform.help->closeAll();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void PrinterWindow::done(int result)
{
    context_.platform.help->closeAll();
    if (busy_)
        return;
    RestoreSystemPrinter(context_.state, context_.platform);
    QDialog::done(result);
}

} // namespace kelvarino
