#include "register/expensecategorieswindow.h"

#include "platform/twips.h"
#include "register/datamenu.h"
#include "register/expensecategoryorderwindow.h"
#include "register/gridkeynavigate.h"
#include "register/listgeneration.h"
#include "register/registerlook.h"
#include "register/textentry.h"
#include "register/windowopener.h"
#include "shell/childframe.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace kelvarino {

namespace {
constexpr double RowHeight = 360;
constexpr double HeaderTop = 120;
constexpr double NumberLeft = 120;
constexpr double NumberWidth = 495;
constexpr double LabelWidth = 4500;
const char *IndexProperty = "category";
} // namespace

ExpenseCategoriesWindow::ExpenseCategoriesWindow(AppContext &context, QWidget *parent) : DataWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Λεκτικό Κατηγορίας Κοινών Δαπανών"));
    ApplyWindowBackground(this, QColor(255, 255, 224));
    MakeHeaderLabel(this, QStringLiteral("α/α"), QColor(0, 0, 255))
        ->setGeometry(Twips::rect(NumberLeft, HeaderTop, NumberWidth, RowHeight));
    MakeHeaderLabel(this, QStringLiteral("Λεκτικό κατηγορίας κοινών δαπανών"), QColor(255, 0, 0))
        ->setGeometry(Twips::rect(NumberLeft + NumberWidth, HeaderTop, LabelWidth, RowHeight));
    const BuildingData &b = state().Building;
    snapshot_ = b.CategoryLabels;
    shownGeneration_ = ListGeneration();
    double top = HeaderTop;
    for (int i = 0; i < CategoryCount; ++i) {
        top = HeaderTop + RowHeight * (i + 1);
        QLabel *number = MakeRowNumberLabel(this);
        number->setText(QString::number(i + 1));
        number->setGeometry(Twips::rect(NumberLeft, top, NumberWidth, RowHeight));
        QLineEdit *box = MakeCellEdit(this);
        box->setGeometry(Twips::rect(NumberLeft + NumberWidth, top, LabelWidth, RowHeight));
        box->setText(b.CategoryLabel(i));
        box->setProperty(IndexProperty, i);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, i] { typed(i); });
        boxes_[std::size_t(i)] = box;
    }
    boxes_[0]->setEnabled(false);
    setFixedSize(Twips::toPixels(NumberLeft * 2 + NumberWidth + LabelWidth), Twips::toPixels(top + 3 * RowHeight));

    dataMenu_ = NewDataMenu(this, context.shell, false);
    connect(dataMenu_->addAction(QStringLiteral("Αλλαγή στη σειρά εμφάνισης των κοινών δαπανών")),
            &QAction::triggered, this, [this] {
                if (CloseDataWindow(this))
                    OpenDataWindow(new ExpenseCategoryOrderWindow(this->context()));
            });
    dataMenu_->addSeparator();
    AddCloseItem(dataMenu_, this);
}

bool ExpenseCategoriesWindow::syncWithData()
{
    if (shownGeneration_ == ListGeneration())
        return true;
    // The categories were reordered behind the window: the boxes are filled
    // again before a keystroke can reach another category's label.
    shownGeneration_ = ListGeneration();
    snapshot_ = state().Building.CategoryLabels;
    for (int i = 0; i < CategoryCount; ++i)
        boxes_[std::size_t(i)]->setText(state().Building.CategoryLabel(i));
    return false;
}

void ExpenseCategoriesWindow::typed(int i)
{
    if (!syncWithData())
        return;
    const QString text = ApplyTypedTextRule(boxes_[std::size_t(i)], 30, TypedTextRule::AsTyped);
    if (state().Building.CategoryLabels[std::size_t(i)].assign(text)) {
        state().DataChanged = true;
        closeApproved_ = false;
    }
}

void ExpenseCategoriesWindow::escape(int i)
{
    if (!syncWithData())
        return;
    boxes_[std::size_t(i)]->setText(snapshot_[std::size_t(i)].trimmed());
    FixedText<30> &label = state().Building.CategoryLabels[std::size_t(i)];
    // Putting the snapshot back is a change of the work when the stored label differs.
    if (label != snapshot_[std::size_t(i)]) {
        label = snapshot_[std::size_t(i)];
        state().DataChanged = true;
    }
}

void ExpenseCategoriesWindow::left(int i)
{
    const FixedText<30> &label = state().Building.CategoryLabels[std::size_t(i)];
    if (!label.trimmed().isEmpty()) {
        snapshot_[std::size_t(i)] = label;
        return;
    }
    platform().messages->error(QStringLiteral("Μηδενικό μήκος πεδίου"),
                               QStringLiteral("Το λεκτικό της κοινής δαπάνης δεν επιτρέπεται να έχει μηδενικό μήκος.\n"
                                              "Δακτυλογραφήστε ένα λεκτικό κοινής δαπάνης ή πατήστε ESC για να "
                                              "επαναφέρετε το προηγούμενο λεκτικό."));
    QPointer<QLineEdit> box = boxes_[std::size_t(i)];
    QTimer::singleShot(0, this, [box] {
        if (box && box->isVisible())
            box->setFocus(Qt::OtherFocusReason);
    });
}

bool ExpenseCategoriesWindow::canClose()
{
    bool refused = false;
    for (int i = 0; i < CategoryCount; ++i) {
        FixedText<30> &label = state().Building.CategoryLabels[std::size_t(i)];
        if (label.trimmed().isEmpty()) {
            label = snapshot_[std::size_t(i)];
            boxes_[std::size_t(i)]->setText(label.trimmed());
            refused = true;
        }
    }
    if (refused) {
        platform().messages->exclamation(
            QStringLiteral("Λεκτικό Κατηγορίας Κοινών Δαπανών"),
            QStringLiteral("Ένα λεκτικό κατηγορίας κοινών δαπανών ήταν κενό και επαναφέρθηκε στο προηγούμενο.\n"
                           "Το παράθυρο παραμένει ανοικτό, ώστε να ελέγξετε τα λεκτικά πριν το κλείσετε."));
        closeApproved_ = false;
        return false;
    }
    closeApproved_ = true;
    return true;
}

void ExpenseCategoriesWindow::closeEvent(QCloseEvent *event)
{
    CheckedClose(event, closeApproved_, [this] { return canClose(); }, context().shell);
}

bool ExpenseCategoriesWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QVariant index = watched->property(IndexProperty);
    if (!index.isValid())
        return DataWindow::eventFilter(watched, event);
    const int i = index.toInt();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (GridKeyNavigate([this](int row) { return labelBox(row); }, i, key, CategoryCount, nullptr))
            return true;
        if (key == Qt::Key_Escape) {
            escape(i);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        syncWithData();
    } else if (event->type() == QEvent::FocusOut) {
        if (LeavesBox(boxes_[std::size_t(i)], static_cast<QFocusEvent *>(event)))
            left(i);
    }
    return DataWindow::eventFilter(watched, event);
}

} // namespace kelvarino
