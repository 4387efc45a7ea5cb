// The spanner icon as the desktop and the windows get it.
#include "app/simulationwindow.h"
#include "pictures/embedded.h"
#include "quiz/testwindow.h"

#include <QIcon>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#ifdef KESTRILON_HAVE_SVG
#include <QSvgRenderer>
#endif

static QString installed(const QString &dir, const QString &suffix)
{
    return QStringLiteral(KESTRILON_INSTALLED "/share/icons/hicolor/") + dir
           + QStringLiteral("/apps/org.kestrilon.Kestrilon.") + suffix;
}

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void everySize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }

    void everySize()
    {
        QFETCH(int, size);
        const QImage image(installed(QStringLiteral("%1x%1").arg(size), QStringLiteral("png")));
        QCOMPARE(image.size(), QSize(size, size));
        SimulationWindow simulation;
        TestWindow quiz;
        for (const QWidget *window : {static_cast<QWidget *>(&simulation),
                                      static_cast<QWidget *>(&quiz)})
            QVERIFY2(window->windowIcon().availableSizes().contains(QSize(size, size)),
                     qPrintable(window->objectName()));
    }

    void scalableDrawsLikeTheBitmap()
    {
#ifndef KESTRILON_HAVE_SVG
        QSKIP("built without Qt SVG");
#else
        QSvgRenderer renderer(installed(QStringLiteral("scalable"), QStringLiteral("svg")));
        QVERIFY(renderer.isValid());
        QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        renderer.render(&painter, QRectF(0, 0, 256, 256));
        painter.end();
        const QImage bitmap = QImage(installed(QStringLiteral("256x256"), QStringLiteral("png")))
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(bitmap.size(), drawn.size());
        long total = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const QRgb a = drawn.pixel(x, y), b = bitmap.pixel(x, y);
                total += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            }
        QVERIFY2(total < 256 * 256, qPrintable(QStringLiteral("difference %1").arg(total)));
#endif
    }
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
