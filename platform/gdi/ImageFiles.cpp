// Picture files read into bitmaps and icons through Qt's image reader.
#include "platform/gdi/AnsiText.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdlib>
#include <new>

namespace gdi {

using namespace detail;

namespace {

// The most pixels a file may claim: what Qt's image reader allows by default (256 MiB at four
// bytes a pixel). A header is only a claim; it is checked before anything is allocated for it.
constexpr int64_t kMaxFilePixels = int64_t(64) << 20;

// Qt's reader makes what it can of a bitmap file cut short; the platform refuses a file that ends
// before the pixels its header promises. Uncompressed rows are whole 32-bit words; a compressed
// bitmap promises the size its header gives.
bool holdsItsPixels(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(38);
    const auto u16 = [&head](int at) { return uint32_t(uint8_t(head[at])) | uint32_t(uint8_t(head[at + 1])) << 8; };
    const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    if (head.size() < 26)
        return false;
    int64_t width = 0;
    int64_t height = 0;
    uint32_t bits = 0;
    uint32_t compression = 0;
    uint32_t promised = 0;
    if (u32(14) == 12) { // the old core header: 16-bit sizes, never compressed
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else {
        if (head.size() < 38)
            return false;
        width = std::abs(int64_t(int32_t(u32(18))));
        height = std::abs(int64_t(int32_t(u32(22))));
        bits = u16(28);
        compression = u32(30);
        promised = u32(34);
    }
    // Sizes are checked before they are multiplied, so no header can overflow the sum below.
    if (bits > 32 || width * height > kMaxFilePixels)
        return false;
    constexpr uint32_t kUncompressed = 0;
    constexpr uint32_t kBitFields = 3;
    const int64_t pixels =
        compression == kUncompressed || compression == kBitFields ? (width * bits + 31) / 32 * 4 * height : promised;
    return file.size() >= int64_t(u32(10)) + pixels;
}

// The file's first picture, read as the format named and nothing else; null when it cannot be.
QImage readPicture(const QString& path, const char* format)
{
    // Only a plain file: a folder or a device has no picture, and a pipe would never end.
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.isValid() && (size.isEmpty() || int64_t(size.width()) * size.height() > kMaxFilePixels))
        return {};
    if (qstrcmp(format, "bmp") == 0 && !holdsItsPixels(path))
        return {};
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {};
    return image;
}

HBITMAP bitmapOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    try {
        auto bitmap = std::make_unique<Bitmap>(rgb.width(), rgb.height());
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(rgb.constScanLine(y));
            std::copy(row, row + rgb.width(), bitmap->pixels.begin() + ptrdiff_t(y) * rgb.width());
        }
        return handles().add(std::move(bitmap));
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

// A cursor file keeps its first picture's hot spot in its directory entry, where an icon file
// has its planes and bit count.
QPoint hotSpotOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(14);
    if (head.size() < 14)
        return {};
    const auto word = [&head](int at) { return uint8_t(head[at]) | uint8_t(head[at + 1]) << 8; };
    return {word(10), word(12)};
}

// An icon of the picture: a pixel less than half opaque is transparent, the rest show their colour.
HICON iconOf(const QImage& image, const ICONINFO& info)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    try {
        Bitmap colour(argb.width(), argb.height());
        Bitmap mask(argb.width(), argb.height());
        for (int y = 0; y < argb.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x) {
                const size_t at = size_t(y) * argb.width() + x;
                const bool shows = qAlpha(row[x]) >= 128;
                colour.pixels[at] = shows ? row[x] | raster::kOpaque : raster::kOpaque;
                mask.pixels[at] = shows ? raster::kOpaque : 0xFFFFFFFF;
            }
        }
        return handles().add(std::make_unique<Icon>(colour, mask, info));
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

} // namespace

uint32_t LoadImageA(uint32_t instance, const char* name, uint32_t type, int width, int height, uint32_t flags)
{
    // There are no modules with resources here, only files, read at their own size.
    if (instance != 0 || !name || (flags & LR_LOADFROMFILE) == 0 || width != 0 || height != 0)
        return 0;
    const QString path = fromAnsi(QByteArray(name));
    const char* format = type == IMAGE_BITMAP   ? "bmp"
                         : type == IMAGE_ICON   ? "ico"
                         : type == IMAGE_CURSOR ? "cur"
                                                : nullptr;
    if (!format)
        return 0;
    const QImage image = readPicture(path, format);
    if (image.isNull())
        return 0;
    if (type == IMAGE_BITMAP)
        return bitmapOf(image);
    ICONINFO info;
    if (type == IMAGE_CURSOR) {
        const QPoint hotSpot = hotSpotOf(path);
        info.fIcon = 0;
        info.xHotspot = uint32_t(hotSpot.x());
        info.yHotspot = uint32_t(hotSpot.y());
    }
    return iconOf(image, info);
}

} // namespace gdi
