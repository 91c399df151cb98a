#include "pictures/metafilestate.h"

namespace kelvarino {

namespace {

qint64 patternBytes(const MetafileObject &object)
{
    const auto *brush = std::get_if<MetafileBrush>(&object);
    return brush ? brush->patternBytes : 0;
}

} // namespace

bool MetafileObjects::create(MetafileObject object)
{
    while (lowestFree_ < slots_.size() && !std::holds_alternative<std::monostate>(slots_[lowestFree_]))
        ++lowestFree_;
    if (lowestFree_ >= slots_.size())
        return false;
    heldBytes_ += patternBytes(object);
    slots_[lowestFree_] = std::move(object);
    ++lowestFree_;
    return true;
}

const MetafileObject *MetafileObjects::at(int slot) const
{
    if (slot < 0 || std::size_t(slot) >= slots_.size() || std::holds_alternative<std::monostate>(slots_[std::size_t(slot)]))
        return nullptr;
    return &slots_[std::size_t(slot)];
}

void MetafileObjects::remove(int slot)
{
    if (slot < 0 || std::size_t(slot) >= slots_.size())
        return;
    heldBytes_ -= patternBytes(slots_[std::size_t(slot)]);
    slots_[std::size_t(slot)] = std::monostate{};
    lowestFree_ = std::min(lowestFree_, std::size_t(slot));
}

} // namespace kelvarino
