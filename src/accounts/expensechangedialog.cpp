#include "accounts/expensechangedialog.h"

#include "accounts/recordchecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/twips.h"

namespace kelvarino {

ExpenseChangeDialog::ExpenseChangeDialog(AppState &state, const Platform &platform, int selectedIndex,
                                           QWidget *parent)
    : RecordChangeDialog(platform, QStringLiteral("Δαπάνη/Χρέωση"), QStringLiteral("Διαγραφή δαπάνης"),
                         QSizeF(9510, 5370), 2400, selectedIndex, parent),
      state_(state), selectedIndex_(selectedIndex), EditCopy(state.Building.Expenses[std::size_t(selectedIndex)]),
      fields_(this, entries(), EditCopy, false)
{
    addField(QStringLiteral("Ημερομηνία:"), fields_.xDate, 180, 1515);
    addField(QStringLiteral("Είδος δαπάνης:"), fields_.xType, 720, 4095);
    addField(QStringLiteral("Περιγραφή:"), fields_.xReason, 1260, 6975);
    addField(QStringLiteral("Διαμέρισμα:"), fields_.xFlat, 1800, 4815);
    auto *sides = new QGroupBox(this);
    addField(QStringLiteral("Αναφορά:"), sides, 2340, 2400, 900);
    fields_.OptionOwner->setParent(sides);
    fields_.OptionResident->setParent(sides);
    fields_.OptionOwner->setGeometry(Twips::rect(120, 120, 2100, 315));
    fields_.OptionResident->setGeometry(Twips::rect(120, 480, 2100, 315));
    addField(QStringLiteral("Ποσό:"), fields_.xAmount, 3420, 1515);
    fields_.xNotPaidYet->setText(QStringLiteral("ΔΕΝ πληρώθηκε ακόμη"));
    addField(QString(), fields_.xNotPaidYet, 4020, 3000);
    placeButtons(4680, 120, 3000, 8100, 1335);
    deleteButton()->setGeometry(Twips::rect(120, 4680, 2400, 495));
    fields_.fillLists(state.Building);
    fields_.show();
    FinishDialogLayout(this);
}

bool ExpenseChangeDialog::mayStore()
{
    return ExpenseMayBeStored(EditCopy, EntryPlace::ChangeDialog, *platform().messages);
}

void ExpenseChangeDialog::writeBack()
{
    state_.Building.Expenses[std::size_t(selectedIndex_)] = EditCopy;
}

} // namespace kelvarino
