#pragma once

#include "core/buildingdata.h"

#include <QByteArray>
#include <QString>

namespace kelvarino {

// The example building that the program ships: twelve flats on four floors of
// a block in Athens, two years (2024 and 2025) of its life with monthly
// expenses, payments and eight quarterly issues. Built from fixed data only,
// so every run gives the same building.
BuildingData MakeExampleBuilding();

// The name of the example's data file in the examples folder.
QString ExampleFileName();

// The example as the bytes of its data file: no password, no preferred font.
QByteArray ExampleFileBytes();

} // namespace kelvarino
