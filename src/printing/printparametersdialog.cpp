#include "printing/printparametersdialog.h"
#include "platform/waitcursor.h"

#include "core/formatting.h"
#include "printing/previewwidgets.h"
#include "printing/printjob.h"
#include "printing/selectprinter.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvarino {

namespace {

// The little pictures beside the two page options: a stack of sheets, one sheet.
QPixmap sheetsPicture(int sheets)
{
    QPixmap pixmap(30, 30);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    for (int i = sheets - 1; i >= 0; --i) {
        const QRect sheet(4 + 4 * i, 2 + 3 * i, 16, 21);
        painter.fillRect(sheet, Qt::white);
        painter.drawRect(sheet);
    }
    return pixmap;
}

} // namespace

int PrintParametersDialog::CopiesOfText(const QString &text)
{
    const double rounded = std::nearbyint(LeadingNumber(text));
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max()))
        return 1;
    return int(std::clamp(rounded, 1.0, double(MaxCopies)));
}

PrintParametersDialog::PrintParametersDialog(const PrintingContext &context, int pageRows, int pageColumns, QWidget *parent)
    : QDialog(parent ? parent : context.owner), context_(context)
{
    setWindowTitle(QStringLiteral("Παράμετροι εκτύπωσης"));
    setModal(true);

    auto *frame = new QGroupBox(QStringLiteral("Σελίδες"), this);
    allPages_ = new QRadioButton(QStringLiteral("Όλες"), frame);
    currentPage_ = new QRadioButton(QStringLiteral("Η τρέχουσα"), frame);
    auto *pagesLabel = new ClickLabel(QStringLiteral("%1x%2").arg(pageRows).arg(pageColumns), frame);
    pagesLabel->onClick = [this] { chooseAllPages(true); };
    pagesLabel_ = pagesLabel;
    auto *allPagesPicture = new ClickLabel(frame);
    allPagesPicture->setPixmap(sheetsPicture(3));
    allPagesPicture->onClick = [this] { chooseAllPages(true); };
    auto *currentPagePicture = new ClickLabel(frame);
    currentPagePicture->setPixmap(sheetsPicture(1));
    currentPagePicture->onClick = [this] { chooseAllPages(false); };
    auto *pages = new QGridLayout(frame);
    pages->addWidget(allPagesPicture, 0, 0);
    pages->addWidget(allPages_, 0, 1);
    pages->addWidget(pagesLabel_, 0, 2);
    pages->addWidget(currentPagePicture, 1, 0);
    pages->addWidget(currentPage_, 1, 1);
    pages->setColumnStretch(3, 1);

    auto *copiesCaption = new QLabel(QStringLiteral("Αριθμός αντιγράφων:"), this);
    copiesBox_ = new QLineEdit(this);
    copiesBox_->setFixedWidth(60);
    copiesBox_->installEventFilter(this);
    copiesBar_ = new QScrollBar(Qt::Vertical, this);
    copiesBar_->setRange(1, MaxCopies);
    copiesBar_->setSingleStep(1);
    copiesBar_->setPageStep(5);
    // Tall enough that its track shows beside the thumb at any count, so that
    // a click there can add or remove five copies: the two arrows plus a track
    // three text boxes high.
    const int arrow = copiesBar_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, copiesBar_);
    copiesBar_->setFixedHeight(2 * arrow + 3 * std::max(arrow, copiesBox_->sizeHint().height()));
    connect(copiesBar_, &QScrollBar::valueChanged, this,
            [this](int value) { copiesBox_->setText(QString::number(MaxCopies + 1 - value)); });
    auto *copies = new QHBoxLayout;
    copies->addWidget(copiesCaption);
    copies->addWidget(copiesBox_);
    copies->addWidget(copiesBar_);
    copies->addStretch();

    auto *printer = new ClickLabel(context_.state.ProgramPrinter, this);
    printer->setToolTip(QStringLiteral("click για αλλαγή"));
    printer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    printer->setCursor(Qt::PointingHandCursor);
    printer->onClick = [this] { printerClicked(); };
    printerLabel_ = printer;

    auto *ok = new QPushButton(QStringLiteral("Εκτύπωση"), this);
    auto *cancel = new QPushButton(QStringLiteral("Ακύρωση"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(printerLabel_);
    layout->addWidget(frame);
    layout->addLayout(copies);
    layout->addLayout(buttons);

    // The last confirmed choice is preselected; at first the current page.
    chooseAllPages(context_.state.PrintAllPages);
    copiesBox_->setText(QStringLiteral("1"));
    leaveCopies();
}

bool PrintParametersDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == copiesBox_ && event->type() == QEvent::FocusOut)
        leaveCopies();
    return QDialog::eventFilter(watched, event);
}

void PrintParametersDialog::typeCopies(const QString &text)
{
    copiesBox_->setText(text);
}

void PrintParametersDialog::leaveCopies()
{
    const int copies = CopiesOfText(copiesBox_->text());
    copiesBox_->setText(QString::number(copies));
    const QSignalBlocker quiet(copiesBar_);
    copiesBar_->setValue(MaxCopies + 1 - copies);
}

void PrintParametersDialog::chooseAllPages(bool all)
{
    (all ? allPages_ : currentPage_)->setChecked(true);
}

bool PrintParametersDialog::allPagesSelected() const
{
    return allPages_->isChecked();
}

QString PrintParametersDialog::copiesText() const
{
    return copiesBox_->text();
}

int PrintParametersDialog::copiesFromBar() const
{
    return MaxCopies + 1 - copiesBar_->value();
}

QString PrintParametersDialog::pagesText() const
{
    return pagesLabel_->text();
}

QString PrintParametersDialog::printerText() const
{
    return printerLabel_->text();
}

void PrintParametersDialog::printerClicked()
{
    SelectPrinter selection(context_, this);
    selection.exec();
    printerLabel_->setText(context_.state.ProgramPrinter);
}

void PrintParametersDialog::confirm()
{
    leaveCopies();
    PrinterService &printers = *context_.platform.printers;
    const QString &wanted = context_.state.ProgramPrinter;
    PrinterList installed;
    {
        const WaitCursor hourglass;
        installed = printers.listPrinters();
    }
    if (!installed.names.contains(wanted)) {
        if (!installed.answered) {
            ShowPrintSystemSilent(context_.platform);
            return;
        }
        context_.platform.messages->error(QStringLiteral("Εκτυπωτές"),
                                          QStringLiteral("Ο προτιμώμενος εκτυπωτής δεν υπάρχει. Κάντε click πάνω του "
                                                         "για να τον αλλάξετε."));
        return;
    }
    if (installed.refusing.contains(wanted)) {
        ShowPrintSystemRefusal(context_.platform,
                               QStringLiteral("Ο εκτυπωτής ") + wanted
                                   + QStringLiteral(" δεν δέχεται εργασίες εκτύπωσης αυτή τη στιγμή."),
                               installed.refusing.value(wanted));
        return;
    }
    if (printers.currentPrinterName() != context_.state.ProgramPrinter)
        printers.setCurrentPrinter(context_.state.ProgramPrinter);
    choice_.confirmed = true;
    choice_.copies = copiesFromBar();
    choice_.allPages = allPagesSelected();
    context_.state.PrintAllPages = choice_.allPages;
    accept();
}

void PrintParametersDialog::done(int result)
{
    context_.platform.help->closeAll();
    QDialog::done(result);
}

} // namespace kelvarino
