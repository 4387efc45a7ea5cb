// The workshop's model without its window: the starting designs against the simulation's
// lift graphs, the learner's edits with undo and merging, and the graphs' geometry.
#include "workshop/graphview.h"
#include "workshop/startingdesigns.h"
#include "workshop/workshopmodel.h"

#include "animation/camrecords.h"
#include "camdesign/designfile.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

using namespace workshop;
using camdesign::CamDesign;
using camdesign::MotionLaw;
using camdesign::Segment;
using camdesign::SegmentKind;
using Field = WorkshopModel::Field;
using Edit = std::function<void(WorkshopModel &)>;

Q_DECLARE_METATYPE(workshop::StartingDesign)
Q_DECLARE_METATYPE(animation::Cam)
Q_DECLARE_METATYPE(camdesign::CamDesign)
Q_DECLARE_METATYPE(camdesign::SegmentKind)
Q_DECLARE_METATYPE(camdesign::FollowerType)
Q_DECLARE_METATYPE(WorkshopModel::Field)
Q_DECLARE_METATYPE(Edit)

namespace {

// The new design a quarter turn short: rise, dwell, return.
CamDesign shortOfATurn()
{
    CamDesign design = camdesign::newDesign();
    design.segments.pop_back();
    return design;
}

CamDesign withSegments(std::vector<Segment> segments)
{
    CamDesign design = camdesign::newDesign();
    design.segments = std::move(segments);
    return design;
}

// A value each field accepts, away from the new design's own.
double someValue(Field field)
{
    switch (field) {
    case Field::SegmentAngle: return 70;
    case Field::SegmentHeight: return 12;
    case Field::RollerRadius: return 6;
    case Field::Offset: return 2;
    case Field::BaseCircle: return 35;
    case Field::HoleDiameter: return 9;
    case Field::FlatDepth: return 1.5;
    case Field::Speed: return 45;
    case Field::PressureLimit: return 25;
    }
    return 0;
}

} // namespace

