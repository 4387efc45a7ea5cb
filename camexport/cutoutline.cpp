// Each segment of the motion is sampled on its own, just inside its ends, so a law's jump in
// velocity at a join shows as a corner rather than being smoothed over; the joins are then
// closed as the follower would close them: an arc where a roller rolls round a corner of its
// path, a trimmed crossing where the offset curves overlap.
#include "cutoutline.h"

#include "camdesign/units.h"
#include "camexporttext.h"

#include "camdesign/motion.h"
#include "camdesign/motionlaw.h"

#include <QCoreApplication>
#include <QLineF>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

namespace camexport {
namespace {

using namespace camdesign;

constexpr double pi = std::numbers::pi;
// The sampler tests a piece at its quarters; the curve's farthest point from the chord may
// lie between them, so it aims a little under the tolerance.
constexpr double aim = 0.8 * chordTolerance;
// Each segment is evaluated this far inside its ends, so each end belongs to its own law.
constexpr double inside = 1e-9;
// mm between neighbouring corners of the outline at the least. A file's coordinates carry
// four decimals, so corners this far apart never round to one point; and dropping a corner
// this near its neighbour moves the outline by less than the tolerance leaves over the aim.
constexpr double apart = 5e-4;
// The largest loop, as a share of the outline's area, that is trimmed away as a stray.
constexpr double strayLoop = 0.1;
// Material the hole must leave between itself and the outline, mm.



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
// Searches outward from the join, nearest pairs of edges first. Says whether it cut.
bool trimLoop(std::vector<QPointF> &before, std::vector<QPointF> &after, int reach = 200)
{
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
            return true;
        }
    }
    return false;
}

// Trims a loop of a closed ring about its corner `at`, as a join's loop is trimmed: the ring
// is cut open opposite, so the edge into `at` is the join, and searched at most `reach`
// edges either way. `origins`, one a corner, follow the corners kept; the crossing that
// trimming adds has none, and sorts last. Says whether it cut.
bool trimAround(std::vector<QPointF> &ring, std::vector<std::size_t> &origins, std::size_t at,
                int reach)
{
    const std::size_t n = ring.size();
    if (n < 4)
        return false;
    const std::size_t half = n / 2;
    const std::size_t shift = (at + n - half) % n;
    std::rotate(ring.begin(), ring.begin() + std::ptrdiff_t(shift), ring.end());
    std::rotate(origins.begin(), origins.begin() + std::ptrdiff_t(shift), origins.end());
    std::vector<QPointF> before(ring.begin(), ring.begin() + std::ptrdiff_t(half));
    std::vector<QPointF> after(ring.begin() + std::ptrdiff_t(half), ring.end());
    if (!trimLoop(before, after, reach))
        return false;
    // trimLoop keeps the start of `before` and ends it at the crossing, and drops the start
    // of `after`.
    const std::size_t kept = before.size() - 1;
    const std::size_t dropped = (n - half) - after.size();
    std::vector<std::size_t> trimmed(origins.begin(), origins.begin() + std::ptrdiff_t(kept));
    trimmed.push_back(std::numeric_limits<std::size_t>::max());
    trimmed.insert(trimmed.end(), origins.begin() + std::ptrdiff_t(half + dropped),
                   origins.end());
    origins = std::move(trimmed);
    ring = std::move(before);
    ring.insert(ring.end(), after.begin(), after.end());
    return true;
}

double signedAreaOf(const std::vector<QPointF> &points)
{
    double twice = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
        twice += cross(points[i], points[(i + 1) % points.size()]);
    return twice / 2;
}

// Which side of the line from a to b the point p lies: positive on the left.
double orient(QPointF a, QPointF b, QPointF p)
{
    return cross(b - a, p - a);
}

// Whether p, known to lie on the line through a and b, lies between them.
bool within(QPointF a, QPointF b, QPointF p)
{
    return std::min(a.x(), b.x()) <= p.x() && p.x() <= std::max(a.x(), b.x())
           && std::min(a.y(), b.y()) <= p.y() && p.y() <= std::max(a.y(), b.y());
}

// Whether the edges ab and cd meet, touching included.
bool meet(QPointF a, QPointF b, QPointF c, QPointF d)
{
    const double d1 = orient(c, d, a), d2 = orient(c, d, b);
    const double d3 = orient(a, b, c), d4 = orient(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && within(c, d, a)) || (d2 == 0 && within(c, d, b))
           || (d3 == 0 && within(a, b, c)) || (d4 == 0 && within(a, b, d));
}

