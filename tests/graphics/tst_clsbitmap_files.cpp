// Files, new sizes, copies from other DCs and the properties: exact pixels, and no handle left behind.
#include "clsBitmapInternals.h"

#include "tests/support/Canvas.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using testing::counts;
using testing::errorOf;
using testing::pixelsOf;

Q_DECLARE_METATYPE(gdi::RECT)

namespace {

constexpr int32_t kGreen = 0x00FF00;
constexpr QRgb kGreenPixel = 0xFF00FF00;

// Four quadrants, red, blue, white and a grey, each w / 2 x h / 2.
QImage quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, Qt::red);
    p.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::blue);
    p.fillRect(0, h / 2, w / 2, h - h / 2, Qt::white);
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(0x80, 0x80, 0x80));
    return image;
}

// Every pixel different.
QImage distinct(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 7 & 0xFF, y * 5 & 0xFF, (x + y) & 0xFF));
    return image;
}

// A 16 x 16 icon whose left half is transparent and whose right half is red above yellow.
QImage iconPicture()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(8, 0, 8, 8, Qt::red);
    p.fillRect(8, 8, 8, 8, Qt::yellow);
    return image;
}

// The icon over the background colour.
QImage iconOverGreen()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(kGreenPixel);
    QPainter p(&image);
    p.drawImage(0, 0, iconPicture());
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// A cursor file is an icon file of type 2 with the hot spot where an icon has planes and bit count.
QByteArray cursorFile()
{
    QByteArray bytes = encoded(iconPicture(), "ico");
    bytes[2] = 2;
    bytes[10] = 3;
    bytes[11] = 0;
    bytes[12] = 4;
    bytes[13] = 0;
    return bytes;
}

// A bitmap file header claiming width x height pixels of 24 bits, followed by a few bytes only.
QByteArray claimedBitmap(int32_t width, int32_t height)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 16) << quint32(0) << quint32(54) << quint32(40) << width << height << quint16(1) << quint16(24);
    bytes.resize(54 + 16, '\0');
    return bytes;
}

QByteArray randomBytes()
{
    std::mt19937 random(16);
    QByteArray bytes(4096, '\0');
    for (char& c : bytes)
        c = char(random() & 0xFF);
    bytes[0] = 'x'; // never a bitmap file's "BM"
    return bytes;
}

