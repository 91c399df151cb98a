#include "platform/fontfamilies.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace kelvarino {

namespace {

// The family the font system draws a name with, after its aliases and, for a
// name it does not know, its fallback.
QString substitutedFamily(const QString &name)
{
    return QFontInfo(QFont(name)).family();
}

QString familyOf(const QString &name)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(name, Qt::CaseSensitive))
        return name;
    // A family's name in another case is not the family.
    if (name.trimmed().isEmpty() || installed.contains(name, Qt::CaseInsensitive))
        return {};
    static const QString fallback = substitutedFamily(QStringLiteral("\u0001 no family has this name"));
    const QString alias = substitutedFamily(name);
    if (alias != fallback && installed.contains(alias, Qt::CaseSensitive))
        return alias;
    return {};
}

} // namespace

QString InstalledFontFamily(const QString &name)
{
    static QHash<QString, QString> answers;
    const auto known = answers.constFind(name);
    if (known != answers.constEnd())
        return known.value();
    QString family = familyOf(name);
    static const QString greek = QStringLiteral(" Greek");
    if (family.isEmpty() && name.endsWith(greek) && name.size() > greek.size())
        family = familyOf(name.chopped(greek.size()));
    answers.insert(name, family);
    return family;
}

} // namespace kelvarino
