// The cam made from a motion, held against worked examples and against geometry the test
// does its own way: the pitch curve differentiated numerically, the envelope found as the
// nearest approach of the roller, the flat face as the outline's highest point.
#include "camdesign/camprofile.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace camdesign;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double degree = pi / 180;

CamDesign designWith(FollowerType type, Rotation rotation, double offset)
{
    CamDesign design = newDesign();
    design.follower.type = type;
    design.follower.rollerRadius = 8;
    design.follower.offset = offset;
    design.rotation = rotation;
    return design;
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The radius of the circle through three points.
double circleRadius(QPointF a, QPointF b, QPointF c)
{
    const double cross = (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
    return distance(a, b) * distance(b, c) * distance(c, a) / (2 * std::abs(cross));
}

} // namespace

class CamProfile : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void pressureAngleSign_data();
    void pressureAngleSign();
    void geometryAgreesWithNumericGeometry_data();
    void geometryAgreesWithNumericGeometry();
    void flatFaceTouchesItsEnvelope_data();
    void flatFaceTouchesItsEnvelope();
    void smallestBaseCircleIsTheLimit_data();
    void smallestBaseCircleIsTheLimit();
    void undercutAppearsAtTheSharpestBend();
    void findings_data();
    void findings();
    void equalPeaksReportTheFirst_data();
    void equalPeaksReportTheFirst();
};

void CamProfile::workedExamples_data()
{
    QTest::addColumn<CamDesign>("design");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("pitch");
    QTest::addColumn<QPointF>("profile");
    QTest::addColumn<double>("pressureDegrees");
    QTest::addColumn<double>("pitchRadius");

    // Knife-edge, no offset, base circle 30 mm, cycloidal rise of 20 mm over 90°. At 45°:
    // s = 10, s′ = 80/π, s″ = 0. The tip is 40 mm up, and the cam has turned 45°
    // anticlockwise, so the point under it was 45° clockwise of the top: (40 sin 45°,
    // 40 cos 45°). tan φ = (80/π)/40, φ = 32.4816°. ρ = (40² + s′²)^1.5 / (40² + 2s′²)
    // = 36.8037 mm.
    const double r = 40 * std::sqrt(0.5);
    QTest::newRow("knife-edge, at mid-rise")
        << designWith(FollowerType::KnifeEdge, Rotation::Anticlockwise, 0) << 45.0
        << QPointF(r, r) << QPointF(r, r) << 32.4816 << 36.8037;
    // The same turned clockwise: the point under the tip was 45° anticlockwise of the top.
    QTest::newRow("knife-edge, clockwise")
        << designWith(FollowerType::KnifeEdge, Rotation::Clockwise, 0) << 45.0
        << QPointF(-r, r) << QPointF(-r, r) << 32.4816 << 36.8037;
    // Roller of 8 mm at 5 mm offset: prime circle 38, d = √(38² − 5²) = 37.6696. At 45° the
    // centre is at (5, 47.6696). Anticlockwise, tan φ = (80/π − 5)/47.6696: 23.2341°.
    // The contact lies 8 mm from the centre along −(e − s′, y)/|T|: |T| = 51.8768, so the
    // contact is (5 + 8·20.4648/51.8768, 47.6696 − 8·47.6696/51.8768) = (8.1559, 40.3184),
    // then turned back by 45°: (x + y)/√2, (y − x)/√2 = (34.2765, 22.7423).
    // The pitch centre turned back: (37.2430, 30.1720).
    QTest::newRow("roller, offset, anticlockwise")
        << designWith(FollowerType::Roller, Rotation::Anticlockwise, 5) << 45.0
        << QPointF(37.2430, 30.1720) << QPointF(34.2765, 22.7423) << 23.2341 << qQNaN();
    // At a dwell the pitch curve is a circle about the centre: its radius is the distance.
    QTest::newRow("roller, on the top dwell")
        << designWith(FollowerType::Roller, Rotation::Anticlockwise, 5) << 135.0
        << QPointF(qQNaN(), qQNaN()) << QPointF(qQNaN(), qQNaN())
        << -std::atan(5 / 57.6696) / degree << std::hypot(5.0, 57.6696);
    // Flat face, base circle 30: at 45° the face is 40 mm up and touches at x = s′ = 80/π;
    // ρ = Rb + s + s″ = 40.
    QTest::newRow("flat face, at mid-rise")
        << designWith(FollowerType::FlatFaced, Rotation::Anticlockwise, 0) << 45.0
        << QPointF(r, r)
        << QPointF((80 / pi + 40) * std::sqrt(0.5), (40 - 80 / pi) * std::sqrt(0.5)) << 0.0
        << 40.0;
}

