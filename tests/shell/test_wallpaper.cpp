#include "support_shellfixture.h"

#include "core/autoloadfile.h"
#include "pictures/picturereader.h"
#include "shell/wallpaperarea.h"
#include "shell/wallpaperchooser.h"
#include "testprogram.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QtEndian>

using namespace kelvarino;

namespace test_wallpaper {

namespace {

WallpaperChooser *openChooser(ShellFixture &f)
{
    f.window->resize(1000, 700);
    f.window->show();
    f.window->runCommand(QStringLiteral("wallpaper"));
    return dynamic_cast<WallpaperChooser *>(f.window->childWindows().value(0));
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

// A placeable Windows metafile of 1000 x 500 units at 1000 units an inch
// (96 x 48 pixels at the reading resolution): its left half a rectangle filled
// with `colour`, drawn without a border; the right half is never drawn.
QByteArray metafileWithLeftHalf(QColor colour)
{
    QByteArray records;
    const auto word = [&records](int value) {
        char bytes[2];
        qToLittleEndian<quint16>(quint16(value), bytes);
        records.append(bytes, 2);
    };
    const auto record = [&](int function, std::initializer_list<int> params) {
        const int words = 3 + int(params.size());
        word(words & 0xFFFF);
        word(words >> 16);
        word(function);
        for (int p : params)
            word(p);
    };
    const int bgr = colour.red() | colour.green() << 8 | colour.blue() << 16;
    record(0x020B, {0, 0});                             // SetWindowOrg (y, x)
    record(0x020C, {500, 1000});                        // SetWindowExt (y, x)
    record(0x02FC, {0, bgr & 0xFFFF, bgr >> 16, 0});    // CreateBrushIndirect: solid, colour
    record(0x012D, {0});                                // SelectObject 0 (the brush)
    record(0x02FA, {5, 0, 0, 0, 0});                    // CreatePenIndirect: no pen
    record(0x012D, {1});                                // SelectObject 1 (the pen)
    record(0x041B, {500, 500, 0, 0});                   // Rectangle (bottom, right, top, left)
    record(0x0000, {});                                 // end of file

    QByteArray file;
    const auto put = [&file](quint64 value, int size) {
        char bytes[4];
        qToLittleEndian<quint32>(quint32(value), bytes);
        file.append(bytes, size);
    };
    // Placeable header: key, handle, bounding box, units an inch, reserved,
    // then the checksum, the XOR of the ten words before it.
    put(0x9AC6CDD7, 4);
    for (int v : {0, 0, 0, 1000, 500, 1000})
        put(quint64(v), 2);
    put(0, 4);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<quint16>(file.constData() + i);
    put(checksum, 2);
    // Standard header: in memory, 9 words, version 3, size in words, two
    // objects, the largest record (8 words), no parameters.
    put(1, 2);
    put(9, 2);
    put(0x0300, 2);
    put(quint64(9 + records.size() / 2), 4);
    put(2, 2);
    put(8, 4);
    put(0, 2);
    return file + records;
}

QString writeFile(ShellFixture &f, const QString &name, const QByteArray &bytes)
{
    const QString path = f.dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

const QColor MetafileColour(200, 40, 90);

} // namespace

class TestWallpaper : public QObject
{
    Q_OBJECT

private slots:
    void oneColourIsAppliedAndStored()
    {
        ShellFixture f;
        WallpaperChooser *chooser = openChooser(f);
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Επιλογή ταπετσαρίας"));
        chooser->chooseMode(WallpaperSetting::OneColour);
        f.doubles.fileDialogs.colourAnswers = {Rgb(10, 20, 30)};
        chooser->pickColour();
        // Nothing changes before "Εφαρμογή".
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::BuiltInPicture));
        chooser->applyWallpaper();
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
        WallpaperChooser *chooser = openChooser(f);
        chooser->chooseMode(WallpaperSetting::PictureFile);
        QCOMPARE(chooser->folder(), QDir(f.dir.path()).canonicalPath());
        QCOMPARE(chooser->fileList()->count(), 1);
        chooser->previewFile(QStringLiteral("sea.jpg"));
        QVERIFY(chooser->previewImage()->width() < chooser->preview()->width());
        chooser->applyWallpaper();
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::PictureFile));
        QCOMPARE(QFileInfo(f.state.Wallpaper.PicturePath.trimmed()).canonicalFilePath(),
                 QFileInfo(path).canonicalFilePath());
        QVERIFY(f.window->clientArea()->picture().width() > 40);

