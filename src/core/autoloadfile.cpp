#include "core/autoloadfile.h"

#include "core/bytereader.h"
#include "core/bytewriter.h"
#include "core/datafile.h"
#include "platform/boundedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace kelvarino {
namespace {

constexpr std::size_t NameFieldWidth = 512; // program printer, preferred font

// Every field after the header, in file order; drives both the reader and the
// writer.
constexpr auto ParametersLayout = [](auto &io, auto &recentFiles, auto &wallpaper, auto &printer, auto &font) {
    for (auto &entry : recentFiles) {
        io(entry.Folder);
        io(entry.FileName);
    }
    io(wallpaper.Mode);
    io(wallpaper.Colour);
    io(wallpaper.PicturePath);
    io(wallpaper.Background);
    io(printer);
    io(font);
};

} // namespace

namespace AutoloadFile {

QString fileName()
{
    return QStringLiteral("Quelbarinostrova.$$$");
}

QByteArray header()
{
    return QByteArrayLiteral("$MirdostaAutoloadParameters04$");
}

QByteArray write(const AppState &state)
{
    ByteWriter out(AutoloadFileSize);
    const QByteArray head = header();
    out.raw(head.constData(), head.size());
    const FixedText<NameFieldWidth> printer(state.ProgramPrinter);
    const FixedText<NameFieldWidth> font(state.PreferredFont);
    ParametersLayout(out, state.RecentFiles, state.Wallpaper, printer, font);
    return out.take();
}

bool read(const QByteArray &bytes, AppState &state)
{
    const QByteArray head = header();
    if (!bytes.startsWith(head))
        return false;
    ByteReader in(bytes, head.size());
    FixedText<NameFieldWidth> printer(state.ProgramPrinter);
    FixedText<NameFieldWidth> font(state.PreferredFont);
    ParametersLayout(in, state.RecentFiles, state.Wallpaper, printer, font);
    state.ProgramPrinter = printer.trimmed();
    state.PreferredFont = font.trimmed();
    return true;
}

QString writeFailedTitle()
{
    return QStringLiteral("Πρόβλημα με τη δημιουργία αρχείου");
}

QString writeFailedText()
{
    return QStringLiteral("Δεν μπορεί να δημιουργηθεί το αρχείο για αυτόματη φόρτωση της τελευταίας σας εργασίας. "
                          "Μάλλον τρέχετε το πρόγραμμα από CD.");
}

} // namespace AutoloadFile

QString AutoloadFilePath(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    if (!programFolder.isEmpty() && folder.isDir() && folder.isWritable())
        return QDir(programFolder).filePath(AutoloadFile::fileName());
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(AutoloadFile::fileName());
}

bool LoadAutoloadFile(AppState &state)
{
    // Only a regular file of the file's own size is read: a FIFO in its place
    // would block the start, a device or a huge file would fill the memory.
    // Anything else is ignored like a file of another program, and the next
    // write puts the file in its place.
    const QString path = AutoloadFilePath(state.ProgramFolder);
    if (BoundedFile::inspect(path, AutoloadFileSize) != BoundedFile::Refusal::None)
        return false;
    // A read-only mark would stop the next write; clear it, as the program
    // always has for this file.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    BoundedFile file(path, AutoloadFileSize);
    if (file.open() != BoundedFile::Refusal::None)
        return false;
    const QByteArray bytes = file.readRest();
    return !file.failed() && AutoloadFile::read(bytes, state);
}

bool SaveAutoloadFile(const AppState &state)
{
    const QString path = AutoloadFilePath(state.ProgramFolder);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // What stands in the file's place and is no file (a FIFO, a socket, a link
    // to a device) is replaced: writing through a link would write beside the
    // device it points to. A folder stays, and the write fails.
    if (BoundedFile::inspect(path, AutoloadFileSize) == BoundedFile::Refusal::NotRegular && !QFileInfo(path).isDir())
        QFile::remove(path);
    return SaveFileAtomically(path, AutoloadFile::write(state)) == SaveOutcome::Saved;
}

void PromoteCurrentFile(AppState &state)
{
    if (state.DataFileName.isEmpty())
        return;
    RecentFile candidate;
    candidate.Folder.set(state.DataFolder);
    candidate.FileName.set(state.DataFileName);
    auto &list = state.RecentFiles;
    // The entries above the one found (or every entry, the oldest dropping out)
    // move one place down.
    const auto found = std::find(list.begin(), list.end(), candidate);
    const auto last = found == list.end() ? list.end() - 1 : found;
    std::move_backward(list.begin(), last, last + 1);
    list.front() = candidate;
}

void RemoveUsedFile(AppState &state, int k)
{
    auto &list = state.RecentFiles;
    if (k < 0 || k >= int(list.size()))
        return;
    std::move(list.begin() + k + 1, list.end(), list.begin() + k);
    list.back() = RecentFile();
}

} // namespace kelvarino
