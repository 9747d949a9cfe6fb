// Picture objects: made around a bitmap or an icon, released with their last reference, saved to
// files, shown by the picture controls.
#include "platform/controls/PictureBox.h"
#include "platform/forms/Picture.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/RuntimeError.h"
#include "tests/support/Canvas.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using testing::Canvas;

namespace {

// A 3 x 2 bitmap of six colours, which the caller owns.
gdi::HBITMAP sixColours()
{
    Canvas canvas(3, 2);
    canvas.paint([](int x, int y) { return gdi::RGB(uint8_t(40 * x), uint8_t(100 * y), 200); });
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    const gdi::HBITMAP copy = gdi::CreateCompatibleBitmap(dc, 3, 2);
    const gdi::HGDIOBJ old = gdi::SelectObject(dc, copy);
    gdi::BitBlt(dc, 0, 0, 3, 2, canvas.dc(), 0, 0, gdi::SRCCOPY);
    gdi::SelectObject(dc, old);
    gdi::DeleteDC(dc);
    return copy;
}

// An icon of the six colours whose middle column is transparent.
gdi::HICON sixColourIcon()
{
    Canvas mask(3, 2, 0);
    gdi::SetPixel(mask.dc(), 1, 0, gdi::RGB(255, 255, 255));
    gdi::SetPixel(mask.dc(), 1, 1, gdi::RGB(255, 255, 255));
    gdi::ICONINFO info;
    info.hbmColor = sixColours();
    info.hbmMask = mask.bitmap();
    const gdi::HICON icon = gdi::CreateIconIndirect(&info);
    gdi::DeleteObject(info.hbmColor);
    return icon;
}

QImage expectedPixels()
{
    QImage image(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, qRgb(40 * x, 100 * y, 200));
    return image;
}

gdi::HandleStats counts()
{
    gdi::HandleStats s = gdi::handleStats();
    s.tableSize = 0;
    return s;
}

} // namespace

