#include "occupancy/administratorswindow.h"

#include "occupancy/periodrules.h"

namespace kelvarino {

namespace {

PeriodTexts administratorPeriodTexts()
{
    PeriodTexts t;
    t.personHeader = QStringLiteral("Διαχειριστής");
    t.deleteTitle = QStringLiteral("Διαγραφή ενός διαχειριστή");
    t.deleteText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε το διαχειριστή;");
    t.deleteAllTitle = QStringLiteral("Διαγραφή όλων των διαχειριστών");
    t.deleteAllText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε όλους τους διαχειριστές;");
    t.deleteAllEmptyText = QStringLiteral("Δεν υπάρχουν διαχειριστές για διαγραφή");
    return t;
}

GridTexts administratorTexts()
{
    GridTexts t;
    t.caption = QStringLiteral("Διαχειριστές");
    t.createTitle = QStringLiteral("Πρόβλημα με τη δημιουργία νέου διαχειριστή");
    t.createText = QStringLiteral("Επιλέξτε πρόσωπο και συμπληρώστε τουλάχιστον την ημερομηνία αρχής ξανά.");
    t.capText = QStringLiteral("Δεν μπορείτε να ορίσετε περισσότερους από 32767 διαχειριστές.");
    t.closeTitle = QStringLiteral("Προβλήματα με τον ορισμό διαχειριστών");
    t.deleteToolTip = QStringLiteral("Διαγραφή του διαχειριστή");
    t.acceptToolTip = QStringLiteral("click για δημιουργία νέου διαχειριστή");
    t.deleteAllCaption = QStringLiteral("Διαγραφή όλων των διαχειριστών");
    return t;
}

} // namespace

AdministratorsWindow::AdministratorsWindow(AppContext &context, QWidget *parent)
    : PeriodEditor<AdministratorPeriod>(context, administratorPeriodTexts(), administratorTexts(), GridGeometry{},
                                        parent)
{
    buildGrid();
}

bool AdministratorsWindow::closingCheck()
{
    const QString fix = QStringLiteral("Διορθώσετε την κατάσταση πριν κλείσετε το παράθυρο ορισμού διαχειριστών.");
    switch (CheckAdministrators(records())) {
    case PeriodProblem::EndsBeforeStart:
        platform().messages->exclamation(texts().closeTitle,
                                         QStringLiteral("Δεν μπορεί μια διαχείριση να τελείωσε πριν αρχίσει. ") + fix);
        return false;
    case PeriodProblem::MissingStart:
        platform().messages->exclamation(
            texts().closeTitle, QStringLiteral("Πρέπει να ορίσετε όλες τις ημερομηνίες αρχής διαχείρισης. ") + fix);
        return false;
    case PeriodProblem::None:
        break;
    }
    if (ExchangeSortByStart(records()))
        state().DataChanged = true;
    return true;
}

} // namespace kelvarino
