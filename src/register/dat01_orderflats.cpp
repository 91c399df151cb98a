#include "register/dat01_orderflats.h"

#include "core/recordmaintenance.h"
#include "register/dat01_flats.h"
#include "register/windowopener.h"

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
} // namespace

dat01_OrderFlats::dat01_OrderFlats(AppContext &context, QWidget *parent) : OrderWindow(context, flatsSpec(), parent)
{
    buildRows();
}

QString dat01_OrderFlats::rowText(int k) const
{
    const FlatRecord &flat = state().Building.Flats[std::size_t(k)];
    // The fields as stored, blank-padded, so that the descriptions form a column.
    return flat.ShortName.text() + QStringLiteral("  ") + flat.Description.text();
}

void dat01_OrderFlats::move(int from, int to)
{
    MoveFlat(state(), from, to);
}

void dat01_OrderFlats::openDataWindow()
{
    OpenDataWindow(new dat01_Flats(context()));
}

} // namespace kelvarino