void CamProfile::workedExamples()
{
    QFETCH(CamDesign, design);
    QFETCH(double, angle);
    QFETCH(QPointF, pitch);
    QFETCH(QPointF, profile);
    QFETCH(double, pressureDegrees);
    QFETCH(double, pitchRadius);
    const CamPoint point = CamGeometry(design).at(angle * degree);
    auto near = [](double actual, double expected, double tolerance) {
        return std::isnan(expected) || std::abs(actual - expected) < tolerance;
    };
    QVERIFY2(near(point.pitch.x(), pitch.x(), 1e-4) && near(point.pitch.y(), pitch.y(), 1e-4),
             qPrintable(QStringLiteral("pitch %1, %2").arg(point.pitch.x()).arg(point.pitch.y())));
    QVERIFY2(near(point.profile.x(), profile.x(), 1e-4)
                 && near(point.profile.y(), profile.y(), 1e-4),
             qPrintable(QStringLiteral("profile %1, %2")
                            .arg(point.profile.x())
                            .arg(point.profile.y())));
    QVERIFY2(near(point.pressureAngle / degree, pressureDegrees, 1e-4),
             qPrintable(QString::number(point.pressureAngle / degree)));
    QVERIFY2(near(point.pitchRadius, pitchRadius, 1e-3),
             qPrintable(QString::number(point.pitchRadius)));
}

void CamProfile::pressureAngleSign_data()
{
    QTest::addColumn<Rotation>("rotation");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("comparedWithNoOffset"); // -1 smaller in size, 0 same, +1 larger
    QTest::addColumn<int>("sign");

    // An anticlockwise cam's surface at a follower offset to the right moves up with it.
    QTest::newRow("anticlockwise, offset right, rise") << Rotation::Anticlockwise << 5.0 << 45.0
                                                       << -1 << 1;
    QTest::newRow("anticlockwise, offset left, rise") << Rotation::Anticlockwise << -5.0 << 45.0
                                                      << 1 << 1;
    QTest::newRow("clockwise, offset right, rise") << Rotation::Clockwise << 5.0 << 45.0 << 1 << 1;
    QTest::newRow("clockwise, offset left, rise") << Rotation::Clockwise << -5.0 << 45.0 << -1
                                                  << 1;
    QTest::newRow("anticlockwise, offset right, return") << Rotation::Anticlockwise << 5.0
                                                         << 225.0 << 1 << -1;
    QTest::newRow("clockwise, no offset, return") << Rotation::Clockwise << 0.0 << 225.0 << 0
                                                  << -1;
}

void CamProfile::pressureAngleSign()
{
    QFETCH(Rotation, rotation);
    QFETCH(double, offset);
    QFETCH(double, angle);
    QFETCH(int, comparedWithNoOffset);
    QFETCH(int, sign);
    const double with =
        CamGeometry(designWith(FollowerType::Roller, rotation, offset)).at(angle * degree)
            .pressureAngle;
    const double without =
        CamGeometry(designWith(FollowerType::Roller, rotation, 0)).at(angle * degree)
            .pressureAngle;
    const double difference = std::abs(with) - std::abs(without);
    QCOMPARE(difference > 1e-9 ? 1 : difference < -1e-9 ? -1 : 0, comparedWithNoOffset);
    QCOMPARE(with > 0 ? 1 : -1, sign);
}

