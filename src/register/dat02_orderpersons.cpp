#include "register/dat02_orderpersons.h"

#include "core/recordmaintenance.h"
#include "register/dat02_persons.h"

namespace kelvarino {

namespace {
OrderSpec personsSpec()
{
    OrderSpec spec;
    spec.caption = QStringLiteral("Σειρά εμφάνισης των εμπλεκόμενων προσώπων");
    spec.clientWidthTwips = 5085;
    spec.nameHeader = QStringLiteral("Εμπλεκόμενο πρόσωπο");
    spec.nameWidthTwips = 4155;
    spec.pageStep = 5;
    spec.dataWindowCaption = QStringLiteral("Άνοιγμα του παραθύρου διαχείρισης προσώπων");
    return spec;
}

QString personRow(const PersonRecord &person)
{
    return person.Name.text();
}
} // namespace

dat02_OrderPersons::dat02_OrderPersons(AppContext &context, QWidget *parent)
    : ListOrderWindow(context, personsSpec(),
                      {&BuildingData::Persons, personRow, MovePerson, NewDataWindow<dat02_Persons>}, parent)
{
    buildRows();
}

} // namespace kelvarino
