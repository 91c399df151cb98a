#pragma once

#include "core/buildingdata.h"
#include "core/datafilesource.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace kelvarino {

using PackedPasswordPair = std::array<qint32, 2>;

// The access password packed into the two numbers the data file stores
// (computed in 64 bits, stored as the low 32), and back. Unpacking is the exact
// inverse for any pair of numbers.
PackedPasswordPair PackPassword(const FixedText<8> &password);
FixedText<8> UnpackPassword(const PackedPasswordPair &packed);

// Why a data file could not be opened or read.
enum class DataFileProblem {
    None,
    Missing,        // nothing of that name
    NoPermission,   // the user may not read it
    TooManyLinks,   // its links go round in a loop or are too many
    UnreadableName, // its name holds bytes that are no text, so it cannot be found by it
    Unreadable,     // it cannot be opened for another reason
};

// Texts of the messages about data files, exactly as the user sees them.
namespace DataFileMessages {
QString readTitle();                        // "Πρόβλημα με την ανάγνωση του αρχείου"
QString foreignFile(const QString &fullPath); // "Το αρχείο ... δεν είναι αρχείο του προγράμματος."
QString damaged();                          // "Τα αποθηκευμένα δεδομένα μπορεί να είναι κατεστραμμένα."
// The damaged-file message followed by the file it is about.
QString damagedFile(const QString &fullPath);
// The file named on a line of its own, then why it could not be read.
QString unreadableFile(const QString &fullPath, DataFileProblem problem);
} // namespace DataFileMessages

// Whether the work keeps the rules every data file must keep: no list over
// MaxListCount records; with flats, every category has at least one per-mille
// column and every column one entry per flat; without flats, no columns; every
// person, flat and category reference in range (a common expense may name no
// flat, -1). The reader refuses a file that breaks them and the writer a work
// that does, so whatever is saved opens again.
bool IsStorableWork(const BuildingData &work);

// The size of the largest data file there can be: a building with every list,
// every category's per-mille columns and the flats in each column at
// MaxListCount, with the preferred-font field whole.
qint64 LargestDataFileSize();

// Reads one data file, section by section, from the file itself or from bytes
// in memory. Nothing is trusted: every count, width and reference is checked
// against the bytes that remain and the lists before anything is allocated or
// read, so the time and memory a reading takes follow the work the file
// holds, not its length. A damaged file is refused as a whole.
class DataFileReader
{
public:
    explicit DataFileReader(QByteArray bytes);
    explicit DataFileReader(std::unique_ptr<DataFileSource> source);
    DataFileReader(DataFileReader &&) noexcept;
    DataFileReader &operator=(DataFileReader &&) noexcept;
    ~DataFileReader();

    // 1 or 2 for the two formats, -1 for a file that is not ours.
    int CheckDataFileVersion() const;
    // The two password numbers after the magic. A file too short to hold them
    // gives the numbers of the blank password, so opening it asks for no
    // password and ReadDataFile then refuses it as damaged.
    PackedPasswordPair PackedPassword() const;
    // Reads the work after the password into the staging copy, once. False
    // when the file is damaged, cannot be read to the end of the work, or
    // holds more than memory takes; the staging then holds a partial work for
    // the caller to empty. The staged print settings are written only on
    // success. The preferred-font field at the end may be short or missing,
    // and whatever follows it is never read.
    bool ReadDataFile(int version, BuildingData &staging);
    // The preferred-font field at the end, as stored (shorter or empty when the
    // file ends early); set by ReadDataFile.
    QByteArray storedFontField() const { return fontField_; }
    // The stamp of what was read, for the check before a save writes over
    // the file. Ends the reading.
    FileStamp finish();

private:
    std::unique_ptr<DataFileSource> source_;
    QByteArray prologue_; // the magic and the two password numbers, or fewer bytes
    QByteArray fontField_;
};

// A data file opened for reading, or why it could not be. Only a regular file
// of at most LargestDataFileSize() bytes is opened; a FIFO, device, socket,
// folder or larger file is refused before it is opened and read as empty, so
// the version check calls it foreign. Of any file only its first bytes are
// read here.
struct DataFileOpening
{
    DataFileProblem problem = DataFileProblem::None;
    std::optional<DataFileReader> reader; // set when there is no problem
};
DataFileOpening OpenDataFile(const QString &path);

// The whole work in format 2.0, the preferred font cut or padded to its field.
// Empty when the work cannot be stored (IsStorableWork is false): a valid data
// file is never empty, and SaveFileAtomically refuses empty bytes.
QByteArray WriteDataFile(const BuildingData &work, const FixedText<8> &password, const QString &preferredFont);

enum class SaveOutcome {
    Saved,
    OpenFailed,  // the target (or its temporary twin) could not be created, or the target is read-only
    WriteFailed, // writing or replacing the file failed; the old file is whole
};

// Writes the bytes to a temporary file beside the target and renames it over
// the target, so an interrupted save never leaves a half-written data file.
// Empty bytes are refused (WriteFailed) and leave the target untouched.
SaveOutcome SaveFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace kelvarino