void CamProfile::geometryAgreesWithNumericGeometry_data()
{
    QTest::addColumn<CamDesign>("design");
    for (Rotation rotation : {Rotation::Anticlockwise, Rotation::Clockwise}) {
        const char *turn = rotation == Rotation::Anticlockwise ? "anticlockwise" : "clockwise";
        for (double offset : {0.0, 6.0, -4.0}) {
            for (FollowerType type : {FollowerType::KnifeEdge, FollowerType::Roller}) {
                CamDesign design = designWith(type, rotation, offset);
                design.segments[0].law = MotionLaw::ModifiedSine;
                design.segments[2].law = MotionLaw::Polynomial345;
                design.segments[2].angleDegrees = 120;
                design.segments[3].angleDegrees = 60;
                QTest::addRow("%s, %s, offset %g", turn,
                              type == FollowerType::Roller ? "roller" : "knife-edge", offset)
                    << design;
            }
        }
    }
}

// Everything the code computes in closed form, found again from the pitch curve's points
// alone: the normal and the curvature from three close points, the envelope as the points
// the roller comes nearest, the pressure angle from the normal turned back into the
// follower's frame.
void CamProfile::geometryAgreesWithNumericGeometry()
{
    QFETCH(CamDesign, design);
    const CamGeometry geometry(design);
    const double roller =
        design.follower.type == FollowerType::Roller ? design.follower.rollerRadius : 0;
    const int sigma = rotationSign(design.rotation);
    constexpr double h = 1e-4;
    for (double deg = 3; deg < 360; deg += 7) {
        const double t = deg * degree;
        const CamPoint point = geometry.at(t);
        const QPointF before = geometry.at(t - h).pitch;
        const QPointF after = geometry.at(t + h).pitch;
        const QPointF tangent = (after - before) / (2 * h);
        const double length = std::hypot(tangent.x(), tangent.y());
        // The pitch curve runs clockwise round an anticlockwise cam: its outward normal is
        // the tangent turned a quarter anticlockwise there, clockwise on a clockwise cam.
        const QPointF outward = sigma * QPointF(-tangent.y(), tangent.x()) / length;
        const QPointF envelope = point.pitch - roller * outward;
        QVERIFY2(distance(envelope, point.profile) < 1e-6,
                 qPrintable(QStringLiteral("envelope at %1°").arg(deg)));
        QVERIFY(distance(outward, point.normal) < 1e-6);

        const double numericRadius = circleRadius(geometry.at(t - 0.002).pitch, point.pitch,
                                                  geometry.at(t + 0.002).pitch);
        if (std::abs(point.pitchRadius) < 1e4)
            QVERIFY2(std::abs(numericRadius - std::abs(point.pitchRadius))
                         < 1e-3 * std::abs(point.pitchRadius),
                     qPrintable(QStringLiteral("radius at %1°: %2 against %3")
                                    .arg(deg)
                                    .arg(point.pitchRadius)
                                    .arg(numericRadius)));

        // The normal carried back into the follower's frame leans from the vertical by the
        // pressure angle: against the direction the cam's surface moves there when positive.
        const double c = std::cos(sigma * t), s = std::sin(sigma * t);
        const QPointF normal{c * outward.x() - s * outward.y(), s * outward.x() + c * outward.y()};
        QVERIFY2(std::abs(std::atan2(-sigma * normal.x(), normal.y()) - point.pressureAngle)
                     < 1e-6,
                 qPrintable(QStringLiteral("pressure angle at %1°").arg(deg)));
    }

    // The true envelope: every outline point is the roller's radius from the nearest
    // point of the pitch curve, never closer.
    if (roller > 0) {
        std::vector<QPointF> pitch;
        for (int i = 0; i < 7200; ++i)
            pitch.push_back(geometry.at(i * pi / 3600).pitch);
        for (double deg = 1; deg < 360; deg += 11) {
            const QPointF profile = geometry.at(deg * degree).profile;
            double nearest = 1e9;
            for (const QPointF &p : pitch)
                nearest = std::min(nearest, distance(p, profile));
            QVERIFY2(std::abs(nearest - roller) < 1e-3,
                     qPrintable(QStringLiteral("nearest %1 at %2°").arg(nearest).arg(deg)));
        }
    }
}

void CamProfile::flatFaceTouchesItsEnvelope_data()
{
    QTest::addColumn<Rotation>("rotation");
    QTest::newRow("anticlockwise") << Rotation::Anticlockwise;
    QTest::newRow("clockwise") << Rotation::Clockwise;
}

