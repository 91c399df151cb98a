#include "support_shellfixture.h"

#include "core/autoloadfile.h"
#include "shell/pictureviewer.h"
#include "shell/wallpaperarea.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace kelvarino;

namespace {

pictureViewer *openChooser(ShellFixture &f)
{
    f.window->resize(1000, 700);
    f.window->show();
    f.window->runCommand(QStringLiteral("mnuWallPaper"));
    return dynamic_cast<pictureViewer *>(f.window->childWindows().value(0));
}

QString writePicture(ShellFixture &f, const QString &name, QColor colour)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = f.dir.filePath(name);
    picture.save(path);
    return path;
}

// A file named like a picture that holds none.
QString writeBrokenPicture(ShellFixture &f)
{
    const QString path = f.dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("not a picture");
    return path;
}

} // namespace

class TestWallpaper : public QObject
{
    Q_OBJECT

private slots:
    void oneColourIsAppliedAndStored()
    {
        ShellFixture f;
        pictureViewer *chooser = openChooser(f);
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Επιλογή ταπετσαρίας"));
        chooser->mnuChoice(WallpaperSetting::OneColour);
        f.doubles.fileDialogs.colourAnswers = {Rgb(10, 20, 30)};
        chooser->openColor_Click();
        // Nothing changes before "Εφαρμογή".
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::BuiltInPicture));
        chooser->mnuApply_Click();
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::OneColour));
        QCOMPARE(f.state.Wallpaper.Colour, Rgb(10, 20, 30));
        QCOMPARE(f.window->clientArea()->backgroundColour(), QColor(10, 20, 30));
        QVERIFY(f.window->clientArea()->picture().isNull());

        AppState stored;
        stored.ProgramFolder = f.programFolder();
        QVERIFY(LoadAutoloadFile(stored));
        QCOMPARE(stored.Wallpaper.Colour, Rgb(10, 20, 30));
    }

    void aPictureFileIsPreviewedAndStretchedOverTheWindow()
    {
        ShellFixture f;
        const QString path = writePicture(f, QStringLiteral("sea.jpg"), Qt::blue);
        pictureViewer *chooser = openChooser(f);
        chooser->mnuChoice(WallpaperSetting::PictureFile);
        QCOMPARE(chooser->folder(), QDir(f.dir.path()).canonicalPath());
        QCOMPARE(chooser->fileList()->count(), 1);
        chooser->previewFile(QStringLiteral("sea.jpg"));
        QVERIFY(chooser->previewImage()->width() < chooser->preview()->width());
        chooser->mnuApply_Click();
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::PictureFile));
        QCOMPARE(QFileInfo(f.state.Wallpaper.PicturePath.trimmed()).canonicalFilePath(),
                 QFileInfo(path).canonicalFilePath());
        QVERIFY(f.window->clientArea()->picture().width() > 40);

        // Reopened, the chooser finds the stored file again.
        f.window->childWindows().first()->close();
        QTRY_COMPARE(f.window->childWindows().size(), 0);
        pictureViewer *again = openChooser(f);
        QCOMPARE(again->fileList()->currentItem()->text(), QStringLiteral("sea.jpg"));
    }

    void aPictureThatCannotBeReadKeepsTheWallpaper()
    {
        ShellFixture f;
        const QString broken = writeBrokenPicture(f);
        pictureViewer *chooser = openChooser(f);
        chooser->mnuChoice(WallpaperSetting::PictureFile);
        chooser->previewFile(QStringLiteral("broken.jpg"));
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QCOMPARE(f.doubles.messages.shown.first().title, QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου εικόνας"));
        QCOMPARE(f.doubles.messages.shown.first().text,
                 QStringLiteral("Δεν υποστηρίζεται το αρχείο αυτό από την εφαρμογή."));
        QVERIFY(chooser->editedWallpaper().PicturePath.isBlank());
        chooser->mnuApply_Click();
        QCOMPARE(f.doubles.messages.shown.size(), 2);
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::BuiltInPicture));
        QVERIFY(!QFile::exists(AutoloadFilePath(f.programFolder())));
    }

    void anUnreadablePictureAtStartUpGivesTheBuiltInOne()
    {
        ShellFixture f;
        const QString broken = writeBrokenPicture(f);
        AppState saved;
        saved.ProgramFolder = f.programFolder();
        saved.Wallpaper.Mode = WallpaperSetting::PictureFile;
        saved.Wallpaper.PicturePath.set(broken);
        QVERIFY(SaveAutoloadFile(saved));
        f.window->MDIForm_Load();
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::BuiltInPicture));
        QVERIFY(!f.window->clientArea()->picture().isNull());
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestWallpaper)
#include "test_wallpaper.moc"
