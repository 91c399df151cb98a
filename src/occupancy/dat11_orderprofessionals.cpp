#include "occupancy/dat11_orderprofessionals.h"

#include "core/recordmaintenance.h"
#include "occupancy/dat11_professionals.h"
#include "register/windowopener.h"

namespace kelvarino {

namespace {
OrderSpec professionalsSpec()
{
    OrderSpec spec;
    spec.caption = QStringLiteral("Σειρά εμφάνισης των επαγγελματιών");
    spec.clientWidthTwips = 7410;
    spec.nameHeader = QStringLiteral("Επαγγελματίας");
    spec.nameWidthTwips = 6675;
    spec.dataWindowCaption = QStringLiteral("Άνοιγμα του παραθύρου διαχείρισης επαγγελματιών");
    return spec;
}
} // namespace

dat11_OrderProfessionals::dat11_OrderProfessionals(AppContext &context, QWidget *parent)
    : OrderWindow(context, professionalsSpec(), parent)
{
    buildRows();
}

QString dat11_OrderProfessionals::rowText(int k) const
{
    const ProfessionalRecord &p = state().Building.Professionals[std::size_t(k)];
    return p.Activity.text() + QStringLiteral(" / ") + p.Name.text().left(20);
}

void dat11_OrderProfessionals::move(int from, int to)
{
    MoveProfessional(state(), from, to);
}

void dat11_OrderProfessionals::openDataWindow()
{
    OpenDataWindow(new dat11_Professionals(context()));
}

} // namespace kelvarino
