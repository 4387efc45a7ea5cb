// The machine's geometry against what the learner is meant to see: the cams' poses, the
// follower's heights, and every moving part inside the frame it is cut into.
#include "painter/camgeometry.h"

#include <QTest>
#include <QtMath>

#include <cmath>

using namespace painter;

namespace {

// Screen angle, degrees clockwise from straight up, of the rim point farthest from the shaft.
double farthestRimAngle(int frame)
{
    const CamPose pose = framePose(frame);
    const QPolygonF face = frontFace(camOfStep(frame), pose);
    QPointF best = pose.centre;
    for (const QPointF &p : face) {
        if (QLineF(pose.centre, p).length() > QLineF(pose.centre, best).length())
            best = p;
    }
    const QPointF d = best - pose.centre;
    return std::fmod(qRadiansToDegrees(std::atan2(d.x(), -d.y())) + 360.0, 360.0);
}

double angleBetween(double a, double b, double period)
{
    const double d = std::fmod(std::abs(a - b), period);
    return std::min(d, period - d);
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void camPoses_data();
    void camPoses();
    void rodTops_data();
    void rodTops();
    void pearRodTravel();
    void movingPartsInsideFrame_data();
    void movingPartsInsideFrame();
    void followerAtTwiceTheSize_data() { movingPartsInsideFrame_data(); }
    void followerAtTwiceTheSize();
    void rodPassesThroughHole_data();
    void rodPassesThroughHole();
};

void TestGeometry::camPoses_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<double>("direction"); // where the pose puts the cam's mark
    QTest::addColumn<double>("period");    // the double lobe looks the same after half a turn
    QTest::addColumn<double>("tolerance");

    const char *pear[] = {"up", "upper right", "right", "lower right",
                          "down", "lower left", "left", "upper left"};
    for (int k = 0; k < 8; ++k)
        QTest::addRow("pear %d, point %s", k, pear[k]) << k << 45.0 * k << 360.0 << 5.0;

    QTest::newRow("double lobe 8, upright") << 8 << 0.0 << 180.0 << 15.0;
    QTest::newRow("double lobe 9, leaning right") << 9 << 45.0 << 180.0 << 15.0;
    QTest::newRow("double lobe 10, level") << 10 << 90.0 << 180.0 << 15.0;
    QTest::newRow("double lobe 11, leaning left") << 11 << 135.0 << 180.0 << 15.0;

    // The snail's largest radius is the drop face's outer edge.
    const char *snail[] = {"upper right", "right", "lower right", "down",
                           "lower left", "left", "upper left", "top"};
    for (int k = 0; k < 8; ++k)
        QTest::addRow("snail %d, drop face %s", 12 + k, snail[k])
            << 12 + k << std::fmod(45.0 * (k + 1), 360.0) << 360.0 << 25.0;
}

void TestGeometry::camPoses()
{
    QFETCH(int, frame);
    QFETCH(double, direction);
    QFETCH(double, period);
    QFETCH(double, tolerance);
    const double angle = farthestRimAngle(frame);
    QVERIFY2(angleBetween(angle, direction, period) <= tolerance,
             qPrintable(QStringLiteral("mark at %1 degrees").arg(angle)));
}

void TestGeometry::rodTops_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("twips");

    const int doubleLobe[] = {395, 580, 695, 460};
    for (int k = 0; k < 4; ++k)
        QTest::addRow("double lobe %d", 8 + k) << 8 + k << doubleLobe[k];
    const int snail[] = {980, 980, 885, 765, 645, 545, 390, 345};
    for (int k = 0; k < 8; ++k)
        QTest::addRow("snail %d", 12 + k) << 12 + k << snail[k];
}

void TestGeometry::rodTops()
{
    QFETCH(int, frame);
    QFETCH(int, twips);
    const int top = forms::toTwips(rodTopRow(frame));
    QVERIFY2(std::abs(top - twips) <= 40,
             qPrintable(QStringLiteral("rod top at %1 twips").arg(top)));
}

void TestGeometry::pearRodTravel()
{
    int rows[8];
    for (int k = 0; k < 8; ++k)
        rows[k] = rodTopRow(k);
    for (int k = 3; k <= 6; ++k)
        QCOMPARE(rows[k], rows[2]); // the dwell on the round part
    QVERIFY(rows[0] < rows[1] && rows[1] < rows[2]);
    QVERIFY(rows[0] < rows[7] && rows[7] < rows[6]);
    const int travel = forms::toTwips(rows[2] - rows[0]);
    QVERIFY2(travel >= 255 && travel <= 345, qPrintable(QString::number(travel)));
}

void TestGeometry::movingPartsInsideFrame_data()
{
    QTest::addColumn<int>("frame");
    for (int frame = 0; frame < animation::layout::frameCount; ++frame)
        QTest::addRow("step %d", frame) << frame;
}

void TestGeometry::movingPartsInsideFrame()
{
    QFETCH(int, frame);
    const QRect inner = frameRect(frame).adjusted(1, 1, -1, -1);
    const QRect cam = camPixelBounds(camOfStep(frame), framePose(frame));
    QVERIFY2(inner.contains(cam), qPrintable(QStringLiteral("cam %1,%2 %3x%4 in %5,%6 %7x%8")
                                                 .arg(cam.x()).arg(cam.y()).arg(cam.width())
                                                 .arg(cam.height()).arg(inner.x()).arg(inner.y())
                                                 .arg(inner.width()).arg(inner.height())));
    QVERIFY(inner.contains(followerBounds(frame)));
    // the foot stands clear of the plate, the rod's top clear of it above
    QVERIFY(followerBounds(frame).bottom() - follower::footRows > housing::plateBottom);
    QVERIFY(rodTopRow(frame) < housing::top);
}

// At twice the size the foot is found on the finer rim, a device pixel off the doubled
// ordinary row at most, so the two sets show the same lift.
void TestGeometry::followerAtTwiceTheSize()
{
    QFETCH(int, frame);
    const int ordinary = footBottomRow(frame);
    const int sharp = footBottomRow(frame, 2);
    QVERIFY2(std::abs(sharp - (2 * ordinary + 1)) <= 1,
             qPrintable(QStringLiteral("foot at device row %1, window row %2").arg(sharp)
                            .arg(ordinary)));
    QCOMPARE(rodTopRow(frame, 2), sharp - 2 * follower::length + 1);
}

void TestGeometry::rodPassesThroughHole_data()
{
    QTest::addColumn<int>("cam");
    QTest::newRow("pear") << int(Cam::Pear);
    QTest::newRow("double lobe") << int(Cam::DoubleLobe);
    QTest::newRow("snail") << int(Cam::Snail);
}

void TestGeometry::rodPassesThroughHole()
{
    QFETCH(int, cam);
    const Columns rod = rodColumns(Cam(cam));
    const Columns foot = footColumns(Cam(cam));
    // inside the hole's opening, within its olive rim
    QVERIFY(rod.first >= holePosition.x() + 3);
    QVERIFY(rod.last <= holePosition.x() + holeSize.width() - 4);
    QVERIFY(foot.first < rod.first && rod.last < foot.last);
}

QTEST_APPLESS_MAIN(TestGeometry)

#include "tst_geometry.moc"
