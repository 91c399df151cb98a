#include "accounts/expenseswindow.h"

#include "accounts/expensechangedialog.h"
#include "accounts/expensefilterdialog.h"
#include "accounts/recordchecks.h"
#include "core/formatting.h"
#include "core/listfilters.h"
#include "platform/localeservice.h"
#include "register/dateentry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace kelvarino {

namespace {

enum Column { Number, Date, Type, Reason, Flat, Reference, Amount };

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

std::vector<ListColumn> Columns()
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    return {
        {QStringLiteral("α/α"), 120, 495, Blue, Blue},
        {QStringLiteral("Ημερομηνία"), 600, 1215, Red, Red},
        {QStringLiteral("Είδος δαπάνης"), 1860, 2355, Blue, Blue},
        {QStringLiteral("Επεξήγηση"), 4200, 3555, Blue, Blue},
        {QStringLiteral("Διαμέρισμα"), 7740, 3495, Blue, Blue},
        {QStringLiteral("Αναφορά"), 11220, 1575, Blue, Blue},
        {QStringLiteral("Ποσό"), 12840, 1275, Red, Red, right, true},
    };
}

ListTexts Texts()
{
    ListTexts t;
    t.caption = QStringLiteral("Δαπάνες/Χρεώσεις");
    t.deleteOneTitle = QStringLiteral("Διαγραφή μιας δαπάνης");
    t.deleteOneText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγραφεί η δαπάνη;");
    t.deleteAllCaption = QStringLiteral("Διαγραφή όλων των (φιλτραρισμένων) δαπανών");
    t.deleteAllTitle = QStringLiteral("Διαγραφή όλων των δαπανών");
    t.deleteAllNothing = QStringLiteral(
        "Δεν υπάρχουν δαπάνες, στα πλαίσια των φίλτρων που τυχόν εφαρμόσατε, για διαγραφή");
    t.deleteAllQuestion = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε %1 δαπάνες;");
    t.fullTitle = QStringLiteral("Πρόβλημα με την καταγραφή της δαπάνης");
    t.fullText = QStringLiteral("Έχετε καταχωρήσει %1 δαπάνες, όσες το πολύ χωράει ένα αρχείο. "
                                "Η νέα δαπάνη δεν καταχωρήθηκε.")
                     .arg(MaxListCount);
    t.rowToolTip = QStringLiteral("κλικ για αλλαγή/διαγραφή");
    t.helpSection = QStringLiteral("expenses");
    return t;
}

ListGeometry Geometry()
{
    ListGeometry g;
    g.clientWidth = 14610;
    g.headerTop = 2040;
    g.frameLeft = 120;
    g.frameTop = 480;
    g.frameWidth = 13995;
    g.frameHeight = 1455;
    g.scrollLeft = 14220;
    return g;
}

} // namespace

ExpensesWindow::ExpensesWindow(AppContext &context, QWidget *parent)
    : TypedListWindow(context, &BuildingData::Expenses, &AppState::ExpenseFilter, Columns(), Texts(), Geometry(), parent)
{
    totalLabel_ = addTotal(QStringLiteral("Σύνολο:"), 11340, 1095, 12480, 1635);
    frame()->setTitle(QStringLiteral("ΝΕΑ ΔΑΠΑΝΗ/ΧΡΕΩΣΗ"));
    fields_ = std::make_unique<ExpenseFields>(this, entries(), NewEntry, true);
    ExpenseFields &f = *fields_;
    placeInFrame(f.xDate, 180, 420, 1515);
    placeInFrame(f.xType, 1740, 420, 4095);
    placeInFrame(f.xFlat, 6960, 420, 3435);
    placeInFrame(f.OptionResident, 10500, 300, 1400, 300);
    placeInFrame(f.OptionOwner, 10500, 600, 1400, 300);
    placeInFrame(f.xAmount, 12000, 420, 1275);
    placeInFrame(f.xReason, 3420, 900, 6975);
    f.xNotPaidYet->setText(QStringLiteral("ΔΕΝ πληρώθηκε ακόμη:"));
    f.xNotPaidYet->setLayoutDirection(Qt::RightToLeft);
    placeInFrame(f.xNotPaidYet, 10860, 960, 2415, 300);
    f.xType->setPlaceholderText(QStringLiteral("Είδος δαπάνης"));
    f.xReason->setPlaceholderText(QStringLiteral("Επεξήγηση"));
    placeInFrame(makeAcceptButton(QStringLiteral("click για δημιουργία νέας δαπάνης")), 13380, 300, 540, 540);
    addOnEnter(f.xAmount);
    EntryDate = LocaleService::today(*platform().clock);
    buildList();
}

ExpensesWindow::~ExpensesWindow() = default;

std::vector<int> ExpensesWindow::listRecords()
{
    ListedExpenses listed = ListExpenses(state().Building, state().ExpenseFilter);
    totalLabel_->setText(FormatAmount(listed.Total, 2, true));
    return std::move(listed.Indexes);
}

QString ExpensesWindow::cellText(int index, int column) const
{
    const BuildingData &b = state().Building;
    const ExpenseRecord &e = b.Expenses[std::size_t(index)];
    switch (column) {
    case Date:
        return DateDisplay(e.Date);
    case Type:
        return e.Category >= 0 && e.Category < CategoryCount ? b.CategoryLabel(e.Category) : QString();
    case Reason:
        return e.Description.text();
    case Flat:
        if (e.AllFlats != 0)
            return QStringLiteral(" Σε όλα τα διαμερίσματα");
        if (e.Flat < 0 || e.Flat >= b.FlatCount())
            return QString();
        return QStringLiteral(" ") + b.Flats[std::size_t(e.Flat)].ShortName.text() + QStringLiteral(", ")
            + b.Flats[std::size_t(e.Flat)].Description.text();
    case Reference:
        return e.ChargedToOwner != 0 ? QStringLiteral(" Ιδιοκτήτης") : QStringLiteral(" Ένοικος");
    case Amount:
        return FormatAmount(e.Amount, 2, true);
    default:
        return QString();
    }
}

std::pair<QColor, QColor> ExpensesWindow::cellColours(int index, int column) const
{
    if (column == Amount && state().Building.Expenses[std::size_t(index)].NotPaidYet != 0)
        return {Qt::white, Red};
    return RecordListWindow::cellColours(index, column);
}

bool ExpensesWindow::newRecordMayBeStored()
{
    return ExpenseMayBeStored(NewEntry, EntryPlace::Frame, *platform().messages);
}

void ExpensesWindow::clearEntryFrame()
{
    NewEntry = ExpenseRecord{};
    NewEntry.Date = EntryDate;
    NewEntry.Category = -1;
    NewEntry.AllFlats = True16;
    NewEntry.Flat = -1;
    fields_->show();
    fields_->xReason->clear();
}

void ExpensesWindow::fillEntryLists(bool flatsChanged)
{
    fields_->fillLists(state().Building);
    if (flatsChanged && NewEntry.AllFlats == 0)
        NewEntry.Flat = -1;
    // The frame shows its record again; a flat that the list no longer holds
    // is no choice.
    const QString date = fields_->xDate->text();
    const QString reason = fields_->xReason->text();
    const QString amount = fields_->xAmount->text();
    fields_->show();
    fields_->xDate->setText(date);
    fields_->xReason->setText(reason);
    fields_->xAmount->setText(amount);
}

} // namespace kelvarino
