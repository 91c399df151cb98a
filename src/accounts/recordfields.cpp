#include "accounts/recordfields.h"

#include "accounts/entryboxes.h"
#include "accounts/recordchangedialog.h"
#include "core/formatting.h"
#include "register/dateentry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace kelvarino {

namespace {

QLineEdit *AmountBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

} // namespace

ExpenseFields::ExpenseFields(QWidget *parent, EntryBoxes &boxes, ExpenseRecord &record, bool trimDescription)
    : xDate(new QLineEdit(parent)), xType(new QComboBox(parent)), xReason(new QLineEdit(parent)),
      xFlat(new QComboBox(parent)), OptionOwner(new QRadioButton(QStringLiteral("Ιδιοκτήτης"), parent)),
      OptionResident(new QRadioButton(QStringLiteral("Ένοικος"), parent)), xAmount(AmountBox(parent)),
      xNotPaidYet(new QCheckBox(parent)), record_(record)
{
    auto *sides = new QButtonGroup(parent);
    sides->addButton(OptionOwner);
    sides->addButton(OptionResident);
    OptionResident->setChecked(true);
    boxes.addDate(xDate, [this](double day) { record_.Date = day; });
    boxes.addText(xReason, int(FixedText<100>::Width), trimDescription,
                  [this](const QString &text) { record_.Description.set(text); });
    boxes.addAmount(xAmount, false, [this](float value) { record_.Amount = value; });
    QObject::connect(xType, &QComboBox::activated, parent, [this](int item) { record_.Category = qint16(item); });
    QObject::connect(xFlat, &QComboBox::activated, parent, [this](int item) { flatChosen(item); });
    QObject::connect(OptionOwner, &QRadioButton::toggled, parent,
                     [this](bool owner) { record_.ChargedToOwner = owner ? True16 : False16; });
    QObject::connect(xNotPaidYet, &QCheckBox::toggled, parent,
                     [this](bool ticked) { record_.NotPaidYet = ticked ? True16 : False16; });
}

void ExpenseFields::flatChosen(int item)
{
    if (item < 0)
        return;
    record_.AllFlats = item == 0 ? True16 : False16;
    record_.Flat = qint16(item - 1);
}

void ExpenseFields::fillLists(const BuildingData &building)
{
    xType->clear();
    for (const auto &label : building.CategoryLabels)
        xType->addItem(label.text());
    xFlat->clear();
    xFlat->addItem(QStringLiteral("Σε όλα τα διαμερίσματα"));
    for (const FlatRecord &flat : building.Flats)
        xFlat->addItem(FlatChoiceText(flat));
}

void ExpenseFields::show()
{
    xDate->setText(DateDisplay(record_.Date));
    const bool typeKnown = record_.Category >= 0 && record_.Category < xType->count();
    xType->setCurrentIndex(typeKnown ? record_.Category : -1);
    if (!typeKnown)
        record_.Category = -1;
    xReason->setText(record_.Description.trimmed());
    // A flat that the list no longer holds is no choice: the checks ask for one.
    int item = 0;
    if (record_.AllFlats == 0)
        item = record_.Flat >= 0 && record_.Flat + 1 < xFlat->count() ? record_.Flat + 1 : -1;
    xFlat->setCurrentIndex(item);
    if (item >= 0)
        flatChosen(item);
    else
        record_.Flat = -1;
    (record_.ChargedToOwner != 0 ? OptionOwner : OptionResident)->setChecked(true);
    record_.ChargedToOwner = record_.ChargedToOwner != 0 ? True16 : False16;
    xAmount->setText(FormatAmount(record_.Amount, 2, true));
    xNotPaidYet->setChecked(record_.NotPaidYet != 0);
    record_.NotPaidYet = record_.NotPaidYet != 0 ? True16 : False16;
}

PaymentFields::PaymentFields(QWidget *parent, EntryBoxes &boxes, PaymentRecord &record, bool frame)
    : xDate(new QLineEdit(parent)), xFlat(new QComboBox(parent)), xOwnerAmount(AmountBox(parent)),
      xResidentAmount(AmountBox(parent)), xOwnerComment(nullptr), xResidentComment(nullptr), record_(record),
      frame_(frame)
{
    boxes.addDate(xDate, [this](double day) { record_.Date = day; });
    boxes.addAmount(xOwnerAmount, true, [this](float value) { record_.OwnerAmount = value; });
    boxes.addAmount(xResidentAmount, true, [this](float value) { record_.ResidentAmount = value; });
    QObject::connect(xFlat, &QComboBox::activated, parent, [this](int item) {
        if (item >= 0)
            record_.Flat = qint16(item);
    });
    const int width = int(FixedText<50>::Width);
    auto owner = [this](const QString &text) { record_.OwnerNote.set(text); };
    auto resident = [this](const QString &text) { record_.ResidentNote.set(text); };
    if (frame) {
        auto *ownerList = new QComboBox(parent);
        auto *residentList = new QComboBox(parent);
        for (QComboBox *list : {ownerList, residentList}) {
            list->setEditable(true);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->addItems({QStringLiteral("Εξόφληση"), QStringLiteral("Έναντι")});
            list->setCurrentIndex(-1);
        }
        boxes.addText(ownerList, width, true, owner);
        boxes.addText(residentList, width, true, resident);
        xOwnerComment = ownerList;
        xResidentComment = residentList;
    } else {
        auto *ownerBox = new QLineEdit(parent);
        auto *residentBox = new QLineEdit(parent);
        boxes.addText(ownerBox, width, false, owner);
        boxes.addText(residentBox, width, false, resident);
        xOwnerComment = ownerBox;
        xResidentComment = residentBox;
    }
}

void PaymentFields::fillFlats(const BuildingData &building)
{
    xFlat->clear();
    for (const FlatRecord &flat : building.Flats)
        xFlat->addItem(FlatChoiceText(flat));
}

void PaymentFields::showNote(QWidget *box, const QString &text)
{
    if (auto *list = qobject_cast<QComboBox *>(box)) {
        list->setCurrentIndex(-1);
        list->setEditText(text);
    } else {
        static_cast<QLineEdit *>(box)->setText(text);
    }
}

void PaymentFields::show()
{
    xDate->setText(DateDisplay(record_.Date));
    const bool flatKnown = record_.Flat >= 0 && record_.Flat < xFlat->count();
    xFlat->setCurrentIndex(flatKnown ? record_.Flat : -1);
    if (!flatKnown)
        record_.Flat = -1;
    xOwnerAmount->setText(FormatAmount(record_.OwnerAmount, 2, true));
    xResidentAmount->setText(FormatAmount(record_.ResidentAmount, 2, true));
    showNote(xOwnerComment, record_.OwnerNote.trimmed());
    showNote(xResidentComment, record_.ResidentNote.trimmed());
}

} // namespace kelvarino
