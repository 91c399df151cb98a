#include "register/textentry.h"

#include "core/codepage1253.h"
#include "core/fixedtext.h"
#include "core/formatting.h"

#include <QLineEdit>

namespace kelvarino {

QString ApplyTypedTextRule(QLineEdit *box, int width, TypedTextRule rule)
{
    const QString typed = box->text();
    QString text = typed;
    if (rule == TypedTextRule::RemoveSpaces)
        text = RemoveSpaces(text);
    else if (rule == TypedTextRule::TrimLeadingBlank && text.startsWith(QLatin1Char(' ')))
        text = TrimBlanks(text);
    text = Cp1253::decode(Cp1253::encode(text));
    if (text.size() > width)
        text.truncate(width);
    if (text != typed) {
        const int caret = box->cursorPosition();
        box->setText(text);
        box->setCursorPosition(std::min<int>(caret, int(text.size())));
    }
    return text;
}

} // namespace kelvarino