bool sameRect(const gdi::RECT& a, const gdi::RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The peak memory of the process so far, in kilobytes.
long peakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestClsBitmapFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        clsBitmap warmUp; // stock objects are made on first use
        warmUp.Icon();
    }

    void loadImageA_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<uint>("type");
        QTest::addColumn<int>("width");
        QTest::addColumn<uint>("instance");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<QString>("made"); // bitmap, icon, cursor or nothing

        const QByteArray bitmap = encoded(distinct(30, 20), "bmp");
        const QByteArray icon = encoded(iconPicture(), "ico");
        const uint file = gdi::LR_LOADFROMFILE;
        QTest::newRow("a bitmap") << "a.bmp" << bitmap << gdi::IMAGE_BITMAP << 0 << 0u << file << "bitmap";
        QTest::newRow("an icon") << "a.ico" << icon << gdi::IMAGE_ICON << 0 << 0u << file << "icon";
        QTest::newRow("a cursor") << "a.cur" << cursorFile() << gdi::IMAGE_CURSOR << 0 << 0u << file << "cursor";
        QTest::newRow("an icon as a bitmap") << "b.bmp" << icon << gdi::IMAGE_BITMAP << 0 << 0u << file << "nothing";
        QTest::newRow("a bitmap as an icon") << "b.ico" << bitmap << gdi::IMAGE_ICON << 0 << 0u << file << "nothing";
        QTest::newRow("another size") << "a.bmp" << bitmap << gdi::IMAGE_BITMAP << 8 << 0u << file << "nothing";
        QTest::newRow("a module's resource") << "a.bmp" << bitmap << gdi::IMAGE_BITMAP << 0 << 1u << file << "nothing";
        QTest::newRow("not from a file") << "a.bmp" << bitmap << gdi::IMAGE_BITMAP << 0 << 0u << 0u << "nothing";
    }

    void loadImageA()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(uint, type);
        QFETCH(int, width);
        QFETCH(uint, instance);
        QFETCH(uint, flags);
        QFETCH(QString, made);
        const QByteArray path = write(name, contents).toLocal8Bit();
        const gdi::HandleStats handles = counts();
        const uint32_t handle = gdi::LoadImageA(instance, path.constData(), type, width, 0, flags);
        gdi::BITMAP record;
        gdi::ICONINFO info;
        if (made == QLatin1String("bitmap")) {
            QCOMPARE(gdi::GetObjectA(handle, sizeof record, &record), int(sizeof record));
            QCOMPARE(record.bmWidth, 30);
            QCOMPARE(record.bmHeight, 20);
            QVERIFY(gdi::DeleteObject(handle));
        } else if (made == QLatin1String("nothing")) {
            QCOMPARE(handle, 0u);
        } else {
            QVERIFY(gdi::GetIconInfo(handle, &info));
            gdi::GetObjectA(info.hbmColor, sizeof record, &record);
            QCOMPARE(record.bmWidth, 16);
            QCOMPARE(info.fIcon, made == QLatin1String("icon") ? 1 : 0);
            QCOMPARE(info.xHotspot, made == QLatin1String("icon") ? 0u : 3u);
            QCOMPARE(info.yHotspot, made == QLatin1String("icon") ? 0u : 4u);
            gdi::DeleteObject(info.hbmColor);
            gdi::DeleteObject(info.hbmMask);
            QVERIFY(gdi::DestroyIcon(handle));
        }
        QCOMPARE(counts(), handles);
    }

    void loadBitmap_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("imageType");
        QTest::addColumn<int>("measurement");
        QTest::addColumn<gdi::RECT>("rect");
        QTest::addColumn<QImage>("pixels"); // null: the image is unchanged

        const QImage small = distinct(30, 20);
        const QImage photo = distinct(300, 200);
        const QByteArray bmp = encoded(photo, "bmp");
        const gdi::RECT kept{0, 0, 10, 10};
        // The ending wins over the type argument, in any case.
        QTest::newRow("photo.BMP as a bitmap")
            << "photo.BMP" << encoded(small, "bmp") << 1 << 1 << gdi::RECT{0, 0, 30, 20} << small;
        QTest::newRow("photo.dib by its type, a bitmap")
            << "photo.dib" << encoded(small, "bmp") << 0 << 1 << gdi::RECT{0, 0, 30, 20} << small;
        QTest::newRow("photo.dib by its type, not an icon")
            << "photo.dib" << encoded(small, "bmp") << 1 << 1 << kept << QImage();
        QTest::newRow("300 x 200 in pixels") << "photo.bmp" << bmp << 0 << 1 << gdi::RECT{0, 0, 300, 200} << photo;
        QTest::newRow("300 x 200 in twips") << "photo.bmp" << bmp << 0 << 0 << gdi::RECT{0, 0, 4500, 3000} << photo;
        QTest::newRow("an icon over the background colour")
            << "icon.ICO" << encoded(iconPicture(), "ico") << 0 << 1 << gdi::RECT{0, 0, 16, 16} << iconOverGreen();
        QTest::newRow("a cursor over the background colour")
            << "arrow.cur" << cursorFile() << 0 << 1 << gdi::RECT{0, 0, 16, 16} << iconOverGreen();
        QTest::newRow("an icon file named as a bitmap")
            << "icon.bmp" << encoded(iconPicture(), "ico") << 1 << 1 << kept << QImage();
        // What cannot be loaded leaves the image as it was, without a large allocation.
        QTest::newRow("empty") << "empty.bmp" << QByteArray() << 0 << 1 << kept << QImage();
        QTest::newRow("truncated") << "truncated.bmp" << bmp.left(bmp.size() / 2) << 0 << 1 << kept << QImage();
        QTest::newRow("random bytes") << "random.bmp" << randomBytes() << 0 << 1 << kept << QImage();
        QTest::newRow("claims 100,000 x 100,000")
            << "huge.bmp" << claimedBitmap(100000, 100000) << 0 << 1 << kept << QImage();
        QTest::newRow("claims 2^31 - 1 x 2^31 - 1")
            << "largest.bmp" << claimedBitmap(0x7FFFFFFF, 0x7FFFFFFF) << 0 << 1 << kept << QImage();
        QTest::newRow("claims 30,000 x 30,000")
            << "large.bmp" << claimedBitmap(30000, 30000) << 0 << 1 << kept << QImage();
        QTest::newRow("a folder") << "folder.bmp" << QByteArray() << 0 << 1 << kept << QImage();
        QTest::newRow("no read permission") << "locked.bmp" << bmp << 0 << 1 << kept << QImage();
    }

    void loadBitmap()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(int, imageType);
        QFETCH(int, measurement);
        QFETCH(gdi::RECT, rect);
        QFETCH(QImage, pixels);
        const QByteArray tag = QTest::currentDataTag();
        QString path = dir_.filePath(name);
        if (tag == "a folder")
            QVERIFY(QDir(dir_.path()).mkpath(name));
        else
            path = write(name, contents);
        const bool unreadable = tag == "no read permission";
        if (unreadable) {
            QVERIFY(QFile::setPermissions(path, {}));
            // Others may pass through the folder, to find the file they may not read.
            QVERIFY(QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                           | QFile::ExeGroup | QFile::ExeOther));
        }
        clsBitmap b;
        b.SetBitmap(10, 10, kGreen);
        const QImage expected = pixels.isNull() ? pixelsOf(b) : pixels.convertToFormat(QImage::Format_RGB32);
        const gdi::HandleStats handles = counts();
        const long memory = peakMemory();

        if (unreadable && geteuid() == 0) {
            // The superuser reads anything: the load is tried by a user who may not.
            const pid_t child = fork();
            if (child == 0) {
                const bool ids = setgid(65534) == 0 && setuid(65534) == 0;
                b.LoadBitmap(path, imageType, measurement);
                _exit(ids && pixelsOf(b) == expected && sameRect(clsBitmapInternals::image(b), rect)
                              && counts() == handles
                          ? 0
                          : 1);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
        } else {
            b.LoadBitmap(path, imageType, measurement);
            QVERIFY(sameRect(clsBitmapInternals::image(b), rect));
            QCOMPARE(pixelsOf(b), expected);
            QCOMPARE(counts(), handles);
            QCOMPARE(b.BackgroundColour(), kGreen);
        }
        QVERIFY2(peakMemory() - memory < 64 * 1024, "the load allocated a large image");
    }

    void save_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written"); // empty: nothing
        QTest::addColumn<int>("error");
        QTest::newRow("picture") << "picture"
                                 << "picture.bmp" << 0;
        QTest::newRow("picture.Bmp") << "picture.Bmp"
                                     << "picture.Bmp" << 0;
        QTest::newRow("picture.png") << "picture.png"
                                     << "picture.png.bmp" << 0;
        QTest::newRow("no such folder") << "missing/picture" << QString() << int(vb::err::PathNotFound);
        QTest::newRow("a full disk") << "full.bmp" << QString() << int(vb::err::DiskFull);
        QTest::newRow("0 x 0: a pixel of the background colour") << "empty" << "empty.bmp" << 0;
    }

    // A written file is a bitmap file that loads back pixel for pixel; a failed write raises the error.
    void save()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(int, error);
        QDir folder(dir_.filePath(QTest::currentDataTag()));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        if (error == int(vb::err::DiskFull))
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), folder.filePath(name)));
        const bool empty = QByteArray(QTest::currentDataTag()).startsWith("0 x 0");
        clsBitmap b;
        b.SetBitmap(empty ? 0 : 20, empty ? 0 : 30, kGreen);
        b.DrawRect(0x0000FF, 2, 3, 5, 7);
        b.DrawRect(0x123456, 10, 20, 4, 4);
        const QImage before = pixelsOf(b);
        const gdi::HandleStats handles = counts();

        QCOMPARE(errorOf([&] { b.Save(folder.filePath(name)); }), error);
        QCOMPARE(pixelsOf(b), before);
        QCOMPARE(counts(), handles);
        if (error)
            return;
        QCOMPARE(folder.entryList(QDir::Files), QStringList{written});
        QVERIFY(QDir::match(b.SupportedFormats(), written.toLower()));
        clsBitmap loaded;
        loaded.LoadBitmap(folder.filePath(written));
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.fill(kGreenPixel);
        QCOMPARE(pixelsOf(loaded), empty ? pixel : before);
    }

    void reSize_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<QImage>("expected");

        const QImage old = quadrants(100, 100);
        QImage wider(200, 100, QImage::Format_RGB32);
        wider.fill(kGreenPixel);
        QPainter(&wider).drawImage(0, 0, old);
        QImage lower(100, 40, QImage::Format_RGB32);
        QPainter(&lower).drawImage(0, 0, old);

        QTest::newRow("200 x 100 keeps the old pixels left") << "ReSize" << 200 << 100 << false << wider;
        QTest::newRow("50 x 50 stretched") << "ReSize" << 50 << 50 << true << quadrants(50, 50);
        QTest::newRow("50 x 50 cropped") << "ReSize" << 50 << 50 << false << old.copy(0, 0, 50, 50);
        QTest::newRow("own size") << "ReSize" << -1 << -1 << true << old;
        QTest::newRow("Width let") << "Width" << 200 << -1 << false << wider;
        QTest::newRow("Height let") << "Height" << -1 << 40 << false << lower;
        QTest::newRow("to a bitmap, stretched") << "SizeToBitmap" << 50 << 50 << true << quadrants(50, 50);
        QTest::newRow("to what is not a bitmap") << "SizeToBitmap" << 0 << 0 << true << old;
        QImage far(32700, 1, QImage::Format_RGB32); // Left + width passes 16 bits; edges are 32-bit
        far.fill(kGreenPixel);
        QTest::newRow("32700 x 1 from Left 100") << "ReSize from 100" << 32700 << 1 << false << far;
    }

    void reSize()
    {
        QFETCH(QString, how);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, stretch);
        QFETCH(QImage, expected);
        const QString path = write(QStringLiteral("quadrants.bmp"), encoded(quadrants(100, 100), "bmp"));
        clsBitmap b;
        b.LoadBitmap(path);
        b.setBackgroundColour(kGreen);
        const int left = how.endsWith(QLatin1String("100")) ? 100 : 0; // where nothing of the image lies
        clsBitmapInternals::image(b) = {left, 0, left + 100, 100};
        const gdi::HandleStats handles = counts();

        if (how.startsWith(QLatin1String("ReSize")))
            b.ReSize(width, height, stretch);
        else if (how == QLatin1String("Width"))
            b.setWidth(width);
        else if (how == QLatin1String("Height"))
            b.setHeight(height);
        else if (width == 0) {
            testing::Canvas notABitmap(1, 1);
            b.SizeToBitmap(notABitmap.dc(), stretch);
        } else {
            testing::Canvas size(width, height);
            b.SizeToBitmap(size.bitmap(), stretch);
        }
        QCOMPARE(pixelsOf(b), expected);
        QVERIFY(sameRect(clsBitmapInternals::image(b), {left, 0, left + expected.width(), expected.height()}));
        QCOMPARE(counts(), handles);
    }

    void paintFrom_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QList<int>>(
            "arguments"); // source width, height, left, top, destination left, top, width, height
        QTest::addColumn<uint>("rop");
        QTest::addColumn<QRect>("from"); // the source area that lands ...
        QTest::addColumn<QRect>("to"); // ... here, the rest of the image being green

        const QList<int> defaults{-1, -1, 0, 0, 0, 0, -1, -1};
        QTest::newRow("defaults") << QSize(40, 30) << defaults << uint(gdi::SRCCOPY) << QRect(0, 0, 40, 30)
                                  << QRect(0, 0, 40, 30);
        QTest::newRow("50 x 50 stretched onto 100 x 100")
            << QSize(100, 100) << QList<int>{50, 50, 0, 0, 0, 0, -1, -1} << uint(gdi::SRCCOPY) << QRect(0, 0, 50, 50)
            << QRect(0, 0, 100, 100);
        QTest::newRow("an area to a place") << QSize(40, 30) << QList<int>{10, 8, 20, 5, 3, 4, 10, 8}
                                            << uint(gdi::SRCCOPY) << QRect(20, 5, 10, 8) << QRect(3, 4, 10, 8);
        QTest::newRow("inverted") << QSize(40, 30) << defaults << uint(gdi::NOTSRCCOPY) << QRect(0, 0, 40, 30)
                                  << QRect(0, 0, 40, 30);
        QTest::newRow("a width of 0") << QSize(40, 30) << QList<int>{0, -1, 0, 0, 0, 0, -1, -1} << uint(gdi::SRCCOPY)
                                      << QRect() << QRect();
        QTest::newRow("no source DC") << QSize(40, 30) << defaults << uint(gdi::SRCCOPY) << QRect() << QRect();
    }

    void paintFrom()
    {
        QFETCH(QSize, image);
        QFETCH(QList<int>, arguments);
        QFETCH(uint, rop);
        QFETCH(QRect, from);
        QFETCH(QRect, to);
        testing::Canvas source(64, 64);
        const QImage pattern = distinct(64, 64);
        source.paint([&](int x, int y) {
            const QRgb p = pattern.pixel(x, y);
            return gdi::RGB(uint8_t(qRed(p)), uint8_t(qGreen(p)), uint8_t(qBlue(p)));
        });
        clsBitmap b;
        b.SetBitmap(image.height(), image.width(), kGreen);
        const gdi::HandleStats handles = counts();
        const gdi::HDC dc = QTest::currentDataTag() == QByteArray("no source DC") ? 0 : source.dc();

        b.PaintFrom(dc, arguments[0], arguments[1], arguments[2], arguments[3], arguments[4], arguments[5],
                    arguments[6], arguments[7], int32_t(rop));
        QImage expected(image, QImage::Format_RGB32);
        expected.fill(kGreenPixel);
        if (!to.isNull()) {
            QImage area = pattern.copy(from).scaled(to.size());
            if (rop == gdi::NOTSRCCOPY)
                area.invertPixels();
            QPainter(&expected).drawImage(to.topLeft(), area);
        }
        QCOMPARE(pixelsOf(b), expected);
        QCOMPARE(counts(), handles);
    }

    void backgroundColourAndCls_data()
    {
        QTest::addColumn<int32_t>("colour");
        QTest::addColumn<int32_t>("resolved");
        QTest::newRow("a colour") << int32_t(0x123456) << int32_t(0x123456);
        QTest::newRow("the window colour")
            << int32_t(INT32_MIN + gdi::COLOR_WINDOW) << int32_t(gdi::GetSysColor(gdi::COLOR_WINDOW));
        QTest::newRow("the highlight colour")
            << int32_t(INT32_MIN + gdi::COLOR_HIGHLIGHT) << int32_t(gdi::GetSysColor(gdi::COLOR_HIGHLIGHT));
    }

    // A new colour is resolved at once; the image shows it only after Cls or a new size.
    void backgroundColourAndCls()
    {
        QFETCH(int32_t, colour);
        QFETCH(int32_t, resolved);
        clsBitmap b;
        b.SetBitmap(10, 20, kGreen);
        b.DrawRect(0x0000FF, 2, 2, 3, 3);
        const QImage drawn = pixelsOf(b);
        const gdi::HandleStats handles = counts();

        b.setBackgroundColour(colour);
        QCOMPARE(b.BackgroundColour(), resolved);
        QCOMPARE(pixelsOf(b), drawn);
        b.Cls();
        QImage cleared(20, 10, QImage::Format_RGB32);
        cleared.fill(testing::qrgbOf(gdi::COLORREF(resolved)));
        QCOMPARE(pixelsOf(b), cleared);
        QCOMPARE(counts(), handles);
    }

    void leftAndTop_data()
    {
        QTest::addColumn<bool>("left"); // else the top
        QTest::addColumn<int>("value");
        QTest::addColumn<gdi::RECT>("rect");
        QTest::newRow("left 10") << true << 10 << gdi::RECT{10, 0, 90, 50};
        QTest::newRow("left -10") << true << -10 << gdi::RECT{-10, 0, 110, 50};
        QTest::newRow("top 5") << false << 5 << gdi::RECT{0, 5, 100, 45};
    }

    // The rectangle keeps its centre; the bitmap and what Paint copies by default stay as they were.
    void leftAndTop()
    {
        QFETCH(bool, left);
        QFETCH(int, value);
        QFETCH(gdi::RECT, rect);
        clsBitmap b;
        b.SetBitmap(50, 100, kGreen);
        b.DrawRect(0x0000FF, 40, 90, 10, 10);
        const QImage before = pixelsOf(b);
        const gdi::HandleStats handles = counts();
        left ? b.setLeft(value) : b.setTop(value);
        QVERIFY(sameRect(clsBitmapInternals::image(b), rect));
        QCOMPARE(b.Left().value(), rect.left);
        QCOMPARE(b.Top().value(), rect.top);
        QCOMPARE(b.Width().value(), rect.right - rect.left);
        QCOMPARE(b.Height().value(), rect.bottom - rect.top);
        QCOMPARE(pixelsOf(b), before);
        QCOMPARE(counts(), handles);
        testing::Canvas target(100, 50);
        b.Paint(target.dc());
        QImage painted(100, 50, QImage::Format_RGB32);
        painted.fill(Qt::black);
        QPainter(&painted).drawImage(0, 0, before.copy(0, 0, rect.right, rect.bottom));
        QCOMPARE(gdi::snapshot(target.dc()), painted);
    }

    void pictureAndIcon_data()
    {
        QTest::addColumn<bool>("icon");
        QTest::newRow("Picture") << false;
        QTest::newRow("Icon") << true;
    }

    // A picture or icon of one image set into another gives it the same size and pixels.
    void pictureAndIcon()
    {
        QFETCH(bool, icon);
        const gdi::HandleStats handles = counts();
        {
            clsBitmap a;
            a.SetBitmap(20, 30, kGreen);
            a.DrawRect(0x0000FF, 5, 6, 7, 8);
            clsBitmap b;
            {
                const forms::Picture picture = icon ? a.Icon() : a.Picture();
                QCOMPARE(picture.Type(), int16_t(icon ? forms::Picture::Icon : forms::Picture::Bitmap));
                a.Cls(); // the picture has a copy
                b.setPicture(picture);
            }
            QCOMPARE(b.Width().value(), 30);
            QCOMPARE(b.Height().value(), 20);
            QImage expected(30, 20, QImage::Format_RGB32);
            expected.fill(kGreenPixel);
            QPainter(&expected).fillRect(6, 5, 8, 7, Qt::red);
            QCOMPARE(pixelsOf(b), expected);
            b.setPicture({});
            QCOMPARE(pixelsOf(b), expected);
            a.SetBitmap(0, 0, kGreen); // an image without pixels still gives one
            QVERIFY(icon ? a.Icon() : a.Picture());
            clsBitmapInternals::release(a);
            QVERIFY(!a.Icon());
        }
        QCOMPARE(counts(), handles);
    }

    // The height holds what DrawString draws in the font, within a little more than the font's size,
    // and grows with it; the image's own DC and the handles are left as they were.
    void getTextHeight()
    {
        for (const char* family : {"Arial", "Georgia"}) {
            int previous = 0;
            for (int pt : {8, 12, 24}) {
                clsBitmap b;
                b.SetBitmap(200, 400, 0xFFFFFF);
                QFont font(family, pt);
                const gdi::HFONT imageFont = gdi::GetCurrentObject(b.hdc(), gdi::OBJ_FONT);
                const gdi::HandleStats handles = counts();
                const int height = b.GetTextHeight(font).value();
                QCOMPARE(counts(), handles);
                QCOMPARE(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_FONT), imageFont);

                b.DrawString(QStringLiteral("Hgjy"), 0, 0, 200, 400, font, 0, 0);
                const int ink = testing::inkBounds(pixelsOf(b), qRgb(255, 255, 255)).height();
                const int em = qRound(pt * 96 / 72.0);
                QVERIFY2(
                    ink <= height && height <= em * 13 / 10,
                    qPrintable(QStringLiteral("%1 %2 pt: ink %3, height %4").arg(family).arg(pt).arg(ink).arg(height)));
                QVERIFY(height > previous);
                previous = height;
            }
        }
    }
};

QTEST_MAIN(TestClsBitmapFiles)
#include "tst_clsbitmap_files.moc"
