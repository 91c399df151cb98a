#include "register/dat02_orderpersons.h"

#include "core/recordmaintenance.h"
#include "register/dat02_persons.h"
#include "register/windowopener.h"

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
} // namespace

dat02_OrderPersons::dat02_OrderPersons(AppContext &context, QWidget *parent)
    : OrderWindow(context, personsSpec(), parent)
{
    buildRows();
}

void dat02_OrderPersons::move(int from, int to)
{
    MovePerson(state(), from, to);
}

void dat02_OrderPersons::openDataWindow()
{
    OpenDataWindow(new dat02_Persons(context()));
}

} // namespace kelvarino
