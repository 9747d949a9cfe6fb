#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace raster {

// Storage for a whole image's pixels. A large buffer starts on a 2 MiB boundary and asks the
// kernel for huge pages: a full-screen image spans thousands of 4 KiB pages, and walking them
// costs a row copy about as much as the copy itself. Small buffers are allocated as usual.
void* allocatePixels(size_t bytes);
void freePixels(void* pixels) noexcept;

template <class T>
struct PixelAllocator {
    using value_type = T;

    PixelAllocator() = default;
    template <class U>
    PixelAllocator(const PixelAllocator<U>&) noexcept
    {
    }

    T* allocate(size_t n) { return static_cast<T*>(allocatePixels(n * sizeof(T))); }
    void deallocate(T* p, size_t) noexcept { freePixels(p); }

    template <class U>
    bool operator==(const PixelAllocator<U>&) const noexcept
    {
        return true;
    }
};

using PixelBuffer = std::vector<uint32_t, PixelAllocator<uint32_t>>;

} // namespace raster
