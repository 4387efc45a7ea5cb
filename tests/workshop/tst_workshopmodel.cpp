// The workshop's model without its window: the starting designs against the simulation's
// lift graphs, undo and merging, and the graphs' geometry.
#include "workshop/graphview.h"
#include "workshop/startingdesigns.h"
#include "workshop/workshopmodel.h"

#include "animation/camrecords.h"
#include "camdesign/designfile.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace workshop;
using camdesign::CamDesign;

Q_DECLARE_METATYPE(workshop::StartingDesign)
Q_DECLARE_METATYPE(animation::Cam)

class WorkshopModelTest : public QObject
{
    Q_OBJECT

private slots:
    void startingDesignsFollowTheSimulationGraphs_data();
    void startingDesignsFollowTheSimulationGraphs();
    void undoAndRedoRestoreExactly();
    void nudgesMergeWhileOneValueIsEdited();
    void graphsStopWhereTheSegmentsDo();
    void envelopeKeepsEveryPeak_data();
    void envelopeKeepsEveryPeak();
    void axisTicksAreRound_data();
    void axisTicksAreRound();
};

void WorkshopModelTest::startingDesignsFollowTheSimulationGraphs_data()
{
    QTest::addColumn<StartingDesign>("design");
    QTest::addColumn<animation::Cam>("cam");
    QTest::newRow("pear") << StartingDesign::Pear << animation::Cam::Pear;
    QTest::newRow("double lobe") << StartingDesign::DoubleLobe << animation::Cam::DoubleLobe;
    QTest::newRow("snail") << StartingDesign::Snail << animation::Cam::Snail;
}

// Each step of a simulation cam turns it 45° and ends its graph segment at the lift it
// shows; the design's lift there is the graph's, above its lowest point, to within a twip.
void WorkshopModelTest::startingDesignsFollowTheSimulationGraphs()
{
    QFETCH(StartingDesign, design);
    QFETCH(animation::Cam, cam);
    const CamDesign made = startingDesign(design);
    QCOMPARE(camdesign::designError(made), QString());
    const camdesign::CamAnalysis analysis = camdesign::analyse(made, 360);
    QVERIFY(analysis.feasible);

    const animation::CamTable &table = animation::camTable(cam);
    int lowest = 1 << 30;
    for (const animation::CamStep &step : table.steps)
        lowest = std::min(lowest, step.segment.to.lift);
    const camdesign::Motion motion(made.segments);
    // Two turns of steps, so a cam whose cycle is half a turn is held over its whole turn.
    for (int k = 0; k < 16; ++k) {
        const animation::CamStep &step = table.steps[std::size_t(k) % table.steps.size()];
        const double graphAngle = 45.0 * k;
        const double angle = graphAngle - graphAngleOffsetDegrees(design);
        const double expected = (step.segment.to.lift - lowest) / graphTwipsPerMillimetre;
        const double lift = motion.at(angle * std::numbers::pi / 180).lift;
        QVERIFY2(std::abs(lift - expected) <= 1 / graphTwipsPerMillimetre,
                 qPrintable(QStringLiteral("step %1: %2 mm, the graph %3 mm")
                                .arg(k)
                                .arg(lift)
                                .arg(expected)));
    }
}

void WorkshopModelTest::undoAndRedoRestoreExactly()
{
    WorkshopModel model;
    std::vector<CamDesign> seen{model.design()};
    CamDesign design = model.design();
    design.baseCircleRadius = 41.25;
    model.edit(design, QStringLiteral("base"));
    seen.push_back(model.design());
    design.segments.insert(design.segments.begin() + 1,
                           {camdesign::SegmentKind::Rise, 10, 3, camdesign::MotionLaw::ModifiedSine});
    design.segments[2].angleDegrees = 80;
    model.edit(design, QStringLiteral("segment"));
    seen.push_back(model.design());
    design.follower.type = camdesign::FollowerType::FlatFaced;
    model.edit(design, QStringLiteral("follower"));
    seen.push_back(model.design());
    QVERIFY(model.isModified());

    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        model.undo();
        QVERIFY(model.design() == seen[i - 1]);
    }
    QVERIFY(!model.isModified());
    for (std::size_t i = 1; i < seen.size(); ++i) {
        model.redo();
        QVERIFY(model.design() == seen[i]);
    }
    // The analysis follows the design it was undone to, not the one before.
    QCOMPARE(model.analysis().faceWidth, camdesign::analyse(seen.back(), 3600).faceWidth);
}

