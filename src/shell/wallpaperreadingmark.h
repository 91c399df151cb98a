#pragma once

#include <QString>

namespace kelvarino {

// The stored wallpaper picture is read again at every start. So that one
// picture that crashes or freezes the reading cannot stop every later start,
// the start-up's reading is marked by a small file beside the autoload file
// while it runs: a mark found at the next start means that reading never
// finished, and the picture is not read again.
class WallpaperReadingMark
{
public:
    explicit WallpaperReadingMark(const QString &programFolder);
    WallpaperReadingMark(const WallpaperReadingMark &) = delete;
    WallpaperReadingMark &operator=(const WallpaperReadingMark &) = delete;

    // Whether a reading of an earlier start left its mark.
    bool leftBehind() const;
    // Marks a reading of this picture as begun. False when the mark cannot be
    // written (a folder the program may not write to): the picture is then
    // read unguarded, as it would be without the mark.
    bool begin(const QString &picturePath);
    // The reading finished (or its picture is no longer stored): the mark goes.
    void clear();

private:
    // The mark's file: the autoload file's name with its own extension.
    static QString path(const QString &programFolder);

    QString path_;
};

} // namespace kelvarino
