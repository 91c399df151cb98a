#include "printoutsfixture.h"

#include "core/workstate.h"
#include "platform/localeservice.h"

namespace kelvarino::testing {

double Day(int year, int month, int day)
{
    return LocaleService::dayNumber(QDate(year, month, day));
}

BuildingData PrintoutsBuilding(int flats)
{
    BuildingData b;
    b.BuildingId.set(QStringLiteral("Οδός Δοκιμής 1"));
    for (int i = 0; i < flats; ++i) {
        FlatRecord flat;
        flat.ShortName.set(QStringLiteral("Δ%1").arg(i + 1));
        flat.Description.set(QStringLiteral("Όροφος %1").arg(i / 4 + 1));
        b.Flats.push_back(flat);
    }
    for (auto &columns : b.ShareColumns) {
        ShareColumn column = ShareColumn::zeros(flats);
        for (float &value : column.PerMille)
            value = 1000.0f / float(flats);
        columns = {column};
    }
    PersonRecord person;
    person.Name.set(QStringLiteral("Ένοικος Πρώτος"));
    b.Persons.push_back(person);
    b.Residents.push_back({0, 0, NotSetDate, NotSetDate});
    IssueRecord issue;
    issue.PeriodFrom = Day(2015, 1, 1);
    issue.PeriodTo = Day(2015, 3, 31);
    issue.IssueDate = Day(2015, 4, 2);
    b.Issues.push_back(issue);
    ExpenseRecord expense;
    expense.Date = Day(2015, 2, 1);
    expense.Category = 1;
    expense.AllFlats = True16;
    expense.Amount = 120;
    expense.Description.set(QStringLiteral("Καθαριότητα"));
    b.Expenses.push_back(expense);
    for (int flat = 0; flat < std::min(flats, 2); ++flat) {
        PaymentRecord payment;
        payment.Date = Day(2015, 2, 10);
        payment.Flat = qint16(flat);
        payment.ResidentAmount = 10;
        b.Payments.push_back(payment);
    }
    return b;
}

PrintoutsFixture::PrintoutsFixture(int flats)
{
    ResetToNewWork(state);
    const PrintSettingSlots defaults = state.Building.PrintSettings;
    state.Building = PrintoutsBuilding(flats);
    state.Building.PrintSettings = defaults;
    state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
    state.PrintingPossible = true;
    state.PreferredFont = QStringLiteral("Arial Greek");
}

std::unique_ptr<ReportPreview> PrintoutsFixture::open(PreviewReport &report)
{
    auto window = std::make_unique<ReportPreview>(printing(), report);
    window->load();
    window->resize(1000, 760);
    window->drawCenteredPage();
    return window;
}

} // namespace kelvarino::testing
