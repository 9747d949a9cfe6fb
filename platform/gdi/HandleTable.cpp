#include "platform/gdi/HandleTable.h"

#include <algorithm>

namespace gdi::detail {

HGDIOBJ HandleTable::add(std::unique_ptr<Object> object)
{
    uint32_t index;
    if (!free_.empty()) {
        index = free_.front();
        free_.pop_front();
    } else if (slots_.size() < kIndexMask) {
        index = static_cast<uint32_t>(slots_.size());
        slots_.emplace_back();
    } else {
        return 0;
    }
    Slot& slot = slots_[index];
    slot.generation = slot.generation % kGenerations + 1;
    slot.object = std::move(object);
    return slot.generation << kIndexBits | index;
}

Object* HandleTable::find(HGDIOBJ handle) const
{
    const uint32_t index = handle & kIndexMask;
    if (index >= slots_.size())
        return nullptr;
    const Slot& slot = slots_[index];
    return slot.generation == handle >> kIndexBits ? slot.object.get() : nullptr;
}

void HandleTable::remove(HGDIOBJ handle)
{
    if (!find(handle))
        return;
    const uint32_t index = handle & kIndexMask;
    // Out of the table before it is destroyed, so its destructor never sees itself named.
    std::unique_ptr<Object> gone = std::move(slots_[index].object);
    free_.push_back(index);
}

int HandleTable::count(Kind kind) const
{
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [kind](const Slot& s) { return s.object && s.object->kind == kind; }));
}

int HandleTable::live() const
{
    return static_cast<int>(
        std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.object != nullptr; }));
}

HandleTable& handles()
{
    static HandleTable table;
    return table;
}

} // namespace gdi::detail
