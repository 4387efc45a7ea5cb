// The simulation window on a screen of twice the density: the pictures drawn at twice the size
// are shown pixel for pixel, the frames sit on the backdrop seamlessly, and the traced graph
// stays a sharp black line. Runs with QT_SCALE_FACTOR=2.
#include "animation/camtables.h"
#include "app/simulationwindow.h"
#include "forms/picture.h"

#include <QTest>

using animation::Cam;

namespace {

constexpr QRgb black = 0xff000000;

// The window's client area in device pixels.
QImage grabbed(const SimulationWindow &form)
{
    QImage image = form.surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

// The device pixels of the line from `from` in steps of `step`, `count` of them.
QList<QRgb> run(const QImage &image, QPoint from, QPoint step, int count)
{
    QList<QRgb> pixels;
    for (int i = 0; i < count; ++i)
        pixels << image.pixel(from + step * i);
    return pixels;
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void backdropPixelForPixel();
    void housingOutlines_data();
    void housingOutlines();
    void framesSitOnTheBackdrop_data();
    void framesSitOnTheBackdrop();
    void tracedSegments_data();
    void tracedSegments();

private:
    std::unique_ptr<SimulationWindow> m_form;
};

void TestHiDpi::init()
{
    m_form = std::make_unique<SimulationWindow>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestHiDpi::cleanup()
{
    m_form.reset();
}

// The window shows the backdrop drawn at twice the size, not the ordinary one enlarged: its
// checks alternate on device pixels.
void TestHiDpi::backdropPixelForPixel()
{
    const QRect sky(QPoint(2 * 190, 2 * 85), QPoint(2 * 280 + 1, 2 * 119 + 1)); // and plate
    const QImage sharp = QImage(QStringLiteral(":/pictures@2x/backdrop.bmp"))
                             .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grabbed(*m_form).copy(sky), sharp.copy(sky));
    QVERIFY(sharp.pixel(2 * 250, 2 * 100) != sharp.pixel(2 * 250 + 1, 2 * 100));
}

void TestHiDpi::housingOutlines_data()
{
    QTest::addColumn<QPoint>("at");       // a window pixel on the outline
    QTest::addColumn<bool>("horizontal"); // the outline runs along a row

    QTest::newRow("plate top edge, row 93") << QPoint(250, 93) << true;
    QTest::newRow("base line, row 390") << QPoint(300, 390) << true;
    QTest::newRow("base bottom edge, row 403") << QPoint(300, 403) << true;
    QTest::newRow("left outline, column 185") << QPoint(185, 250) << false;
    QTest::newRow("right outline, column 453") << QPoint(453, 250) << false;
}

// A one-pixel outline of the housing is two device pixels of the outline's own colour, with
// neither a blurred half-tone nor a third pixel of it beside them.
void TestHiDpi::housingOutlines()
{
    QFETCH(QPoint, at);
    QFETCH(bool, horizontal);
    const QRgb colour = QImage(QStringLiteral(":/pictures/backdrop.bmp")).pixel(at);
    const QImage shot = grabbed(*m_form);

    const QPoint across = horizontal ? QPoint(0, 1) : QPoint(1, 0);
    const QPoint along = horizontal ? QPoint(1, 0) : QPoint(0, 1);
    for (int i = 0; i < 6; ++i) {
        const QPoint first = at * 2 + along * i;
        const QList<QRgb> pixels = run(shot, first - across, across, 4);
        QCOMPARE(pixels[1], colour);
        QCOMPARE(pixels[2], colour);
        QVERIFY(pixels[0] != colour);
        QVERIFY(pixels[3] != colour);
    }
}

void TestHiDpi::framesSitOnTheBackdrop_data()
{
    QTest::addColumn<int>("ticks");
    QTest::newRow("pear, step 0") << 1;
    QTest::newRow("pear, step 2") << 3;
    QTest::newRow("pear, step 5") << 6;
}

// The border of a frame on the stage is, device pixel for device pixel, what the window showed
// there before: the frame repeats the backdrop outside the moving parts.
void TestHiDpi::framesSitOnTheBackdrop()
{
    QFETCH(int, ticks);
    const QImage before = grabbed(*m_form);
    m_form->startCam(animation::Cam::Pear);
    for (int t = 0; t < ticks; ++t)
        m_form->tickCam(animation::Cam::Pear);
    const QImage after = grabbed(*m_form);

    const int step = ticks - 1;
    const int picture = animation::pear.step(step).picture;
    const forms::Picture *frame = m_form->frame(picture);
    QCOMPARE(frame->pixmap().devicePixelRatio(), 2.0);
    const QRect area = frame->paintedRect();
    const QRect device(area.topLeft() * 2, area.size() * 2);
    QVERIFY(after.copy(device) != before.copy(device)); // the frame is there
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            const bool border = x - device.left() < 2 || device.right() - x < 2
                                || y - device.top() < 2 || device.bottom() - y < 2;
            if (border && after.pixel(x, y) != before.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("seam at device pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void TestHiDpi::tracedSegments_data()
{
    QTest::addColumn<QPoint>("probe"); // the first device pixel of the probe
    QTest::addColumn<QPoint>("across");
    QTest::addColumn<int>("widest");
    QTest::addColumn<int>("first"); // the stretch of the probe the segment must lie in
    QTest::addColumn<int>("last");

    // After four pear ticks the graph runs (472, 104) - (478, 130) - (485, 137) - (492, 137).
    // The level one lies on window row 137, give or take the half window pixel a two-pixel pen
    // spills over its middle.
    QTest::newRow("level segment, across it") << QPoint(2 * 488, 2 * 137 - 6) << QPoint(0, 1)
                                              << 2 << 5 << 7;
    QTest::newRow("steep segment, along a row") << QPoint(2 * 475 - 8, 2 * 117) << QPoint(1, 0)
                                                << 3 << 0 << 15;
}

// The traced graph is drawn at the device's own resolution: pure black, about two device
// pixels wide, and nothing else changed beside it.
void TestHiDpi::tracedSegments()
{
    QFETCH(QPoint, probe);
    QFETCH(QPoint, across);
    QFETCH(int, widest);
    QFETCH(int, first);
    QFETCH(int, last);
    m_form->startCam(animation::Cam::Pear);
    const QImage before = grabbed(*m_form);
    for (int t = 0; t < 4; ++t)
        m_form->tickCam(animation::Cam::Pear);
    const QImage after = grabbed(*m_form);

    const QList<QRgb> was = run(before, probe, across, 16);
    const QList<QRgb> is = run(after, probe, across, 16);
    int from = -1, to = -1;
    for (int i = 0; i < is.size(); ++i) {
        if (is[i] == was[i])
            continue;
        QCOMPARE(is[i], black);
        if (from < 0)
            from = i;
        to = i;
    }
    QVERIFY2(from >= 0, "no segment crosses the probe");
    QVERIFY(from >= first && to <= last);
    QVERIFY(to - from + 1 >= 2 && to - from + 1 <= widest);
    for (int i = from; i <= to; ++i)
        QCOMPARE(is[i], black);
}

QTEST_MAIN(TestHiDpi)

#include "tst_hidpi.moc"
