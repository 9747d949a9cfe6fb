#pragma once

#include "platform/gdi/Types.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace gdi::detail {

enum class Kind : uint8_t { DC, Bitmap, Brush, Pen, Font, Window, Palette, Icon, Menu };

// Anything a handle can name. Stock objects live for the whole run and cannot be deleted; an
// object selected into a device context cannot be deleted until it is selected out again.
struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    const Kind kind;
    bool stock = false;
    int selections = 0; // device contexts that hold it
};

// The one table behind every handle. A handle is a slot index (low 20 bits) and the slot's
// generation (next 11 bits, never 0), so a handle kept after its object is gone names nothing
// until the slot has been reused 2047 times. Freed slots are reused oldest first, which keeps
// stale handles stale for as long as possible. The top bit is never set.
class HandleTable {
public:
    HGDIOBJ add(std::unique_ptr<Object> object); // 0 when the table is full
    Object* find(HGDIOBJ handle) const;
    template <class T>
    T* find(HGDIOBJ handle) const
    {
        Object* o = find(handle);
        return o && o->kind == T::kKind ? static_cast<T*>(o) : nullptr;
    }
    void remove(HGDIOBJ handle);

    int count(Kind kind) const;
    int live() const;
    int size() const { return static_cast<int>(slots_.size()); }

private:
    static constexpr uint32_t kIndexBits = 20;
    static constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;
    static constexpr uint32_t kGenerations = 2047;

    struct Slot {
        uint32_t generation = 0;
        std::unique_ptr<Object> object;
    };
    std::vector<Slot> slots_;
    std::deque<uint32_t> free_;
};

HandleTable& handles();

} // namespace gdi::detail
