// The follower frame is worked in and the cam frame reached by one rotation: with σ = +1 for
// an anticlockwise cam and −1 for a clockwise one, a point fixed in the follower's frame sits
// at R(−σθ)·P in the cam's. Differentiating that gives the pitch curve's tangent, carried
// back to the follower's frame, as T = (σ(d + s), s′ − σe): everything below comes from it.
#include "camprofile.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace camdesign {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

QPointF rotated(QPointF p, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {c * p.x() - s * p.y(), s * p.x() + c * p.y()};
}

// Gathers the sample angles where `fails` holds into ranges of degrees.
template <typename Test>
std::vector<AngleRange> rangesWhere(const std::vector<CamPoint> &points, Test fails)
{
    std::vector<AngleRange> ranges;
    const double step = 360.0 / double(points.size());
    bool open = false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double at = double(i) * step;
        if (fails(points[i])) {
            if (!open)
                ranges.push_back({at, at});
            ranges.back().to = at + step;
            open = true;
        } else {
            open = false;
        }
    }
    // A range that runs over 0° is one range.
    if (ranges.size() > 1 && ranges.front().from == 0 && ranges.back().to >= 360) {
        ranges.front().from = ranges.back().from - 360;
        ranges.pop_back();
    }
    return ranges;
}

} // namespace

CamGeometry::CamGeometry(const CamDesign &design)
    : m_design(design), m_motion(design.segments), m_sign(rotationSign(design.rotation))
{
    const Follower &follower = design.follower;
    const double offset = follower.type == FollowerType::FlatFaced ? 0 : follower.offset;
    m_primeRadius = design.baseCircleRadius
                    + (follower.type == FollowerType::Roller ? follower.rollerRadius : 0);
    m_feasible = design.baseCircleRadius > 0 && m_primeRadius > std::abs(offset);
    m_axisDistance = m_feasible ? std::sqrt(m_primeRadius * m_primeRadius - offset * offset) : 0;
}

CamPoint CamGeometry::at(double theta) const
{
    CamPoint point;
    point.angle = theta;
    point.motion = m_motion.at(theta);
    const double s = point.motion.lift;
    const double v = point.motion.velocity;
    const double a = point.motion.acceleration;
    const double sigma = m_sign;
    const double back = -sigma * theta;

    if (m_design.follower.type == FollowerType::FlatFaced) {
        // The face y = Rb + s, square to the motion, touches its envelope at x = σs′.
        const double height = m_design.baseCircleRadius + s;
        point.pitch = rotated({m_design.follower.offset, height}, back);
        point.contact = {sigma * v, height};
        point.profile = rotated(point.contact, back);
        point.normal = rotated({0, 1}, back);
        const double radius = height + a;
        point.pitchRadius = radius;
        point.profileRadius = radius;
        return point;
    }

    const double e = m_design.follower.offset;
    const double y = m_axisDistance + s;
    const double slope = v - sigma * e; // T's second component; T's first is σ·y
    const double length = std::hypot(y, slope);
    point.pitch = rotated({e, y}, back);
    point.pressureAngle = std::atan2(slope, y);

    // Curvature of the pitch curve: |T|³ over the cross product of its first two derivatives,
    // signed so that the convex side of a cam counts positive.
    const double bend = length * length - y * a + v * v - sigma * e * v;
    point.pitchRadius = bend == 0 ? infinity : length * length * length / bend;

    const double roller =
        m_design.follower.type == FollowerType::Roller ? m_design.follower.rollerRadius : 0;
    // The outward normal (e − σs′, y)/|T| leans the contact away from the roller's centre.
    const QPointF normal{(e - sigma * v) / length, y / length};
    point.contact = QPointF{e, y} - roller * normal;
    point.profile = rotated(point.contact, back);
    point.normal = rotated(normal, back);
    point.profileRadius = std::isinf(point.pitchRadius) ? infinity : point.pitchRadius - roller;
    return point;
}

bool CamAnalysis::has(Problem problem) const
{
    return finding(problem) != nullptr;
}

const Finding *CamAnalysis::finding(Problem problem) const
{
    for (const Finding &found : findings)
        if (found.problem == problem)
            return &found;
    return nullptr;
}

double angularSpeed(double rpm)
{
    return rpm * 2 * std::numbers::pi / 60;
}

