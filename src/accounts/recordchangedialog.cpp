#include "accounts/recordchangedialog.h"

#include "register/dateboxfit.h"

#include "platform/twips.h"
#include "register/registerlook.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace kelvarino {

QString FlatChoiceText(const FlatRecord &flat)
{
    return flat.ShortName.text() + QStringLiteral(", ") + flat.Description.text();
}

void CentreOnScreen(QWidget *dialog)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
}

void FinishDialogLayout(QWidget *dialog)
{
    FitDateBoxes(dialog);
    CentreOnScreen(dialog);
}

RecordChangeDialog::RecordChangeDialog(const Platform &platform, const QString &caption,
                                       const QString &deleteCaption, QSizeF clientTwips, double fieldLeft,
                                       int selectedIndex, QWidget *parent)
    : QDialog(parent), platform_(platform), entries_(new EntryBoxes(this)), fieldLeft_(fieldLeft)
{
    setWindowTitle(caption);
    setModal(true);
    ApplyWindowBackground(this, QColor(255, 255, 224));
    setFixedSize(Twips::toPixels(clientTwips.width()), Twips::toPixels(clientTwips.height()));
    delete_ = new QPushButton(deleteCaption, this);
    // "ΟΚ" in Greek capitals omicron and kappa.
    ok_ = new QPushButton(QStringLiteral("ΟΚ"), this);
    cancel_ = new QPushButton(QStringLiteral("Άκυρο"), this);
    for (QPushButton *button : {delete_, ok_, cancel_})
        button->setAutoDefault(false);
    connect(delete_, &QPushButton::clicked, this, [this] {
        changeResult_ = -1;
        accept();
    });
    connect(ok_, &QPushButton::clicked, this, [this] { ok(); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        changeResult_ = 0;
        reject();
    });
    number_ = new QLabel(QString::number(selectedIndex), this);
    QFont small = number_->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    number_->setFont(small);
    number_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    number_->setGeometry(Twips::rect(clientTwips.width() - 1200, 60, 1140, 240));
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (platform_.help)
            platform_.help->showTopic(300, QStringLiteral("change"));
    });
    CentreOnScreen(this);
}

void RecordChangeDialog::addField(const QString &caption, QWidget *field, double top, double width, double height)
{
    if (!caption.isEmpty()) {
        auto *label = new QLabel(caption, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(Twips::rect(180, top, fieldLeft_ - 300, 315));
    }
    field->setParent(this);
    field->setGeometry(Twips::rect(fieldLeft_, top, width, height));
}

void RecordChangeDialog::placeButtons(double top, double deleteLeft, double okLeft, double cancelLeft, double width,
                                      double deleteWidth)
{
    delete_->setGeometry(Twips::rect(deleteLeft, top, deleteWidth > 0 ? deleteWidth : width, 495));
    ok_->setGeometry(Twips::rect(okLeft, top, width, 495));
    cancel_->setGeometry(Twips::rect(cancelLeft, top, width, 495));
}

void RecordChangeDialog::ok()
{
    entries_->leaveFocused();
    if (!mayStore())
        return;
    writeBack();
    changeResult_ = 1;
    accept();
}

} // namespace kelvarino