// Two edges of a closed polygon that meet, the first from corner i to i + 1 and the second
// from j to j + 1 with i < j, other than neighbours at the corner they share; or none when
// the polygon is simple. Neighbours that double back along each other count as meeting.
// The edges are swept by their left ends, so only those overlapping across are compared.
std::optional<std::pair<std::size_t, std::size_t>> crossingOf(const std::vector<QPointF> &ring)
{
    const std::size_t n = ring.size();
    if (n < 3)
        return std::nullopt;
    auto left = [&ring, n](std::size_t i) { return std::min(ring[i].x(), ring[(i + 1) % n].x()); };
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&left](std::size_t a, std::size_t b) { return left(a) < left(b); });
    for (std::size_t a = 0; a < n; ++a) {
        const std::size_t i = order[a];
        const QPointF p = ring[i], q = ring[(i + 1) % n];
        const double right = std::max(p.x(), q.x());
        for (std::size_t b = a + 1; b < n && left(order[b]) <= right; ++b) {
            const std::size_t j = order[b];
            const QPointF r = ring[j], s = ring[(j + 1) % n];
            const std::pair pair{std::min(i, j), std::max(i, j)};
            if ((i + 1) % n == j || (j + 1) % n == i) {
                // Neighbours: they meet only where one turns straight back over the other.
                const QPointF shared = (i + 1) % n == j ? q : s;
                const QPointF one = (i + 1) % n == j ? p : r;
                const QPointF other = (i + 1) % n == j ? s : q;
                if (cross(one - shared, other - shared) == 0
                    && QPointF::dotProduct(one - shared, other - shared) > 0)
                    return pair;
                continue;
            }
            if (std::max(r.y(), s.y()) < std::min(p.y(), q.y())
                || std::min(r.y(), s.y()) > std::max(p.y(), q.y()))
                continue;
            if (meet(p, q, r, s))
                return pair;
        }
    }
    return std::nullopt;
}

// Corners nearer than `apart` to the one before are dropped, and at the end to the first,
// with what is known of them.
void mergeNearCorners(std::vector<QPointF> &corners, std::vector<std::size_t> &origins)
{
    std::size_t kept = 0;
    for (std::size_t k = 0; k < corners.size(); ++k)
        if (kept == 0 || length(corners[k] - corners[kept - 1]) >= apart) {
            corners[kept] = corners[k];
            origins[kept] = origins[k];
            ++kept;
        }
    while (kept > 1 && length(corners.front() - corners[kept - 1]) < apart)
        --kept;
    corners.resize(kept);
    origins.resize(kept);
}

// Cuts away, one at a time, the loops the outline still makes where a curve doubles back on
// itself (a kerf in a hollow sharper than half the kerf) or where a loop at a join reaches
// past the segments beside it: each loop is trimmed as a join's is, from its middle.
// A loop too large to be a stray is left for cutRefusal to refuse. Says whether it cut.
bool trimStrayLoops(std::vector<QPointF> &ring, std::vector<std::size_t> &origins)
{
    bool trimmed = false;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const auto crossing = crossingOf(ring);
        if (!crossing)
            return trimmed;
        const auto [i, j] = *crossing;
        const std::size_t n = ring.size();
        // The loop is the shorter way round between the two edges.
        const bool inner = j - i <= n - (j - i);
        const std::size_t first = inner ? i + 1 : j + 1;
        const std::size_t count = inner ? j - i : n - (j - i);
        std::vector<QPointF> loop;
        for (std::size_t k = 0; k < count; ++k)
            loop.push_back(ring[(first + k) % n]);
        if (std::abs(signedAreaOf(loop)) > strayLoop * std::abs(signedAreaOf(ring)))
            return trimmed;
        // Searched no farther than the loop's ends, so no crossing elsewhere is taken for it.
        if (!trimAround(ring, origins, (first + count / 2) % n, int(count / 2) + 2))
            return trimmed;
        trimmed = true;
    }
    return trimmed;
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

    std::vector<QPointF> corners;
    std::vector<std::size_t> origins; // where each corner was, for the start after trimming
    for (const auto &run : runs)
        for (const QPointF &p : run) {
            origins.push_back(corners.size());
            corners.push_back(p);
        }
    mergeNearCorners(corners, origins);
    // What loops are left, where one reaches past a short segment or a curve doubles back on
    // itself, go too; the outline then starts again at its first corner.
    if (trimStrayLoops(corners, origins))
        mergeNearCorners(corners, origins);
    std::rotate(corners.begin(),
                corners.begin()
                    + (std::min_element(origins.begin(), origins.end()) - origins.begin()),
                corners.end());

    QPolygonF polygon(corners.begin(), corners.end());
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
    return CamExportText::tr(" (from %1° to %2°)").arg(learnerNumber(range.from), learnerNumber(range.to));
}

// The follower's speed in mm/rad where a segment starts (x = 0) or ends (x = 1).
double speedAt(const Segment &segment, double x)
{
    if (segment.kind == SegmentKind::Dwell)
        return 0;
    const double speed = segment.height * evaluateLaw(segment.law, x).df
                         / (segment.angleDegrees * degree);
    return segment.kind == SegmentKind::Rise ? speed : -speed;
}

