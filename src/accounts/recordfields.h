#pragma once

#include "core/buildingdata.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kelvarino {

class EntryBoxes;

// The boxes of one expense, shared by the entry frame of the expenses window
// and the expense change dialog: each writes into the record it is bound to
// when it is left or chosen. The owner places them.
class ExpenseFields
{
public:
    // `trimDescription`: the frame trims the description, the dialog keeps it as typed.
    ExpenseFields(QWidget *parent, EntryBoxes &boxes, ExpenseRecord &record, bool trimDescription);

    // The six labels as stored and the flats ("Σε όλα τα διαμερίσματα" first).
    void fillLists(const BuildingData &building);
    // Shows the record; choosing its items writes them back as a choice by the user does.
    void show();

    QLineEdit *xDate;
    QComboBox *xType;
    QLineEdit *xReason;
    QComboBox *xFlat;
    QRadioButton *OptionOwner;
    QRadioButton *OptionResident;
    QLineEdit *xAmount;
    QCheckBox *xNotPaidYet;

private:
    void flatChosen(int item);
    ExpenseRecord &record_;
};

// The boxes of one payment, shared by the entry frame of the payments window
// (notes in editable lists offering "Εξόφληση" and "Έναντι", trimmed) and the
// payment change dialog (plain notes kept as typed).
class PaymentFields
{
public:
    PaymentFields(QWidget *parent, EntryBoxes &boxes, PaymentRecord &record, bool frame);

    void fillFlats(const BuildingData &building);
    void show();

    QLineEdit *xDate;
    QComboBox *xFlat;
    QLineEdit *xOwnerAmount;
    QLineEdit *xResidentAmount;
    // Either the editable lists (frame) or the plain boxes (dialog).
    QWidget *xOwnerComment;
    QWidget *xResidentComment;

private:
    void showNote(QWidget *box, const QString &text);
    PaymentRecord &record_;
    bool frame_;
};

} // namespace kelvarino
