#pragma once

#include "printing/printingcontext.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kelvarino {

// The page setup "Διαμόρφωση σελίδας" of one slot: paper, orientation and the
// four margins in centimetres (left and top -5 to 5, right and bottom 0 to 5).
// Only "Εφαρμογή" writes the slot, sets DataChanged and confirms.
class PageSetupDialog : public QDialog
{
public:
    PageSetupDialog(const PrintingContext &context, int slot, QWidget *parent = nullptr);

    bool confirmed() const { return confirmed_; }

    // The handlers, also for tests.
    void confirm();
    // A key released in margin box i (0 left, 1 right, 2 top, 3 bottom).
    void marginKeyReleased(int i, int key);
    void leaveMargin(int i);
    QLineEdit *marginBox(int i) const { return boxes_[i]; }
    QComboBox *paperList() const { return paper_; }
    bool portraitSelected() const;
    void selectPortrait(bool portrait);
    float workingMargin(int i) const { return working_[i]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    void prepareWindow();
    void showMargin(int i);
    float storedMargin(int i) const;

    PrintingContext context_;
    int slot_;
    bool confirmed_ = false;
    bool paperChosen_ = false;
    QComboBox *paper_ = nullptr;
    QRadioButton *portrait_ = nullptr;
    QRadioButton *landscape_ = nullptr;
    std::array<QLineEdit *, 4> boxes_{};
    std::array<float, 4> working_{};
};

} // namespace kelvarino
