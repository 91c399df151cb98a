#include "core/workstate.h"

#include "core/datafile.h"
#include "core/printsettings.h"

namespace kelvarino {

void ClearStaging(AppState &state)
{
    BuildingData &s = state.Loaded;
    s.Flats.clear();
    s.Persons.clear();
    s.Professionals.clear();
    s.Administrators.clear();
    s.Owners.clear();
    s.Residents.clear();
    s.Expenses.clear();
    s.Payments.clear();
    s.Issues.clear();
    for (auto &columns : s.ShareColumns)
        columns.clear();
}

bool ReadIntoStaging(AppState &state, DataFileReader &reader, int version)
{
    if (!reader.ReadDataFile(version, state.Loaded)) {
        ClearStaging(state);
        return false;
    }
    state.LoadedPrintSettings = state.Loaded.PrintSettings;
    state.Loaded.CategoryLabels[0].set(FixedCategoryLabel());
    return true;
}

void CommitLoaded(AppState &state)
{
    state.Building = std::move(state.Loaded);
    state.Loaded = BuildingData();
    state.Building.CategoryLabels[0].set(FixedCategoryLabel());
    ApplyPrintSettings(state.LoadedPrintSettings, state.Building.PrintSettings);
    ClearStaging(state);
    state.DataChanged = false;
}

void ResetToNewWork(AppState &state)
{
    state.DataFileName.clear();
    state.DataFileStamp.reset();
    state.AccessPassword = FixedText<8>();
    state.PasswordSet = false;

    PrintSettingSlots defaults = state.LoadedPrintSettings;
    state.Building = BuildingData(); // default labels, blank identifier, empty lists, zero figures
    SetDefaultPrintSettings(defaults);
    state.LoadedPrintSettings = defaults;
    ApplyPrintSettings(state.LoadedPrintSettings, state.Building.PrintSettings);
    state.DataChanged = false;
}

} // namespace kelvarino
