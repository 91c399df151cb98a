#include "accounts/entryboxes.h"

#include "core/fixedtext.h"
#include "core/formatting.h"
#include "register/amountentry.h"
#include "register/dateboxfit.h"
#include "register/dateentry.h"
#include "register/textentry.h"
#include "shell/childframe.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

namespace kelvarino {

float ReadEntryAmount(const QString &text, bool negativeToZero)
{
    float value = 0;
    if (!ReadTypedAmount(text, value))
        return 0;
    if (negativeToZero && value < 0)
        return 0;
    return value;
}

QString EntryText(const QString &text, int width, bool trim)
{
    const QString value = trim ? TrimBlanks(text) : text;
    return value.left(width);
}

void EntryBoxes::watch(QWidget *box, std::function<void()> leave)
{
    rules_.insert(box, std::move(leave));
    box->installEventFilter(this);
}

void EntryBoxes::addDate(QLineEdit *box, std::function<void(double)> store)
{
    MarkDateBox(box);
    watch(box, [box, store = std::move(store)] {
        const double day = ReadTypedDate(box->text());
        box->setText(DateDisplay(day));
        store(day);
    });
}

void EntryBoxes::addAmount(QLineEdit *box, bool negativeToZero, std::function<void(float)> store)
{
    watch(box, [box, negativeToZero, store = std::move(store)] {
        const float value = ReadEntryAmount(box->text(), negativeToZero);
        box->setText(FormatAmount(value, 2, true));
        store(value);
    });
}

void EntryBoxes::addText(QLineEdit *box, int width, bool trim, std::function<void(const QString &)> store)
{
    connect(box, &QLineEdit::textEdited, this, [box, width] { ApplyTypedTextRule(box, width, TypedTextRule::AsTyped); });
    watch(box, [box, width, trim, store = std::move(store)] { store(EntryText(box->text(), width, trim)); });
}

void EntryBoxes::addText(QComboBox *box, int width, bool trim, std::function<void(const QString &)> store)
{
    QLineEdit *edit = box->lineEdit();
    connect(edit, &QLineEdit::textEdited, this,
            [edit, width] { ApplyTypedTextRule(edit, width, TypedTextRule::AsTyped); });
    // A choice from the list is text typed into the box.
    connect(box, &QComboBox::textActivated, this, [box, width, trim, store] {
        store(EntryText(box->currentText(), width, trim));
    });
    auto leave = [box, width, trim, store = std::move(store)] { store(EntryText(box->currentText(), width, trim)); };
    // The focus may rest on the combo box or on its line edit.
    watch(box, leave);
    watch(edit, leave);
}

void EntryBoxes::leaveFocused()
{
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        const auto rule = rules_.constFind(w);
        if (rule != rules_.constEnd()) {
            (*rule)();
            return;
        }
    }
}

void EntryBoxes::release()
{
    // Every watched box (a combo box and its line edit alike) is a key.
    for (auto rule = rules_.cbegin(); rule != rules_.cend(); ++rule) {
        rule.key()->removeEventFilter(this);
        rule.key()->disconnect(this);
    }
    rules_.clear();
}

bool EntryBoxes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Opening a list, a menu or a message box is not leaving the box;
        // an add or "ΟΚ" takes the box's text itself.
        if (LeavesBox(static_cast<QWidget *>(watched), static_cast<QFocusEvent *>(event))) {
            const auto rule = rules_.constFind(watched);
            if (rule != rules_.constEnd())
                (*rule)();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvarino
