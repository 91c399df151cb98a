#include "register/buildingidwindow.h"

#include "platform/twips.h"
#include "register/datamenu.h"
#include "register/registerlook.h"
#include "register/textentry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace kelvarino {

BuildingIdWindow::BuildingIdWindow(AppContext &context, QWidget *parent) : DataWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Αναγνωριστικό πολυκατοικίας"));
    ApplyWindowBackground(this, QColor(255, 255, 224));
    auto *label = new QLabel(QStringLiteral("Αναγνωριστικό πολυκατοικίας, πχ διεύθυνση"), this);
    label->setGeometry(Twips::rect(120, 120, 7000, 300));
    box_ = MakeCellEdit(this);
    box_->setGeometry(Twips::rect(120, 450, 7000, 360));
    snapshot_ = state().Building.BuildingId;
    box_->setText(snapshot_.trimmed());
    box_->installEventFilter(this);
    connect(box_, &QLineEdit::textEdited, this, [this] { typed(); });
    setFixedSize(Twips::toPixels(7360), Twips::toPixels(1050));

    dataMenu_ = NewDataMenu(this, context.shell, true);
    AddCloseItem(dataMenu_, this);
}

void BuildingIdWindow::typed()
{
    if (state().Building.BuildingId.assign(ApplyTypedTextRule(box_, 50, TypedTextRule::TrimLeadingBlank)))
        state().DataChanged = true;
}

void BuildingIdWindow::escape()
{
    box_->setText(snapshot_.trimmed());
    // Putting the snapshot back is a change of the work when the stored identifier differs.
    if (state().Building.BuildingId != snapshot_) {
        state().Building.BuildingId = snapshot_;
        state().DataChanged = true;
    }
}

bool BuildingIdWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == box_) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            escape();
            return true;
        }
        if (event->type() == QEvent::FocusOut)
            snapshot_ = state().Building.BuildingId;
    }
    return DataWindow::eventFilter(watched, event);
}

} // namespace kelvarino
