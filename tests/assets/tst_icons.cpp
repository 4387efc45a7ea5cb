// The spanner icon as the desktop and the windows get it: every size installed into the icon
// theme, drawn pixel by pixel when small and smooth from 48 pixels up, the scalable picture a
// real SVG renderer draws like the bitmaps, and both windows offering every size.
#include "app/form1.h"
#include "assets/pictures.h"
#include "quiz/form2.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>

#ifdef KESTRILON_HAVE_SVG
#include <QSvgRenderer>
#endif

namespace {

const QString appId = QStringLiteral("org.kestrilon.Kestrilon");
const QString theme = QStringLiteral(KESTRILON_INSTALLED "/share/icons/hicolor/");

QString installedPng(int size)
{
    return theme + QStringLiteral("%1x%1/apps/").arg(size) + appId + QStringLiteral(".png");
}

QString installedSvg()
{
    return theme + QStringLiteral("scalable/apps/") + appId + QStringLiteral(".svg");
}

// A point of a `size` picture given as fractions of its width and height.
QPoint at(int size, double x, double y)
{
    return QPoint(int(x * size), int(y * size));
}

// The spanner lies on the diagonal: a point in the jaws' slot, just past its round end, lies
// this far right of and above the picture's centre, in picture widths.
constexpr double inSlot = 0.2376;

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void installed_data() { sizes_data(); }
    void installed();
    void scalableIsSvg();
    void scalableDrawsLikeTheBitmaps_data();
    void scalableDrawsLikeTheBitmaps();
    void windowsOfferEverySize_data() { sizes_data(); }
    void windowsOfferEverySize();
};

void TestIcons::sizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("smooth");
    for (int size : {16, 22, 24, 32})
        QTest::addRow("%d px, pixel by pixel", size) << size << false;
    for (int size : {48, 64, 128, 256})
        QTest::addRow("%d px, smooth", size) << size << true;
}

void TestIcons::installed()
{
    QFETCH(int, size);
    QFETCH(bool, smooth);
    QImage image(installedPng(size));
    QVERIFY2(!image.isNull(), qPrintable(installedPng(size)));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    image = image.convertToFormat(QImage::Format_ARGB32);

    int partial = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            partial += qAlpha(image.pixel(x, y)) != 0 && qAlpha(image.pixel(x, y)) != 255;
    if (smooth)
        QVERIFY2(partial > size, "smooth sizes blend their edges");
    else
        QCOMPARE(partial, 0);

    // The corners off the diagonal are see-through; the handle is solid grey.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    const QRgb handle = image.pixel(at(size, 0.35, 0.65));
    QCOMPARE(qAlpha(handle), 255);
    QVERIFY2(qGray(handle) >= 120 && qGray(handle) <= 200,
             qPrintable(QString::number(handle, 16)));

    // The jaws are open right down to the slot's round end.
    if (smooth)
        QCOMPARE(qAlpha(image.pixel(at(size, 0.5 + inSlot, 0.5 - inSlot))), 0);
}

void TestIcons::scalableIsSvg()
{
    QFile file(installedSvg());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(installedSvg()));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
    QCOMPARE(xml.namespaceUri().toString(), QStringLiteral("http://www.w3.org/2000/svg"));
    QCOMPARE(xml.attributes().value(QLatin1String("viewBox")).toString(),
             QStringLiteral("0 0 256 256"));
    int paths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            QCOMPARE(xml.name().toString(), QStringLiteral("path")); // shapes only, no embedded bitmap
            ++paths;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(paths, 3); // the body, its shading, its outline
}

void TestIcons::scalableDrawsLikeTheBitmaps_data()
{
    QTest::addColumn<int>("size");
    for (int size : {48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

void TestIcons::scalableDrawsLikeTheBitmaps()
{
#ifndef KESTRILON_HAVE_SVG
    QSKIP("built without Qt SVG; scripts/test.sh installs qt6-svg-dev");
#else
    QFETCH(int, size);
    QSvgRenderer renderer(installedSvg());
    QVERIFY(renderer.isValid());
    QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();

    const QImage bitmap =
        QImage(installedPng(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(bitmap.size(), drawn.size());
    long total = 0;
    int far = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = drawn.pixel(x, y), b = bitmap.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b)),
                                    std::abs(qAlpha(a) - qAlpha(b))});
            total += d;
            far += d > 48;
        }
    }
    const double mean = double(total) / (size * size);
    QVERIFY2(mean < 1.0, qPrintable(QStringLiteral("mean difference %1").arg(mean)));
    QVERIFY2(far <= size * size / 200, qPrintable(QStringLiteral("%1 pixels differ").arg(far)));
#endif
}

void TestIcons::windowsOfferEverySize()
{
    QFETCH(int, size);
    Form1 simulation;
    Form2 quiz;
    const QImage drawn = QImage(assets::picturePath(QStringLiteral("kestrilon-%1.png").arg(size)))
                             .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!drawn.isNull());
    for (const QWidget *window : {static_cast<QWidget *>(&simulation),
                                  static_cast<QWidget *>(&quiz)}) {
        const QIcon icon = window->windowIcon();
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(window->objectName()));
        // The size asked for is the picture drawn for it, not another one scaled.
        QCOMPARE(icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32),
                 drawn);
    }
    // One icon, decoded once, for both windows.
    QCOMPARE(simulation.windowIcon().cacheKey(), quiz.windowIcon().cacheKey());
}

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
