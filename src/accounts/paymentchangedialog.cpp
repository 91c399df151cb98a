#include "accounts/paymentchangedialog.h"

#include "accounts/recordchecks.h"

#include <QComboBox>
#include <QLineEdit>

namespace kelvarino {

PaymentChangeDialog::PaymentChangeDialog(AppState &state, const Platform &platform, int selectedIndex,
                                           QWidget *parent)
    : RecordChangeDialog(platform, QStringLiteral("Πληρωμή"), QStringLiteral("Διαγραφή πληρωμής"),
                         QSizeF(8205, 4995), 3000, selectedIndex, parent),
      state_(state), selectedIndex_(selectedIndex), EditCopy(state.Building.Payments[std::size_t(selectedIndex)]),
      fields_(this, entries(), EditCopy, false)
{
    addField(QStringLiteral("Ημερομηνία:"), fields_.xDate, 240, 1515);
    addField(QStringLiteral("Διαμέρισμα:"), fields_.xFlat, 780, 4815);
    addField(QStringLiteral("Ποσό Ιδιοκτήτη:"), fields_.xOwnerAmount, 1320, 1515);
    addField(QStringLiteral("Ποσό Ενοίκου:"), fields_.xResidentAmount, 1860, 1515);
    addField(QStringLiteral("Σημείωση Ιδιοκτήτη:"), fields_.xOwnerComment, 2400, 4815);
    addField(QStringLiteral("Σημείωση Ενοίκου:"), fields_.xResidentComment, 2940, 4815);
    placeButtons(4080, 240, 3135, 6030, 1935);
    fields_.fillFlats(state.Building);
    fields_.show();
    FinishDialogLayout(this);
}

bool PaymentChangeDialog::mayStore()
{
    return PaymentMayBeStored(EditCopy, EntryPlace::ChangeDialog, *platform().messages);
}

void PaymentChangeDialog::writeBack()
{
    state_.Building.Payments[std::size_t(selectedIndex_)] = EditCopy;
}

} // namespace kelvarino
