// Any bytes as a picture file, loaded as a bitmap, an icon and a cursor through the bitmap class's
// LoadBitmap, the one way outside files come in. A load that fails leaves the image as it was: its
// DC, its extent and its pixels. One that succeeds gives an image within the loader's limit of
// 64 Mi pixels. Either way no handle is left behind once the image is gone. scripts/fuzz.sh caps a
// single allocation just above what a picture at that limit needs, so no header can make a load
// allocate beyond it.
#include "graphics/clsBitmap.h"
#include "platform/gdi/Gdi.h"
#include "Require.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int64_t kMostPixels = int64_t(64) << 20;

// The image before a load is small, so its 16-bit extent always reads.
QSize extentOf(const clsBitmap& b) { return {b.Width().value(), b.Height().value()}; }

QString* g_file = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt's image readers warn of every broken file they meet: noise here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QApplication app(*argc, *argv);
    static QTemporaryDir folder;
    // Named with no ending of its own, so the type argument decides how it is read.
    static QString file = folder.filePath(QStringLiteral("picture.input"));
    g_file = &file;
    clsBitmap warmUp; // the stock objects are made on first use, and live on
    warmUp.DrawRect(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile out(*g_file);
        require(out.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file can be written");
        require(out.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size), "the input is written");
    }
    const gdi::HandleStats before = gdi::handleStats();
    for (const int32_t type : {gdi::IMAGE_BITMAP, gdi::IMAGE_ICON, gdi::IMAGE_CURSOR}) {
        clsBitmap b;
        b.SetBitmap(7, 9, 0x3366CC);
        b.DrawRect(0x00FF00, 2, 3, 2, 4);
        const gdi::HDC dc = b.hdc();
        const QSize extent = extentOf(b);
        const QImage pixels = gdi::snapshot(dc);
        b.LoadBitmap(*g_file, type);
        if (b.hdc() == dc) {
            require(extentOf(b) == extent, "a failed load keeps the extent");
            require(gdi::snapshot(dc) == pixels, "a failed load keeps the pixels");
        } else {
            gdi::BITMAP loaded;
            require(gdi::GetObjectA(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_BITMAP), sizeof loaded, &loaded) != 0,
                    "a loaded image has a bitmap");
            require(int64_t(loaded.bmWidth) * loaded.bmHeight <= kMostPixels, "a loaded image is within the limit");
        }
    }
    gdi::HandleStats after = gdi::handleStats();
    after.tableSize = before.tableSize;
    require(after == before, "no handle is left behind");
    return 0;
}
