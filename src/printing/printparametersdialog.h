#pragma once

#include "printing/printingcontext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace kelvarino {

// The print-parameters dialog "Παράμετροι εκτύπωσης": the printer the job
// will use (a click changes it through the printer selection), all pages or
// the current one, and 1 to 20 copies. On confirmation the program printer is
// current and the pages choice is kept for the next opening.
class PrintParametersDialog : public QDialog
{
public:
    static constexpr int MaxCopies = 20;

    PrintParametersDialog(const PrintingContext &context, int pageRows, int pageColumns, QWidget *parent = nullptr);

    // The answers after the dialog closed.
    PrintChoice choice() const { return choice_; }

    // For tests and the handlers: the copies box left with a typed text, the
    // two page options, the printer label clicked, OK.
    void typeCopies(const QString &text);
    void leaveCopies();
    void chooseAllPages(bool all);
    void printerClicked();
    void confirm();
    bool allPagesSelected() const;
    QString copiesText() const;
    int copiesFromBar() const;
    QString pagesText() const;
    QString printerText() const;
    QScrollBar *copiesBar() const { return copiesBar_; }

    // The typed count as the box reads it: the leading number rounded to the
    // nearest whole number (halves to even) within 1 to 20; 1 when it does
    // not fit 16 bits.
    static int CopiesOfText(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    PrintingContext context_;
    PrintChoice choice_;
    QRadioButton *allPages_ = nullptr;
    QRadioButton *currentPage_ = nullptr;
    QLabel *pagesLabel_ = nullptr;
    QLineEdit *copiesBox_ = nullptr;
    QScrollBar *copiesBar_ = nullptr;
    QLabel *printerLabel_ = nullptr;
};

} // namespace kelvarino
