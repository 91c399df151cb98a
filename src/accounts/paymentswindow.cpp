#include "accounts/paymentswindow.h"

#include "accounts/paymentchangedialog.h"
#include "accounts/paymentfilterdialog.h"
#include "accounts/recordchecks.h"
#include "core/formatting.h"
#include "core/listfilters.h"
#include "platform/localeservice.h"
#include "register/dateentry.h"
#include "shell/reportopeners.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kelvarino {

namespace {

enum Column { Number, Date, Flat, OwnerAmount, OwnerNote, ResidentAmount, ResidentNote };

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);

std::vector<ListColumn> Columns()
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    return {
        {QStringLiteral("α/α"), 120, 495, Blue, Blue},
        {QStringLiteral("Ημερομηνία"), 600, 1215, Red, Red},
        {QStringLiteral("Διαμέρισμα"), 1800, 3495, Blue, Blue},
        {QStringLiteral("Ιδιοκτήτης"), 5280, 1455, Red, Red, right, true},
        {QStringLiteral("Σημείωση"), 6720, 1755, Green, Green},
        {QStringLiteral("Ένοικος"), 8460, 1455, Red, Red, right, true},
        {QStringLiteral("Σημείωση"), 9900, 1755, Green, Green},
    };
}

ListTexts Texts()
{
    ListTexts t;
    t.caption = QStringLiteral("Πληρωμές");
    t.deleteOneTitle = QStringLiteral("Διαγραφή μιας πληρωμής");
    t.deleteOneText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγραφεί η πληρωμή;");
    t.deleteAllCaption = QStringLiteral("Διαγραφή όλων των (φιλτραρισμένων) πληρωμών");
    t.deleteAllTitle = QStringLiteral("Διαγραφή όλων των πληρωμών");
    t.deleteAllNothing = QStringLiteral(
        "Δεν υπάρχουν πληρωμές, στα πλαίσια των φίλτρων που τυχόν εφαρμόσατε, για διαγραφή");
    t.deleteAllQuestion = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε %1 πληρωμές;");
    t.fullTitle = QStringLiteral("Πρόβλημα με την καταγραφή της πληρωμής");
    t.fullText = QStringLiteral("Έχετε καταχωρήσει %1 πληρωμές, όσες το πολύ χωράει ένα αρχείο. "
                                "Η νέα πληρωμή δεν καταχωρήθηκε.")
                     .arg(MaxListCount);
    t.rowToolTip = QStringLiteral("κλικ για αλλαγή/διαγραφή");
    t.helpSection = QStringLiteral("payments");
    return t;
}

ListGeometry Geometry()
{
    ListGeometry g;
    g.clientWidth = 13590;
    g.headerTop = 2640;
    g.frameLeft = 120;
    g.frameTop = 480;
    g.frameWidth = 13035;
    g.frameHeight = 1995;
    g.scrollLeft = 13260;
    return g;
}

QString AmountText(float value)
{
    return FormatAmount(value, 2, true);
}

} // namespace

