// The motion laws against their textbook peaks, their ends and their own derivatives, and a
// whole turn of segments for continuity where a law meets its neighbours.
#include "camdesign/choices.h"
#include "camdesign/motion.h"
#include "camdesign/motionlaw.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace camdesign;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double unset = -1;

struct Peaks {
    double velocity = 0, acceleration = 0, jerk = 0;
};

// The largest size of each derivative over a fine grid of 0..1.
Peaks peaksOf(MotionLaw law)
{
    Peaks peaks;
    constexpr int steps = 200000;
    for (int i = 0; i <= steps; ++i) {
        const LawValue v = evaluateLaw(law, double(i) / steps);
        peaks.velocity = std::max(peaks.velocity, std::abs(v.df));
        peaks.acceleration = std::max(peaks.acceleration, std::abs(v.d2f));
        peaks.jerk = std::max(peaks.jerk, std::abs(v.d3f));
    }
    return peaks;
}

} // namespace

class MotionLaws : public QObject
{
    Q_OBJECT

private slots:
    void peaksMatchTheTextbook_data();
    void peaksMatchTheTextbook();
    void derivativesAgreeWithTheDisplacement_data();
    void derivativesAgreeWithTheDisplacement();
    void joinsAreContinuousAsTheLawPromises_data();
    void joinsAreContinuousAsTheLawPromises();
    void aTurnOfSegments();
    void motionFaults_data();
    void motionFaults();
    void aReturnIsItsRiseBackwards_data();
    void aReturnIsItsRiseBackwards();
    void everyChoiceHasOneTokenAndName();
};

void MotionLaws::peaksMatchTheTextbook_data()
{
    QTest::addColumn<MotionLaw>("law");
    QTest::addColumn<double>("velocity");
    QTest::addColumn<double>("acceleration");
    QTest::addColumn<double>("jerk");
    QTest::addColumn<double>("tolerance");
    // How far each end meets a dwell without a jump, as the textbooks tabulate the laws.
    QTest::addColumn<Smoothness>("atStart");
    QTest::addColumn<Smoothness>("atEnd");

    using S = Smoothness;
    QTest::newRow("constant velocity") << MotionLaw::ConstantVelocity << 1.0 << 0.0 << 0.0
                                       << 1e-9 << S::Lift << S::Lift;
    QTest::newRow("simple harmonic") << MotionLaw::SimpleHarmonic << pi / 2 << pi * pi / 2
                                     << pi * pi * pi / 2 << 1e-6 << S::Velocity << S::Velocity;
    QTest::newRow("cycloidal") << MotionLaw::Cycloidal << 2.0 << 2 * pi << 4 * pi * pi << 1e-6
                               << S::Acceleration << S::Acceleration;
    QTest::newRow("3-4-5 polynomial") << MotionLaw::Polynomial345 << 1.875 << 10 / std::sqrt(3.0)
                                      << 60.0 << 1e-6 << S::Acceleration << S::Acceleration;
    QTest::newRow("4-5-6-7 polynomial") << MotionLaw::Polynomial4567 << 2.1875 << 7.513 << 52.5
                                        << 1e-4 << S::Jerk << S::Jerk;
    QTest::newRow("modified trapezoid") << MotionLaw::ModifiedTrapezoid << 2.0 << 4.888 << unset
                                        << 1e-4 << S::Acceleration << S::Acceleration;
    QTest::newRow("modified sine") << MotionLaw::ModifiedSine << 1.760 << 5.528 << unset << 3e-4
                                   << S::Acceleration << S::Acceleration;
    // Velocity 3√3π/8 at x = 2/3; acceleration π² at its end; jerk (π³/2)·2.73582.
    QTest::newRow("double harmonic") << MotionLaw::DoubleHarmonic << 3 * std::sqrt(3.0) * pi / 8
                                     << pi * pi << 42.414 << 1e-4 << S::Jerk << S::Velocity;
}

void MotionLaws::peaksMatchTheTextbook()
{
    QFETCH(MotionLaw, law);
    QFETCH(double, velocity);
    QFETCH(double, acceleration);
    QFETCH(double, jerk);
    QFETCH(double, tolerance);
    const Peaks peaks = peaksOf(law);
    auto near = [tolerance](double actual, double expected) {
        return std::abs(actual - expected) <= tolerance * std::max(1.0, expected);
    };
    QVERIFY2(near(peaks.velocity, velocity), qPrintable(QString::number(peaks.velocity)));
    QVERIFY2(near(peaks.acceleration, acceleration),
             qPrintable(QString::number(peaks.acceleration)));
    if (jerk != unset)
        QVERIFY2(near(peaks.jerk, jerk), qPrintable(QString::number(peaks.jerk)));

    const LawValue start = evaluateLaw(law, 0);
    const LawValue end = evaluateLaw(law, 1);
    QCOMPARE(start.f, 0.0);
    QVERIFY(std::abs(end.f - 1) < 1e-12);
}

