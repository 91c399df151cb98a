#pragma once

#include "accounts/entryboxes.h"
#include "platform/platform.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kelvarino {

struct BuildingData;

// A group of check boxes in a frame, one per element of a list (categories,
// flats, persons), with "Όλα" and "Κανένα" for every element, not only those
// shown, and a scroll bar that pages through the elements when there are more
// than the boxes. Only a click of the user changes an element.
class CheckGroup
{
public:
    struct Binding
    {
        std::function<int()> count;
        std::function<bool(int)> checked;
        std::function<void(int, bool)> setChecked;
        std::function<QString(int)> caption;
    };

    struct Place // twips inside the frame
    {
        double buttonsLeft;
        double boxLeft;
        double boxTop = 900;
        double pitch = 240;
        double boxWidth;
        double scrollLeft = 1980; // with ten boxes or more
    };

    // `boxes` check boxes one pitch apart.
    CheckGroup(QGroupBox *frame, Binding binding, int boxes, Place place);

    // Redraws the boxes from the elements and the current page.
    void show();

    QGroupBox *frame() const { return frame_; }
    QCheckBox *box(int k) const { return boxes_[std::size_t(k)]; }
    QScrollBar *scrollBar() const { return scroll_; }
    QPushButton *allButton() const { return all_; }
    QPushButton *noneButton() const { return none_; }
    int firstShown() const { return first_; }

private:
    void setAll(bool checked);

    QGroupBox *frame_;
    Binding binding_;
    std::vector<QCheckBox *> boxes_;
    QScrollBar *scroll_ = nullptr;
    QPushButton *all_;
    QPushButton *none_;
    int first_ = 0;
};

// The pattern of the two filter dialogs: the member edits a copy of its
// filter record; the date bounds "Από:" and "Έως:" and the check groups write
// into the copy; "Εφαρμογή" writes the copy back and sets Status 1,
// "Ακύρωση" and the close box leave the filter as it was (Status 0). The
// dialog stands centred on the screen; F1 shows topic 5305; closing closes
// every help window.
class FilterDialog : public QDialog
{
public:
    QLineEdit *fromBox() const { return from_; }
    QLineEdit *toBox() const { return to_; }
    QPushButton *applyButton() const { return apply_; }
    QPushButton *cancelButton() const { return cancel_; }

    void done(int result) override;

protected:
    FilterDialog(const Platform &platform, const QString &title, QSizeF clientTwips, const QColor &background,
                 QWidget *parent);

    // The two date bounds: labels at `fromLeft` and `toLeft`, boxes 780 twips further right.
    void addDateBounds(double &fromDate, double &toDate, double fromLeft, double toLeft);
    QGroupBox *addFrame(QWidget *parent, const QString &title, double left, double top, double width, double height);
    // A check box bound to a switch of the copy.
    QCheckBox *addCheck(QWidget *parent, const QString &caption, bool &value, double left, double top, double width);
    void placeButtons(double cancelLeft, double applyLeft, double top, double width, double height);
    // The frames "Διαμερίσματα" and "Πρόσωπα" side by side (at `top`, twips),
    // their groups bound to the copy's switches and shown.
    std::pair<std::unique_ptr<CheckGroup>, std::unique_ptr<CheckGroup>>
    addFlatsAndPersons(QWidget *parent, const BuildingData &building, std::vector<bool> &flats,
                       std::vector<bool> &persons, double flatsLeft, double personsLeft, double top);
    // The members' copy written back into the shared record.
    virtual void apply() = 0;

private:
    const Platform &platform_;
    EntryBoxes *entries_;
    QLineEdit *from_ = nullptr;
    QLineEdit *to_ = nullptr;
    QPushButton *apply_;
    QPushButton *cancel_;
};

// The switches of a filter made as long as the flats or persons are now:
// those created after the last reset count as checked.
void ExtendSwitches(std::vector<bool> &switches, int count);

} // namespace kelvarino
