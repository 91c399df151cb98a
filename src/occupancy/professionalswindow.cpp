#include "occupancy/professionalswindow.h"

#include "core/recordmaintenance.h"
#include "occupancy/professionalcontactwindow.h"
#include "occupancy/professionalorderwindow.h"
#include "occupancy/professionalsexport.h"
#include "register/windowopener.h"
#include "shell/reportopeners.h"

#include <QLineEdit>
#include <QMenu>

namespace kelvarino {

namespace {

std::vector<GridField<ProfessionalRecord>> professionalColumns()
{
    GridColumn activity;
    activity.header = QStringLiteral("Δραστηριότητα");
    activity.widthTwips = 2955;
    activity.headerColour = QColor(0, 128, 0);
    activity.textColour = QColor(0, 128, 0);
    activity.bold = true;
    activity.enterCreates = false;
    const GridColumn name = NameColumn(QStringLiteral("Ονοματεπώνυμο"), 3615);
    return {TextField(activity, &ProfessionalRecord::Activity), TextField(name, &ProfessionalRecord::Name)};
}

GridTexts professionalTexts()
{
    GridTexts t;
    t.caption = QStringLiteral("Διαχείριση στοιχείων επαγγελματιών");
    t.emptyNameText = QStringLiteral("Το όνομα του προσώπου δεν επιτρέπεται να έχει μηδενικό μήκος.\n"
                                     "Δακτυλογραφήστε το όνομα του προσώπου ή πατήστε ESC για να επαναφέρετε το "
                                     "προηγούμενο όνομα.");
    t.createTitle = QStringLiteral("Πρόβλημα με τη δημιουργία νέου επαγγελματία");
    t.createText = QStringLiteral("Συμπληρώστε το όνομα του επαγγελματία και επιχειρήστε τον ορισμό νέου "
                                  "επαγγελματία ξανά.");
    t.capText = QStringLiteral("Δεν μπορείτε να ορίσετε περισσότερους από 32767 επαγγελματίες.");
    t.closeTitle = QStringLiteral("Προβλήματα με τον ορισμό προσώπων");
    t.closeText = QStringLiteral("Προσπαθήσατε να κλείσετε το παράθυρο ορισμού προσώπων, ενώ είχατε κάνει αλλαγές. "
                                 "\nΕίχατε πρόσωπα με όνομα μηδενικού μήκους (το διορθώσαμε;)\nΠαρακαλώ να "
                                 "διορθώσετε την κατάσταση πριν κλείσετε το παράθυρο ορισμού προσώπων.");
    t.orderTitle = QStringLiteral("Σειρά εμφάνισης των επαγγελματιών");
    t.orderText = QStringLiteral("Πρέπει να έχετε ορίσει τουλάχιστον 2 επαγγελματίες για να έχει νόημα αυτή η "
                                 "λειτουργία.");
    t.deleteToolTip = QStringLiteral("Διαγραφή του επαγγελματία");
    t.acceptToolTip = QStringLiteral("click για δημιουργία νέου προσώπου");
    t.actionToolTip = QStringLiteral("click για στοιχεία επικοινωνίας");
    t.deleteAllCaption = QStringLiteral("Διαγραφή όλων των επαγγελματιών");
    t.orderCaption = QStringLiteral("Αλλαγή στη σειρά εμφάνισης των επαγγελματιών");
    t.saveAsShortcut = true;
    t.repairMarksChanged = true;
    return t;
}

GridGeometry professionalGeometry()
{
    GridGeometry g;
    g.headerTopTwips = 60;
    return g;
}

} // namespace

ProfessionalsWindow::ProfessionalsWindow(AppContext &context, QWidget *parent)
    : ContactListEditor<ProfessionalRecord>(context, professionalColumns(), professionalTexts(),
                                            professionalGeometry(), parent)
{
    if (state().Building.Professionals.empty()) {
        newRecord_.Name.set(QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"));
        newRecord_.Activity.set(QStringLiteral("Υδραυλικός"));
    }
    buildMenus();
    buildGrid();
}

void ProfessionalsWindow::buildMenus()
{
    exportsMenu_ = exports().newMenu([this] { exportTXT(); }, [this] { exportXLS(); });
    addMenu(exportsMenu_);
    // "Εκτύπωση", a command on the menu bar, opens the contact list when the
    // program binds it.
    auto *print = new QMenu(QStringLiteral("Εκτύπωση"), this);
    printAction_ = print->menuAction();
    printAction_->setEnabled(bool(ProgramReportOpeners().professionalsList));
    connect(printAction_, &QAction::triggered, this, [this] { printList(); });
    addMenu(print);
}

void ProfessionalsWindow::printList()
{
    const auto &opener = ProgramReportOpeners().professionalsList;
    if (!opener)
        return;
    if (state().Building.Professionals.empty()) {
        platform().messages->error(QStringLiteral("Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας επαγγελματιών"),
                                   QStringLiteral("Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας "
                                                  "επαγγελματιών θα πρέπει να έχετε ορίσει έστω και ένα "
                                                  "επαγγελματία."));
        return;
    }
    opener(context(), this);
}

ChoiceRequest ProfessionalsWindow::deleteQuestion(int k) const
{
    const ProfessionalRecord &p = state().Building.Professionals[std::size_t(k)];
    ChoiceRequest q;
    q.title = QStringLiteral("Διαγραφή ενός επαγγελματία");
    q.icon = ChoiceRequest::Exclamation;
    q.lines = {QStringLiteral("Πρόκειται να διαγράψετε τον επαγγελματία: ") + p.Name.trimmed() + QStringLiteral("(") +
                   p.Activity.trimmed() + QStringLiteral(")."),
               QStringLiteral("ΠΡΟΣΟΧΗ! Η ενέργεια είναι μη αναστρέψιμη!")};
    q.options = {QStringLiteral("Θέλω να προχωρήσω με τη διαγραφή του επαγγελματία"),
                 QStringLiteral("Μετάνοιωσα. Δεν θέλω να διαγράψω τον επαγγελματία")};
    q.defaultOption = 1;
    return q;
}

void ProfessionalsWindow::deleteRecord(int k)
{
    DeleteProfessional(state(), k);
}

void ProfessionalsWindow::moveRecord(int from, int to)
{
    MoveProfessional(state(), from, to);
}

void ProfessionalsWindow::afterScroll()
{
    if (QLineEdit *name = textCell(0, NameColumn); name && name->isVisible())
        name->setFocus(Qt::OtherFocusReason);
}

void ProfessionalsWindow::deleteAllProfessionals()
{
    ChoiceRequest q;
    q.title = QStringLiteral("Διαγραφή όλων των επαγγελματιών");
    if (state().Building.Professionals.empty()) {
        q.icon = ChoiceRequest::Information;
        q.lines = {QStringLiteral("Δεν υπάρχουν επαγγελματίες για διαγραφή")};
        platform().choices->ask(q);
        return;
    }
    q.icon = ChoiceRequest::Exclamation;
    q.lines = {QStringLiteral("Ζητήσατε να διαγραφούν όλοι οι επαγγελματίες."),
               QStringLiteral("ΠΡΟΣΟΧΗ! Η διαδικασία είναι μη αναστρέψιμη.")};
    q.options = {QStringLiteral("Θέλω να προχωρήσω με διαγραφή όλων των επαγγελματιών"),
                 QStringLiteral("Μετάνοιωσα. Δεν θέλω τη διαγραφή όλων των επαγγελματιών")};
    q.defaultOption = 1;
    if (platform().choices->ask(q) != 0)
        return;
    state().Building.Professionals.clear();
    state().DataChanged = true;
    showEmptiedList();
}

void ProfessionalsWindow::rowAction(int k)
{
    ProfessionalContactWindow contact(context(), k, this);
    runContactWindow(contact);
}

void ProfessionalsWindow::openOrderWindow()
{
    OpenDataWindow(new ProfessionalOrderWindow(context()));
}

void ProfessionalsWindow::exportTXT()
{
    exports().writeTextFile(ProfessionalsExportBaseName(state()), ProfessionalsTextFile(state().Building));
}

void ProfessionalsWindow::exportXLS()
{
    exports().writeWorkbook(ProfessionalsExportBaseName(state()), state().Building.Professionals.empty(),
                            [this] { return ProfessionalsMatrix(state().Building); });
}

} // namespace kelvarino
