#pragma once

#include <QObject>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace kelvarino {

struct AppState;
class MessageService;

// The building's opening figures on the flats window: the initial cash, the
// charges of the previous management period, one reserve per category and a
// note. Typing is stored at once (amounts when they differ by more than half a
// cent); ESC returns a box to its value at its last focus loss.
class OpeningFigures : public QObject
{
public:
    // Lays the boxes out on the window (twips as designed) and fills them.
    OpeningFigures(QWidget *window, AppState &state, MessageService &messages);

    // Reads the figures again when the categories were reordered behind the
    // window, so that a reserve box never writes into another category.
    void syncWithData();

    // Where Enter in the last reserve sends the focus.
    void setAfterLastReserve(std::function<void()> focusNext) { afterLastReserve_ = std::move(focusNext); }

    QLineEdit *initialCashBox() const { return boxes_[CashBox].edit; }
    QLineEdit *previousChargesBox() const { return boxes_[ChargesBox].edit; }
    QLineEdit *reserveBox(int category) const { return boxes_[std::size_t(FirstReserveBox + category)].edit; }
    QPlainTextEdit *noteBox() const { return note_; }
    QLabel *reservesTitle() const { return reservesTitle_; }

    // The explanations behind the labels.
    void explainInitialCash();
    void explainPreviousCharges();
    void explainReserves();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum { CashBox = 0, ChargesBox = 1, FirstReserveBox = 2, BoxCount = 8 };
    struct AmountBox
    {
        QLineEdit *edit = nullptr;
        float *stored = nullptr;
        float snapshot = 0;
    };

    void build(QWidget *window);
    void fill();
    void showReservesTotal();
    void typed(int box);
    void left(int box);
    void escape(int box);
    void enter(int box);
    void noteChanged();
    QString display(float value) const;

    AppState &state_;
    MessageService &messages_;
    std::array<AmountBox, BoxCount> boxes_{};
    std::array<QLabel *, 6> reserveLabels_{};
    QLabel *cashLabel_ = nullptr;
    QLabel *chargesLabel_ = nullptr;
    QLabel *reservesTitle_ = nullptr;
    QPlainTextEdit *note_ = nullptr;
    bool editing_ = false;
    quint64 shownGeneration_ = 0;
    std::function<void()> afterLastReserve_;
};

} // namespace kelvarino