void MotionLaws::derivativesAgreeWithTheDisplacement_data()
{
    peaksMatchTheTextbook_data();
}

// Central differences in the test, never in the code: each derivative is the slope of the
// one before it wherever the law is smooth.
void MotionLaws::derivativesAgreeWithTheDisplacement()
{
    QFETCH(MotionLaw, law);
    constexpr double h = 1e-5;
    for (int i = 1; i < 100; ++i) {
        const double x = i / 100.0 + 0.003; // clear of the pieces' joins at eighths
        const LawValue before = evaluateLaw(law, x - h);
        const LawValue here = evaluateLaw(law, x);
        const LawValue after = evaluateLaw(law, x + h);
        const double tolerance = 1e-5 * std::max(1.0, std::abs(here.d3f));
        QVERIFY2(std::abs((after.f - before.f) / (2 * h) - here.df) < tolerance,
                 qPrintable(QStringLiteral("velocity at %1").arg(x)));
        QVERIFY2(std::abs((after.df - before.df) / (2 * h) - here.d2f) < tolerance,
                 qPrintable(QStringLiteral("acceleration at %1").arg(x)));
        QVERIFY2(std::abs((after.d2f - before.d2f) / (2 * h) - here.d3f) < 1e-3 * std::max(1.0, std::abs(here.d3f)),
                 qPrintable(QStringLiteral("jerk at %1").arg(x)));
    }
}

void MotionLaws::joinsAreContinuousAsTheLawPromises_data()
{
    peaksMatchTheTextbook_data();
}

// A rise between two dwells: at each end the derivatives up to its smoothness are zero, so
// they meet the dwell's, and the next one is not, so it jumps; inside, the pieces of the modified laws
// meet each other. The laws' table says the same as the textbook.
void MotionLaws::joinsAreContinuousAsTheLawPromises()
{
    QFETCH(MotionLaw, law);
    QFETCH(Smoothness, atStart);
    QFETCH(Smoothness, atEnd);
    QCOMPARE(choiceOf(law).atStart, atStart);
    QCOMPARE(choiceOf(law).atEnd, atEnd);
    for (const auto &[x, smoothness] : {std::pair{0.0, atStart}, std::pair{1.0, atEnd}}) {
        const LawValue end = evaluateLaw(law, x);
        const double derivatives[] = {end.df, end.d2f, end.d3f};
        const int smooth = int(smoothness);
        for (int k = 0; k <= std::min(smooth, 2); ++k)
            QVERIFY2((std::abs(derivatives[k]) < 1e-9) == (k < smooth),
                     qPrintable(QStringLiteral("derivative %1 at x = %2 is %3")
                                    .arg(k + 1)
                                    .arg(x)
                                    .arg(derivatives[k])));
    }
    constexpr double h = 1e-9;
    for (double x : {0.125, 0.375, 0.5, 0.625, 0.875}) {
        const LawValue left = evaluateLaw(law, x - h);
        const LawValue right = evaluateLaw(law, x + h);
        QVERIFY(std::abs(left.f - right.f) < 1e-7);
        QVERIFY(std::abs(left.df - right.df) < 1e-6);
        if (law != MotionLaw::ConstantVelocity)
            QVERIFY2(std::abs(left.d2f - right.d2f) < 1e-5,
                     qPrintable(QStringLiteral("acceleration jumps at %1").arg(x)));
    }
}

// Rise 20 mm over 90° by the cycloidal law, dwell, return over 90°, dwell. Worked by hand:
// at 45° the lift is 10 mm and the velocity 20·2/(π/2) = 80/π mm/rad; at 30° the
// acceleration is 20·2π·sin(2π/3)/(π/2)² = 80√3/π mm/rad².
void MotionLaws::aTurnOfSegments()
{
    const Motion motion(newDesign().segments);
    const double degree = pi / 180;
    QVERIFY(std::abs(motion.at(45 * degree).lift - 10) < 1e-12);
    QVERIFY(std::abs(motion.at(45 * degree).velocity - 80 / pi) < 1e-12);
    QVERIFY(std::abs(motion.at(30 * degree).acceleration - 80 * std::sqrt(3.0) / pi) < 1e-9);
    QCOMPARE(motion.at(135 * degree).lift, 20.0);
    QCOMPARE(motion.at(135 * degree).velocity, 0.0);
    QVERIFY(std::abs(motion.at(225 * degree).lift - 10) < 1e-12);
    QVERIFY(std::abs(motion.at(225 * degree).velocity + 80 / pi) < 1e-12);
    QCOMPARE(motion.at(300 * degree).lift, 0.0);
    QVERIFY(std::abs(motion.at(2 * pi + 45 * degree).lift - 10) < 1e-12);
    QVERIFY(std::abs(motion.at(-315 * degree).lift - 10) < 1e-12);
    QCOMPARE(motion.segmentAt(90 * degree), 1);
    QCOMPARE(motion.boundariesDegrees(), (std::vector<double>{0, 90, 180, 270}));
}

