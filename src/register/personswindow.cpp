#include "register/personswindow.h"

#include "core/recordmaintenance.h"
#include "register/exportcommands.h"
#include "register/personcontactwindow.h"
#include "register/personorderwindow.h"
#include "register/personsexport.h"
#include "register/windowopener.h"
#include "shell/reportopeners.h"

#include <QApplication>
#include <QMenu>

namespace kelvarino {

namespace {

std::vector<GridField<PersonRecord>> personColumns()
{
    const GridColumn name = NameColumn(QStringLiteral("Ονοματεπώνυμο"), 4575);
    GridColumn sex;
    sex.header = QStringLiteral("Φύλο");
    sex.widthTwips = 1155;
    sex.headerColour = QColor(0, 128, 0);
    sex.choices = {QStringLiteral("Άρρεν"), QStringLiteral("Θήλυ")};
    return {TextField(name, &PersonRecord::Name), ChoiceField(sex, &PersonRecord::Female)};
}

GridTexts personTexts()
{
    GridTexts t;
    t.caption = QStringLiteral("Διαχείριση στοιχείων εμπλεκόμενων προσώπων");
    t.emptyNameText = QStringLiteral("Το όνομα του προσώπου δεν επιτρέπεται να έχει μηδενικό μήκος.\n"
                                     "Δακτυλογραφήστε το όνομα του προσώπου ή πατήστε ESC για να επαναφέρετε το "
                                     "προηγούμενο όνομα.");
    t.createTitle = QStringLiteral("Πρόβλημα με τη δημιουργία νέου προσώπου");
    t.createText = QStringLiteral("Συμπληρώστε το όνομα του προσώπου και επιχειρήστε τον ορισμό νέου προσώπου ξανά.");
    t.capText = QStringLiteral("Δεν μπορείτε να ορίσετε περισσότερα από 32767 πρόσωπα.");
    t.closeTitle = QStringLiteral("Προβλήματα με τον ορισμό προσώπων");
    t.closeText = QStringLiteral("Προσπαθήσατε να κλείσετε το παράθυρο ορισμού προσώπων, ενώ είχατε κάνει αλλαγές. "
                                 "\nΕίχατε πρόσωπα με όνομα μηδενικού μήκους (το διορθώσαμε;)\nΠαρακαλώ να "
                                 "διορθώσετε την κατάσταση πριν κλείσετε το παράθυρο ορισμού προσώπων.");
    t.orderTitle = QStringLiteral("Σειρά εμφάνισης των προσώπων");
    t.orderText = QStringLiteral("Πρέπει να έχετε ορίσει τουλάχιστον 2 πρόσωπα για να έχει νόημα αυτή η λειτουργία.");
    t.deleteToolTip = QStringLiteral("Διαγραφή του προσώπου");
    t.acceptToolTip = QStringLiteral("click για δημιουργία νέου προσώπου");
    t.actionToolTip = QStringLiteral("click για στοιχεία επικοινωνίας");
    t.importCaption = QStringLiteral("Επικόλληση προσώπων από το EXCEL");
    t.deleteAllCaption = QStringLiteral("Διαγραφή όλων των προσώπων");
    t.orderCaption = QStringLiteral("Αλλαγή στη σειρά εμφάνισης των προσώπων");
    t.saveAsShortcut = true;
    t.pasteEmptyTitle = QStringLiteral("Εισαγωγή ονομάτων προσώπων");
    t.pasteTitle = QStringLiteral("Εισαγωγή προσώπων");
    t.pasteAppendOne = QStringLiteral("Πρόκειται να προσθέσετε ένα πρόσωπο στο τέλος της υπάρχουσας λίστας προσώπων.");
    t.pasteAppendMany = QStringLiteral(
        "Πρόκειται να προσθέσετε τα παρακάτω %1 πρόσωπα στο τέλος της υπάρχουσας λίστας προσώπων.");
    t.pasteReplaceOne = QStringLiteral("Πρόκειται να προσθέσετε το παρακάτω πρόσωπο.");
    t.pasteReplaceMany = QStringLiteral("Πρόκειται να προσθέσετε τα παρακάτω %1 πρόσωπα.");
    t.pasteWarning = QStringLiteral(
        "ΠΡΟΣΟΧΗ! Η διαδικασία της πρόσθεσης θα διαγράψει πρώτα, αντίστοιχα, ήδη ορισμένα πρόσωπα, αρχίζοντας από "
        "τη θέση #%1 και μετέπειτα. Αν δεν θέλετε τη διαγραφή ήδη ορισμένων προσώπων ξεκινήσετε τη διαδικασία "
        "μεταφοράς από τη θέση ορισμού νέου προσώπου. Με τον τρόπο αυτό θα προσθέσετε τα νέα πρόσωπα στο τέλος "
        "της λίστας προσώπων.");
    t.pasteGo = QStringLiteral("Θέλω να προχωρήσω με την εισαγωγή των προσώπων");
    t.pasteRefuse = QStringLiteral("Μετάνοιωσα. Δεν θέλω να εισάγω πρόσωπα");
    return t;
}

GridGeometry personGeometry()
{
    GridGeometry g;
    g.headerTopTwips = 120;
    return g;
}

} // namespace

PersonsWindow::PersonsWindow(AppContext &context, QWidget *parent)
    : ContactListEditor<PersonRecord>(context, personColumns(), personTexts(), personGeometry(), parent)
{
    if (state().Building.Persons.empty())
        newRecord_.Name.set(QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"));
    buildMenus();
    buildGrid();
}

void PersonsWindow::buildMenus()
{
    exportsMenu_ = exports().newMenu([this] { exportTextFile(); }, [this] { exportWorkbook(); });
    addMenu(exportsMenu_);
    // The printed contact list lives in another folder: the command works once
    // the program has bound its opener.
    auto *print = new QMenu(QStringLiteral("Εκτύπωση"), this);
    printAction_ = print->menuAction();
    printAction_->setEnabled(bool(ProgramReportOpeners().personsList));
    connect(printAction_, &QAction::triggered, this, [this] {
        if (const auto &open = ProgramReportOpeners().personsList)
            open(this->context(), this);
    });
    addMenu(print);
}

ChoiceRequest PersonsWindow::deleteQuestion(int k) const
{
    const BuildingData &b = state().Building;
    ChoiceRequest q;
    q.title = QStringLiteral("Διαγραφή ενός προσώπου");
    q.icon = ChoiceRequest::Exclamation;
    q.lines = {QStringLiteral("Πρόκειται να διαγράψετε το πρόσωπο: ") + b.Persons[std::size_t(k)].Name.trimmed() +
                   QStringLiteral("."),
               QStringLiteral("ΠΡΟΣΟΧΗ! Με τη διαγραφή του προσώπου θα διαγραφούν και τα παρακάτω σχετικά με αυτόν "
                              "στοιχεία:")};
    const auto ofPerson = [k](const auto &period) { return period.Person == k; };
    if (std::any_of(b.Administrators.begin(), b.Administrators.end(), ofPerson))
        q.items << QStringLiteral("Διαχειριστές");
    if (std::any_of(b.Owners.begin(), b.Owners.end(), ofPerson))
        q.items << QStringLiteral("Ιδιοκτήτες");
    if (std::any_of(b.Residents.begin(), b.Residents.end(), ofPerson))
        q.items << QStringLiteral("Ένοικοι");
    if (q.items.isEmpty())
        return {}; // a person without periods goes without a question
    q.options = {QStringLiteral("Θέλω να προχωρήσω με τη διαγραφή του προσώπου"),
                 QStringLiteral("Μετάνοιωσα. Δεν θέλω να διαγράψω το πρόσωπο")};
    q.defaultOption = 1;
    return q;
}

void PersonsWindow::deleteRecord(int k)
{
    DeletePerson(state(), k);
}

void PersonsWindow::moveRecord(int from, int to)
{
    MovePerson(state(), from, to);
}

void PersonsWindow::afterScroll()
{
    focusNameCell(0);
}

void PersonsWindow::deleteAllPersons()
{
    BuildingData &b = state().Building;
    ChoiceRequest q;
    q.title = QStringLiteral("Διαγραφή όλων των προσώπων");
    if (b.Persons.empty()) {
        q.icon = ChoiceRequest::Information;
        q.lines = {QStringLiteral("Δεν υπάρχουν πρόσωπα για διαγραφή")};
        setCursor(Qt::WaitCursor);
        platform().choices->ask(q);
        unsetCursor();
        return;
    }
    q.icon = ChoiceRequest::Exclamation;
    q.lines = {QStringLiteral("Ζητήσατε να διαγραφούν όλα τα πρόσωπα."),
               QStringLiteral("ΠΡΟΣΟΧΗ! Με τη διαγραφή όλων των προσώπων θα διαγραφούν και τα παρακάτω "
                              "σχετιζόμενα στοιχεία:")};
    if (b.AdministratorCount() >= 1)
        q.items << QStringLiteral("Διαχειριστές");
    if (b.OwnerCount() > 0)
        q.items << QStringLiteral("Ιδιοκτήτες");
    if (b.ResidentCount() > 0)
        q.items << QStringLiteral("Ένοικοι");
    if (!q.items.isEmpty()) {
        q.options = {QStringLiteral("Θέλω να προχωρήσω με διαγραφή όλων των προσώπων"),
                     QStringLiteral("Μετάνοιωσα. Δεν θέλω τη διαγραφή όλων των προσώπων")};
        q.defaultOption = 1;
        if (platform().choices->ask(q) != 0)
            return;
    }
    b.Persons.clear();
    b.Administrators.clear();
    b.Owners.clear();
    b.Residents.clear();
    state().DataChanged = true;
    showEmptiedList();
}

void PersonsWindow::rowAction(int k)
{
    PersonContactWindow contact(context(), k, this);
    runContactWindow(contact);
}

void PersonsWindow::openOrderWindow()
{
    OpenDataWindow(new PersonOrderWindow(context()));
}

void PersonsWindow::exportTextFile()
{
    exports().writeTextFile(PersonsExportBaseName(state()), PersonsTextFile(state().Building));
}

void PersonsWindow::exportWorkbook()
{
    exports().writeWorkbook(PersonsExportBaseName(state()), state().Building.Persons.empty(),
                            [this] { return PersonsMatrix(state().Building); });
}

} // namespace kelvarino
