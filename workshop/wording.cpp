// Every sentence the workshop says about a design, in one place, so the window, the drawing
// and the screen reader say the same thing the same way.
#include "wording.h"

#include "camdesign/units.h"

#include "camdesign/choices.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <numbers>

namespace workshop {
namespace {

using namespace camdesign;


double wrapDegrees(double degrees)
{
    double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0 ? wrapped + 360 : wrapped;
}

} // namespace

QString Wording::segmentLine(const CamDesign &design, int index)
{
    const Segment &segment = design.segments[std::size_t(index)];
    const QString angle = learnerNumber(segment.angleDegrees, 2);
    switch (segment.kind) {
    case SegmentKind::Rise:
        return tr("%1. Rise %2 mm over %3°, %4")
            .arg(index + 1)
            .arg(learnerNumber(segment.height, 2), angle, nameOf(segment.law));
    case SegmentKind::Return:
        return tr("%1. Return %2 mm over %3°, %4")
            .arg(index + 1)
            .arg(learnerNumber(segment.height, 2), angle, nameOf(segment.law));
    case SegmentKind::Dwell:
        break;
    }
    return tr("%1. Dwell over %2°").arg(index + 1).arg(angle);
}


QString Wording::angleRanges(const std::vector<AngleRange> &ranges)
{
    QStringList parts;
    for (const AngleRange &range : ranges) {
        parts << tr("%1° to %2°")
                     .arg(learnerNumber(wrapDegrees(range.from), 0), learnerNumber(wrapDegrees(range.to), 0));
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
            .arg(learnerNumber(analysis.motionCheck.angleSum, 2));
    case Problem::DoesNotClose: {
        const double left = analysis.motionCheck.finalLift;
        return (left > 0 ? tr("The rises and returns do not cancel: the follower ends %1 mm "
                              "above where it starts.")
                         : tr("The rises and returns do not cancel: the follower ends %1 mm "
                              "below where it starts."))
            .arg(learnerNumber(std::abs(left), 2));
    }
    case Problem::BelowBaseCircle:
        return tr("Segment %1 takes the follower below the base circle.")
            .arg(finding.segment + 1);
    case Problem::OffsetTooLarge: {
        const CamGeometry geometry(design);
        return tr("The follower's offset of %1 mm does not lie inside the prime circle of "
                  "radius %2 mm: the follower cannot stand on the cam.")
            .arg(learnerNumber(design.follower.offset, 2), learnerNumber(geometry.primeRadius(), 2));
    }
    case Problem::PressureAngleTooSteep:
        return tr("The pressure angle reaches %1°, past the %2° limit, at %3.")
            .arg(learnerNumber(std::abs(analysis.largestPressureAngle) / degree),
                 learnerNumber(design.pressureAngleLimitDegrees), angleRanges(finding.where));
    case Problem::Undercut:
        return tr("Undercut at %1: the roller's radius of %2 mm is not smaller than the "
                  "pitch curve's sharpest bend, %3 mm.")
            .arg(angleRanges(finding.where), learnerNumber(design.follower.rollerRadius, 2),
                 learnerNumber(analysis.smallestPitchRadius, 2));
    case Problem::ShaftHoleTooLarge:
        return tr("The shaft hole of %1 mm leaves less than %2 mm of cam around it: make it "
                  "smaller or the base circle larger.")
            .arg(learnerNumber(design.hole.diameter, 2), learnerNumber(thinnestWall, 0));
    case Problem::Cusp:
        break;
    }
    return tr("Cusp at %1: the flat face would need the outline to fold over itself. "
              "A base circle larger than %2 mm avoids it.")
        .arg(angleRanges(finding.where), learnerNumber(analysis.smallestBaseRadius, 2));
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
                          nameOf(design.rotation), learnerNumber(design.baseCircleRadius, 2),
                          learnerNumber(analysis.largestLift, 2), nameOf(design.follower.type));
    if (design.follower.type == FollowerType::FlatFaced) {
        sentences << tr("The flat face needs to be %1 mm wide.")
                         .arg(learnerNumber(analysis.faceWidth, 2));
        sentences << (analysis.has(Problem::Cusp)
                          ? problem(design, analysis, *analysis.finding(Problem::Cusp))
                          : tr("No cusp."));
        return sentences.join(QLatin1Char(' '));
    }
    const QString largest = learnerNumber(std::abs(analysis.largestPressureAngle) / degree);
    const QString at = learnerNumber(analysis.largestPressureAngleAt / degree);
    const QString limit = learnerNumber(design.pressureAngleLimitDegrees);
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