        // Reopened, the chooser finds the stored file again.
        f.window->childWindows().first()->close();
        QTRY_COMPARE(f.window->childWindows().size(), 0);
        WallpaperChooser *again = openChooser(f);
        QCOMPARE(again->fileList()->currentItem()->text(), QStringLiteral("sea.jpg"));
    }

    void theFileListPreviewsTheFileChosenByMouseOrKeys()
    {
        ShellFixture f;
        writePicture(f, QStringLiteral("a.bmp"), Qt::red);
        writePicture(f, QStringLiteral("b.bmp"), Qt::blue);
        writeBrokenPicture(f);
        WallpaperChooser *chooser = openChooser(f);
        chooser->chooseMode(WallpaperSetting::PictureFile);
        QListWidget *files = chooser->fileList();
        QCOMPARE(files->count(), 3);
        const auto previewed = [chooser] {
            const QImage shown = chooser->previewImage()->pixmap().toImage();
            return shown.isNull() ? QColor() : shown.pixelColor(shown.width() / 2, shown.height() / 2);
        };
        const auto shownPath = [chooser] { return QFileInfo(chooser->pathLabel()->text()).fileName(); };

        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
        QCOMPARE(shownPath(), QStringLiteral("a.bmp"));
        QCOMPARE(previewed(), QColor(Qt::red));
        QTest::keyClick(files, Qt::Key_Down);
        QCOMPARE(shownPath(), QStringLiteral("b.bmp"));
        QCOMPARE(previewed(), QColor(Qt::blue));
        QCOMPARE(QFileInfo(chooser->editedWallpaper().PicturePath.trimmed()).fileName(), QStringLiteral("b.bmp"));
        QTest::keyClick(files, Qt::Key_Up);
        QCOMPARE(shownPath(), QStringLiteral("a.bmp"));
        QCOMPARE(previewed(), QColor(Qt::red));
        QVERIFY(f.doubles.messages.shown.isEmpty());

        // Another file type fills the list anew and chooses nothing: the
        // preview stays as it was.
        chooser->fileTypes()->setCurrentIndex(2);
        QCOMPARE(files->count(), 0);
        QCOMPARE(shownPath(), QStringLiteral("a.bmp"));
        QCOMPARE(previewed(), QColor(Qt::red));

        // In the list filled anew the first key chooses the first file; a
        // file the keys reach that holds no picture is refused once, and the
        // preview and the path under it stay with the picture last shown.
        chooser->fileTypes()->setCurrentIndex(0);
        QTest::keyClick(files, Qt::Key_End);
        QCOMPARE(shownPath(), QStringLiteral("a.bmp"));
        QTest::keyClick(files, Qt::Key_End);
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QCOMPARE(shownPath(), QStringLiteral("a.bmp"));
        QCOMPARE(previewed(), QColor(Qt::red));
        QCOMPARE(QFileInfo(chooser->editedWallpaper().PicturePath.trimmed()).fileName(), QStringLiteral("a.bmp"));
        chooser->applyWallpaper();
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QCOMPARE(QFileInfo(f.state.Wallpaper.PicturePath.trimmed()).fileName(), QStringLiteral("a.bmp"));
    }

    void aMetafileIsDrawnAtTheSizeAsked_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("natural size") << QSize() << QSize(96, 48);
        QTest::newRow("stretched") << QSize(400, 300) << QSize(400, 300);
    }

    void aMetafileIsDrawnAtTheSizeAsked()
    {
        QFETCH(QSize, asked);
        QFETCH(QSize, expected);
        const QImage picture = PictureReader::readMetafile(metafileWithLeftHalf(MetafileColour), asked);
        QCOMPARE(picture.size(), expected);
        const int w = expected.width(), h = expected.height();
        QCOMPARE(picture.pixelColor(w / 4, h / 2), MetafileColour);
        QCOMPARE(picture.pixelColor(2, 2), MetafileColour);
        QVERIFY(picture.pixelColor(3 * w / 4, h / 2) != MetafileColour);
    }

    void aMetafileIsPreviewedAppliedAndPaintedAtStartUp()
    {
        ShellFixture f;
        writeFile(f, QStringLiteral("plan.wmf"), metafileWithLeftHalf(MetafileColour));
        WallpaperChooser *chooser = openChooser(f);
        chooser->chooseMode(WallpaperSetting::PictureFile);
        chooser->previewFile(QStringLiteral("plan.wmf"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        const QImage preview = chooser->previewImage()->pixmap().toImage();
        QCOMPARE(preview.pixelColor(preview.width() / 4, preview.height() / 2), MetafileColour);
        chooser->applyWallpaper();
        QVERIFY(f.doubles.messages.shown.isEmpty());
        const QImage applied = f.window->clientArea()->picture();
        QVERIFY(applied.width() > 96);
        QCOMPARE(applied.pixelColor(applied.width() / 4, applied.height() / 2), MetafileColour);
        QVERIFY(applied.pixelColor(3 * applied.width() / 4, applied.height() / 2) != MetafileColour);

        // The next start reads the stored setting and paints the metafile again.
        ShellFixture next;
        next.state.ProgramFolder = f.programFolder();
        next.window->finishStartUp();
        QCOMPARE(next.state.Wallpaper.Mode, qint16(WallpaperSetting::PictureFile));
        const QImage restarted = next.window->clientArea()->picture();
        QCOMPARE(restarted.pixelColor(restarted.width() / 4, restarted.height() / 2), MetafileColour);
        QVERIFY(next.doubles.messages.shown.isEmpty());
    }

    void aPictureThatCannotBeReadKeepsTheWallpaper_data()
    {
        const QByteArray metafile = metafileWithLeftHalf(MetafileColour);
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a picture") << QStringLiteral("broken.jpg") << QByteArray("not a picture");
        QTest::newRow("metafile cut in its records") << QStringLiteral("cut.wmf") << metafile.left(metafile.size() - 20);
        QTest::newRow("metafile cut in its header") << QStringLiteral("short.wmf") << metafile.left(30);
        QByteArray scrambled = metafile.left(40);
        for (int i = 0; i < 64; ++i)
            scrambled.append(char(0xA5 ^ (i * 37)));
        QTest::newRow("metafile header, then garbage") << QStringLiteral("garbage.wmf") << scrambled;
        QTest::newRow("garbage named .wmf") << QStringLiteral("noise.wmf") << QByteArray(200, '\x5a');
    }

    void aPictureThatCannotBeReadKeepsTheWallpaper()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        ShellFixture f;
        writeFile(f, name, bytes);
        WallpaperChooser *chooser = openChooser(f);
        chooser->chooseMode(WallpaperSetting::PictureFile);
        chooser->previewFile(name);
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QCOMPARE(f.doubles.messages.shown.first().title, QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου εικόνας"));
        QCOMPARE(f.doubles.messages.shown.first().text,
                 QStringLiteral("Δεν υποστηρίζεται το αρχείο αυτό από την εφαρμογή."));
        QVERIFY(chooser->editedWallpaper().PicturePath.isBlank());
        // No picture was shown before: the preview shows none, and no path.
        QVERIFY(chooser->pathLabel()->text().isEmpty());
        QVERIFY(chooser->previewImage()->pixmap().isNull());
        chooser->applyWallpaper();
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
        f.window->finishStartUp();
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::BuiltInPicture));
        QVERIFY(!f.window->clientArea()->picture().isNull());
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }
};

KV_TEST_MAIN(TestWallpaper)

} // namespace test_wallpaper
#include "test_wallpaper.moc"
