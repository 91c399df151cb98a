#include "register/personsexport.h"

#include "core/codepage1253.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kelvarino {

namespace {

const int ColumnWidths[6] = {5, 42, 82, 16, 16, 50};

QStringList headings()
{
    return {QStringLiteral("α/α"),     QStringLiteral("Ονοματεπώνυμο"), QStringLiteral("Διεύθυνση"),
            QStringLiteral("Σταθερό"), QStringLiteral("Κινητό"),        QStringLiteral("e-mail")};
}

QStringList contents(const PersonRecord &p, int k)
{
    return {QString::number(k + 1),
            TrimBlanks(p.Salutation.trimmed() + QLatin1Char(' ') + p.Name.trimmed()),
            TrimBlanks(p.Street.trimmed() + QStringLiteral(", ") + p.AreaPostcode.trimmed()),
            p.Phone.trimmed(),
            p.Mobile.trimmed(),
            p.Email.trimmed()};
}

// One fixed-width line: each text left-aligned, padded and cut to its column.
// A line break inside a field would break the columns: it becomes a blank.
QString fixedLine(const QStringList &texts)
{
    QString line;
    for (int c = 0; c < 6; ++c) {
        QString text = texts.at(c);
        text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        line += text.leftJustified(ColumnWidths[c], QLatin1Char(' '), true);
    }
    return line;
}

} // namespace

std::optional<QString> PersonsExportBaseName(const AppState &state)
{
    const QString name = TrimBlanks(state.DataFileName);
    if (name.isEmpty())
        return QStringLiteral("prnPersons_new");
    if (name.size() < 4)
        return std::nullopt;
    return QStringLiteral("prnPersons_") + name.left(name.size() - 4);
}

QString ExportFolder(const AppState &state)
{
    QString folder = TrimBlanks(state.DataFolder);
    if (folder.isEmpty())
        folder = state.ProgramFolder;
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isWritable())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString WorkbookStamp(const QDateTime &moment)
{
    const QDate d = moment.date();
    const QTime t = moment.time();
    return QString::number(d.year() + d.month() + d.day() + t.hour() + t.minute() + t.second());
}

QByteArray PersonsTextFile(const BuildingData &building)
{
    QStringList lines{QStringLiteral("ΣΤΟΙΧΕΙΑ ΠΡΟΣΩΠΩΝ"), building.BuildingId.trimmed(), QString(), fixedLine(headings())};
    for (int k = 0; k < building.PersonCount(); ++k)
        lines << fixedLine(contents(building.Persons[std::size_t(k)], k));
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp1253::encode(line) + "\r\n";
    return bytes;
}

QList<QStringList> PersonsMatrix(const BuildingData &building)
{
    const QStringList empty(6, QString());
    QList<QStringList> rows;
    rows << QStringList{QStringLiteral("ΣΤΟΙΧΕΙΑ ΠΡΟΣΩΠΩΝ"), QString(), QString(), QString(), QString(), QString()};
    rows << QStringList{building.BuildingId.trimmed(), QString(), QString(), QString(), QString(), QString()};
    rows << empty << empty << headings();
    for (int k = 0; k < building.PersonCount(); ++k)
        rows << contents(building.Persons[std::size_t(k)], k);
    return rows;
}

} // namespace kelvarino
