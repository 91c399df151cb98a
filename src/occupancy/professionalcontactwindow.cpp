#include "occupancy/professionalcontactwindow.h"

namespace kelvarino {

namespace {

std::vector<ContactBox<ProfessionalRecord>> professionalBoxes()
{
    using P = ProfessionalRecord;
    return {ContactText(QStringLiteral("Οδός-Αριθμός"), &P::Street),
            ContactText(QStringLiteral("Περιοχή-Ταχ.Κώδικας:"), &P::AreaPostcode),
            ContactText(QStringLiteral("Σταθερό τηλέφωνο:"), &P::Phone),
            ContactText(QStringLiteral("Κινητό τηλέφωνο:"), &P::Mobile),
            ContactText(QStringLiteral("E-mail:"), &P::Email),
            ContactText(QStringLiteral("Web:"), &P::Web),
            ContactText(QStringLiteral("Σημειώσεις:"), &P::Notes, true)};
}

} // namespace

ProfessionalContactWindow::ProfessionalContactWindow(AppContext &context, int professionalIndex, QWidget *parent)
    : RecordContactWindow(context, &BuildingData::Professionals, professionalBoxes(), Email, professionalIndex, parent)
{
    build();
}

QString ProfessionalContactWindow::captionOf(int k) const
{
    const ProfessionalRecord &p = record(k);
    return p.Activity.trimmed() + QLatin1Char('/') + p.Name.trimmed();
}

} // namespace kelvarino