// Where the follower's speed drops at once, in degrees from the start: at a join where a
// constant-velocity segment starts or ends. A flat face's outline has radius base + s + s″,
// and s″ there is an infinitely deep dip, so the outline folds back over itself: a cusp that
// no base circle removes.
std::vector<double> suddenSlowings(const CamDesign &design)
{
    std::vector<std::size_t> kept; // the segments that take up some of the turn
    std::vector<double> starts;
    double at = 0;
    for (std::size_t i = 0; i < design.segments.size(); ++i) {
        if (design.segments[i].angleDegrees * degree > 4 * inside) {
            kept.push_back(i);
            starts.push_back(at);
        }
        at += std::max(0.0, design.segments[i].angleDegrees);
    }
    std::vector<double> where;
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const std::size_t next = (k + 1) % kept.size();
        const double drop = speedAt(design.segments[kept[k]], 1)
                            - speedAt(design.segments[kept[next]], 0);
        // A drop of a millionth of a mm/rad moves the face's contact a millionth of a mm.
        if (drop > 1e-6)
            where.push_back(starts[next]);
    }
    std::sort(where.begin(), where.end());
    return where;
}

// The turn's angle in degrees at which the follower touches the outline near `point`.
double turnAngleAt(const CamDesign &design, QPointF point)
{
    // The follower stands above the centre at the start, and the cam turns under it.
    const double polar = std::atan2(point.y(), point.x()) / degree;
    const double angle = rotationSign(design.rotation) * (90 - polar);
    return std::fmod(std::fmod(angle, 360) + 360, 360);
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
            "once round.").arg(learnerNumber(motion.angleSum));
    case MotionFault::DoesNotClose:
        return CamExportText::tr(
            "The rises and returns leave the follower %1 mm from where it started, so "
            "the outline does not close.").arg(learnerNumber(motion.finalLift));
    case MotionFault::BelowBaseCircle:
        return CamExportText::tr(
            "Segment %1 takes the follower below where it started, inside the base "
            "circle.").arg(motion.segment + 1);
    }
    if (analysis.has(Problem::OffsetTooLarge))
        return CamExportText::tr(
            "The follower's offset of %1 mm puts it outside the prime circle, so it "
            "never touches the cam.").arg(learnerNumber(design.follower.offset));
    if (analysis.has(Problem::Undercut))
        return CamExportText::tr(
            "The roller is larger than the sharpest bend of its path%1, so the cam "
            "would be undercut there.").arg(rangeText(analysis.finding(Problem::Undercut)));
    if (analysis.has(Problem::Cusp))
        return CamExportText::tr(
            "The flat face would need the outline to fold over itself%1; a larger base "
            "circle removes the cusp.").arg(rangeText(analysis.finding(Problem::Cusp)));
    if (design.follower.type == FollowerType::FlatFaced) {
        const std::vector<double> slowings = suddenSlowings(design);
        if (!slowings.empty()) {
            QStringList angles;
            for (const double angle : slowings)
                angles << learnerNumber(angle) + QStringLiteral("°");
            return CamExportText::tr(
                "The flat face would need the outline to fold over itself at %1, where a "
                "constant-velocity segment makes the follower's speed jump; no base circle "
                "removes that cusp, so give the segment a law that starts and stops gently.")
                .arg(QLocale().createSeparatedList(angles));
        }
    }

    const double shrink = design.kerf / 2;
    const HoleCut hole = holeOf(design, shrink);
    if (hole.radius <= 0)
        return CamExportText::tr("A kerf of %1 mm leaves nothing of a %2 mm shaft hole.")
            .arg(learnerNumber(design.kerf), learnerNumber(design.hole.diameter));
    if (hole.shape == HoleShape::DFlat && hole.flatDistance <= -hole.radius)
        return CamExportText::tr("A flat %1 mm deep cuts away the whole of a %2 mm shaft hole.")
            .arg(learnerNumber(design.hole.flatDepth), learnerNumber(design.hole.diameter));
    double nearest = std::numeric_limits<double>::infinity();
    for (const CamPoint &point : analysis.points)
        nearest = std::min(nearest, length(point.profile + shrink * point.normal));
    if (reachOf(hole) + thinnestWall > nearest)
        return CamExportText::tr(
            "The shaft hole reaches %1 mm from the centre but the outline comes within "
            "%2 mm of it, leaving less than %3 mm of material.")
            .arg(learnerNumber(reachOf(hole)), learnerNumber(nearest), learnerNumber(thinnestWall));
    // What the trimming of loops has not made simple is not cut, as cut or as a template.
    for (const double grow : {shrink, 0.0}) {
        const QPolygonF outline = outlineOf(design, grow);
        const std::vector<QPointF> corners(outline.begin(), outline.end());
        if (const auto crossing = crossingOf(corners))
            return CamExportText::tr(
                "The outline would cross itself near %1°, so it cannot be cut; a gentler "
                "motion or a larger base circle there avoids it.")
                .arg(learnerNumber(turnAngleAt(design, corners[crossing->first])));
        if (shrink == 0)
            break;
    }
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
                        .arg(learnerNumber(std::abs(analysis.largestPressureAngle) / degree),
                             learnerNumber(design.pressureAngleLimitDegrees));
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