void WorkshopModelTest::nudgesMergeWhileOneValueIsEdited()
{
    WorkshopModel model;
    const CamDesign start = model.design();
    CamDesign design = start;
    for (const double base : {31.0, 32.0, 33.0}) {
        design.baseCircleRadius = base;
        model.edit(design, QStringLiteral("base"), 7);
    }
    QCOMPARE(model.undoStack()->count(), 1);
    model.endMerging();
    design.baseCircleRadius = 34;
    model.edit(design, QStringLiteral("base"), 7);
    QCOMPARE(model.undoStack()->count(), 2);
    model.undo();
    QCOMPARE(model.design().baseCircleRadius, 33.0);
    model.undo();
    QVERIFY(model.design() == start);

    // Nudged away and back within one run is no change, and nothing is left to save.
    model.endMerging();
    design = start;
    design.baseCircleRadius = 35;
    model.edit(design, QStringLiteral("base"), 7);
    design.baseCircleRadius = start.baseCircleRadius;
    model.edit(design, QStringLiteral("base"), 7);
    QVERIFY(model.design() == start);
    QVERIFY(!model.isModified());
}

void WorkshopModelTest::graphsStopWhereTheSegmentsDo()
{
    WorkshopModel model;
    CamDesign design = model.design();
    design.segments.pop_back(); // 270° of segments
    model.edit(design, QStringLiteral("short"));
    const std::vector<double> lift = graphValues(model, Quantity::Lift);
    QCOMPARE(lift.size(), std::size_t(WorkshopModel::samples));
    QVERIFY(!std::isnan(lift[2699]));
    QVERIFY(std::isnan(lift[2700]));
    // No cam, so no pressure angle anywhere.
    const std::vector<double> pressure = graphValues(model, Quantity::PressureAngle);
    QVERIFY(std::all_of(pressure.begin(), pressure.end(), [](double v) { return std::isnan(v); }));
}

void WorkshopModelTest::envelopeKeepsEveryPeak_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spikeAt");
    QTest::newRow("fewer columns than values") << 37 << 1234;
    QTest::newRow("as many columns as values") << 3600 << 17;
    QTest::newRow("more columns than values") << 5000 << 3599;
}

// A one-sample spike, a jerk at a join, shows however narrow the graph is.
void WorkshopModelTest::envelopeKeepsEveryPeak()
{
    QFETCH(int, columns);
    QFETCH(int, spikeAt);
    std::vector<double> values(3600, 0.0);
    values[std::size_t(spikeAt)] = 100;
    values[std::size_t(spikeAt + 1) % 3600] = -50;
    double highest = -1, lowest = 1;
    // However flat a column may count, a spike far beyond it still shows.
    for (const QPolygonF &line : columnEnvelope(values, columns, 1.0)) {
        for (const QPointF &point : line) {
            highest = std::max(highest, point.y());
            lowest = std::min(lowest, point.y());
            QVERIFY(point.x() >= 0 && point.x() <= columns);
        }
    }
    QCOMPARE(highest, 100.0);
    QCOMPARE(lowest, -50.0);

    // Values missing in the middle break the line in two.
    std::vector<double> broken(3600, 1.0);
    std::fill(broken.begin() + 1000, broken.begin() + 2000, std::nan(""));
    QCOMPARE(columnEnvelope(broken, columns).size(), std::size_t(2));

    // A curve that stays within a pixel across each column is one point a column.
    std::vector<double> gentle(3600);
    for (std::size_t i = 0; i < gentle.size(); ++i)
        gentle[i] = std::sin(double(i) / 3600 * 6.283);
    std::size_t points = 0;
    for (const QPolygonF &line : columnEnvelope(gentle, 1000, 0.01))
        points += std::size_t(line.size());
    QCOMPARE(points, std::size_t(1000));
}

void WorkshopModelTest::axisTicksAreRound_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QList<double>>("ticks");
    QTest::newRow("lift") << 0.0 << 20.0 << QList<double>{0, 5, 10, 15, 20};
    QTest::newRow("pressure angle") << -30.0 << 28.0 << QList<double>{-40, -20, 0, 20, 40};
    QTest::newRow("jerk") << -6200.0 << 6200.0
                          << QList<double>{-10000, -5000, 0, 5000, 10000};
    QTest::newRow("small") << 0.0 << 0.7 << QList<double>{0, 0.2, 0.4, 0.6, 0.8};
}

void WorkshopModelTest::axisTicksAreRound()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QList<double>, ticks);
    const std::vector<double> made = axisTicks(low, high, 4);
    QCOMPARE(QList<double>(made.begin(), made.end()).size(), ticks.size());
    for (qsizetype i = 0; i < ticks.size(); ++i)
        QVERIFY(std::abs(made[std::size_t(i)] - ticks[i]) < 1e-9);
}

QTEST_MAIN(WorkshopModelTest)
#include "tst_workshopmodel.moc"