class WorkshopModelTest : public QObject
{
    Q_OBJECT

private slots:
    void startingDesignsFollowTheSimulationGraphs_data();
    void startingDesignsFollowTheSimulationGraphs();
    void undoAndRedoRestoreExactly();
    void nudgesMergeWhileOneValueIsEdited();
    void everyEditIsOneUndoStep_data();
    void everyEditIsOneUndoStep();
    void nudgesOfOneValueAreOneStep_data();
    void nudgesOfOneValueAreOneStep();
    void addedSegmentIsADwellAfterTheChosen_data();
    void addedSegmentIsADwellAfterTheChosen();
    void fillingTheRestClosesTheTurn_data();
    void fillingTheRestClosesTheTurn();
    void smallestBaseCircleIsRoundedUp_data();
    void smallestBaseCircleIsRoundedUp();
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

void WorkshopModelTest::everyEditIsOneUndoStep_data()
{
    QTest::addColumn<CamDesign>("start");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("text"); // what Undo in the Edit menu names

    const CamDesign fresh = camdesign::newDesign();
    const auto number = [](Field field, double value) {
        return Edit([field, value](WorkshopModel &model) { model.setNumber(field, value); });
    };
    // A value of a segment and one of the design; the other fields go by the same road.
    QTest::newRow("segment angle") << fresh << 2 << number(Field::SegmentAngle, 75)
                                   << "Change the segment's angle";
    QTest::newRow("base circle") << fresh << 0 << number(Field::BaseCircle, 41.25)
                                 << "Change the base circle";
    QTest::newRow("a dwell made a rise")
        << fresh << 1 << Edit([](WorkshopModel &m) { m.setSegmentKind(SegmentKind::Rise); })
        << "Change the segment's kind";
    QTest::newRow("motion law")
        << fresh << 2 << Edit([](WorkshopModel &m) { m.setMotionLaw(MotionLaw::ModifiedSine); })
        << "Change the motion law";
    QTest::newRow("follower")
        << fresh << 0
        << Edit([](WorkshopModel &m) { m.setFollowerType(camdesign::FollowerType::FlatFaced); })
        << "Change the follower";
    QTest::newRow("add") << fresh << 1 << Edit([](WorkshopModel &m) { m.addSegment(); })
                         << "Add a segment";
    QTest::newRow("remove") << fresh << 2 << Edit([](WorkshopModel &m) { m.removeSegment(); })
                            << "Remove a segment";
    QTest::newRow("remove the last one")
        << withSegments({{SegmentKind::Dwell, 360, 0, MotionLaw::Cycloidal}}) << 0
        << Edit([](WorkshopModel &m) { m.removeSegment(); }) << "Remove a segment";
    QTest::newRow("move up") << fresh << 2 << Edit([](WorkshopModel &m) { m.moveSegment(-1); })
                             << "Move a segment up";
    QTest::newRow("move down") << fresh << 0 << Edit([](WorkshopModel &m) { m.moveSegment(1); })
                               << "Move a segment down";
    QTest::newRow("fill the rest") << shortOfATurn() << 0
                                   << Edit([](WorkshopModel &m) { m.fillWithDwell(); })
                                   << "Fill the turn with a dwell";
    CamDesign small = fresh;
    small.baseCircleRadius = 12;
    QTest::newRow("smallest base circle")
        << small << 0 << Edit([](WorkshopModel &m) { m.useSmallestBase(); })
        << "Use the smallest base circle";
}

// Each edit is one step that Undo names as the Edit menu has always named it; undone, the
// design and what it makes are as before, to the bit, and redone as after.
void WorkshopModelTest::everyEditIsOneUndoStep()
{
    QFETCH(CamDesign, start);
    QFETCH(int, chosen);
    QFETCH(Edit, edit);
    QFETCH(QString, text);
    WorkshopModel model;
    model.reset(start);
    model.chooseSegment(chosen);
    edit(model);
    const CamDesign after = model.design();
    QVERIFY(!(after == start));
    QCOMPARE(model.undoStack()->count(), 1);
    QCOMPARE(model.undoStack()->undoText(), text);
    QVERIFY(model.isModified());

    model.undo();
    QVERIFY(model.design() == start);
    const camdesign::CamAnalysis before = camdesign::analyse(start, WorkshopModel::samples);
    QCOMPARE(model.analysis().motionCheck.angleSum, before.motionCheck.angleSum);
    QCOMPARE(model.analysis().smallestBaseRadius, before.smallestBaseRadius);
    QVERIFY(!model.isModified());
    model.redo();
    QVERIFY(model.design() == after);
    QCOMPARE(model.analysis().smallestBaseRadius,
             camdesign::analyse(after, WorkshopModel::samples).smallestBaseRadius);
}

void WorkshopModelTest::nudgesOfOneValueAreOneStep_data()
{
    QTest::addColumn<Field>("first");
    QTest::addColumn<int>("firstSegment");
    QTest::addColumn<Field>("second");
    QTest::addColumn<int>("secondSegment");
    QTest::addColumn<int>("steps");
    QTest::newRow("one segment's angle")
        << Field::SegmentAngle << 2 << Field::SegmentAngle << 2 << 1;
    QTest::newRow("one segment's angle, then its height")
        << Field::SegmentAngle << 0 << Field::SegmentHeight << 0 << 2;
    QTest::newRow("the angles of two segments")
        << Field::SegmentAngle << 0 << Field::SegmentAngle << 1 << 2;
    QTest::newRow("the heights of two segments")
        << Field::SegmentHeight << 0 << Field::SegmentHeight << 2 << 2;
    QTest::newRow("the base circle") << Field::BaseCircle << 0 << Field::BaseCircle << 3 << 1;
    QTest::newRow("the base circle, then the offset")
        << Field::BaseCircle << 0 << Field::Offset << 0 << 2;
    QTest::newRow("a segment's angle, then the roller")
        << Field::SegmentAngle << 1 << Field::RollerRadius << 1 << 2;
    QTest::newRow("the speed, then the limit")
        << Field::Speed << 0 << Field::PressureLimit << 0 << 2;
}

// Three nudges of one value and two of another are one step, or two where the values differ;
// undone, every one of them is gone.
void WorkshopModelTest::nudgesOfOneValueAreOneStep()
{
    QFETCH(Field, first);
    QFETCH(int, firstSegment);
    QFETCH(Field, second);
    QFETCH(int, secondSegment);
    QFETCH(int, steps);
    WorkshopModel model;
    const CamDesign start = model.design();
    model.chooseSegment(firstSegment);
    for (const double by : {0.0, 1.0, 2.0})
        model.setNumber(first, someValue(first) + by);
    model.chooseSegment(secondSegment);
    for (const double by : {0.5, 1.5})
        model.setNumber(second, someValue(second) + by);
    QCOMPARE(model.undoStack()->count(), steps);
    for (int i = 0; i < steps; ++i)
        model.undo();
    QVERIFY(model.design() == start);
    QVERIFY(!model.isModified());
}

void WorkshopModelTest::addedSegmentIsADwellAfterTheChosen_data()
{
    QTest::addColumn<CamDesign>("start");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<double>("angle"); // of the dwell added, or 0 for none
    QTest::newRow("to a whole turn") << camdesign::newDesign() << 1 << 30.0;
    QTest::newRow("to a turn a quarter short") << shortOfATurn() << 2 << 90.0;
    QTest::newRow("to a turn a quarter short, first") << shortOfATurn() << 0 << 90.0;
    QTest::newRow("to no segments") << withSegments({}) << -1 << 360.0;
    QTest::newRow("to more than a turn")
        << withSegments({{SegmentKind::Rise, 200, 5, MotionLaw::Cycloidal},
                         {SegmentKind::Return, 200, 5, MotionLaw::Cycloidal}})
        << 1 << 30.0;
    QTest::newRow("past the most segments")
        << withSegments(std::vector<Segment>(std::size_t(camdesign::ranges::mostSegments),
                                             {SegmentKind::Dwell, 3.6, 0, MotionLaw::Cycloidal}))
        << 5 << 0.0;
}

// A dwell over the rest of the turn, or 30° where the rest is no segment's angle, with a
// height of 10 mm ready for when it becomes a rise; it is the one chosen.
void WorkshopModelTest::addedSegmentIsADwellAfterTheChosen()
{
    QFETCH(CamDesign, start);
    QFETCH(int, chosen);
    QFETCH(double, angle);
    WorkshopModel model;
    model.reset(start);
    model.chooseSegment(chosen);
    model.addSegment();
    if (angle == 0) {
        QVERIFY(model.design() == start);
        QCOMPARE(model.undoStack()->count(), 0);
        return;
    }
    const std::vector<Segment> &segments = model.design().segments;
    QCOMPARE(segments.size(), start.segments.size() + 1);
    const int at = chosen + 1;
    QVERIFY(segments[std::size_t(at)]
            == (Segment{SegmentKind::Dwell, angle, 10, MotionLaw::Cycloidal}));
    QCOMPARE(model.chosenSegment(), at);

    // Made a rise, it has that height to rise by.
    model.setSegmentKind(SegmentKind::Rise);
    QCOMPARE(model.design().segments[std::size_t(at)].height, 10.0);
}

void WorkshopModelTest::fillingTheRestClosesTheTurn_data()
{
    QTest::addColumn<CamDesign>("start");
    QTest::addColumn<int>("count");        // segments after
    QTest::addColumn<SegmentKind>("kind"); // of the last segment after
    QTest::addColumn<double>("angle");     // of the last segment after
    QTest::addColumn<int>("steps");
    const auto segment = [](SegmentKind kind, double angle) {
        return Segment{kind, angle, kind == SegmentKind::Dwell ? 0 : 5.0, MotionLaw::Cycloidal};
    };
    QTest::newRow("after a return") << shortOfATurn() << 4 << SegmentKind::Dwell << 90.0 << 1;
    QTest::newRow("after a dwell, which grows")
        << withSegments({segment(SegmentKind::Rise, 120), segment(SegmentKind::Dwell, 90),
                         segment(SegmentKind::Return, 90), segment(SegmentKind::Dwell, 30)})
        << 4 << SegmentKind::Dwell << 60.0 << 1;
    QTest::newRow("a sliver thinner than a segment")
        << withSegments({segment(SegmentKind::Rise, 180), segment(SegmentKind::Return, 179.95)})
        << 2 << SegmentKind::Return << 180.0 << 1;
    std::vector<Segment> most;
    for (int i = 0; i < camdesign::ranges::mostSegments; ++i)
        most.push_back(segment(i % 2 ? SegmentKind::Return : SegmentKind::Rise, 3.5));
    QTest::newRow("at the most segments")
        << withSegments(most) << camdesign::ranges::mostSegments << SegmentKind::Return
        << 13.5 << 1;
    QTest::newRow("a whole turn already")
        << camdesign::newDesign() << 4 << SegmentKind::Dwell << 90.0 << 0;
}

void WorkshopModelTest::fillingTheRestClosesTheTurn()
{
    QFETCH(CamDesign, start);
    QFETCH(int, count);
    QFETCH(SegmentKind, kind);
    QFETCH(double, angle);
    QFETCH(int, steps);
    WorkshopModel model;
    model.reset(start);
    model.fillWithDwell();
    const std::vector<Segment> &segments = model.design().segments;
    QCOMPARE(int(segments.size()), count);
    QCOMPARE(segments.back().kind, kind);
    QVERIFY2(std::abs(segments.back().angleDegrees - angle) < 1e-9,
             qPrintable(QString::number(segments.back().angleDegrees)));
    QVERIFY(std::abs(model.analysis().motionCheck.angleSum - 360) < 1e-9);
    QCOMPARE(model.undoStack()->count(), steps);
    QCOMPARE(model.chosenSegment(), steps ? count - 1 : 0);
}

void WorkshopModelTest::smallestBaseCircleIsRoundedUp_data()
{
    QTest::addColumn<camdesign::FollowerType>("follower");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("pressureLimit");
    QTest::newRow("roller") << camdesign::FollowerType::Roller << 0.0 << 30.0;
    QTest::newRow("roller, a steeper limit") << camdesign::FollowerType::Roller << 0.0 << 40.0;
    QTest::newRow("offset knife-edge") << camdesign::FollowerType::KnifeEdge << 3.0 << 30.0;
    QTest::newRow("flat face") << camdesign::FollowerType::FlatFaced << 0.0 << 30.0;
}

// The base circle set is the analysis' smallest rounded up to a hundredth of a millimetre,
// strictly above it for a flat face, whose smallest only just makes a cusp; one hundredth
// less would not work.
void WorkshopModelTest::smallestBaseCircleIsRoundedUp()
{
    QFETCH(camdesign::FollowerType, follower);
    QFETCH(double, offset);
    QFETCH(double, pressureLimit);
    WorkshopModel model;
    CamDesign start = model.design();
    start.follower.type = follower;
    start.follower.offset = offset;
    start.pressureAngleLimitDegrees = pressureLimit;
    start.baseCircleRadius = 4;
    model.reset(start);
    QVERIFY(model.analysis().feasible);
    QVERIFY(!model.analysis().findings.empty());
    const double smallest = model.analysis().smallestBaseRadius;
    model.useSmallestBase();
    const double base = model.design().baseCircleRadius;
    QCOMPARE(base, model.workingBase());
    QCOMPARE(std::round(base * 100) / 100, base);
    if (follower == camdesign::FollowerType::FlatFaced)
        QVERIFY(base > smallest);
    else
        QVERIFY(base >= smallest - 1e-7);
    QVERIFY2(base - 0.01 < smallest + 1e-7, qPrintable(QStringLiteral("%1 for %2")
                                                           .arg(base)
                                                           .arg(smallest)));
    QVERIFY(model.analysis().findings.empty());
    CamDesign smaller = model.design();
    smaller.baseCircleRadius -= 0.01;
    QVERIFY(!camdesign::analyse(smaller, WorkshopModel::samples).findings.empty());
    QCOMPARE(model.undoStack()->count(), 1);

    // A cam no base circle makes is left as it is.
    start.follower.type = camdesign::FollowerType::Roller;
    start.follower.offset = 45;
    model.reset(start);
    QVERIFY(!model.analysis().feasible);
    model.useSmallestBase();
    QVERIFY(model.design() == start);
    QCOMPARE(model.undoStack()->count(), 0);
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
