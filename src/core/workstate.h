#pragma once

#include "core/appstate.h"

namespace kelvarino {

class DataFileReader;

// Empties the staging copy's lists (labels, scalars, column counts and the
// staged print settings stay).
void ClearStaging(AppState &state);

// Reads a checked file into the staging copy; the staged print settings become
// the loaded ones. A damaged file leaves the staging empty and returns false.
bool ReadIntoStaging(AppState &state, DataFileReader &reader, int version);

// Makes the staged work live: everything the readers filled replaces the live
// building, the loaded print settings become the live ones, the staging is
// emptied and DataChanged is cleared. File name, folder and password are the
// caller's to set.
void CommitLoaded(AppState &state);

// The data side of a new work: no file name, no password, default labels,
// blank identifier, every list empty, zero opening figures and note, default
// print settings, DataChanged cleared. DataFolder stays.
void ResetToNewWork(AppState &state);

} // namespace kelvarino
