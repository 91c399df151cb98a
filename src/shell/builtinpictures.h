#pragma once

#include <QImage>

namespace kelvarino {

// The program's own artwork, drawn by code: the built-in wallpaper, the splash
// picture with its hidden portrait, the about-box picture and the program's
// icon. Each picture is painted anew on every call, on any thread.
class BuiltInPictures
{
public:
    static QImage wallpaper(); // 1023 x 769
    // The wallpaper drawn at another size.
    static QImage wallpaper(const QSize &size);
    static QImage splash();    // 600 x 360
    static QImage portrait();  // square
    static QImage about();     // 620 x 612
    static QImage icon();      // 64 x 64, a block of flats against the sky
};

} // namespace kelvarino
