// A lift graph alone and as the simulation's model feeds it: which segments it takes, how it
// counts cycles, what it tells a reader, and that a tick feeds only its own cam's graph while
// an erase empties them all.
#include "cams.h"
#include "spoken.h"

#include "app/liftgraph.h"
#include "app/simulationmodel.h"

#include <QTest>

using animation::Cam;
Q_DECLARE_METATYPE(animation::Cam)

class TestLiftGraph : public QObject
{
    Q_OBJECT

private slots:
    void takesOnlyItsOwnSegments_data();
    void takesOnlyItsOwnSegments();
    void toldAfterTicks_data();
    void toldAfterTicks();
    void tickFeedsOnlyItsOwnGraph_data();
    void tickFeedsOnlyItsOwnGraph();
    void eraseEmptiesEveryGraph();
    void startIsRefusedWhileAnotherRuns_data();
    void startIsRefusedWhileAnotherRuns();
};

// The graph's origin at (1000, 3000), cycles 400 twips wide.
void TestLiftGraph::takesOnlyItsOwnSegments_data()
{
    QTest::addColumn<QLine>("segment");
    QTest::addColumn<bool>("grew");
    QTest::addColumn<int>("cycles");
    QTest::newRow("first step") << QLine(1000, 2400, 1100, 2700) << true << 1;
    QTest::newRow("the start's dot at the origin") << QLine(1000, 3000, 1000, 3000) << false << 0;
    QTest::newRow("left of the origin") << QLine(900, 2400, 1000, 2700) << false << 0;
    QTest::newRow("below the time axis") << QLine(1000, 3100, 1100, 3000) << false << 0;
    QTest::newRow("on the graph above") << QLine(1000, 1000, 1100, 1200) << false << 0;
    QTest::newRow("in the second cycle") << QLine(1400, 2400, 1500, 2700) << true << 2;
}

void TestLiftGraph::takesOnlyItsOwnSegments()
{
    QFETCH(QLine, segment);
    LiftGraph graph({1000, 3000}, 400);
    QTEST(graph.take(segment.x1(), segment.y1(), segment.x2(), segment.y2()), "grew");
    QTEST(graph.cycles(), "cycles");
    if (graph.cycles() == 0)
        QCOMPARE(graph.description(), spoken::nothingTraced);
    graph.clear();
    QCOMPARE(graph.cycles(), 0);
}

void TestLiftGraph::toldAfterTicks_data()
{
    QTest::addColumn<Cam>("cam");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("told");
    QTest::newRow("pear, started") << Cam::Pear << 0 << spoken::nothingTraced;
    QTest::newRow("pear, its first step") << Cam::Pear << 1 << spoken::cyclesTraced(1);
    QTest::newRow("pear, a whole cycle") << Cam::Pear << 8 << spoken::graph(1, spoken::pearCycle);
    QTest::newRow("double lobe, three cycles")
        << Cam::DoubleLobe << 10 << spoken::graph(3, spoken::doubleLobeCycle);
    QTest::newRow("snail, a cycle") << Cam::Snail << 8 << spoken::graph(1, spoken::snailCycle);
    QTest::newRow("pear, erased and begun again")
        << Cam::Pear << 4 * 8 + 1 << spoken::cyclesTraced(1);
}

void TestLiftGraph::toldAfterTicks()
{
    QFETCH(Cam, cam);
    QFETCH(int, ticks);
    SimulationModel model;
    QVERIFY(model.start(cam));
    for (int t = 0; t < ticks; ++t)
        model.tick(cam);
    QTEST(model.graph(cam).description(), "told");
}

void TestLiftGraph::tickFeedsOnlyItsOwnGraph_data()
{
    QTest::addColumn<Cam>("cam");
    QTest::newRow("pear") << Cam::Pear;
    QTest::newRow("double lobe") << Cam::DoubleLobe;
    QTest::newRow("snail") << Cam::Snail;
}

void TestLiftGraph::tickFeedsOnlyItsOwnGraph()
{
    QFETCH(Cam, cam);
    SimulationModel model;
    model.start(cam);
    QVERIFY(model.tick(cam).graphGrew);
    QVERIFY(!model.tick(cam).graphGrew);
    for (const Cam other : animation::allCams)
        QCOMPARE(model.graph(other).cycles(), other == cam ? 1 : 0);
}

// The drawing layer is one for every graph: the tick that erases it empties each graph that
// held anything, and says which.
void TestLiftGraph::eraseEmptiesEveryGraph()
{
    SimulationModel model;
    model.start(Cam::Snail);
    model.tick(Cam::Snail);
    model.stop(Cam::Snail);
    model.start(Cam::Pear);
    SimulationModel::Tick tick;
    int ticks = 0;
    do {
        tick = model.tick(Cam::Pear);
        ++ticks;
    } while (!tick.changes.erasesGraph && ticks < 100);
    QCOMPARE(ticks, 32);
    QVERIFY(tick.wiped[std::size_t(Cam::Pear)] && tick.wiped[std::size_t(Cam::Snail)]);
    QVERIFY(!tick.wiped[std::size_t(Cam::DoubleLobe)]);
    for (const Cam cam : animation::allCams)
        QCOMPARE(model.graph(cam).cycles(), 0);
}

void TestLiftGraph::startIsRefusedWhileAnotherRuns_data()
{
    QTest::addColumn<Cam>("running");
    QTest::addColumn<Cam>("started");
    QTest::addColumn<bool>("taken");
    QTest::newRow("pear, then double lobe") << Cam::Pear << Cam::DoubleLobe << false;
    QTest::newRow("snail, then pear") << Cam::Snail << Cam::Pear << false;
    QTest::newRow("snail again") << Cam::Snail << Cam::Snail << true;
}

void TestLiftGraph::startIsRefusedWhileAnotherRuns()
{
    QFETCH(Cam, running);
    QFETCH(Cam, started);
    SimulationModel model;
    QVERIFY(model.start(running));
    model.tick(running);
    const int step = model.step();
    QTEST(model.start(started), "taken");
    QCOMPARE(model.running(), std::optional(running));
    QFETCH(bool, taken);
    QCOMPARE(model.step(), taken ? animation::camTable(started).firstStep : step);
    model.stop(started);
    QCOMPARE(model.running().has_value(), started != running);
}

QTEST_APPLESS_MAIN(TestLiftGraph)
#include "tst_liftgraph.moc"
