#include "register/personsexport.h"

#include "core/codepage1253.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kelvarino {

namespace {

const QList<int> ColumnWidths = {5, 42, 82, 16, 16, 50};

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

QString fixedLine(const QStringList &texts)
{
    return FixedWidthLine(texts, ColumnWidths);
}

} // namespace

std::optional<QString> ExportBaseName(const AppState &state, const QString &prefix)
{
    const QString name = TrimBlanks(state.DataFileName);
    if (name.isEmpty())
        return prefix + QStringLiteral("new");
    if (name.size() < 4)
        return std::nullopt;
    return prefix + name.left(name.size() - 4);
}

QString FixedWidthLine(const QStringList &texts, const QList<int> &widths)
{
    QString line;
    for (int c = 0; c < widths.size(); ++c) {
        QString text = texts.value(c);
        for (QChar &ch : text)
            if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QLatin1Char('\t'))
                ch = QLatin1Char(' ');
        line += text.leftJustified(widths.at(c), QLatin1Char(' '), true);
    }
    return line;
}

QByteArray TextFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp1253::encode(line) + "\r\n";
    return bytes;
}

std::optional<QString> PersonsExportBaseName(const AppState &state)
{
    return ExportBaseName(state, QStringLiteral("prnPersons_"));
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
    return TextFileBytes(lines);
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
