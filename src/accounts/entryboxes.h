#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace kelvarino {

// The boxes of an entry frame or a change dialog, each storing its value into
// the record being typed when it is left (the date, amount and text rules
// below). Before an add, "ΟΚ" or "Εφαρμογή" the owner calls leaveFocused(), so
// that what the box with the focus still holds is taken as if it had been
// left: no typed value is lost to a click on an image that takes no focus.
class EntryBoxes : public QObject
{
public:
    explicit EntryBoxes(QObject *parent = nullptr) : QObject(parent) {}

    // A date box: a recognised day later than 1 January 1000, else not set
    // and the box emptied; the box shows the stored day again.
    void addDate(QLineEdit *box, std::function<void(double)> store);
    // An amount box: decimal comma or point, the leading number (0 when
    // none), 0 beyond a 32-bit float; negatives become 0 when the rule says
    // so. The box is rewritten with two fixed decimals.
    void addAmount(QLineEdit *box, bool negativeToZero, std::function<void(float)> store);
    // A text box of a fixed-width field: while typed, characters the data
    // file cannot hold show "?" and the text is cut to the width; when left,
    // the text (trimmed when `trim`) is stored.
    void addText(QLineEdit *box, int width, bool trim, std::function<void(const QString &)> store);
    // The same for the text of an editable combo box.
    void addText(QComboBox *box, int width, bool trim, std::function<void(const QString &)> store);

    // Runs the rule of the box that holds the focus, as if it had been left.
    void leaveFocused();
    // From now on no box stores anything: the record they type into is going.
    void release();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *box, std::function<void()> leave);
    QHash<QObject *, std::function<void()>> rules_;
};

// The amount rule alone.
float ReadEntryAmount(const QString &text, bool negativeToZero);
// The text rule alone: a text cut to the width as stored (trimmed when asked).
QString EntryText(const QString &text, int width, bool trim);

} // namespace kelvarino
