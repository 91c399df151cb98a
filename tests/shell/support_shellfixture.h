#pragma once

#include "core/appstate.h"
#include "platform/platform.h"
#include "shell/mainwindow.h"

#include <QTemporaryDir>

#include <memory>

namespace kelvarino {

// A main window on the test doubles, with a program folder of its own.
struct ShellFixture
{
    ShellFixture();

    QTemporaryDir dir;
    TestPlatform doubles;
    AppState state;
    std::unique_ptr<MainWindow> window;
    int endings = 0; // how often the program ended

    QString programFolder() const { return state.ProgramFolder; }
    // A data file in the program folder (or the given folder) with so many
    // flats and persons and this password.
    QString writeWork(const QString &name, int flats, int persons, const QString &password = {},
                      const QString &folder = {});
    // A work of so many flats and persons, as a reader would stage it.
    static BuildingData work(int flats, int persons);
    // Puts a recent entry for the path at index k.
    void setRecent(int k, const QString &path);
    QStringList messageTitles() const;
};

} // namespace kelvarino
