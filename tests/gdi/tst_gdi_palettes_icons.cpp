// Palette and icon objects of the drawing layer.
#include "platform/gdi/Gdi.h"
#include "tests/support/Canvas.h"

#include <QTest>

using testing::Canvas;

class TestPalettesIcons : public QObject {
    Q_OBJECT
private slots:
    void createPalette_data();
    void createPalette();
    void selectPalette();
    void icons();
};

void TestPalettesIcons::createPalette_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("made");
    QTest::newRow("one entry") << 0x300 << 1 << true;
    QTest::newRow("256 entries") << 0x300 << 256 << true;
    QTest::newRow("no entries") << 0x300 << 0 << false;
    QTest::newRow("257 entries") << 0x300 << 257 << false;
    QTest::newRow("another version") << 0x200 << 16 << false;
}

void TestPalettesIcons::createPalette()
{
    QFETCH(int, version);
    QFETCH(int, entries);
    QFETCH(bool, made);
    gdi::LOGPALETTE record;
    record.palVersion = static_cast<uint16_t>(version);
    record.palNumEntries = static_cast<uint16_t>(entries);
    for (int i = 0; i < gdi::kMaxPaletteEntries; ++i)
        record.palPalEntry[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
    const gdi::HPALETTE palette = gdi::CreatePalette(&record);
    QCOMPARE(palette != 0, made);
    if (!made)
        return;
    QCOMPARE(gdi::GetObjectType(palette), gdi::OBJ_PAL);
    QCOMPARE(gdi::GetPaletteEntries(palette, 0, 0, nullptr), uint32_t(entries));
    gdi::PALETTEENTRY last;
    QCOMPARE(gdi::GetPaletteEntries(palette, entries - 1, 5, &last), 1u);
    QCOMPARE(last.peGreen, uint8_t(255 - (entries - 1)));
    QVERIFY(gdi::DeleteObject(palette));
}

// A DC holds one palette at a time, the stock one to start with; one that is held cannot be
// deleted. The true-colour screen maps nothing and has no system palette to read.
void TestPalettesIcons::selectPalette()
{
    const gdi::HPALETTE stock = gdi::GetStockObject(gdi::DEFAULT_PALETTE); // made on first use
    const gdi::HandleStats before = gdi::handleStats();
    gdi::LOGPALETTE record;
    record.palNumEntries = 2;
    const gdi::HPALETTE palette = gdi::CreatePalette(&record);
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    QCOMPARE(gdi::GetCurrentObject(dc, gdi::OBJ_PAL), stock);
    QCOMPARE(gdi::SelectPalette(dc, palette, false), stock);
    QCOMPARE(gdi::SelectPalette(dc, gdi::GetStockObject(gdi::WHITE_BRUSH), false), 0u);
    QCOMPARE(gdi::GetCurrentObject(dc, gdi::OBJ_PAL), palette);
    QCOMPARE(gdi::RealizePalette(dc), 0u);
    QCOMPARE(gdi::RealizePalette(0), gdi::GDI_ERROR);
    gdi::PALETTEENTRY entries[4];
    QCOMPARE(gdi::GetSystemPaletteEntries(dc, 0, 4, entries), 0u);
    QCOMPARE(gdi::GetDeviceCaps(dc, gdi::RASTERCAPS) & gdi::RC_PALETTE, 0);
    QVERIFY(!gdi::DeleteObject(palette));
    gdi::DeleteDC(dc);
    QVERIFY(gdi::DeleteObject(palette));
    gdi::HandleStats after = gdi::handleStats();
    QCOMPARE(after.palettes, before.palettes);
    QCOMPARE(after.dcs, before.dcs);
}

// An icon keeps copies of its bitmaps; GetIconInfo hands out new copies; only DestroyIcon ends it.
void TestPalettesIcons::icons()
{
    const gdi::HandleStats before = gdi::handleStats();
    {
        Canvas colour(4, 3, gdi::RGB(10, 20, 30));
        Canvas mask(4, 3, 0);
        Canvas tooSmall(2, 2);
        gdi::SetPixel(mask.dc(), 1, 1, gdi::RGB(255, 255, 255));
        gdi::ICONINFO info;
        info.hbmColor = colour.bitmap();
        info.hbmMask = tooSmall.bitmap();
        QCOMPARE(gdi::CreateIconIndirect(&info), 0u);
        info.hbmMask = mask.bitmap();
        const gdi::HICON icon = gdi::CreateIconIndirect(&info);
        QVERIFY(icon != 0);
        gdi::SetPixel(colour.dc(), 0, 0, gdi::RGB(255, 0, 0));
        gdi::ICONINFO copies;
        QVERIFY(gdi::GetIconInfo(icon, &copies));
        QVERIFY(copies.hbmColor != colour.bitmap() && copies.hbmMask != mask.bitmap());
        {
            const gdi::HDC dc = gdi::CreateCompatibleDC(0);
            const gdi::HGDIOBJ old = gdi::SelectObject(dc, copies.hbmColor);
            QCOMPARE(gdi::GetPixel(dc, 0, 0), gdi::RGB(10, 20, 30));
            gdi::SelectObject(dc, copies.hbmMask);
            QCOMPARE(gdi::GetPixel(dc, 1, 1), gdi::RGB(255, 255, 255));
            QCOMPARE(gdi::GetPixel(dc, 2, 1), gdi::RGB(0, 0, 0));
            gdi::SelectObject(dc, old);
            gdi::DeleteDC(dc);
        }
        gdi::DeleteObject(copies.hbmColor);
        gdi::DeleteObject(copies.hbmMask);
        QVERIFY(!gdi::DeleteObject(icon));
        QVERIFY(gdi::DestroyIcon(icon));
        QVERIFY(!gdi::DestroyIcon(icon));
    }
    gdi::HandleStats after = gdi::handleStats();
    after.tableSize = before.tableSize;
    QCOMPARE(after, before);
}

QTEST_MAIN(TestPalettesIcons)
#include "tst_gdi_palettes_icons.moc"
