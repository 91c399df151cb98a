#include "register/textentry.h"

#include "core/codepage1253.h"
#include "core/fixedtext.h"
#include "core/formatting.h"

#include <QLineEdit>

namespace kelvarino {

namespace {

// The rule's text of a box, before the cut to the field's width.
QString Converted(const QString &typed, TypedTextRule rule)
{
    QString text = typed;
    if (rule == TypedTextRule::RemoveSpaces)
        text = RemoveSpaces(text);
    else if (rule == TypedTextRule::TrimLeadingBlank && text.startsWith(QLatin1Char(' ')))
        text = TrimBlanks(text);
    return Cp1253::storable(text);
}

// Where the caret stands once the code page's conversion has shortened what
// stood before it (an emoji before it is one "?" now, a letter and its accent
// one letter); the blank rules leave it where it was.
qsizetype CaretAfterConversion(const QString &typed, int caret)
{
    const QString before = typed.left(caret);
    return caret - (before.size() - Cp1253::storable(before).size());
}

} // namespace

QString ApplyTypedTextRule(QLineEdit *box, int width, TypedTextRule rule)
{
    const QString typed = box->text();
    QString text = Converted(typed, rule);
    if (text.size() > width)
        text.truncate(width);
    if (text != typed) {
        const qsizetype caret = CaretAfterConversion(typed, box->cursorPosition());
        box->setText(text);
        box->setCursorPosition(int(std::min(caret, text.size())));
    }
    return text;
}

} // namespace kelvarino
