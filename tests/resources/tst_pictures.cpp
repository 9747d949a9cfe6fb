// Every picture the program names is compiled in and draws something: a mistyped or missing file
// would otherwise leave an empty space in a window without any error.
#include "resources/Pictures.h"
#include "resources/Resources.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { resources::init(); }
    void drawsSomething_data();
    void drawsSomething();
};

void TestPictures::drawsSomething_data()
{
    QTest::addColumn<QString>("path");
    for (std::size_t i = 0; i < resources::pictureCount; ++i) {
        const QString path = resources::path(static_cast<resources::Picture>(i));
        QTest::newRow(qPrintable(path)) << path;
    }
}

void TestPictures::drawsSomething()
{
    QFETCH(QString, path);
    QSvgRenderer renderer(path);
    QVERIFY2(renderer.isValid(), qPrintable(path + " is missing or not a picture"));

    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) != 0;
    QVERIFY2(drawn, qPrintable(path + " draws nothing"));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
