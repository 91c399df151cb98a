#pragma once

#include "accounts/entryboxes.h"
#include "core/buildingdata.h"
#include "platform/platform.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvarino {

// The pattern of the change dialogs of the list windows: one record's fields
// edited in a copy, and three answers along the bottom: delete (asked and done
// by the list window), "ΟΚ" (the member's checks, then the copy written back)
// and "Άκυρο". The answer, ChangeResult, is -1 delete, 1 changed, 0 nothing
// (also when the dialog is closed in any other way). The dialog never deletes
// a record and never marks the work changed itself. It stands centred on the
// screen; F1 shows topic 300 at its section on changing a record.
class RecordChangeDialog : public QDialog
{
public:
    int changeResult() const { return changeResult_; }

    QPushButton *deleteButton() const { return delete_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *cancelButton() const { return cancel_; }
    QLabel *indexLabel() const { return number_; }

protected:
    // Sizes in twips; `selectedIndex` is shown at the top right.
    RecordChangeDialog(const Platform &platform, const QString &caption, const QString &deleteCaption,
                       QSizeF clientTwips, double fieldLeft, int selectedIndex, QWidget *parent);

    // A caption at the left, right-aligned, and its field from `fieldLeft`.
    void addField(const QString &caption, QWidget *field, double top, double width, double height = 315);
    // The three buttons at this height (twips) and these lefts; the delete
    // button as wide as the others unless its width is given.
    void placeButtons(double top, double deleteLeft, double okLeft, double cancelLeft, double width = 1935,
                      double deleteWidth = 0);
    EntryBoxes &entries() { return *entries_; }
    const Platform &platform() const { return platform_; }

    // The checks of "ΟΚ" with their messages, then writing the copy back.
    virtual bool mayStore() = 0;
    virtual void writeBack() = 0;

private:
    void ok();

    const Platform &platform_;
    EntryBoxes *entries_;
    double fieldLeft_;
    QPushButton *delete_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QLabel *number_ = nullptr;
    int changeResult_ = 0;
};

// Places a dialog of fixed size in the middle of the screen, where every
// dialog of the program stands.
void CentreOnScreen(QWidget *dialog);

// The last step of laying out a dialog: its date boxes made wide enough for
// their dates in its font (the dialog grows as they do), and the dialog
// centred again.
void FinishDialogLayout(QWidget *dialog);

// The texts of the flat choices of the frames and dialogs: the short name as
// stored, ", " and the description as stored.
QString FlatChoiceText(const FlatRecord &flat);

} // namespace kelvarino
