#pragma once

// A building with figures for every printout, the test doubles and the
// scripted report dialogs.

#include "core/appstate.h"
#include "platform/platform.h"
#include "printing/printingcontext.h"
#include "printing/reportpreview.h"
#include "shell/appcontext.h"

#include <QDate>

#include <memory>

namespace kelvarino::testing {

double Day(int year, int month, int day);

// `flats` flats "Δ1", "Δ2", ... with equal per-mille in every category, a
// resident for the first flat, one issue over the first quarter of 2015 with
// a common expense and payments by the first two flats.
BuildingData PrintoutsBuilding(int flats);

struct PrintoutsFixture
{
    explicit PrintoutsFixture(int flats = 12);

    AppContext context() { return AppContext{state, doubles.platform(), nullptr, &dialogs}; }
    PrintingContext printing() { return PrintingContextOf(context()); }
    PrintSetting &slot(int number) { return state.Building.PrintSettings[std::size_t(number)]; }
    // The report's window laid out with the given settings, not shown.
    std::unique_ptr<ReportPreview> open(PreviewReport &report);

    AppState state;
    TestPlatform doubles;
    ScriptedPrintingDialogs dialogs{state, doubles.platform()};
};

} // namespace kelvarino::testing
