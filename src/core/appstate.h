#pragma once

#include "core/buildingdata.h"
#include "core/datafilesource.h"
#include "core/listfilters.h"

#include <QString>

#include <array>
#include <optional>

namespace kelvarino {

// A 32-bit colour as the autoload file stores it: red in the low byte.
inline constexpr quint32 Rgb(int red, int green, int blue)
{
    return quint32(red & 0xFF) | (quint32(green & 0xFF) << 8) | (quint32(blue & 0xFF) << 16);
}

inline constexpr int RecentFileCount = 9;

struct RecentFile
{
    FixedText<1024> Folder; // ends with the path separator
    FixedText<128> FileName;
    bool isEmpty() const { return Folder.isBlank() && FileName.isBlank(); }
    friend bool operator==(const RecentFile &, const RecentFile &) = default;
};

struct WallpaperSetting
{
    enum Mode : qint16 { BuiltInPicture = 0, OneColour = 1, PictureFile = 2 };
    qint16 Mode = BuiltInPicture;
    quint32 Colour = Rgb(0, 128, 128);
    FixedText<1024> PicturePath;
    quint32 Background = Rgb(0, 0, 0);
    friend bool operator==(const WallpaperSetting &, const WallpaperSetting &) = default;
};

// The one shared state of the program: the live building, its staging copy,
// the per-installation settings and the session flags. Every window is handed
// this object; tests make their own.
struct AppState
{
    // Persistent building data: the live work and the staging copy that the
    // data-file readers fill before a commit.
    BuildingData Building;
    BuildingData Loaded;
    // The staging copy of the print settings, which also holds the defaults of
    // a new work: the readers fill it, a new work overwrites only some fields,
    // and emptying the staging never clears it.
    PrintSettingSlots LoadedPrintSettings{};

    // Per installation (the autoload parameter file).
    std::array<RecentFile, RecentFileCount> RecentFiles{};
    WallpaperSetting Wallpaper;
    QString ProgramPrinter;
    QString PreferredFont;

    // Run time.
    QString ProgramFolder; // ends with '/'
    QString DataFolder;    // ends with '/'; the program folder at start-up
    QString DataFileName;  // empty for a work never saved
    // The data file as it was read or last saved, so that a save does not
    // silently write over what another writer put there meanwhile; none for
    // a work never saved.
    std::optional<FileStamp> DataFileStamp;
    FixedText<8> AccessPassword; // all blanks: none
    bool PasswordSet = false;
    bool DataChanged = false;
    bool EndAfterSave = false;
    QString CommandLinePath;
    QString SystemPrinter;
    bool PrintingPossible = false;
    // The filters of the expense and payment lists (kept in memory only).
    ExpenseFilterRecord ExpenseFilter;
    PaymentFilterRecord PaymentFilter;
    // The last confirmed pages choice of the print-parameters dialog: all pages
    // or the current one.
    bool PrintAllPages = false;

    // The path of the current data file, empty for a work never saved.
    QString dataFilePath() const { return DataFileName.isEmpty() ? QString() : DataFolder + DataFileName; }
};

} // namespace kelvarino