// Turned into the follower's frame, the outline's highest point at each angle is the point
// the code says touches the face, and it lies on the face.
void CamProfile::flatFaceTouchesItsEnvelope()
{
    QFETCH(Rotation, rotation);
    CamDesign design = designWith(FollowerType::FlatFaced, rotation, 3);
    design.baseCircleRadius = 40;
    const CamGeometry geometry(design);
    const int sigma = rotationSign(rotation);
    std::vector<QPointF> outline;
    for (int i = 0; i < 7200; ++i)
        outline.push_back(geometry.at(i * pi / 3600).profile);
    for (double deg = 5; deg < 360; deg += 13) {
        const double t = deg * degree;
        const CamPoint point = geometry.at(t);
        const double c = std::cos(sigma * t), s = std::sin(sigma * t);
        QPointF highest(0, -1e9);
        for (const QPointF &p : outline) {
            const QPointF q{c * p.x() - s * p.y(), s * p.x() + c * p.y()};
            if (q.y() > highest.y())
                highest = q;
        }
        QVERIFY(std::abs(highest.y() - (40 + point.motion.lift)) < 1e-3);
        QVERIFY2(std::abs(highest.x() - point.contact.x()) < 0.05,
                 qPrintable(QStringLiteral("contact %1 against %2 at %3°")
                                .arg(point.contact.x())
                                .arg(highest.x())
                                .arg(deg)));
        QCOMPARE(point.pressureAngle, 0.0);
    }
    const CamAnalysis analysis = analyse(design);
    QVERIFY(std::abs(analysis.faceWidth - 2 * 80 / pi) < 1e-3);
}

void CamProfile::smallestBaseCircleIsTheLimit_data()
{
    QTest::addColumn<CamDesign>("design");
    QTest::newRow("knife-edge") << designWith(FollowerType::KnifeEdge, Rotation::Clockwise, 0);
    QTest::newRow("roller, offset") << designWith(FollowerType::Roller, Rotation::Anticlockwise,
                                                  7);
    QTest::newRow("roller, offset, clockwise")
        << designWith(FollowerType::Roller, Rotation::Clockwise, 7);
    CamDesign steep = designWith(FollowerType::FlatFaced, Rotation::Anticlockwise, 0);
    steep.segments[0].angleDegrees = 40;
    steep.segments[1].angleDegrees = 140;
    steep.segments[0].height = 30;
    steep.segments[2].height = 30;
    QTest::newRow("flat face, quick rise") << steep;
}

// Just above the smallest base circle the cam passes its check; just below it fails.
void CamProfile::smallestBaseCircleIsTheLimit()
{
    QFETCH(CamDesign, design);
    const Problem problem = design.follower.type == FollowerType::FlatFaced
                                ? Problem::Cusp
                                : Problem::PressureAngleTooSteep;
    const double smallest = analyse(design).smallestBaseRadius;
    QVERIFY(smallest > 1);
    design.baseCircleRadius = smallest + 0.01;
    QVERIFY(!analyse(design).has(problem));
    design.baseCircleRadius = smallest - 0.1;
    QVERIFY(analyse(design).has(problem));
}

// The prime circle is held at 18 mm while the roller grows, so the pitch curve stays the same
// and only the roller's size decides.
void CamProfile::undercutAppearsAtTheSharpestBend()
{
    CamDesign design = designWith(FollowerType::Roller, Rotation::Anticlockwise, 0);
    design.baseCircleRadius = 10;
    design.segments[0].angleDegrees = 45;
    design.segments[1].angleDegrees = 135;
    const double sharpest = analyse(design).smallestPitchRadius;
    QVERIFY(sharpest > 1 && sharpest < 18);
    for (double change : {-0.2, 0.2}) {
        design.follower.rollerRadius = sharpest + change;
        design.baseCircleRadius = 18 - design.follower.rollerRadius;
        const CamAnalysis analysis = analyse(design);
        QVERIFY(std::abs(analysis.smallestPitchRadius - sharpest) < 1e-9);
        QCOMPARE(analysis.has(Problem::Undercut), change > 0);
        if (change > 0)
            QVERIFY(!analysis.finding(Problem::Undercut)->where.empty());
    }
}

