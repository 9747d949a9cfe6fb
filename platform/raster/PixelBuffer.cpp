#include "platform/raster/PixelBuffer.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace raster {

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
// From here on a buffer is worth a huge page of its own (a 512 x 512 image and up).
constexpr size_t kLarge = size_t(1) << 20;
} // namespace

void* allocatePixels(size_t bytes)
{
    void* pixels = nullptr;
    if (bytes >= kLarge) {
        const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        pixels = std::aligned_alloc(kHugePage, rounded);
        // Before the first touch, so the pages are faulted in huge where the kernel can; a kernel
        // that declines leaves ordinary pages, which is only slower.
        if (pixels)
            madvise(pixels, rounded, MADV_HUGEPAGE);
    } else {
        pixels = std::malloc(bytes ? bytes : 1);
    }
    if (!pixels)
        throw std::bad_alloc();
    return pixels;
}

void freePixels(void* pixels) noexcept { std::free(pixels); }

} // namespace raster
