#include "register/contactblock.h"

namespace kelvarino {

namespace {
const QString Tag = QStringLiteral("MirdostaPersonExtraData");
const int FieldStarts[6] = {23, 33, 83, 113, 128, 143};
const int FieldWidths[6] = {10, 50, 30, 15, 15, 50};
} // namespace

QString MakeContactBlock(const PersonRecord &person)
{
    const QString block = Tag + person.Salutation.text() + person.Street.text() + person.AreaPostcode.text() +
                          person.Phone.text() + person.Mobile.text() + person.Email.text();
    return block.left(ContactBlockLength);
}

std::optional<std::array<QString, 6>> ReadContactBlock(const QString &text)
{
    const QString block = text.leftJustified(ContactBlockLength, QLatin1Char(' '), true);
    if (!block.startsWith(Tag, Qt::CaseSensitive))
        return std::nullopt;
    std::array<QString, 6> fields;
    for (int i = 0; i < 6; ++i)
        fields[std::size_t(i)] = block.mid(FieldStarts[i], FieldWidths[i]).leftJustified(FieldWidths[i], QLatin1Char(' '));
    return fields;
}

} // namespace kelvarino
