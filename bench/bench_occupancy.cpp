// Opening the owners' window on a building at the data file's limits (32767
// persons, 300 flats, 32767 periods), against filling one combo box with the
// same 32767 names. Every row of the window lists the same persons, so the
// window builds that list once; the figure to hold is at most four times the
// single combo box.

#include "occupancy/occupancywindow.h"
#include "platform/platform.h"
#include "guimain.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

using namespace kelvarino;

namespace {

constexpr int Persons = MaxListCount;
constexpr int Flats = 300;
constexpr int Periods = MaxListCount;

class BenchShell final : public ShellServices
{
public:
    bool saveDataFile(QWidget *) override { return true; }
    bool saveDataFileAs(QWidget *) override { return true; }
    void updateMenuCounts() override {}
    int clientHeightTwips() const override { return 12000; }
    void refreshOtherWindows(QWidget *) override {}
};

AppState &limitBuilding()
{
    static AppState state = [] {
        AppState s;
        BuildingData &b = s.Building;
        for (int i = 0; i < Flats; ++i) {
            FlatRecord flat;
            flat.ShortName.set(QStringLiteral("F%1").arg(i));
            flat.Description.set(QStringLiteral("Διαμέρισμα %1").arg(i));
            b.Flats.push_back(flat);
        }
        for (int i = 0; i < Persons; ++i) {
            PersonRecord person;
            person.Name.set(QStringLiteral("Πρόσωπο αριθμός %1").arg(i));
            b.Persons.push_back(person);
        }
        for (int i = 0; i < Periods; ++i)
            b.Owners.push_back(OccupancyPeriod{qint16(i % Persons), qint16(i % Flats), 40000.0 + i, NotSetDate});
        return s;
    }();
    return state;
}

void OneComboBox(benchmark::State &bench)
{
    AppState &state = limitBuilding();
    for (auto _ : bench) {
        // The names are read from the data as the window reads them.
        QStringList names;
        names.reserve(state.Building.PersonCount());
        for (const PersonRecord &p : state.Building.Persons)
            names.append(p.Name.text());
        QComboBox box;
        box.addItems(names);
        benchmark::DoNotOptimize(box.count());
    }
}
BENCHMARK(OneComboBox)->Unit(benchmark::kMillisecond);

void OpenOwnersWindow(benchmark::State &bench)
{
    AppState &state = limitBuilding();
    TestPlatform doubles;
    BenchShell shell;
    AppContext context{state, doubles.platform(), &shell};
    for (auto _ : bench) {
        OwnersWindow window(context);
        benchmark::DoNotOptimize(window.rowCount());
    }
}
BENCHMARK(OpenOwnersWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return kelvarino::RunGuiBenchmarks(argc, argv);
}
