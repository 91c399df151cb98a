#include "printouts/contactlist.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kelvarino {

namespace {

ContactListSpec PersonsSpec()
{
    ContactListSpec spec;
    spec.kind = ContactListKind::Persons;
    spec.slot = 2;
    spec.title = QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΠΙΚΟΙΝΩΝΙΑΣ ΠΡΟΣΩΠΩΝ");
    spec.captionTitle = QStringLiteral("/Στοιχεία εμπλεκομένων προσώπων");
    spec.orderCaption = QStringLiteral("Διάταξη προσώπων σε αλφαβητική σειρά");
    spec.emptyTitle = QStringLiteral("Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας προσώπων");
    spec.emptyText = QStringLiteral("Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας προσώπων θα πρέπει να "
                                    "έχετε ορίσει έστω και ένα πρόσωπο.");
    spec.columns = {{QStringLiteral("α/α"), 1, true},          {QStringLiteral("ΟΝΟΜΑ"), 11, false},
                    {QStringLiteral("ΔΙΕΥΘΥΝΣΗ"), 15, false},  {QStringLiteral("ΣΤΑΘΕΡΟ ΤΗΛ."), 5, true},
                    {QStringLiteral("ΚΙΝΗΤΟ ΤΗΛ."), 5, true}, {QStringLiteral("E-MAIL"), 8, false}};
    return spec;
}

ContactListSpec ProfessionalsSpec()
{
    ContactListSpec spec;
    spec.kind = ContactListKind::Professionals;
    spec.slot = 7;
    spec.title = QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΠΙΚΟΙΝΩΝΙΑΣ ΕΠΑΓΓΕΛΜΑΤΙΩΝ");
    spec.captionTitle = QStringLiteral("/Στοιχεία Επαγγεματιών");
    spec.orderCaption = QStringLiteral("Διάταξη προσώπων σε αλφαβητική σειρά της δραστηριότητας");
    spec.emptyTitle = QStringLiteral("Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας επαγγελματιών");
    spec.emptyText = QStringLiteral("Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας επαγγελματιών θα πρέπει "
                                    "να έχετε ορίσει έστω και ένα επαγγελματία.");
    spec.columns = {{QStringLiteral("α/α"), 1, true},          {QStringLiteral("ΔΡΑΣΤΗΡΙΟΤΗΤΑ"), 5, false},
                    {QStringLiteral("ΟΝΟΜΑ"), 9, false},       {QStringLiteral("ΔΙΕΥΘΥΝΣΗ"), 12, false},
                    {QStringLiteral("ΣΤΑΘΕΡΟ ΤΗΛ."), 5, true}, {QStringLiteral("ΚΙΝΗΤΟ ΤΗΛ."), 5, true},
                    {QStringLiteral("EMAIL"), 8, false}};
    return spec;
}

template <class Record>
QString Address(const Record &record)
{
    return record.Street.trimmed() + QStringLiteral(", ") + record.AreaPostcode.trimmed();
}

} // namespace

const ContactListSpec &ContactListSpecOf(ContactListKind kind)
{
    static const ContactListSpec persons = PersonsSpec();
    static const ContactListSpec professionals = ProfessionalsSpec();
    return kind == ContactListKind::Persons ? persons : professionals;
}

std::vector<double> ContactColumnWidths(const ContactListSpec &spec, double unit, double numberWidth,
                                        double frameWidth)
{
    std::vector<double> widths;
    double table = 0;
    for (const ContactColumn &column : spec.columns) {
        widths.push_back(column.units * unit);
        table += widths.back();
    }
    const double extra = numberWidth - widths.front();
    if (!(extra > 0))
        return widths;
    widths.front() = numberWidth;
    const double over = extra - std::max(frameWidth - table, 0.0);
    if (over > 0) {
        const auto widest = std::max_element(widths.begin() + 1, widths.end());
        *widest = std::max(*widest - over, 0.0);
    }
    return widths;
}

int ContactEntryCount(const BuildingData &building, ContactListKind kind)
{
    return kind == ContactListKind::Persons ? building.PersonCount() : building.ProfessionalCount();
}

QStringList ContactCellTexts(const BuildingData &building, ContactListKind kind, int entry)
{
    if (kind == ContactListKind::Persons) {
        const PersonRecord &p = building.Persons[std::size_t(entry)];
        QString name = p.Name.trimmed();
        const QString salutation = p.Salutation.trimmed();
        if (!salutation.isEmpty())
            name += QStringLiteral(", ") + salutation;
        return {name, Address(p), p.Phone.trimmed(), p.Mobile.trimmed(), p.Email.trimmed()};
    }
    const ProfessionalRecord &p = building.Professionals[std::size_t(entry)];
    return {p.Activity.trimmed(), p.Name.trimmed(), Address(p), p.Phone.trimmed(), p.Mobile.trimmed(),
            p.Email.trimmed()};
}

std::vector<int> ContactDisplayOrder(const BuildingData &building, ContactListKind kind, bool alphabetical)
{
    const int count = ContactEntryCount(building, kind);
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    if (!alphabetical || count < 2)
        return order;
    QCollator collator{QLocale(QLocale::Greek, QLocale::Greece)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        keys.push_back(collator.sortKey(kind == ContactListKind::Persons
                                            ? building.Persons[std::size_t(i)].Name.text()
                                            : building.Professionals[std::size_t(i)].Activity.text()));
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0; });
    return order;
}

float ContactCellHeight(float stored)
{
    if (!std::isfinite(stored) || stored < ContactPage::MinCellHeight)
        return ContactPage::DefaultCellHeight;
    return std::min(stored, ContactPage::MaxCellHeight);
}

int ContactRowCapacity(double titleHeight, double cellHeight)
{
    const double room = ContactPage::Height - ContactPage::MarginY - (ContactPage::MarginY + titleHeight);
    return std::max(int(std::floor(room / cellHeight)) - 3, 1);
}

int ContactPageCount(int entryCount, int rowCapacity)
{
    return std::max((entryCount + rowCapacity - 1) / rowCapacity, 1);
}

} // namespace kelvarino
