// A classroom afternoon and then some: a million ticks of each cam, straight
// through the tick handlers, with the counters in range and memory flat.
#include "cams.h"
#include "app/simulationwindow.h"
#include "forms/picture.h"

#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>

using animation::Cam;

namespace {

// Resident memory in KiB.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

} // namespace

class TestLongRun : public QObject
{
    Q_OBJECT

private slots:
    void millionTicks_data();
    void millionTicks();
    void testWindowOpenedAndClosed();
};

void TestLongRun::millionTicks_data()
{
    QTest::addColumn<int>("cam");
    QTest::addColumn<int>("firstStep");
    QTest::addColumn<int>("wrap");
    QTest::addColumn<int>("pageEnd");
    QTest::newRow("pear") << 1 << 0 << 8 << 2400;
    QTest::newRow("double lobe") << 2 << 8 << 12 << 3600;
    QTest::newRow("snail") << 3 << 12 << 20 << 2800;
}

void TestLongRun::millionTicks()
{
    QFETCH(int, cam);
    QFETCH(int, firstStep);
    QFETCH(int, wrap);
    QFETCH(int, pageEnd);
    SimulationWindow form;
    forms::Picture *icon = form.controlsOf(camNumbered(cam)).icon;
    forms::Timer *timer = form.controlsOf(camNumbered(cam)).timer;
    icon->click();

    constexpr int ticks = 1000000;
    long settled = 0;
    for (int t = 1; t <= ticks; ++t) {
        timer->tick();
        const SimulationModel &model = form.model();
        if (model.step() < firstStep || model.step() >= wrap || model.graphOffset() < 0
            || model.graphOffset() > pageEnd)
            QFAIL(qPrintable(QStringLiteral("tick %1: frame %2, graphOffset %3")
                                 .arg(t)
                                 .arg(model.step())
                                 .arg(model.graphOffset())));
        if (t == ticks / 10)
            settled = residentKiB();
    }
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer holds freed memory back on purpose, and reports real leaks itself.
    Q_UNUSED(settled);
#else
    // Allow a little slack for the allocator; growth per tick would show as megabytes.
    QVERIFY2(residentKiB() - settled < 2048,
             qPrintable(QStringLiteral("%1 KiB then %2 KiB").arg(settled).arg(residentKiB())));
#endif
}

// A class that opens and closes the test window all afternoon: each opening gives back what
// it took. Only a real window system asks for the window's icon, so this runs at a display.
void TestLongRun::testWindowOpenedAndClosed()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("needs a real window system");
    SimulationWindow form;
    form.show();
    long afterTen = 0;
    for (int opened = 1; opened <= 300; ++opened) {
        form.openTest();
        QPointer<TestWindow> quiz = form.testWindow();
        QVERIFY(quiz);
        QCoreApplication::processEvents();
        quiz->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(quiz.isNull());
        if (opened == 10)
            afterTen = residentKiB();
    }
#if defined(__SANITIZE_ADDRESS__)
    Q_UNUSED(afterTen);
#else
    QVERIFY2(residentKiB() - afterTen < 1024,
             qPrintable(QStringLiteral("%1 KiB then %2 KiB").arg(afterTen).arg(residentKiB())));
#endif
}

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
