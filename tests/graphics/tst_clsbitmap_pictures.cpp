// Pictures made from the image own a copy: each side keeps its pixels when the other changes.
#include "clsBitmapInternals.h"

#include "platform/forms/Picture.h"
#include "tests/support/Canvas.h"

#include <QTest>

using testing::pixelsOf;

namespace {

gdi::HandleStats counts()
{
    gdi::HandleStats s = gdi::handleStats();
    s.tableSize = 0;
    return s;
}

// A 30 x 20 image, red with a green square at (5, 5).
void paintRedAndGreen(clsBitmap& b)
{
    b.SetBitmap(20, 30, 0x0000FF);
    b.DrawRect(0x00FF00, 5, 5, 4, 4);
}

// A bitmap of the image's pixels, owned by the caller.
gdi::HBITMAP copyOf(const clsBitmap& b)
{
    const gdi::HDC dc = gdi::CreateCompatibleDC(b.hdc());
    const gdi::HBITMAP copy = gdi::CreateCompatibleBitmap(b.hdc(), b.Width().value(), b.Height().value());
    const gdi::HGDIOBJ old = gdi::SelectObject(dc, copy);
    gdi::BitBlt(dc, 0, 0, b.Width().value(), b.Height().value(), b.hdc(), 0, 0, gdi::SRCCOPY);
    gdi::SelectObject(dc, old);
    gdi::DeleteDC(dc);
    return copy;
}

} // namespace

class TestClsBitmapPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { clsBitmap warmUp; } // stock objects are made on first use

    void pictureGet_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("imageFirst"); // the image goes before the picture
        QTest::newRow("bitmap") << 1 << false;
        QTest::newRow("bitmap outliving the image") << 1 << true;
        QTest::newRow("icon") << 3 << false;
    }

    void pictureGet()
    {
        QFETCH(int, type);
        QFETCH(bool, imageFirst);
        auto b = std::make_unique<clsBitmap>();
        paintRedAndGreen(*b);
        const QImage before = pixelsOf(*b);
        const gdi::HBITMAP own = gdi::GetCurrentObject(b->hdc(), gdi::OBJ_BITMAP);
        const forms::Picture picture =
            type == 1 ? b->Picture() : clsBitmapInternals::makePicture(*b, forms::Picture::Icon);
        QCOMPARE(picture.Type(), int16_t(type));
        QVERIFY(picture.Handle() != own);
        QCOMPARE(gdi::GetCurrentObject(b->hdc(), gdi::OBJ_BITMAP), own);
        b->DrawRect(0xFF0000);
        QCOMPARE(pixelsOf(*b).pixel(7, 7), qRgb(0, 0, 255));
        if (imageFirst)
            b.reset();
        QCOMPARE(forms::himetricToPixelsX(picture.Width()), 30);
        QCOMPARE(forms::himetricToPixelsY(picture.Height()), 20);
        QCOMPARE(picture.image().convertToFormat(QImage::Format_RGB32), before);
    }

    void noHandlesLeftAfterManyPictures()
    {
        clsBitmap b;
        paintRedAndGreen(b);
        const gdi::HandleStats before = counts();
        for (int i = 0; i < 1000; ++i) {
            const forms::Picture picture =
                i % 2 ? b.Picture() : clsBitmapInternals::makePicture(b, forms::Picture::Icon);
            QVERIFY(picture);
        }
        QCOMPARE(counts(), before);
        clsBitmapInternals::release(b);
        QVERIFY(!b.Picture());
    }

    void pictureTohDc_data()
    {
        QTest::addColumn<bool>("palette");
        QTest::addColumn<bool>("icon");
        QTest::newRow("bitmap") << false << false;
        QTest::newRow("bitmap with a palette") << true << false;
        QTest::newRow("icon") << false << true;
    }

    // The image takes the picture's size and pixels; a palette the picture carries stays selected,
    // keeping the picture alive, until the image is re-created, which frees both.
    void pictureTohDc()
    {
        QFETCH(bool, palette);
        QFETCH(bool, icon);
        const gdi::HandleStats before = counts();
        {
            clsBitmap b;
            const gdi::HPALETTE stock = gdi::GetCurrentObject(b.hdc(), gdi::OBJ_PAL);
            uint32_t handle = 0;
            gdi::HPALETTE hPal = 0;
            {
                clsBitmap source;
                paintRedAndGreen(source);
                forms::Picture picture =
                    icon ? clsBitmapInternals::makePicture(source, forms::Picture::Icon) : source.Picture();
                if (palette) {
                    gdi::LOGPALETTE record;
                    record.palNumEntries = 4;
                    forms::PICTDESC description;
                    description.picType = forms::Picture::Bitmap;
                    description.handle = copyOf(source);
                    description.hpal = hPal = gdi::CreatePalette(&record);
                    picture = forms::OleCreatePictureIndirect(description, true);
                }
                handle = picture.Handle();
                b.setPicture(picture);
            }
            QCOMPARE(b.Width().value(), 30);
            QCOMPARE(b.Height().value(), 20);
            const QImage shown = pixelsOf(b);
            QCOMPARE(shown.pixel(0, 0), qRgb(255, 0, 0));
            QCOMPARE(shown.pixel(6, 6), qRgb(0, 255, 0));
            QCOMPARE(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_PAL), palette ? hPal : stock);
            QCOMPARE(gdi::GetObjectType(handle) != 0, palette); // only a palette keeps the picture alive
            b.SetBitmap(5, 5);
            QCOMPARE(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_PAL), stock);
            QCOMPARE(gdi::GetObjectType(handle), 0u);
            QCOMPARE(gdi::GetObjectType(hPal), 0u);
        }
        QCOMPARE(counts(), before);
    }

    void pictureSetWithNoObject()
    {
        clsBitmap b;
        paintRedAndGreen(b);
        const gdi::HDC dc = b.hdc();
        b.setPicture({});
        QCOMPARE(b.hdc(), dc);
        QCOMPARE(b.Width().value(), 30);
        QCOMPARE(testing::errorOf([&] { b.PictureTohDc({}); }), vb::err::ObjectNotSet);
    }
};

QTEST_MAIN(TestClsBitmapPictures)
#include "tst_clsbitmap_pictures.moc"
