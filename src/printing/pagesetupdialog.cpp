#include "printing/pagesetupdialog.h"
#include "platform/waitcursor.h"

#include "core/formatting.h"
#include "printing/pagegeometry.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace kelvarino {

namespace {

QString formatMargin(float value)
{
    return FormatAmount(value, 3, true);
}

QPixmap sheetPicture(bool portrait)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRect sheet = portrait ? QRect(8, 2, 16, 24) : QRect(2, 8, 26, 16);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(sheet);
    painter.drawText(sheet, Qt::AlignCenter, QStringLiteral("A"));
    return pixmap;
}

} // namespace

PageSetupDialog::PageSetupDialog(const PrintingContext &context, int slot, QWidget *parent)
    : QDialog(parent ? parent : context.owner), context_(context), slot_(slot)
{
    setWindowTitle(QStringLiteral("Διαμόρφωση σελίδας"));
    setModal(true);

    paper_ = new QComboBox(this);
    connect(paper_, &QComboBox::activated, this, [this] { paperChosen_ = true; });

    auto *orientation = new QGroupBox(this);
    portrait_ = new QRadioButton(QStringLiteral("Κάθετη"), orientation);
    landscape_ = new QRadioButton(QStringLiteral("Οριζόντια"), orientation);
    landscape_->setChecked(true);
    auto *portraitPicture = new QLabel(orientation);
    portraitPicture->setPixmap(sheetPicture(true));
    auto *landscapePicture = new QLabel(orientation);
    landscapePicture->setPixmap(sheetPicture(false));
    auto *orientationLayout = new QGridLayout(orientation);
    orientationLayout->addWidget(portraitPicture, 0, 0);
    orientationLayout->addWidget(portrait_, 0, 1);
    orientationLayout->addWidget(landscapePicture, 1, 0);
    orientationLayout->addWidget(landscape_, 1, 1);
    orientationLayout->setColumnStretch(2, 1);

    auto *marginsFrame = new QGroupBox(QStringLiteral("Περιθώρια (cm)"), this);
    auto *margins = new QGridLayout(marginsFrame);
    const char *captions[4] = {"Αριστερό", "Δεξί", "Επάνω", "Κάτω"};
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new QLineEdit(marginsFrame);
        boxes_[i]->setFixedWidth(80);
        boxes_[i]->setAlignment(Qt::AlignRight);
        boxes_[i]->installEventFilter(this);
        margins->addWidget(new QLabel(QString::fromUtf8(captions[i]), marginsFrame), i / 2, (i % 2) * 2);
        margins->addWidget(boxes_[i], i / 2, (i % 2) * 2 + 1);
    }

    auto *ok = new QPushButton(QStringLiteral("Εφαρμογή"), this);
    auto *cancel = new QPushButton(QStringLiteral("Ακύρωση"), this);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(paper_);
    layout->addWidget(orientation);
    layout->addWidget(marginsFrame);
    layout->addLayout(buttons);

    auto *help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { context_.platform.help->showTopic(5305, QStringLiteral("pagesetup")); });

    prepareWindow();
}

void PageSetupDialog::prepareWindow()
{
    const PrintSetting &slot = context_.state.Building.PrintSettings[slot_];
    paper_->clear();
    int selected = -1;
    int a4 = 0;
    const auto &papers = PaperList();
    for (int i = 0; i < int(papers.size()); ++i) {
        paper_->addItem(QString::fromLatin1(papers[i].caption), papers[i].code);
        if (papers[i].code == 9)
            a4 = i;
        if (selected < 0 && papers[i].code == slot.PaperSize)
            selected = i;
    }
    // A code no entry has (only a data file can hold one) shows A4; the stored
    // code stays unless another paper is chosen.
    paper_->setCurrentIndex(selected >= 0 ? selected : a4);
    if (slot.Portrait != 0)
        portrait_->setChecked(true);
    for (int i = 0; i < 4; ++i) {
        working_[i] = storedMargin(i);
        showMargin(i);
    }
}

float PageSetupDialog::storedMargin(int i) const
{
    const PrintSetting &slot = context_.state.Building.PrintSettings[slot_];
    const float stored[4] = {slot.MarginLeft, slot.MarginRight, slot.MarginTop, slot.MarginBottom};
    return stored[i];
}

void PageSetupDialog::showMargin(int i)
{
    boxes_[i]->setText(formatMargin(working_[i]));
}

bool PageSetupDialog::portraitSelected() const
{
    return portrait_->isChecked();
}

void PageSetupDialog::selectPortrait(bool portrait)
{
    (portrait ? portrait_ : landscape_)->setChecked(true);
}

bool PageSetupDialog::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < 4; ++i) {
        if (watched != boxes_[i])
            continue;
        if (event->type() == QEvent::KeyPress) {
            // Escape restores the box rather than closing the dialog.
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
                return true;
        } else if (event->type() == QEvent::KeyRelease) {
            marginKeyReleased(i, static_cast<QKeyEvent *>(event)->key());
            return false;
        } else if (event->type() == QEvent::FocusOut) {
            leaveMargin(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PageSetupDialog::marginKeyReleased(int i, int key)
{
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
        showMargin(i);
        boxes_[(i + (key == Qt::Key_Down ? 1 : 3)) % 4]->setFocus();
        return;
    }
    if (key == Qt::Key_Escape) {
        working_[i] = storedMargin(i);
        showMargin(i);
        return;
    }
    const double read = ParseTypedNumber(boxes_[i]->text());
    if (!std::isfinite(read)) {
        working_[i] = storedMargin(i);
        showMargin(i);
        return;
    }
    float value = float(read);
    const float typed = value;
    value = (i == 0 || i == 2) ? ClampedLeftTopMargin(value) : ClampedRightBottomMargin(value);
    if (value != typed) {
        working_[i] = value;
        showMargin(i);
    }
    working_[i] = value;
}

void PageSetupDialog::leaveMargin(int i)
{
    showMargin(i);
}

void PageSetupDialog::confirm()
{
    const WaitCursor hourglass;
    PrintSetting &slot = context_.state.Building.PrintSettings[slot_];
    const int code = paper_->currentData().toInt();
    const bool known = std::any_of(PaperList().begin(), PaperList().end(),
                                   [&](const PaperEntry &e) { return e.code == slot.PaperSize; });
    if (known || paperChosen_)
        slot.PaperSize = qint16(code);
    slot.Portrait = portrait_->isChecked() ? -1 : 0;
    slot.MarginLeft = working_[0];
    slot.MarginRight = working_[1];
    slot.MarginTop = working_[2];
    slot.MarginBottom = working_[3];
    confirmed_ = true;
    context_.state.DataChanged = true;
    accept();
}

void PageSetupDialog::done(int result)
{
    context_.platform.help->closeAll();
    QDialog::done(result);
}

} // namespace kelvarino