void MotionLaws::motionFaults_data()
{
    QTest::addColumn<std::vector<Segment>>("segments");
    QTest::addColumn<MotionFault>("fault");
    QTest::addColumn<int>("segment");

    const Segment rise{SegmentKind::Rise, 120, 10, MotionLaw::Cycloidal};
    const Segment fall{SegmentKind::Return, 120, 10, MotionLaw::Cycloidal};
    const Segment rest{SegmentKind::Dwell, 120, 0, MotionLaw::Cycloidal};
    Segment shortFall = fall;
    shortFall.height = 8;
    Segment third{SegmentKind::Rise, 120.0000001, 10, MotionLaw::Cycloidal};

    QTest::newRow("closes") << std::vector{rise, rest, fall} << MotionFault::None << -1;
    QTest::newRow("thirds within the tolerance")
        << std::vector{third, rest, fall} << MotionFault::None << -1;
    QTest::newRow("empty") << std::vector<Segment>{} << MotionFault::NoSegments << -1;
    QTest::newRow("short of a turn") << std::vector{rise, fall} << MotionFault::AnglesDoNotAddUp
                                     << -1;
    QTest::newRow("does not come back") << std::vector{rise, rest, shortFall}
                                        << MotionFault::DoesNotClose << -1;
    QTest::newRow("falls first") << std::vector{fall, rest, rise} << MotionFault::BelowBaseCircle
                                 << 0;
}

void MotionLaws::motionFaults()
{
    QFETCH(std::vector<Segment>, segments);
    QFETCH(MotionFault, fault);
    QFETCH(int, segment);
    const MotionCheck check = checkMotion(segments);
    QCOMPARE(check.fault, fault);
    QCOMPARE(check.segment, segment);
}

void MotionLaws::aReturnIsItsRiseBackwards_data()
{
    QTest::addColumn<MotionLaw>("law");
    QTest::addColumn<double>("atTheTop"); // mm/rad², worked by hand
    // 10 mm over 120°: the double harmonic's rise ends at h·(−π²)/β² = −10π²/(2π/3)² = −22.5.
    QTest::newRow("double harmonic, not symmetric") << MotionLaw::DoubleHarmonic << -22.5;
    // The cycloidal rise ends with no acceleration at all.
    QTest::newRow("cycloidal, symmetric") << MotionLaw::Cycloidal << 0.0;
    // The simple harmonic rise ends at −h·π²/2/β² = −11.25.
    QTest::newRow("simple harmonic, symmetric") << MotionLaw::SimpleHarmonic << -11.25;
}

// A rise flowing straight into a return by the same law: run backwards in time, the return
// starts with the acceleration its rise ended with, whether or not the law is symmetric.
void MotionLaws::aReturnIsItsRiseBackwards()
{
    QFETCH(MotionLaw, law);
    QFETCH(double, atTheTop);
    const Motion motion({{SegmentKind::Rise, 120, 10, law},
                         {SegmentKind::Return, 120, 10, law},
                         {SegmentKind::Dwell, 120, 0, law}});
    const double degree = pi / 180;
    const double top = 120 * degree;
    const MotionValue before = motion.at(top - 1e-9);
    const MotionValue after = motion.at(top);
    QVERIFY(std::abs(before.lift - 10) < 1e-6 && std::abs(after.lift - 10) < 1e-12);
    QVERIFY2(std::abs(before.acceleration - atTheTop) < 1e-5,
             qPrintable(QString::number(before.acceleration)));
    QVERIFY2(std::abs(after.acceleration - atTheTop) < 1e-9,
             qPrintable(QString::number(after.acceleration)));
    // The return is the rise mirrored in time: the same lift at the same distance from the top.
    for (const double t : {10.0, 45.0, 80.0, 119.0})
        QVERIFY(std::abs(motion.at(top - t * degree).lift - motion.at(top + t * degree).lift)
                < 1e-9);
    QCOMPARE(motion.at(240 * degree).lift, 0.0);
}

// Tokens and names are each one row's: a file or a choice box can never confuse two values.
void MotionLaws::everyChoiceHasOneTokenAndName()
{
    const auto distinct = [](const auto &table) {
        QStringList tokens;
        QStringList names;
        for (const auto &row : table) {
            if (fromToken(table, tokenOf(row.value)) != row.value)
                return false;
            tokens << tokenOf(row.value);
            names << nameOf(row.value);
        }
        return tokens.removeDuplicates() == 0 && names.removeDuplicates() == 0
               && !fromToken(table, QStringLiteral("parabolic"));
    };
    QVERIFY(distinct(motionLaws));
    QVERIFY(distinct(segmentKinds));
    QVERIFY(distinct(followerTypes));
    QVERIFY(distinct(holeShapes));
    QVERIFY(distinct(rotations));
    QCOMPARE(tokenOf(MotionLaw::DoubleHarmonic), QStringLiteral("double-harmonic"));
}

QTEST_APPLESS_MAIN(MotionLaws)
#include "tst_motionlaws.moc"