void CamProfile::findings_data()
{
    QTest::addColumn<CamDesign>("design");
    QTest::addColumn<QList<Problem>>("problems");
    QTest::addColumn<bool>("feasible");

    QTest::newRow("new design") << newDesign() << QList<Problem>{} << true;
    CamDesign tight = newDesign();
    tight.baseCircleRadius = 10;
    QTest::newRow("small base circle")
        << tight << QList<Problem>{Problem::PressureAngleTooSteep} << true;
    CamDesign wide = newDesign();
    wide.follower.offset = 40;
    QTest::newRow("offset outside the prime circle")
        << wide << QList<Problem>{Problem::OffsetTooLarge} << false;
    CamDesign open = newDesign();
    open.segments[2].height = 15;
    QTest::newRow("does not close") << open << QList<Problem>{Problem::DoesNotClose} << false;
    CamDesign shortTurn = newDesign();
    shortTurn.segments.pop_back();
    QTest::newRow("short of a turn") << shortTurn << QList<Problem>{Problem::AnglesDoNotAddUp}
                                     << false;
    CamDesign flat = newDesign();
    flat.follower.type = FollowerType::FlatFaced;
    flat.baseCircleRadius = 5;
    flat.hole.diameter = 2;
    flat.segments[0].angleDegrees = 30;
    flat.segments[1].angleDegrees = 150;
    QTest::newRow("cusp under a flat face") << flat << QList<Problem>{Problem::Cusp} << true;
    // The new design's outline comes within 30 mm of the centre: a 58 mm hole leaves 1 mm.
    CamDesign wideHole = newDesign();
    wideHole.hole.diameter = 57.9;
    QTest::newRow("hole leaving a millimetre") << wideHole << QList<Problem>{} << true;
    wideHole.hole.diameter = 58.1;
    QTest::newRow("hole leaving less") << wideHole << QList<Problem>{Problem::ShaftHoleTooLarge}
                                       << true;
    wideHole.hole = {HoleShape::Square, 42, 0.5}; // corners 29.7 mm out
    QTest::newRow("square hole's corners") << wideHole
                                           << QList<Problem>{Problem::ShaftHoleTooLarge} << true;
}

void CamProfile::findings()
{
    QFETCH(CamDesign, design);
    QFETCH(QList<Problem>, problems);
    QFETCH(bool, feasible);
    const CamAnalysis analysis = analyse(design);
    QList<Problem> found;
    for (const Finding &finding : analysis.findings)
        found.append(finding.problem);
    QCOMPARE(found, problems);
    QCOMPARE(analysis.feasible, feasible);
}

void CamProfile::equalPeaksReportTheFirst_data()
{
    QTest::addColumn<Rotation>("rotation");
    QTest::newRow("anticlockwise") << Rotation::Anticlockwise;
    QTest::newRow("clockwise") << Rotation::Clockwise;
}

// The new design's rise and return mirror each other, so its pressure angle peaks twice at
// one size, on the rise and on the return: the first is the one reported, whichever peak a
// last bit of rounding makes larger.
void CamProfile::equalPeaksReportTheFirst()
{
    QFETCH(Rotation, rotation);
    CamDesign design = newDesign();
    design.rotation = rotation;
    const CamAnalysis analysis = analyse(design);
    double onTheRise = 0;
    double onTheReturn = 0;
    for (const CamPoint &point : analysis.points) {
        double &peak = point.angle < std::numbers::pi ? onTheRise : onTheReturn;
        peak = std::max(peak, std::abs(point.pressureAngle));
    }
    QVERIFY(std::abs(onTheRise - onTheReturn) < 1e-12);
    QVERIFY2(std::abs(analysis.largestPressureAngleAt * 180 / std::numbers::pi - 41.2) < 0.05,
             qPrintable(QString::number(analysis.largestPressureAngleAt * 180 / std::numbers::pi)));
}


QTEST_APPLESS_MAIN(CamProfile)
#include "tst_camprofile.moc"