PaymentsWindow::PaymentsWindow(AppContext &context, QWidget *parent)
    : TypedListWindow(context, &BuildingData::Payments, &AppState::PaymentFilter, Columns(), Texts(), Geometry(), parent)
{
    ownerTotal_ = addTotal(QStringLiteral("Ιδιοκτήτες:"), 5280, 1155, 6480, 1635);
    residentTotal_ = addTotal(QStringLiteral("Ένοικοι:"), 8160, 915, 9120, 1635);
    total_ = addTotal(QStringLiteral("Όλοι:"), 10800, 675, 11520, 1635);
    frame()->setTitle(QStringLiteral("ΝΕΑ ΠΛΗΡΩΜΗ"));
    fields_ = std::make_unique<PaymentFields>(this, entries(), NewEntry, true);
    PaymentFields &f = *fields_;
    const QColor grey(128, 128, 128);
    addFrameCaption(QStringLiteral("Ιδιοκτήτης"), 7380, 120, 1395, grey, Qt::white)->setAlignment(Qt::AlignCenter);
    addFrameCaption(QStringLiteral("Ένοικος"), 9660, 120, 1395, grey, Qt::white)->setAlignment(Qt::AlignCenter);
    placeInFrame(f.xDate, 180, 420, 1515);
    placeInFrame(f.xFlat, 1740, 420, 4815);
    placeInFrame(f.xOwnerAmount, 7380, 420, 1395);
    placeInFrame(f.xResidentAmount, 9660, 420, 1395);
    addFrameCaption(QStringLiteral("Σημείωση Ιδιοκτήτη:"), 180, 1020, 2100, Green, Qt::white);
    addFrameCaption(QStringLiteral("Σημείωση Ενοίκου:"), 180, 1500, 2100, Green, Qt::white);
    placeInFrame(f.xOwnerComment, 2400, 1020, 10515);
    placeInFrame(f.xResidentComment, 2400, 1500, 10515);
    f.xFlat->setPlaceholderText(QStringLiteral("Διαμέρισμα"));
    placeInFrame(makeAcceptButton(QStringLiteral("click για δημιουργία νέας πληρωμής")), 11700, 300, 540, 540);
    addOnEnter(f.xOwnerAmount);
    addOnEnter(f.xResidentAmount);
    EntryDate = LocaleService::today(*platform().clock);
    addRowButton({QStringLiteral("Απόδειξη"), QStringLiteral("κλικ για παραγωγή απόδειξης πληρωμής"), 11700, 1455});
    buildList();
}

PaymentsWindow::~PaymentsWindow() = default;

std::vector<int> PaymentsWindow::listRecords()
{
    ListedPayments listed = ListPayments(state().Building, state().PaymentFilter);
    ownerTotal_->setText(AmountText(listed.OwnerTotal));
    residentTotal_->setText(AmountText(listed.ResidentTotal));
    total_->setText(AmountText(listed.total()));
    return std::move(listed.Indexes);
}

QString PaymentsWindow::cellText(int index, int column) const
{
    const BuildingData &b = state().Building;
    const PaymentRecord &p = b.Payments[std::size_t(index)];
    switch (column) {
    case Date:
        return DateDisplay(p.Date);
    case Flat:
        if (p.Flat < 0 || p.Flat >= b.FlatCount())
            return QString();
        return QStringLiteral(" ") + b.Flats[std::size_t(p.Flat)].ShortName.text() + QStringLiteral(", ")
            + b.Flats[std::size_t(p.Flat)].Description.text();
    case OwnerAmount:
        return AmountText(p.OwnerAmount);
    case OwnerNote:
        return QStringLiteral(" ") + p.OwnerNote.text();
    case ResidentAmount:
        return AmountText(p.ResidentAmount);
    case ResidentNote:
        return QStringLiteral(" ") + p.ResidentNote.text();
    default:
        return QString();
    }
}

bool PaymentsWindow::newRecordMayBeStored()
{
    return PaymentMayBeStored(NewEntry, EntryPlace::Frame, *platform().messages);
}

void PaymentsWindow::clearEntryFrame()
{
    NewEntry = PaymentRecord{};
    NewEntry.Date = EntryDate;
    NewEntry.Flat = -1;
    fields_->show();
}

void PaymentsWindow::fillEntryLists(bool flatsChanged)
{
    fields_->fillFlats(state().Building);
    if (flatsChanged)
        NewEntry.Flat = -1;
    const int flat = NewEntry.Flat;
    fields_->xFlat->setCurrentIndex(flat >= 0 && flat < fields_->xFlat->count() ? flat : -1);
}

bool PaymentsWindow::rowButtonEnabled(int) const
{
    return bool(ProgramReportOpeners().paymentReceipt);
}

void PaymentsWindow::rowButtonClicked(int, int index)
{
    if (const auto &open = ProgramReportOpeners().paymentReceipt)
        open(context(), this, index);
}

} // namespace kelvarino
