#include "register/flatorderwindow.h"

#include "core/recordmaintenance.h"
#include "register/flatswindow.h"

namespace kelvarino {

namespace {
OrderSpec flatsSpec()
{
    OrderSpec spec;
    spec.caption = QStringLiteral("Σειρά εμφάνισης των Διαμερισμάτων");
    spec.clientWidthTwips = 6090;
    spec.nameHeader = QStringLiteral("Διαμέρισμα");
    spec.nameWidthTwips = 5175;
    spec.pageStep = 20;
    spec.dataWindowCaption = QStringLiteral("Άνοιγμα του παραθύρου διαχείρισης διαμερισμάτων");
    return spec;
}

// The fields as stored, blank-padded, so that the descriptions form a column.
QString flatRow(const FlatRecord &flat)
{
    return flat.ShortName.text() + QStringLiteral("  ") + flat.Description.text();
}
} // namespace

FlatOrderWindow::FlatOrderWindow(AppContext &context, QWidget *parent)
    : ListOrderWindow(context, flatsSpec(),
                      {&BuildingData::Flats, flatRow, MoveFlat, NewDataWindow<FlatsWindow>}, parent)
{
    buildRows();
}

} // namespace kelvarino
