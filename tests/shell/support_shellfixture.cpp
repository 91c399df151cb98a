#include "support_shellfixture.h"

#include "core/datafile.h"
#include "shell/pathparts.h"

#include <QFile>
#include <QFileInfo>

namespace kelvarino {

ShellFixture::ShellFixture()
{
    state.ProgramFolder = FolderWithSeparator(dir.path());
    state.DataFolder = state.ProgramFolder;
    window = std::make_unique<MainWindow>(state, doubles.platform());
    QObject::connect(window.get(), &MainWindow::programEnded, window.get(), [this] { ++endings; });
    window->files().ResetToNew();
}

BuildingData ShellFixture::work(int flats, int persons)
{
    BuildingData data;
    for (int i = 0; i < flats; ++i) {
        FlatRecord flat;
        flat.ShortName.set(QStringLiteral("Δ%1").arg(i + 1));
        data.Flats.push_back(flat);
    }
    for (int i = 0; i < persons; ++i) {
        PersonRecord person;
        person.Name.set(QStringLiteral("Πρόσωπο %1").arg(i + 1));
        data.Persons.push_back(person);
    }
    if (flats > 0)
        for (auto &columns : data.ShareColumns)
            columns.push_back(ShareColumn::zeros(flats));
    data.BuildingId.set(QStringLiteral("Οδός Παραδείγματος %1").arg(flats));
    return data;
}

QString ShellFixture::writeWork(const QString &name, int flats, int persons, const QString &password,
                                const QString &folder)
{
    const QString path = FolderWithSeparator(folder.isEmpty() ? dir.path() : folder) + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(WriteDataFile(work(flats, persons), FixedText<8>(password), QStringLiteral("Arial")));
    return path;
}

void ShellFixture::setRecent(int k, const QString &path)
{
    const QFileInfo info(path);
    state.RecentFiles[size_t(k)].Folder.set(FolderOf(info.absoluteFilePath()));
    state.RecentFiles[size_t(k)].FileName.set(info.fileName());
    window->showRecentFiles();
}

QStringList ShellFixture::messageTitles() const
{
    QStringList titles;
    for (const MessageRequest &request : doubles.messages.shown)
        titles.append(request.title);
    return titles;
}

} // namespace kelvarino
