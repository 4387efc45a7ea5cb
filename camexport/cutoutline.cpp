// Each segment of the motion is sampled on its own, just inside its ends, so a law's jump in
// velocity at a join shows as a corner rather than being smoothed over; the joins are then
// closed as the follower would close them: an arc where a roller rolls round a corner of its
// path, a trimmed crossing where the offset curves overlap.
#include "cutoutline.h"
#include "camexporttext.h"

#include "camdesign/motion.h"

#include <QCoreApplication>
#include <QLineF>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace camexport {
namespace {

using namespace camdesign;

constexpr double pi = std::numbers::pi;
constexpr double degree = pi / 180;
// The sampler tests a piece at its quarters; the curve's farthest point from the chord may
// lie between them, so it aims a little under the tolerance.
constexpr double aim = 0.8 * chordTolerance;
// Each segment is evaluated this far inside its ends, so each end belongs to its own law.
constexpr double inside = 1e-9;
// Material the hole must leave between itself and the outline, mm.
constexpr double thinnestWall = 1;


// In the learner's language, to a tenth, without a trailing ".0".
QString mm(double value)
{
    const double tenths = std::round(value * 10) / 10;
    return QLocale().toString(tenths, 'f', tenths == std::round(tenths) ? 0 : 1);
}

double length(QPointF p)
{
    return std::hypot(p.x(), p.y());
}

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

double distanceToChord(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double span = QPointF::dotProduct(ab, ab);
    const double t = span > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / span, 0.0, 1.0) : 0;
    return length(p - (a + t * ab));
}

// Appends the curve from t0 (already in `out` as p0) to t1, splitting a piece until its chord
// stays within the aim. The sagitta shrinks with the square of a piece's length, which tells
// how many pieces a failing one needs in one step rather than by repeated halving.
template <typename Curve>
void sampleInto(const Curve &curve, double t0, QPointF p0, double t1, QPointF p1,
                std::vector<QPointF> &out, int depth)
{
    double worst = 0;
    for (const double f : {0.25, 0.5, 0.75})
        worst = std::max(worst, distanceToChord(curve(t0 + f * (t1 - t0)), p0, p1));
    if (worst <= aim || depth == 0) {
        out.push_back(p1);
        return;
    }
    const int pieces = std::max(2, int(std::ceil(std::sqrt(worst / aim) * 1.05)));
    double ta = t0;
    QPointF pa = p0;
    for (int i = 1; i <= pieces; ++i) {
        const double tb = i == pieces ? t1 : t0 + (t1 - t0) * i / pieces;
        const QPointF pb = i == pieces ? p1 : curve(tb);
        sampleInto(curve, ta, pa, tb, pb, out, depth - 1);
        ta = tb;
        pa = pb;
    }
}

template <typename Curve>
std::vector<QPointF> sampleRange(const Curve &curve, double t0, double t1)
{
    std::vector<QPointF> out{curve(t0)};
    // Starting pieces of at most 10°, so no wiggle hides between a piece's quarter points.
    const int pieces = std::max(1, int(std::ceil((t1 - t0) / (10 * degree))));
    for (int i = 0; i < pieces; ++i) {
        const double ta = t0 + (t1 - t0) * i / pieces;
        const double tb = i + 1 == pieces ? t1 : t0 + (t1 - t0) * (i + 1) / pieces;
        sampleInto(curve, ta, out.back(), tb, curve(tb), out, 12);
    }
    return out;
}

// The segments' spans in radians, skipping empty ones.
std::vector<std::pair<double, double>> segmentSpans(const CamDesign &design)
{
    const Motion motion(design.segments);
    std::vector<double> starts = motion.boundariesDegrees();
    for (double &start : starts)
        start *= degree;
    starts.push_back(motion.totalRadians());
    std::vector<std::pair<double, double>> spans;
    for (std::size_t i = 0; i + 1 < starts.size(); ++i)
        if (starts[i + 1] - starts[i] > 4 * inside)
            spans.emplace_back(starts[i] + inside, starts[i + 1] - inside);
    return spans;
}

// Where the offset curves before and after a join cross, cuts the loop between them away.
// Searches outward from the join, nearest pairs of edges first.
void trimLoop(std::vector<QPointF> &before, std::vector<QPointF> &after)
{
    const int reach = 200;
    const int edgesBefore = std::min(reach, int(before.size()) - 1);
    const int edgesAfter = std::min(reach, int(after.size()) - 1);
    for (int sum = 0; sum <= edgesBefore + edgesAfter; ++sum) {
        for (int i = std::max(0, sum - edgesAfter); i <= std::min(sum, edgesBefore); ++i) {
            const int j = sum - i;
            if (i >= edgesBefore || j >= edgesAfter)
                continue;
            const std::size_t end = before.size() - 1 - std::size_t(i);
            const QLineF edgeBefore(before[end - 1], before[end]);
            const QLineF edgeAfter(after[std::size_t(j)], after[std::size_t(j) + 1]);
            QPointF crossing;
            if (edgeBefore.intersects(edgeAfter, &crossing) != QLineF::BoundedIntersection)
                continue;
            before.resize(end);
            before.push_back(crossing);
            after.erase(after.begin(), after.begin() + j + 1);
            return;
        }
    }
}

