#include "occupancy/dat11_contactprofessionals.h"

namespace kelvarino {

namespace {

QStringList fieldsOf(const ProfessionalRecord &p)
{
    return {p.Street.trimmed(), p.AreaPostcode.trimmed(), p.Phone.trimmed(), p.Mobile.trimmed(),
            p.Email.trimmed(),  p.Web.trimmed(),          p.Notes.trimmed()};
}

std::vector<ContactField> professionalFields()
{
    return {{QStringLiteral("Οδός-Αριθμός"), 50},      {QStringLiteral("Περιοχή-Ταχ.Κώδικας:"), 30},
            {QStringLiteral("Σταθερό τηλέφωνο:"), 15}, {QStringLiteral("Κινητό τηλέφωνο:"), 15},
            {QStringLiteral("E-mail:"), 128},          {QStringLiteral("Web:"), 512},
            {QStringLiteral("Σημειώσεις:"), 1024, true}};
}

} // namespace

dat11_ContactProfessionals::dat11_ContactProfessionals(AppContext &context, int professionalIndex, QWidget *parent)
    : ContactWindow(context, professionalFields(), Email, professionalIndex, parent)
{
    build();
}

QString dat11_ContactProfessionals::captionOf(int k) const
{
    const ProfessionalRecord &p = context_.state.Building.Professionals[std::size_t(k)];
    return p.Activity.trimmed() + QLatin1Char('/') + p.Name.trimmed();
}

QStringList dat11_ContactProfessionals::textsOf(int k) const
{
    return fieldsOf(context_.state.Building.Professionals[std::size_t(k)]);
}

void dat11_ContactProfessionals::keepUndoCopy(int k)
{
    savedContact_ = context_.state.Building.Professionals[std::size_t(k)];
}

QStringList dat11_ContactProfessionals::undoTexts() const
{
    return fieldsOf(savedContact_);
}

bool dat11_ContactProfessionals::storeField(int k, int field, const QString &text)
{
    ProfessionalRecord &p = context_.state.Building.Professionals[std::size_t(k)];
    switch (field) {
    case Street:
        return AssignField(p.Street, text);
    case Area:
        return AssignField(p.AreaPostcode, text);
    case Phone:
        return AssignField(p.Phone, text);
    case Mobile:
        return AssignField(p.Mobile, text);
    case Email:
        return AssignField(p.Email, text);
    case Web:
        return AssignField(p.Web, text);
    default:
        // The box shows line breaks as LF, the record holds them as stored:
        // notes that differ only in how their lines break are not a change.
        if (ShownLineBreaks(p.Notes.trimmed()) == ShownLineBreaks(text))
            return false;
        return AssignField(p.Notes, text);
    }
}

QString dat11_ContactProfessionals::storedEmail(int k) const
{
    return context_.state.Building.Professionals[std::size_t(k)].Email.text();
}

} // namespace kelvarino
