#include "register/personorderwindow.h"

#include "core/recordmaintenance.h"
#include "register/personswindow.h"

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

PersonOrderWindow::PersonOrderWindow(AppContext &context, QWidget *parent)
    : ListOrderWindow(context, personsSpec(),
                      {&BuildingData::Persons, personRow, MovePerson, NewDataWindow<PersonsWindow>}, parent)
{
    buildRows();
}

} // namespace kelvarino