class TestPictureObjects : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { gdi::DeleteDC(gdi::CreateCompatibleDC(0)); } // stock objects are made on first use
    void made_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("icon"); // the handle given is an icon, else a bitmap
        QTest::addColumn<bool>("palette");
        QTest::addColumn<int>("recordSize");
        QTest::addColumn<bool>("own");
        QTest::addColumn<bool>("made");
        QTest::newRow("bitmap") << 1 << false << false << 20 << true << true;
        QTest::newRow("bitmap with palette") << 1 << false << true << 20 << true << true;
        QTest::newRow("bitmap not owned") << 1 << false << true << 20 << false << true;
        QTest::newRow("icon") << 3 << true << false << 20 << true << true;
        QTest::newRow("icon type, bitmap handle") << 3 << false << false << 20 << true << false;
        QTest::newRow("bitmap type, icon handle") << 1 << true << false << 20 << true << false;
        QTest::newRow("record of another size") << 1 << false << false << 16 << true << false;
        QTest::newRow("metafile type") << 2 << false << false << 20 << true << false;
    }

    // The size is in hundredths of a millimetre (3 pixels at 96 dots per inch: 79.375, so 79); an
    // owning picture releases its handles with its last reference, another leaves them.
    void made()
    {
        QFETCH(int, type);
        QFETCH(bool, icon);
        QFETCH(bool, palette);
        QFETCH(int, recordSize);
        QFETCH(bool, own);
        QFETCH(bool, made);
        const gdi::HandleStats before = counts();
        forms::PICTDESC description;
        description.cbSizeofstruct = uint32_t(recordSize);
        description.picType = uint32_t(type);
        description.handle = icon ? sixColourIcon() : sixColours();
        gdi::LOGPALETTE record;
        record.palNumEntries = 1;
        description.hpal = palette ? gdi::CreatePalette(&record) : 0;
        {
            forms::Picture picture = forms::OleCreatePictureIndirect(description, own);
            QCOMPARE(bool(picture), made);
            if (made) {
                const forms::Picture another = picture;
                picture = {};
                QCOMPARE(another.Type(), int16_t(type));
                QCOMPARE(another.Handle(), description.handle);
                QCOMPARE(another.hPal(), description.hpal);
                QCOMPARE(another.Width(), 79);
                QCOMPARE(another.Height(), 53);
                QCOMPARE(forms::himetricToPixelsX(another.Width()), 3);
                QCOMPARE(another.image().convertToFormat(QImage::Format_RGB32).pixel(2, 1), qRgb(80, 100, 200));
            }
        }
        const bool released = made && own;
        QCOMPARE(icon ? gdi::DestroyIcon(description.handle) : gdi::DeleteObject(description.handle), !released);
        if (palette)
            QCOMPARE(gdi::DeleteObject(description.hpal), !released);
        QCOMPARE(counts(), before);
    }

    void savePicture_data()
    {
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QString>("path"); // in a new empty folder, unless absolute
        QTest::addColumn<int>("error");
        QTest::newRow("bitmap") << false << "picture.bmp" << 0;
        QTest::newRow("icon") << true << "picture.ico" << 0;
        QTest::newRow("missing folder") << false << "nowhere/picture.bmp" << vb::err::PathNotFound;
        QTest::newRow("a folder") << false << "." << vb::err::PathFileAccessError;
        QTest::newRow("full disk") << false << "/dev/full" << vb::err::DiskFull;
        QTest::newRow("no object") << false << "nothing.bmp" << vb::err::ObjectNotSet;
    }

    // What is saved reads back pixel for pixel with Qt's reader; an icon keeps its transparency.
    void savePicture()
    {
        QFETCH(bool, icon);
        QFETCH(QString, path);
        QFETCH(int, error);
        QTemporaryDir folder;
        const QString file = QDir::isAbsolutePath(path) ? path : folder.filePath(path);
        forms::PICTDESC description;
        description.picType = icon ? 3 : 1;
        description.handle = icon ? sixColourIcon() : sixColours();
        const forms::Picture picture = forms::OleCreatePictureIndirect(description, true);
        int raised = 0;
        try {
            forms::SavePicture(error == vb::err::ObjectNotSet ? forms::Picture() : picture, file);
        } catch (const vb::RuntimeError& e) {
            raised = e.number();
        }
        QCOMPARE(raised, error);
        if (error)
            return;
        QImageReader reader(file);
        QCOMPARE(reader.format(), icon ? QByteArray("ico") : QByteArray("bmp"));
        const QImage read = reader.read();
        QCOMPARE(read.size(), QSize(3, 2));
        if (!icon) {
            QCOMPARE(read.convertToFormat(QImage::Format_RGB32), expectedPixels());
            return;
        }
        const QImage argb = read.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(argb.pixel(0, 1), qRgb(0, 100, 200));
        QCOMPARE(qAlpha(argb.pixel(1, 0)), 0);
        QCOMPARE(argb.pixel(2, 0), qRgb(80, 0, 200));
    }

    // At its own size from the top-left corner; the control keeps the picture while it shows it.
    void shownByThePictureControls()
    {
        controls::PictureBox box(nullptr, Qt::white);
        box.resize(10, 10);
        gdi::HBITMAP handle = 0;
        {
            forms::PICTDESC description;
            description.picType = 1;
            description.handle = handle = sixColours();
            box.setPicture(forms::OleCreatePictureIndirect(description, true));
        }
        QCOMPARE(gdi::GetObjectType(handle), gdi::OBJ_BITMAP);
        const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(0, 0, 3, 2), expectedPixels());
        QCOMPARE(shown.pixel(5, 5), qRgb(255, 255, 255));
        box.setPicture(QString());
        QCOMPARE(gdi::GetObjectType(handle), 0u);
    }
};

QTEST_MAIN(TestPictureObjects)
#include "tst_picture_objects.moc"
