#pragma once

#include "core/buildingdata.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace kelvarino {

using PackedPasswordPair = std::array<qint32, 2>;

// The access password packed into the two numbers the data file stores
// (computed in 64 bits, stored as the low 32), and back.
PackedPasswordPair PackPassword(const FixedText<8> &password);
FixedText<8> UnpackPassword(const PackedPasswordPair &packed);

// Texts of the messages about data files, exactly as the user sees them.
namespace DataFileMessages {
QString readTitle();                        // "Πρόβλημα με την ανάγνωση του αρχείου"
QString foreignFile(const QString &fullPath); // "Το αρχείο ... δεν είναι αρχείο του προγράμματος."
QString damaged();                          // "Τα αποθηκευμένα δεδομένα μπορεί να είναι κατεστραμμένα."
} // namespace DataFileMessages

// Reads one data file held in memory. Nothing is trusted: every count, width
// and reference is checked against the remaining bytes and the lists before
// anything is allocated, and a damaged file is refused as a whole.
class DataFileReader
{
public:
    explicit DataFileReader(QByteArray bytes);

    // 1 or 2 for the two formats, -1 for a file that is not ours.
    int CheckDataFileVersion() const;
    // The two password numbers after the magic (zeros when the file is shorter).
    PackedPasswordPair PackedPassword() const;
    // Reads the work after the password into the staging copy. False when the
    // file is damaged; the staging then holds a partial work for the caller to
    // empty. The staged print settings are written only on success.
    bool ReadDataFile(int version, BuildingData &staging);
    // The preferred-font field at the end, as stored (empty when it is missing).
    QByteArray storedFontField() const { return fontField_; }

private:
    QByteArray bytes_;
    QByteArray fontField_;
};

// The whole work in format 2.0.
QByteArray WriteDataFile(const BuildingData &work, const FixedText<8> &password, const QString &preferredFont);

enum class SaveOutcome {
    Saved,
    OpenFailed,  // the target (or its temporary twin) could not be created
    WriteFailed, // writing or replacing the file failed; the old file is whole
};

// Writes the bytes to a temporary file beside the target and renames it over
// the target, so an interrupted save never leaves a half-written data file.
SaveOutcome SaveFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace kelvarino
