#include "occupancy/professionalorderwindow.h"

#include "core/recordmaintenance.h"
#include "occupancy/professionalswindow.h"

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

// The activity and the first 20 characters of the name, padded so that the
// separators of all rows stand one under the other.
QString professionalRow(const ProfessionalRecord &p)
{
    return p.Activity.text() + QStringLiteral(" / ") + p.Name.text().left(20);
}
} // namespace

ProfessionalOrderWindow::ProfessionalOrderWindow(AppContext &context, QWidget *parent)
    : ListOrderWindow(context, professionalsSpec(),
                      {&BuildingData::Professionals, professionalRow, MoveProfessional,
                       NewDataWindow<ProfessionalsWindow>},
                      parent)
{
    buildRows();
}

} // namespace kelvarino