// The cut outline: the profile moved out by `grow` along its normal.
QPolygonF outlineOf(const CamDesign &design, double grow)
{
    const CamGeometry geometry(design);
    auto cut = [&geometry, grow](double t) {
        const CamPoint p = geometry.at(t);
        return p.profile + grow * p.normal;
    };
    const auto spans = segmentSpans(design);
    std::vector<std::vector<QPointF>> runs;
    for (const auto &[from, to] : spans)
        runs.push_back(sampleRange(cut, from, to));

    const FollowerType type = design.follower.type;
    const double roller = type == FollowerType::Roller ? design.follower.rollerRadius : 0;
    // The cut point lies this far out from the pitch point, along the normal.
    const double out = grow - roller;
    // The outline runs clockwise for an anticlockwise cam and the other way for a clockwise one.
    const double orientation = -rotationSign(design.rotation);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        std::vector<QPointF> &before = runs[i];
        std::vector<QPointF> &after = runs[(i + 1) % runs.size()];
        const CamPoint left = geometry.at(spans[i].second);
        const CamPoint right = geometry.at(spans[(i + 1) % spans.size()].first);
        const double turn = cross(left.normal, right.normal);
        if (type == FollowerType::FlatFaced || std::abs(turn) < 1e-9 || std::abs(out) < 1e-12)
            continue;
        if (turn * orientation * out > 0) {
            // The normal sweeps round the pitch point: the follower's edge rolls round it.
            const double a0 = std::atan2(left.normal.y(), left.normal.x());
            double sweep = std::atan2(right.normal.y(), right.normal.x()) - a0;
            sweep = std::remainder(sweep, 2 * pi);
            const double step = 2 * std::acos(std::max(0.0, 1 - aim / std::abs(out)));
            const int pieces = std::max(1, int(std::ceil(std::abs(sweep) / step)));
            for (int k = 1; k < pieces; ++k) {
                const double a = a0 + sweep * k / pieces;
                before.push_back(left.pitch + out * QPointF(std::cos(a), std::sin(a)));
            }
        } else {
            trimLoop(before, after);
        }
    }

    QPolygonF polygon;
    for (const auto &run : runs)
        for (const QPointF &p : run)
            if (polygon.isEmpty() || length(p - polygon.last()) > 1e-7)
                polygon << p;
    while (polygon.size() > 1 && length(polygon.first() - polygon.last()) <= 1e-7)
        polygon.removeLast();
    if (signedArea(polygon) < 0)
        std::reverse(polygon.begin(), polygon.end());
    return polygon;
}

HoleCut holeOf(const CamDesign &design, double shrink)
{
    HoleCut hole;
    hole.shape = design.hole.shape;
    hole.radius = design.hole.diameter / 2 - shrink;
    hole.flatDistance = design.hole.diameter / 2 - design.hole.flatDepth - shrink;
    return hole;
}

// How far the hole reaches from the centre.
double reachOf(const HoleCut &hole)
{
    return hole.shape == HoleShape::Square ? hole.radius * std::sqrt(2.0) : hole.radius;
}

QString rangeText(const Finding *finding)
{
    if (!finding || finding->where.empty())
        return {};
    const AngleRange &range = finding->where.front();
    return CamExportText::tr(" (from %1° to %2°)").arg(mm(range.from), mm(range.to));
}

} // namespace

double HoleCut::flatHalfLength() const
{
    return std::sqrt(std::max(0.0, radius * radius - flatDistance * flatDistance));
}

QPolygonF HoleCut::polygon(double tolerance) const
{
    QPolygonF polygon;
    if (shape == HoleShape::Square) {
        const double r = radius;
        polygon << QPointF(r, -r) << QPointF(r, r) << QPointF(-r, r) << QPointF(-r, -r);
        return polygon;
    }
    // The arc runs anticlockwise from the flat's left end round the bottom to its right end;
    // a round hole is the whole circle.
    double from = 0;
    double sweep = 2 * pi;
    if (shape == HoleShape::DFlat) {
        const double end = std::atan2(flatDistance, flatHalfLength());
        from = pi - end;
        sweep = 2 * pi - (pi - 2 * end);
    }
    const double step = 2 * std::acos(std::max(0.0, 1 - tolerance / radius));
    const int pieces = std::max(8, int(std::ceil(sweep / step)));
    const int last = shape == HoleShape::DFlat ? pieces : pieces - 1;
    for (int k = 0; k <= last; ++k) {
        const double a = from + sweep * k / pieces;
        polygon << radius * QPointF(std::cos(a), std::sin(a));
    }
    return polygon;
}

