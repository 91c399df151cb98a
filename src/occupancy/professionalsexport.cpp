#include "occupancy/professionalsexport.h"

#include "register/personsexport.h"

namespace kelvarino {

namespace {

const QList<int> ColumnWidths = {5, 21, 31, 83, 16, 16, 129, 513, 1024};

QStringList headings(const QString &mailHeading)
{
    return {QStringLiteral("α/α"),           QStringLiteral("Δραστηριότητα"), QStringLiteral("Ονοματεπώνυμο"),
            QStringLiteral("Διεύθυνση"),     QStringLiteral("Σταθερό"),       QStringLiteral("Κινητό"),
            mailHeading,                     QStringLiteral("Web"),           QStringLiteral("Σημείωση")};
}

QStringList contents(const ProfessionalRecord &p, int k)
{
    return {QString::number(k + 1),
            p.Activity.trimmed(),
            p.Name.trimmed(),
            p.Street.trimmed() + QStringLiteral(", ") + p.AreaPostcode.trimmed(),
            p.Phone.trimmed(),
            p.Mobile.trimmed(),
            p.Email.trimmed(),
            p.Web.trimmed(),
            p.Notes.trimmed()};
}

} // namespace

std::optional<QString> ProfessionalsExportBaseName(const AppState &state)
{
    return ExportBaseName(state, QStringLiteral("prnProfessionals_"));
}

QByteArray ProfessionalsTextFile(const BuildingData &building)
{
    QStringList lines{QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΠΑΓΓΕΛΜΑΤΙΩΝ"), building.BuildingId.trimmed(), QString(),
                      FixedWidthLine(headings(QStringLiteral("e-mail")), ColumnWidths)};
    for (int k = 0; k < building.ProfessionalCount(); ++k)
        lines << FixedWidthLine(contents(building.Professionals[std::size_t(k)], k), ColumnWidths);
    return TextFileBytes(lines);
}

QList<QStringList> ProfessionalsMatrix(const BuildingData &building)
{
    const QStringList empty(ColumnWidths.size(), QString());
    QStringList title = empty;
    title[0] = QStringLiteral("ΣΤΟΙΧΕΙΑ ΠΡΟΣΩΠΩΝ");
    QStringList name = empty;
    name[0] = building.BuildingId.trimmed();
    QList<QStringList> rows{title, name, empty, empty, headings(QStringLiteral("E-mail"))};
    for (int k = 0; k < building.ProfessionalCount(); ++k)
        rows << contents(building.Professionals[std::size_t(k)], k);
    return rows;
}

} // namespace kelvarino
