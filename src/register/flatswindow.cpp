#include "register/flatswindow.h"

#include "core/recordmaintenance.h"
#include "register/flatorderwindow.h"
#include "register/openingfigures.h"
#include "register/windowopener.h"

#include <QLineEdit>

namespace kelvarino {

namespace {

std::vector<GridField<FlatRecord>> flatColumns()
{
    GridColumn name = NameColumn(QStringLiteral("Συντομογραφία"), 1935);
    name.removeSpaces = true;
    GridColumn description;
    description.header = QStringLiteral("Περιγραφή");
    description.widthTwips = 5235;
    description.headerColour = QColor(0, 128, 0);
    GridColumn residentDebt;
    residentDebt.header = QStringLiteral("Αρχική οφειλή Ενοίκου");
    residentDebt.widthTwips = 1695;
    residentDebt.headerHeightTwips = 630;
    residentDebt.headerColour = QColor(255, 128, 0);
    residentDebt.headerToolTip = QStringLiteral("κλικ για επεξηγήσεις");
    GridColumn ownerDebt = residentDebt;
    ownerDebt.header = QStringLiteral("Αρχική οφειλή Ιδιοκτήτη");
    return {
        TextField(name, &FlatRecord::ShortName),
        TextField(description, &FlatRecord::Description),
        AmountField(residentDebt, &FlatRecord::ResidentInitialDebt),
        AmountField(ownerDebt, &FlatRecord::OwnerInitialDebt),
    };
}

GridTexts flatTexts()
{
    GridTexts t;
    t.caption = QStringLiteral("Διαχείριση στοιχείων Διαμερισμάτων");
    t.gridTitle = QStringLiteral("ΔΙΑΜΕΡΙΣΜΑΤΑ");
    t.emptyNameText = QStringLiteral("Η συντομογραφία του διαμερίσματος δεν επιτρέπεται να έχει μηδενικό μήκος.\n"
                                     "Δακτυλογραφήστε τη συντομογραφία του διαμερίσματος ή πατήστε ESC για να "
                                     "επαναφέρετε την προηγούμενη συντομογραφία.");
    t.createTitle = QStringLiteral("Πρόβλημα με τη δημιουργία νέου διαμερίσματος");
    t.createText = QStringLiteral("Συμπληρώστε τη συντομογραφία του διαμερίσματος και επιχειρήστε τον ορισμό νέου "
                                  "διαμερίσματος ξανά.");
    t.capText = QStringLiteral("Δεν μπορείτε να ορίσετε περισσότερα από 32767 διαμερίσματα.");
    t.closeTitle = QStringLiteral("Προβλήματα με τον ορισμό διαμερισμάτων");
    t.closeText = QStringLiteral("Προσπαθήσατε να κλείσετε το παράθυρο ορισμού διαμερισμάτων, ενώ είχατε κάνει "
                                 "αλλαγές. \nΕίχατε διαμερίσματα με συντομογραφία μηδενικού μήκους (το "
                                 "διορθώσαμε;)\nΠαρακαλώ να διορθώσετε την κατάσταση πριν κλείσετε το παράθυρο "
                                 "ορισμού διαμερισμάτων.");
    t.orderTitle = QStringLiteral("Σειρά εμφάνισης των διαμερισμάτων");
    t.orderText = QStringLiteral("Πρέπει να έχετε ορίσει τουλάχιστον 2 διαμερίσματα για να έχει νόημα αυτή η "
                                 "λειτουργία.");
    t.deleteToolTip = QStringLiteral("Διαγραφή του διαμερίσματος");
    t.acceptToolTip = QStringLiteral("click για δημιουργία νέου διαμερίσματος");
    t.importCaption = QStringLiteral("Επικόλληση διαμερισμάτων από το EXCEL");
    t.deleteAllCaption = QStringLiteral("Διαγραφή όλων των διαμερισμάτων");
    t.orderCaption = QStringLiteral("Αλλαγή στη σειρά εμφάνισης των διαμερισμάτων");
    t.pasteEmptyTitle = QStringLiteral("Εισαγωγή διαμερισμάτων");
    t.pasteTitle = QStringLiteral("Εισαγωγή διαμερισμάτων");
    t.pasteAppendOne = QStringLiteral(
        "Πρόκειται να προσθέσετε ένα διαμέρισμα στο τέλος της υπάρχουσας λίστας διαμερισμάτων.");
    t.pasteAppendMany = QStringLiteral(
        "Πρόκειται να προσθέσετε τα παρακάτω %1 διαμερίσματα στο τέλος της υπάρχουσας λίστας διαμερισμάτων.");
    t.pasteReplaceOne = QStringLiteral("Πρόκειται να προσθέσετε το παρακάτω διαμέρισμα.");
    t.pasteReplaceMany = QStringLiteral("Πρόκειται να προσθέσετε τα παρακάτω %1 διαμερίσματα.");
    t.pasteWarning = QStringLiteral(
        "ΠΡΟΣΟΧΗ! Η διαδικασία της πρόσθεσης θα διαγράψει πρώτα, αντίστοιχα, ήδη ορισμένα διαμερίσματα, "
        "αρχίζοντας από τη θέση #%1 και μετέπειτα. Αν δεν θέλετε τη διαγραφή ήδη ορισμένων διαμερισμάτων "
        "ξεκινήσετε τη διαδικασία μεταφοράς από τη θέση ορισμού νέου διαμερίσματος. Με τον τρόπο αυτό θα "
        "προσθέσετε τα νέα διαμερίσματα στο τέλος της λίστας διαμερισμάτων.");
    t.pasteGo = QStringLiteral("Θέλω να προχωρήσω με την εισαγωγή των διαμερισμάτων");
    t.pasteRefuse = QStringLiteral("Μετάνοιωσα. Δεν θέλω να εισάγω διαμερίσματα");
    return t;
}

GridGeometry flatGeometry()
{
    GridGeometry g;
    g.clientWidthTwips = 13425;
    g.headerTopTwips = 3120;
    g.titleTopTwips = 2820;
    g.titleWidthTwips = 7680;
    return g;
}

} // namespace

FlatsWindow::FlatsWindow(AppContext &context, QWidget *parent)
    : TypedGridEditor<FlatRecord>(context, flatColumns(), flatTexts(), flatGeometry(), parent)
{
    if (state().Building.Flats.empty()) {
        newRecord_.ShortName.set(QStringLiteral("A1"));
        newRecord_.Description.set(QStringLiteral("54 τμ"));
    }
    figures_ = new OpeningFigures(this, state(), *platform().messages);
    figures_->setAfterLastReserve([this] {
        if (QLineEdit *name = textCell(0, 0); name && name->isVisible())
            name->setFocus(Qt::TabFocusReason);
    });
    buildGrid();
}

void FlatsWindow::showData()
{
    GridEditor::showData();
    if (figures_)
        figures_->syncWithData();
}

void FlatsWindow::showEvent(QShowEvent *event)
{
    GridEditor::showEvent(event);
    // The window opens with the focus on the initial cash.
    if (!shownOnce_) {
        shownOnce_ = true;
        figures_->initialCashBox()->setFocus(Qt::OtherFocusReason);
    }
}

ChoiceRequest FlatsWindow::deleteQuestion(int k) const
{
    const BuildingData &b = state().Building;
    const FlatRecord &flat = b.Flats[std::size_t(k)];
    ChoiceRequest q;
    q.title = QStringLiteral("Διαγραφή ενός διαμερίσματος");
    q.icon = ChoiceRequest::Exclamation;
    q.lines = {QStringLiteral("Πρόκειται να διαγράψετε το διαμέρισμα: ") + flat.ShortName.trimmed() +
                   QStringLiteral("/") + flat.Description.trimmed() + QStringLiteral("."),
               QStringLiteral("Με τη διαγραφή του διαμερίσματος θα διαγραφούν και σχετικά με αυτό στοιχεία. "
                              "Θα διαγραφούν ιδιοκτήτης και ένοικος, χιλιοστά, πληρωμές και δαπάνες."),
               QStringLiteral("Το διαμέρισμα εμπλέκεται στα παρακάτω στοιχεία:")};
    const auto ofFlat = [k](const auto &record) { return record.Flat == k; };
    if (std::any_of(b.Owners.begin(), b.Owners.end(), ofFlat))
        q.items << QStringLiteral("Ιδιοκτήτης");
    if (std::any_of(b.Residents.begin(), b.Residents.end(), ofFlat))
        q.items << QStringLiteral("Ένοικος");
    if (b.ShareColumnCount(0) > 0)
        q.items << QStringLiteral("Χιλιοστά");
    if (std::any_of(b.Payments.begin(), b.Payments.end(), ofFlat))
        q.items << QStringLiteral("Πληρωμές");
    if (std::any_of(b.Expenses.begin(), b.Expenses.end(),
                    [k](const ExpenseRecord &e) { return e.AllFlats == 0 && e.Flat == k; }))
        q.items << QStringLiteral("Προσωποπαγή έξοδα");
    if (q.items.isEmpty())
        return {}; // nothing depends on the flat: deleted without a question
    q.options = {QStringLiteral("Θέλω να προχωρήσω με τη διαγραφή του διαμερίσματος"),
                 QStringLiteral("Μετάνοιωσα. Δεν θέλω να διαγράψω το διαμέρισμα")};
    q.defaultOption = 1;
    return q;
}

void FlatsWindow::deleteRecord(int k)
{
    DeleteFlat(state(), k);
}

void FlatsWindow::moveRecord(int from, int to)
{
    MoveFlat(state(), from, to);
}

void FlatsWindow::afterCreate()
{
    BuildingData &b = state().Building;
    const int flats = b.FlatCount();
    if (flats == 1) {
        // The first flat opens one column of zeros in every category.
        for (auto &columns : b.ShareColumns)
            columns.assign(1, ShareColumn::zeros(1));
        return;
    }
    for (auto &columns : b.ShareColumns) {
        for (ShareColumn &column : columns) {
            column.PerMille.resize(std::size_t(flats), 0.0f);
            column.ResidentReduction.resize(std::size_t(flats), 0.0f);
            column.OwnerReduction.resize(std::size_t(flats), 0.0f);
        }
    }
}

void FlatsWindow::deleteAllFlats()
{
    BuildingData &b = state().Building;
    ChoiceRequest q;
    q.title = QStringLiteral("Διαγραφή όλων των διαμερισμάτων");
    if (b.Flats.empty()) {
        q.icon = ChoiceRequest::Information;
        q.lines = {QStringLiteral("Δεν υπάρχουν διαμερίσματα για διαγραφή")};
        setCursor(Qt::WaitCursor);
        platform().choices->ask(q);
        unsetCursor();
        return;
    }
    q.icon = ChoiceRequest::Exclamation;
    q.lines = {QStringLiteral("Ζητήσατε να διαγραφούν όλα τα διαμερίσματα."),
               QStringLiteral("Με τη διαγραφή των διαμερισμάτων θα διαγραφούν όλα τα στοιχεία που είναι σχετικά "
                              "με τα διαμερίσματα. Ιδιοκτήτες, ένοικοι, χιλιοστά, έξοδα και έσοδα."),
               QStringLiteral("Διαμερίσματα εμπλέκονται στα παρακάτω στοιχεία:")};
    if (b.OwnerCount() > 0)
        q.items << QStringLiteral("Ιδιοκτήτες");
    if (b.ResidentCount() > 0)
        q.items << QStringLiteral("Ένοικοι");
    if (b.ShareColumnCount(0) > 0)
        q.items << QStringLiteral("Χιλιοστά");
    if (b.PaymentCount() > 0)
        q.items << QStringLiteral("Πληρωμές");
    if (std::any_of(b.Expenses.begin(), b.Expenses.end(), [](const ExpenseRecord &e) { return e.AllFlats == 0; }))
        q.items << QStringLiteral("Έξοδα");
    if (!q.items.isEmpty()) {
        q.options = {QStringLiteral("Θέλω να προχωρήσω με διαγραφή όλων των διαμερισμάτων."),
                     QStringLiteral("Μετάνοιωσα. Δεν θέλω τη διαγραφή όλων των διαμερισμάτων.")};
        q.defaultOption = 1;
        setCursor(Qt::WaitCursor);
        const int answer = platform().choices->ask(q);
        unsetCursor();
        if (answer != 0)
            return;
    }
    DeleteAllFlats(state());
    showEmptiedList();
}

void FlatsWindow::explainInitialDebts()
{
    platform().messages->information(
        QStringLiteral("Αρχική οφειλή"),
        QStringLiteral("Ξεκινώντας τη διαχείριση μιας πολυκατοικίας πιθανά θα υπάρχουν οφειλές από την προηγούμενη "
                       "διαχειριστική περίοδο. \r\nΕισάγετε εδώ την αρχική οφειλή του ενοίκου και/ή του ιδιοκτήτη "
                       "του διαμερίσματος.\r\nΑν δεν πρόκειται για οφειλή αλλά για πίστωση τότε χρησιμοποιήστε "
                       "αρνητικό αριθμό."));
}

void FlatsWindow::headerClicked(int column)
{
    if (column == 2 || column == 3)
        explainInitialDebts();
}

void FlatsWindow::openOrderWindow()
{
    OpenDataWindow(new FlatOrderWindow(context()));
}

} // namespace kelvarino
