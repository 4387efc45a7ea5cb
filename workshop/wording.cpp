// Every sentence the workshop says about a design, in one place, so the window, the drawing
// and the screen reader say the same thing the same way.
#include "wording.h"

#include "camdesign/choices.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <numbers>

namespace workshop {
namespace {

using namespace camdesign;

constexpr double degree = std::numbers::pi / 180;

double wrapDegrees(double degrees)
{
    double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0 ? wrapped + 360 : wrapped;
}

} // namespace

QString Wording::segmentLine(const CamDesign &design, int index)
{
    const Segment &segment = design.segments[std::size_t(index)];
    const QString angle = number(segment.angleDegrees, 2);
    switch (segment.kind) {
    case SegmentKind::Rise:
        return tr("%1. Rise %2 mm over %3°, %4")
            .arg(index + 1)
            .arg(number(segment.height, 2), angle, nameOf(segment.law));
    case SegmentKind::Return:
        return tr("%1. Return %2 mm over %3°, %4")
            .arg(index + 1)
            .arg(number(segment.height, 2), angle, nameOf(segment.law));
    case SegmentKind::Dwell:
        break;
    }
    return tr("%1. Dwell over %2°").arg(index + 1).arg(angle);
}

QString Wording::number(double value, int decimals)
{
    const QLocale locale;
    QString text = locale.toString(value, 'f', decimals);
    const QString point = locale.decimalPoint();
    if (decimals > 0 && text.contains(point)) {
        while (text.endsWith(locale.zeroDigit()))
            text.chop(locale.zeroDigit().size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    // -0 is 0 to a learner.
    if (text == locale.negativeSign() + locale.zeroDigit())
        text = locale.zeroDigit();
    return text;
}

QString Wording::angleRanges(const std::vector<AngleRange> &ranges)
{
    QStringList parts;
    for (const AngleRange &range : ranges) {
        parts << tr("%1° to %2°")
                     .arg(number(wrapDegrees(range.from), 0), number(wrapDegrees(range.to), 0));
    }
    return parts.join(QLatin1String(", "));
}

QString Wording::problem(const CamDesign &design, const CamAnalysis &analysis,
                         const Finding &finding)
{
    switch (finding.problem) {
    case Problem::NoSegments:
        return tr("The motion has no segments: add one.");
    case Problem::AnglesDoNotAddUp:
        return tr("The segments' angles add up to %1°, not 360°.")
            .arg(number(analysis.motionCheck.angleSum, 2));
    case Problem::DoesNotClose: {
        const double left = analysis.motionCheck.finalLift;
        return (left > 0 ? tr("The rises and returns do not cancel: the follower ends %1 mm "
                              "above where it starts.")
                         : tr("The rises and returns do not cancel: the follower ends %1 mm "
                              "below where it starts."))
            .arg(number(std::abs(left), 2));
    }
    case Problem::BelowBaseCircle:
        return tr("Segment %1 takes the follower below the base circle.")
            .arg(finding.segment + 1);
    case Problem::OffsetTooLarge: {
        const CamGeometry geometry(design);
        return tr("The follower's offset of %1 mm does not lie inside the prime circle of "
                  "radius %2 mm: the follower cannot stand on the cam.")
            .arg(number(design.follower.offset, 2), number(geometry.primeRadius(), 2));
    }
    case Problem::PressureAngleTooSteep:
        return tr("The pressure angle reaches %1°, past the %2° limit, at %3.")
            .arg(number(std::abs(analysis.largestPressureAngle) / degree),
                 number(design.pressureAngleLimitDegrees), angleRanges(finding.where));
    case Problem::Undercut:
        return tr("Undercut at %1: the roller's radius of %2 mm is not smaller than the "
                  "pitch curve's sharpest bend, %3 mm.")
            .arg(angleRanges(finding.where), number(design.follower.rollerRadius, 2),
                 number(analysis.smallestPitchRadius, 2));
    case Problem::ShaftHoleTooLarge:
        return tr("The shaft hole of %1 mm leaves less than %2 mm of cam around it: make it "
                  "smaller or the base circle larger.")
            .arg(number(design.hole.diameter, 2), number(thinnestWall, 0));
    case Problem::Cusp:
        break;
    }
    return tr("Cusp at %1: the flat face would need the outline to fold over itself. "
              "A base circle larger than %2 mm avoids it.")
        .arg(angleRanges(finding.where), number(analysis.smallestBaseRadius, 2));
}

QString Wording::whyNoCam(const CamDesign &design, const CamAnalysis &analysis)
{
    if (analysis.feasible)
        return {};
    for (const Finding &finding : analysis.findings) {
        switch (finding.problem) {
        case Problem::NoSegments:
        case Problem::AnglesDoNotAddUp:
        case Problem::DoesNotClose:
        case Problem::BelowBaseCircle:
        case Problem::OffsetTooLarge:
            return problem(design, analysis, finding);
        default:
            break;
        }
    }
    return {};
}

QString Wording::camDescription(const CamDesign &design, const CamAnalysis &analysis)
{
    if (!analysis.feasible)
        return tr("No cam can be made: %1").arg(whyNoCam(design, analysis));
    QStringList sentences;
    sentences << tr("%1 cam. Turning: %2. Base circle radius %3 mm, lift %4 mm. "
                    "Follower: %5.")
                     .arg(design.name.isEmpty() ? tr("Unnamed") : design.name,
                          nameOf(design.rotation), number(design.baseCircleRadius, 2),
                          number(analysis.largestLift, 2), nameOf(design.follower.type));
    if (design.follower.type == FollowerType::FlatFaced) {
        sentences << tr("The flat face needs to be %1 mm wide.")
                         .arg(number(analysis.faceWidth, 2));
        sentences << (analysis.has(Problem::Cusp)
                          ? problem(design, analysis, *analysis.finding(Problem::Cusp))
                          : tr("No cusp."));
        return sentences.join(QLatin1Char(' '));
    }
    const QString largest = number(std::abs(analysis.largestPressureAngle) / degree);
    const QString at = number(analysis.largestPressureAngleAt / degree);
    const QString limit = number(design.pressureAngleLimitDegrees);
    sentences << (analysis.has(Problem::PressureAngleTooSteep)
                      ? tr("Largest pressure angle %1 degrees at %2 degrees, past the %3 degree "
                           "limit.")
                      : tr("Largest pressure angle %1 degrees at %2 degrees, within the %3 "
                           "degree limit."))
                     .arg(largest, at, limit);
    if (design.follower.type == FollowerType::Roller) {
        sentences << (analysis.has(Problem::Undercut)
                          ? problem(design, analysis, *analysis.finding(Problem::Undercut))
                          : tr("No undercut."));
    }
    return sentences.join(QLatin1Char(' '));
}

QString Wording::counted(const char *one, const char *many, int n)
{
    return QCoreApplication::translate("workshop::Wording", n == 1 ? one : many, nullptr, n);
}

} // namespace workshop
