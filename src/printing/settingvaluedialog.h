#pragma once

#include "printing/printingcontext.h"

#include <QDialog>

class QLineEdit;
class QScrollBar;

namespace kelvarino {

// The two value dialogs of the report windows: a vertical scroll bar running
// upside down (position = K - value) and a box showing the value. "Αριθμός
// στηλών δαπανών ανά σελίδα" (ExpenseColumnsPerPage, 1 to 6) and "Πραγματική
// μεγέθυνση" (Magnification in percent, 50 to 200). Only OK writes the slot,
// sets DataChanged and confirms. A stored value outside the range is shown
// clamped into it.
class SettingValueDialog : public QDialog
{
public:
    enum Kind { ExpenseColumns, RealMagnification };

    SettingValueDialog(Kind kind, const PrintingContext &context, int slot, QWidget *parent = nullptr);

    bool confirmed() const { return confirmed_; }

    // The handlers, also for tests.
    void typeValue(const QString &text);
    void leaveValue();
    void confirm();
    QString valueText() const;
    QScrollBar *bar() const { return bar_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    int storedValue() const;
    void showValue(int value);

    Kind kind_;
    PrintingContext context_;
    int slot_;
    int k_, low_, high_;
    bool confirmed_ = false;
    QLineEdit *tmag_ = nullptr;
    QScrollBar *bar_ = nullptr;
};

} // namespace kelvarino
