// The follower's lift around one turn, from the design's segments: s and its derivatives
// with respect to the cam angle, at any angle, and whether the segments make a whole turn.
#pragma once

#include "design.h"

#include <optional>
#include <vector>

namespace camdesign {

// mm, mm/rad, mm/rad², mm/rad³ at one cam angle.
struct MotionValue {
    double lift = 0;
    double velocity = 0;
    double acceleration = 0;
    double jerk = 0;
};

// The angles to within this of 360° count as a whole turn, and lifts within this many mm
// of each other as equal.
inline constexpr double angleTolerance = 1e-6;
inline constexpr double liftTolerance = 1e-6;

// What keeps a motion from being one turn of a cam, in the order they are looked for.
enum class MotionFault {
    None,
    NoSegments,
    AnglesDoNotAddUp,  // the angles' sum is not 360°
    DoesNotClose,      // the rises and returns do not cancel
    BelowBaseCircle,   // a return takes the follower lower than it started
};

struct MotionCheck {
    MotionFault fault = MotionFault::None;
    double angleSum = 0;      // degrees
    double finalLift = 0;     // mm left over after the whole turn
    int segment = -1;         // the first segment that goes below the start, for BelowBaseCircle
};

MotionCheck checkMotion(const std::vector<Segment> &segments);

// The segments, their start angles in radians. Built once for many evaluations.
class Motion
{
public:
    explicit Motion(const std::vector<Segment> &segments);

    // theta in radians, taken modulo one turn; at a boundary the later segment answers.
    MotionValue at(double theta) const;
    // Which segment holds theta, or -1 when there are none.
    int segmentAt(double theta) const;
    // The start angles in degrees of every segment, for marking boundaries.
    std::vector<double> boundariesDegrees() const;
    double totalRadians() const { return m_total; }

private:
    struct Piece {
        double start = 0;  // rad
        double span = 0;   // rad
        double startLift = 0;
        Segment segment;
    };
    std::vector<Piece> m_pieces;
    double m_total = 0;
};

} // namespace camdesign
