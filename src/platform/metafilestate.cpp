#include "platform/metafilestate.h"

namespace kelvarino {

bool MetafileObjects::create(MetafileObject object, qint64 bitmapBytes)
{
    while (lowestFree_ < slots_.size() && !std::holds_alternative<std::monostate>(slots_[lowestFree_]))
        ++lowestFree_;
    if (lowestFree_ >= slots_.size())
        return false;
    heldBytes_ += bitmapBytes;
    slotBytes_[lowestFree_] = bitmapBytes;
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
    heldBytes_ -= slotBytes_[std::size_t(slot)];
    slotBytes_[std::size_t(slot)] = 0;
    slots_[std::size_t(slot)] = std::monostate{};
    lowestFree_ = std::min(lowestFree_, std::size_t(slot));
}

} // namespace kelvarino
