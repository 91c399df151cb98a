// Paints the splash picture into a PNG file at build time: the program shows
// the stored picture at once instead of loading fonts and painting it while
// the user waits for the splash.
#include "shell/builtinpictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: paintsplash <file.png>\n", stderr);
        return 2;
    }
    return kelvarino::BuiltInPictures::splash().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
