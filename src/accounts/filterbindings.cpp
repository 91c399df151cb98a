#include "accounts/filterbindings.h"

namespace kelvarino {

namespace {

CheckGroup::Binding Switches(std::vector<bool> &switches, int count, std::function<QString(int)> caption)
{
    ExtendSwitches(switches, count);
    return {[count] { return count; }, [&switches](int i) { return bool(switches[std::size_t(i)]); },
            [&switches](int i, bool checked) { switches[std::size_t(i)] = checked; }, std::move(caption)};
}

} // namespace

CheckGroup::Binding FlatSwitches(const BuildingData &building, std::vector<bool> &switches)
{
    return Switches(switches, building.FlatCount(),
                    [&building](int i) { return building.Flats[std::size_t(i)].ShortName.trimmed(); });
}

CheckGroup::Binding PersonSwitches(const BuildingData &building, std::vector<bool> &switches)
{
    return Switches(switches, building.PersonCount(),
                    [&building](int i) { return building.Persons[std::size_t(i)].Name.trimmed().left(15); });
}

} // namespace kelvarino
