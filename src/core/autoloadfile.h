#pragma once

#include "core/appstate.h"

#include <QByteArray>
#include <QString>

namespace kelvarino {

inline constexpr int AutoloadFileSize = 12456;

// The per-installation parameter file: nine recent files, the wallpaper, the
// program printer and the preferred font.
namespace AutoloadFile {

QString fileName(); // "Quelbarinostrova.$$$"
QByteArray header(); // "$MirdostaAutoloadParameters04$"

// The file's bytes from the state.
QByteArray write(const AppState &state);
// Applies an accepted file (its header matches) to the state; a file with
// another header or shorter than the header is ignored as a whole. Of a file
// that ends early every whole field present is taken and the rest keep their
// values. The printer and font are trimmed, the recent entries keep their
// padding. Returns whether the file was accepted.
bool read(const QByteArray &bytes, AppState &state);

// The message when the file cannot be written.
QString writeFailedTitle();
QString writeFailedText();

} // namespace AutoloadFile

// Where the file lives: beside the program when that folder is writable, else
// in the user's configuration folder.
QString AutoloadFilePath(const QString &programFolder);
// Reads the file of the installation (AutoloadFilePath of ProgramFolder) into
// the state. False when there is none or it is not accepted; the state then
// keeps its values.
bool LoadAutoloadFile(AppState &state);
// Writes the state's parameters into that file, replacing the old one at once.
// False when it cannot be written (the caller shows AutoloadFile::writeFailed*);
// the state is not touched either way.
bool SaveAutoloadFile(const AppState &state);

// The current data file becomes the most recent one (nothing changes for a work
// never saved): an entry with exactly the same folder and name moves to the top,
// otherwise the oldest entry drops out. Call before SaveAutoloadFile after a
// file was opened or saved under a new name.
void PromoteCurrentFile(AppState &state);
// Removes recent entry k; the entries below it move up.
void RemoveUsedFile(AppState &state, int k);

} // namespace kelvarino
