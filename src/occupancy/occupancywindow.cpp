#include "occupancy/occupancywindow.h"

#include "occupancy/periodrules.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QLabel>

namespace kelvarino {

OccupancyWindow::OccupancyWindow(AppContext &context, OccupancyTexts texts,
                                 std::vector<OccupancyPeriod> BuildingData::*list, QWidget *parent)
    : PeriodEditor<OccupancyPeriod>(context, texts.periods, texts.grid, [] {
          GridGeometry g;
          g.headerTopTwips = 1080;
          return g;
      }(),
                                    parent),
      texts_(std::move(texts)), list_(list)
{
    selectorLabel_ = new QLabel(QStringLiteral("Επιλέξτε διαμέρισμα"), this);
    selectorLabel_->setGeometry(Twips::rect(540, 120, 6315, 315));
    flatSelector_ = new QComboBox(this);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    flatSelector_->setFont(fixed);
    flatSelector_->setGeometry(Twips::rect(540, 420, 6375, 360));
    flatNames_ = flatNames(state().Building);
    flatSelector_->addItems(flatNames_);
    connect(flatSelector_, &QComboBox::activated, this, [this](int flat) {
        commitFocusedCell();
        chooseFlat(flat);
    });
    showListed(&listed_);
    chosenFlat_ = flatNames_.isEmpty() ? -1 : 0;
    flatSelector_->setCurrentIndex(chosenFlat_);
    listed_ = PeriodsOfFlat(records(), chosenFlat_);
    resetTemplate();
    buildGrid();
}

QStringList OccupancyWindow::flatNames(const BuildingData &building)
{
    QStringList names;
    for (const FlatRecord &flat : building.Flats)
        names.append(flat.ShortName.text() + QStringLiteral(", ") + flat.Description.text());
    return names;
}

void OccupancyWindow::chooseFlat(int flat)
{
    if (flat < 0 || flat >= state().Building.FlatCount())
        return;
    chosenFlat_ = flat;
    flatSelector_->setCurrentIndex(flat);
    resetTemplate();
    listed_ = PeriodsOfFlat(records(), flat);
    setTopOffset(0);
    showData();
}

void OccupancyWindow::syncWithData()
{
    PeriodEditor<OccupancyPeriod>::syncWithData();
    QStringList names = flatNames(state().Building);
    if (names != flatNames_) {
        // The flats changed elsewhere: the window starts again from the first flat.
        flatNames_ = std::move(names);
        flatSelector_->clear();
        flatSelector_->addItems(flatNames_);
        chosenFlat_ = flatNames_.isEmpty() ? -1 : 0;
        flatSelector_->setCurrentIndex(chosenFlat_);
        resetTemplate();
        setTopOffset(0);
    }
    listed_ = PeriodsOfFlat(records(), chosenFlat_);
}

void OccupancyWindow::resetTemplate()
{
    PeriodEditor<OccupancyPeriod>::resetTemplate();
    newRecord_.Flat = qint16(chosenFlat_);
}

bool OccupancyWindow::templateReady() const
{
    return PeriodEditor<OccupancyPeriod>::templateReady() && chosenFlat_ >= 0 &&
           chosenFlat_ < state().Building.FlatCount();
}

bool OccupancyWindow::refuse(const QString &text, int flat)
{
    platform().messages->exclamation(texts().closeTitle, text + texts_.fixText);
    chooseFlat(flat);
    return false;
}

bool OccupancyWindow::closingCheck()
{
    std::vector<OccupancyPeriod> &list = records();
    if (list.empty())
        return true;
    const int flats = state().Building.FlatCount();
    const OccupancyCheck check = CheckOccupancy(list, flats);
    if (check.problem == PeriodProblem::EndsBeforeStart)
        return refuse(texts_.endsBeforeStart, check.flat);
    if (check.problem == PeriodProblem::MissingStart)
        return refuse(texts_.missingStart, check.flat);
    if (!check.flatsWithout.empty()) {
        ChoiceRequest q;
        q.title = texts_.withoutTitle;
        q.icon = ChoiceRequest::Exclamation;
        q.lines = texts_.withoutLines;
        for (const int flat : check.flatsWithout)
            q.items << state().Building.Flats[std::size_t(flat)].ShortName.text();
        q.options = texts_.withoutOptions;
        q.defaultOption = 1;
        setCursor(Qt::WaitCursor);
        const int answer = platform().choices->ask(q);
        unsetCursor();
        if (answer == 0) {
            chooseFlat(check.flatsWithout.back());
            return false;
        }
    }
    if (GroupAndSortOccupancy(list, flats))
        state().DataChanged = true;
    listed_ = PeriodsOfFlat(list, chosenFlat_);
    return true;
}

namespace {

OccupancyTexts ownerTexts()
{
    OccupancyTexts t;
    t.periods.personHeader = QStringLiteral("Ιδιοκτήτης");
    t.periods.deleteTitle = QStringLiteral("Διαγραφή ενός ιδιοκτήτη");
    t.periods.deleteText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε τον ιδιοκτήτη;");
    t.periods.deleteAllTitle = QStringLiteral("Διαγραφή όλων των ιδιοκτητών");
    t.periods.deleteAllText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε όλους τους ιδιοκτήτες;");
    t.periods.deleteAllEmptyText = QStringLiteral("Δεν υπάρχουν ιδιοκτήτες για διαγραφή");
    t.grid.caption = QStringLiteral("Ιδιοκτήτες");
    t.grid.createTitle = QStringLiteral("Πρόβλημα με τη δημιουργία νέου ιδιοκτήτη");
    t.grid.createText = QStringLiteral("Επιλέξτε πρόσωπο και συμπληρώστε τουλάχιστον την ημερομηνία αρχής ξανά.");
    t.grid.capText = QStringLiteral("Δεν μπορείτε να ορίσετε περισσότερες από 32767 περιόδους ιδιοκτησίας.");
    t.grid.closeTitle = QStringLiteral("Προβλήματα με τον ορισμό ιδιοκτητών");
    t.grid.deleteToolTip = QStringLiteral("Διαγραφή του ιδιοκτήτη");
    t.grid.acceptToolTip = QStringLiteral("click για δημιουργία νέου ιδιοκτήτη");
    t.grid.deleteAllCaption = QStringLiteral("Διαγραφή όλων των ιδιοκτητών");
    t.endsBeforeStart = QStringLiteral("Δεν μπορεί μια ιδιοκτησία να τελείωσε πριν αρχίσει. ");
    t.missingStart = QStringLiteral("Αφού έχετε ορίσει περισσότερους από ένα ιδιοκτήτες, θα πρέπει να ορίσετε και "
                                    "ημερομηνίες αρχής/τέλους ιδιοκτησίας. ");
    t.fixText = QStringLiteral("Διορθώσετε την κατάσταση πριν κλείσετε το παράθυρο ορισμού ιδιοκτητών.");
    t.withoutTitle = QStringLiteral("Ιδιοκτήτες και διαμερίσματα");
    t.withoutLines = {QStringLiteral("Πρόκειται να κλείσετε το παράθυρο ορισμού ιδιοκτητών."),
                      QStringLiteral("Ίσως πρέπει να γνωρίζετε ότι στα παρακάτω διαμερίσματα δεν έχετε ορίσει "
                                     "ιδιοκτήτη.")};
    t.withoutOptions = {QStringLiteral("Θέλω να προσθέσω ιδιοκτήτες"),
                        QStringLiteral("Θέλω να κλείσω το παράθυρο ορισμού ιδιοκτητών χωρίς να προσθέσω άλλους "
                                       "ιδιοκτήτες.")};
    t.helpTopic = 300;
    t.helpSection = QStringLiteral("owners");
    return t;
}

OccupancyTexts residentTexts()
{
    OccupancyTexts t;
    t.periods.personHeader = QStringLiteral("Ένοικος");
    t.periods.deleteTitle = QStringLiteral("Διαγραφή ενός ενοίκου");
    t.periods.deleteText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε τον ένοικο;");
    t.periods.deleteAllTitle = QStringLiteral("Διαγραφή όλων των ενοίκων");
    t.periods.deleteAllText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε όλους τους ενοίκους;");
    t.periods.deleteAllEmptyText = QStringLiteral("Δεν υπάρχουν ένοικοι για διαγραφή");
    t.grid.caption = QStringLiteral("Ένοικοι");
    t.grid.createTitle = QStringLiteral("Πρόβλημα με τη δημιουργία νέου ενοίκου");
    t.grid.createText = QStringLiteral("Επιλέξτε πρόσωπο και συμπληρώστε τουλάχιστον την ημερομηνία αρχής ξανά.");
    t.grid.capText = QStringLiteral("Δεν μπορείτε να ορίσετε περισσότερες από 32767 περιόδους κατοίκησης.");
    t.grid.closeTitle = QStringLiteral("Προβλήματα με τον ορισμό ενοίκων");
    t.grid.deleteToolTip = QStringLiteral("Διαγραφή του ενοίκου");
    t.grid.acceptToolTip = QStringLiteral("click για δημιουργία νέου ενοίκου");
    t.grid.deleteAllCaption = QStringLiteral("Διαγραφή όλων των ενοίκων");
    t.endsBeforeStart = QStringLiteral("Δεν μπορεί μια κατοίκηση να τελείωσε πριν αρχίσει. ");
    t.missingStart = QStringLiteral("Αφού έχετε ορίσει περισσότερους από ένα ένοικο, πρέπει να ορίσετε όλες τις "
                                    "ημερομηνίες αρχής/τέλους κατοίκησης. ");
    t.fixText = QStringLiteral("Διορθώσετε την κατάσταση πριν κλείσετε το παράθυρο ορισμού ενοίκων.");
    t.withoutTitle = QStringLiteral("Ένοικοι και διαμερίσματα");
    t.withoutLines = {QStringLiteral("Πρόκειται να κλείσετε το παράθυρο ορισμού ενοίκων."),
                      QStringLiteral("Ίσως πρέπει να γνωρίζετε ότι στα παρακάτω διαμερίσματα δεν έχετε ορίσει "
                                     "ένοικο.")};
    t.withoutOptions = {QStringLiteral("Θέλω να προσθέσω ένοικο"),
                        QStringLiteral("Θέλω να κλείσω το παράθυρο ορισμού ενοίκων χωρίς να προσθέσω άλλους "
                                       "ενοίκους.")};
    return t;
}

} // namespace

OwnersWindow::OwnersWindow(AppContext &context, QWidget *parent)
    : OccupancyWindow(context, ownerTexts(), &BuildingData::Owners, parent)
{
}

ResidentsWindow::ResidentsWindow(AppContext &context, QWidget *parent)
    : OccupancyWindow(context, residentTexts(), &BuildingData::Residents, parent)
{
}

} // namespace kelvarino
