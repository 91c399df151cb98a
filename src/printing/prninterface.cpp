#include "printing/prninterface.h"
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

int prninterface::CopiesOfText(const QString &text)
{
    const double rounded = std::nearbyint(LeadingNumber(text));
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max()))
        return 1;
    return int(std::clamp(rounded, 1.0, double(MaxCopies)));
}

prninterface::prninterface(const PrintingContext &context, int pageRows, int pageColumns, QWidget *parent)
    : QDialog(parent ? parent : context.owner), context_(context)
{
    setWindowTitle(QStringLiteral("Παράμετροι εκτύπωσης"));
    setModal(true);

    auto *frame = new QGroupBox(QStringLiteral("Σελίδες"), this);
    allpages_ = new QRadioButton(QStringLiteral("Όλες"), frame);
    currentpage_ = new QRadioButton(QStringLiteral("Η τρέχουσα"), frame);
    auto *lpages = new ClickLabel(QStringLiteral("%1x%2").arg(pageRows).arg(pageColumns), frame);
    lpages->onClick = [this] { chooseAllPages(true); };
    lpages_ = lpages;
    auto *image3 = new ClickLabel(frame);
    image3->setPixmap(sheetsPicture(3));
    image3->onClick = [this] { chooseAllPages(true); };
    auto *image4 = new ClickLabel(frame);
    image4->setPixmap(sheetsPicture(1));
    image4->onClick = [this] { chooseAllPages(false); };
    auto *pages = new QGridLayout(frame);
    pages->addWidget(image3, 0, 0);
    pages->addWidget(allpages_, 0, 1);
    pages->addWidget(lpages_, 0, 2);
    pages->addWidget(image4, 1, 0);
    pages->addWidget(currentpage_, 1, 1);
    pages->setColumnStretch(3, 1);

    auto *label1 = new QLabel(QStringLiteral("Αριθμός αντιγράφων:"), this);
    tcopies_ = new QLineEdit(this);
    tcopies_->setFixedWidth(60);
    tcopies_->installEventFilter(this);
    copyscroll_ = new QScrollBar(Qt::Vertical, this);
    copyscroll_->setRange(1, MaxCopies);
    copyscroll_->setSingleStep(1);
    copyscroll_->setPageStep(5);
    // Tall enough that its track shows beside the thumb at any count, so that
    // a click there can add or remove five copies: the two arrows plus a track
    // three text boxes high.
    const int arrow = copyscroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, copyscroll_);
    copyscroll_->setFixedHeight(2 * arrow + 3 * std::max(arrow, tcopies_->sizeHint().height()));
    connect(copyscroll_, &QScrollBar::valueChanged, this,
            [this](int value) { tcopies_->setText(QString::number(MaxCopies + 1 - value)); });
    auto *copies = new QHBoxLayout;
    copies->addWidget(label1);
    copies->addWidget(tcopies_);
    copies->addWidget(copyscroll_);
    copies->addStretch();

    auto *printer = new ClickLabel(context_.state.ProgramPrinter, this);
    printer->setToolTip(QStringLiteral("click για αλλαγή"));
    printer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    printer->setCursor(Qt::PointingHandCursor);
    printer->onClick = [this] { printerClicked(); };
    lprinter_ = printer;

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
    layout->addWidget(lprinter_);
    layout->addWidget(frame);
    layout->addLayout(copies);
    layout->addLayout(buttons);

    // The last confirmed choice is preselected; at first the current page.
    chooseAllPages(context_.state.PrintAllPages);
    tcopies_->setText(QStringLiteral("1"));
    leaveCopies();
}

bool prninterface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tcopies_ && event->type() == QEvent::FocusOut)
        leaveCopies();
    return QDialog::eventFilter(watched, event);
}

void prninterface::typeCopies(const QString &text)
{
    tcopies_->setText(text);
}

void prninterface::leaveCopies()
{
    const int copies = CopiesOfText(tcopies_->text());
    tcopies_->setText(QString::number(copies));
    const QSignalBlocker quiet(copyscroll_);
    copyscroll_->setValue(MaxCopies + 1 - copies);
}

void prninterface::chooseAllPages(bool all)
{
    (all ? allpages_ : currentpage_)->setChecked(true);
}

bool prninterface::allPagesSelected() const
{
    return allpages_->isChecked();
}

QString prninterface::copiesText() const
{
    return tcopies_->text();
}

int prninterface::copiesFromBar() const
{
    return MaxCopies + 1 - copyscroll_->value();
}

QString prninterface::pagesText() const
{
    return lpages_->text();
}

QString prninterface::printerText() const
{
    return lprinter_->text();
}

void prninterface::printerClicked()
{
    SelectPrinter selection(context_, this);
    selection.exec();
    lprinter_->setText(context_.state.ProgramPrinter);
}

void prninterface::confirm()
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

void prninterface::done(int result)
{
    context_.platform.help->closeAll();
    QDialog::done(result);
}

} // namespace kelvarino
