#include "register/dat01_orderflats.h"

#include "core/recordmaintenance.h"
#include "register/dat01_flats.h"

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

dat01_OrderFlats::dat01_OrderFlats(AppContext &context, QWidget *parent)
    : ListOrderWindow(context, flatsSpec(),
                      {&BuildingData::Flats, flatRow, MoveFlat, NewDataWindow<dat01_Flats>}, parent)
{
    buildRows();
}

} // namespace kelvarino