CamAnalysis analyse(const CamDesign &design, int samples)
{
    CamAnalysis result;
    result.motionCheck = checkMotion(design.segments);
    switch (result.motionCheck.fault) {
    case MotionFault::None:
        break;
    case MotionFault::NoSegments:
        result.findings.push_back({Problem::NoSegments, {}, -1});
        break;
    case MotionFault::AnglesDoNotAddUp:
        result.findings.push_back({Problem::AnglesDoNotAddUp, {}, -1});
        break;
    case MotionFault::DoesNotClose:
        result.findings.push_back({Problem::DoesNotClose, {}, -1});
        break;
    case MotionFault::BelowBaseCircle:
        result.findings.push_back({Problem::BelowBaseCircle, {}, result.motionCheck.segment});
        break;
    }

    const CamGeometry geometry(design);
    if (!geometry.feasible())
        result.findings.push_back({Problem::OffsetTooLarge, {}, -1});
    result.feasible = result.motionCheck.fault == MotionFault::None && geometry.feasible();

    samples = std::max(samples, 1);
    result.points.reserve(std::size_t(samples));
    const double step = 2 * std::numbers::pi / samples;
    for (int i = 0; i < samples; ++i)
        result.points.push_back(geometry.at(i * step));
    if (!result.feasible)
        return result;

    const FollowerType type = design.follower.type;
    const int sigma = rotationSign(design.rotation);
    const double e = design.follower.offset;
    const double tanLimit = std::tan(design.pressureAngleLimitDegrees * degree);
    double neededAxis = -infinity;      // the least d keeping the pressure angle in its limit
    double neededForFace = -infinity;   // the least base radius keeping Rb + s + s″ above 0
    double smallestPitch = infinity;
    double smallestProfile = infinity;
    double reachLeft = 0, reachRight = 0;
    for (const CamPoint &point : result.points) {
        const MotionValue &m = point.motion;
        result.largestLift = std::max(result.largestLift, m.lift);
        // Peaks equal within the tolerance are one: the first is reported, so that a form of
        // the motion that is equal in exact arithmetic cannot move the reported angle.
        if (std::abs(point.pressureAngle)
            > std::abs(result.largestPressureAngle) + equalPeakTolerance) {
            result.largestPressureAngle = point.pressureAngle;
            result.largestPressureAngleAt = point.angle;
        }
        if (point.pitchRadius > 0)
            smallestPitch = std::min(smallestPitch, point.pitchRadius);
        if (point.profileRadius > 0)
            smallestProfile = std::min(smallestProfile, point.profileRadius);
        neededAxis = std::max(neededAxis, std::abs(m.velocity - sigma * e) / tanLimit - m.lift);
        neededForFace = std::max(neededForFace, -(m.lift + m.acceleration));
        reachLeft = std::min(reachLeft, point.contact.x() - e);
        reachRight = std::max(reachRight, point.contact.x() - e);
    }
    result.smallestPitchRadius = smallestPitch;
    result.smallestProfileRadius = smallestProfile;

    // A square hole reaches out to its corners.
    const double holeReach = design.hole.diameter / 2
                             * (design.hole.shape == HoleShape::Square ? std::sqrt(2.0) : 1.0);
    double nearest = infinity;
    for (const CamPoint &point : result.points)
        nearest = std::min(nearest, std::hypot(point.profile.x(), point.profile.y()));
    const bool holeTooLarge = holeReach + thinnestWall > nearest;

    const double limit = design.pressureAngleLimitDegrees * degree;
    if (type == FollowerType::FlatFaced) {
        result.faceLeft = -reachLeft;
        result.faceRight = reachRight;
        result.faceWidth = reachRight - reachLeft;
        result.smallestBaseRadius = std::max(neededForFace, 0.0);
        const double rb = design.baseCircleRadius;
        auto cusp = rangesWhere(result.points, [rb](const CamPoint &p) {
            return rb + p.motion.lift + p.motion.acceleration <= 0;
        });
        if (!cusp.empty())
            result.findings.push_back({Problem::Cusp, cusp, -1});
        if (holeTooLarge)
            result.findings.push_back({Problem::ShaftHoleTooLarge, {}, -1});
        return result;
    }

    const double axis = std::max(neededAxis, 0.0);
    const double roller = type == FollowerType::Roller ? design.follower.rollerRadius : 0;
    result.smallestBaseRadius = std::max(std::sqrt(axis * axis + e * e) - roller, 0.0);
    auto steep = rangesWhere(result.points, [limit](const CamPoint &p) {
        return std::abs(p.pressureAngle) > limit + 1e-12;
    });
    if (!steep.empty())
        result.findings.push_back({Problem::PressureAngleTooSteep, steep, -1});
    if (type == FollowerType::Roller && roller >= smallestPitch) {
        auto undercut = rangesWhere(result.points, [roller](const CamPoint &p) {
            return p.pitchRadius > 0 && p.pitchRadius <= roller;
        });
        result.findings.push_back({Problem::Undercut, undercut, -1});
    }
    if (holeTooLarge)
        result.findings.push_back({Problem::ShaftHoleTooLarge, {}, -1});
    return result;
}

} // namespace camdesign
