// Segments laid end to end around the turn; each rise or return scales its law by its height
// and stretches it over its angle, so the n-th derivative divides by the angle to the n-th.
#include "motion.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace camdesign {
namespace {


double signedHeight(const Segment &segment)
{
    switch (segment.kind) {
    case SegmentKind::Rise:
        return segment.height;
    case SegmentKind::Return:
        return -segment.height;
    case SegmentKind::Dwell:
        return 0;
    }
    return 0;
}

} // namespace

MotionCheck checkMotion(const std::vector<Segment> &segments)
{
    MotionCheck check;
    double lift = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        check.angleSum += segments[i].angleDegrees;
        lift += signedHeight(segments[i]);
        if (lift < -liftTolerance && check.segment < 0)
            check.segment = int(i);
    }
    check.finalLift = lift;
    if (segments.empty())
        check.fault = MotionFault::NoSegments;
    else if (std::abs(check.angleSum - 360) > angleTolerance)
        check.fault = MotionFault::AnglesDoNotAddUp;
    else if (std::abs(lift) > liftTolerance)
        check.fault = MotionFault::DoesNotClose;
    else if (check.segment >= 0)
        check.fault = MotionFault::BelowBaseCircle;
    return check;
}

Motion::Motion(const std::vector<Segment> &segments)
{
    double lift = 0;
    for (const Segment &segment : segments) {
        const double span = std::max(0.0, segment.angleDegrees) * degree;
        m_pieces.push_back({m_total, span, lift, segment});
        m_total += span;
        lift += signedHeight(segment);
    }
}

int Motion::segmentAt(double theta) const
{
    if (m_pieces.empty() || m_total <= 0)
        return -1;
    theta = std::fmod(theta, m_total);
    if (theta < 0)
        theta += m_total;
    const auto after = std::upper_bound(m_pieces.begin(), m_pieces.end(), theta,
                                        [](double t, const Piece &p) { return t < p.start; });
    int index = int(after - m_pieces.begin()) - 1;
    // Zero-width segments share a start with the next; the last one there answers.
    return std::clamp(index, 0, int(m_pieces.size()) - 1);
}

MotionValue Motion::at(double theta) const
{
    const int index = segmentAt(theta);
    if (index < 0)
        return {};
    const Piece &piece = m_pieces[std::size_t(index)];
    if (piece.segment.kind == SegmentKind::Dwell || piece.span <= 0)
        return {piece.startLift, 0, 0, 0};
    theta = std::fmod(theta, m_total);
    if (theta < 0)
        theta += m_total;
    const double x = (theta - piece.start) / piece.span;
    const double h = piece.segment.height;
    const double b = piece.span;
    if (piece.segment.kind == SegmentKind::Rise) {
        const LawValue value = evaluateLaw(piece.segment.law, x);
        return {piece.startLift + h * value.f, h * value.df / b, h * value.d2f / (b * b),
                h * value.d3f / (b * b * b)};
    }
    // A return is the rise run backwards in time, h·f(1 − x) above its lowest point, so a
    // law that is not symmetric meets the segment before it with the end its rise ends with.
    const LawValue value = evaluateLaw(piece.segment.law, 1 - x);
    return {piece.startLift - h + h * value.f, -h * value.df / b, h * value.d2f / (b * b),
            -h * value.d3f / (b * b * b)};
}

std::vector<double> Motion::boundariesDegrees() const
{
    std::vector<double> boundaries;
    for (const Piece &piece : m_pieces)
        boundaries.push_back(piece.start / degree);
    return boundaries;
}

} // namespace camdesign
