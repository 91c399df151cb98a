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
// another header or shorter than the header is ignored as a whole. Returns
// whether the file was accepted.
bool read(const QByteArray &bytes, AppState &state);

// The message when the file cannot be written.
QString writeFailedTitle();
QString writeFailedText();

} // namespace AutoloadFile

// The current data file becomes the most recent one (nothing changes for a work
// never saved).
void PromoteCurrentFile(AppState &state);
// Removes recent entry k; the entries below it move up.
void RemoveUsedFile(AppState &state, int k);

} // namespace kelvarino