QString cutRefusal(const CamDesign &design)
{
    return cutRefusal(design, analyse(design));
}

QString cutRefusal(const CamDesign &design, const CamAnalysis &analysis)
{
    const MotionCheck &motion = analysis.motionCheck;
    switch (motion.fault) {
    case MotionFault::None:
        break;
    case MotionFault::NoSegments:
        return CamExportText::tr("The cam has no segments, so it has no outline to cut.");
    case MotionFault::AnglesDoNotAddUp:
        return CamExportText::tr(
            "The segments' angles add up to %1°, not 360°, so the outline does not go "
            "once round.").arg(mm(motion.angleSum));
    case MotionFault::DoesNotClose:
        return CamExportText::tr(
            "The rises and returns leave the follower %1 mm from where it started, so "
            "the outline does not close.").arg(mm(motion.finalLift));
    case MotionFault::BelowBaseCircle:
        return CamExportText::tr(
            "Segment %1 takes the follower below where it started, inside the base "
            "circle.").arg(motion.segment + 1);
    }
    if (analysis.has(Problem::OffsetTooLarge))
        return CamExportText::tr(
            "The follower's offset of %1 mm puts it outside the prime circle, so it "
            "never touches the cam.").arg(mm(design.follower.offset));
    if (analysis.has(Problem::Undercut))
        return CamExportText::tr(
            "The roller is larger than the sharpest bend of its path%1, so the cam "
            "would be undercut there.").arg(rangeText(analysis.finding(Problem::Undercut)));
    if (analysis.has(Problem::Cusp))
        return CamExportText::tr(
            "The flat face would need the outline to fold over itself%1; a larger base "
            "circle removes the cusp.").arg(rangeText(analysis.finding(Problem::Cusp)));

    const double shrink = design.kerf / 2;
    const HoleCut hole = holeOf(design, shrink);
    if (hole.radius <= 0)
        return CamExportText::tr("A kerf of %1 mm leaves nothing of a %2 mm shaft hole.")
            .arg(mm(design.kerf), mm(design.hole.diameter));
    if (hole.shape == HoleShape::DFlat && hole.flatDistance <= -hole.radius)
        return CamExportText::tr("A flat %1 mm deep cuts away the whole of a %2 mm shaft hole.")
            .arg(mm(design.hole.flatDepth), mm(design.hole.diameter));
    double nearest = std::numeric_limits<double>::infinity();
    for (const CamPoint &point : analysis.points)
        nearest = std::min(nearest, length(point.profile + shrink * point.normal));
    if (reachOf(hole) + thinnestWall > nearest)
        return CamExportText::tr(
            "The shaft hole reaches %1 mm from the centre but the outline comes within "
            "%2 mm of it, leaving less than %3 mm of material.")
            .arg(mm(reachOf(hole)), mm(nearest), mm(thinnestWall));
    return {};
}

QStringList cutWarnings(const CamDesign &design)
{
    const CamAnalysis analysis = analyse(design);
    QStringList warnings;
    if (analysis.has(Problem::PressureAngleTooSteep))
        warnings << CamExportText::tr(
            "The pressure angle reaches %1°, past the limit of %2°, so the follower "
            "may stick.")
                        .arg(mm(std::abs(analysis.largestPressureAngle) / degree),
                             mm(design.pressureAngleLimitDegrees));
    return warnings;
}

CamCut cutOf(const CamDesign &design, bool withKerf)
{
    const double half = withKerf ? design.kerf / 2 : 0;
    return {outlineOf(design, half), holeOf(design, half)};
}

QPolygonF pitchCurveOf(const CamDesign &design)
{
    const CamGeometry geometry(design);
    auto pitch = [&geometry](double t) { return geometry.at(t).pitch; };
    QPolygonF polygon;
    for (const auto &[from, to] : segmentSpans(design))
        for (const QPointF &p : sampleRange(pitch, from, to))
            if (polygon.isEmpty() || length(p - polygon.last()) > 1e-7)
                polygon << p;
    while (polygon.size() > 1 && length(polygon.first() - polygon.last()) <= 1e-7)
        polygon.removeLast();
    if (signedArea(polygon) < 0)
        std::reverse(polygon.begin(), polygon.end());
    return polygon;
}

double signedArea(const QPolygonF &polygon)
{
    double twice = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i)
        twice += cross(polygon[i], polygon[(i + 1) % polygon.size()]);
    return twice / 2;
}

} // namespace camexport
