// What a design makes: the pitch curve, the cam's outline (for a roller the true envelope,
// the pitch curve's normal offset; for a flat face the envelope of the face), the pressure
// angle, the radii of curvature, and the checks that tell whether the cam can work.
//
// Frames. The follower stands above the cam and moves along the vertical line x = offset;
// its pitch point (knife tip, roller centre, or the face's foot on the stem) is at
// (offset, d + s), where d sets the base circle at s = 0. "Cam frame" is the same picture
// turned back by the cam's own rotation, so the outline is fixed in it; y points up, in mm.
// At cam angle 0 the cam frame and the follower's coincide.
#pragma once

#include "design.h"
#include "motion.h"

#include <QPointF>

#include <vector>

namespace camdesign {

struct CamPoint {
    double angle = 0;     // rad the cam has turned from its start, in its own direction
    MotionValue motion;   // per radian
    QPointF pitch;        // cam frame, mm
    QPointF profile;      // cam frame, mm: the point of the outline touching the follower
    QPointF contact;      // follower frame, mm: the same point where the follower meets it
    QPointF normal;       // cam frame: the outline's outward unit normal at `profile`
    // rad between the follower's line of motion and the common normal at the contact:
    // positive when the normal leans against a rising follower, as on a rise with no
    // offset. Always 0 for a flat face.
    double pressureAngle = 0;
    // Signed radii of curvature in mm: positive where the curve is convex, negative where
    // it is concave, infinite where it is straight.
    double pitchRadius = 0;
    double profileRadius = 0;
};

// The follower's line and the base circle, before any motion: what makes an outline exist.
class CamGeometry
{
public:
    explicit CamGeometry(const CamDesign &design);

    // False when the follower's offset is not inside the prime circle, so the follower
    // cannot stand on the cam at all.
    bool feasible() const { return m_feasible; }
    // The prime circle: the base circle grown by the roller's radius.
    double primeRadius() const { return m_primeRadius; }
    // The pitch point's height above the cam's centre at s = 0.
    double axisDistance() const { return m_axisDistance; }
    const Motion &motion() const { return m_motion; }

    CamPoint at(double theta) const;

private:
    CamDesign m_design;
    Motion m_motion;
    int m_sign = 1;
    double m_primeRadius = 0;
    double m_axisDistance = 0;
    bool m_feasible = false;
};

// rad: pressure angles this close count as one peak, and the first of them is reported. Far
// below what a learner reads (a tenth of a degree), far above the rounding of a double.
inline constexpr double equalPeakTolerance = 1e-9;

// A stretch of the turn, in degrees from the start, where a check fails.
struct AngleRange {
    double from = 0;
    double to = 0;
    bool operator==(const AngleRange &) const = default;
};

enum class Problem {
    NoSegments,
    AnglesDoNotAddUp,
    DoesNotClose,
    BelowBaseCircle,
    OffsetTooLarge,         // the follower's line misses the prime circle
    PressureAngleTooSteep,
    Undercut,               // the roller is too big for the pitch curve's sharpest bend
    Cusp,                   // a flat face would need the outline to fold over itself
    ShaftHoleTooLarge,      // the hole leaves less than thinnestWall of cam around it
};

// mm of material the shaft hole must leave between itself and the outline.
inline constexpr double thinnestWall = 1;

struct Finding {
    Problem problem;
    std::vector<AngleRange> where; // empty where the problem has no place on the turn
    int segment = -1;              // the segment at fault, where there is one
};

struct CamAnalysis {
    MotionCheck motionCheck;
    bool feasible = false;        // the outline exists: the motion closes and the follower fits
    std::vector<CamPoint> points; // evenly around the turn, from angle 0
    double largestPressureAngle = 0;    // rad, signed, the largest in size
    double largestPressureAngleAt = 0;  // rad
    double smallestPitchRadius = 0;     // mm, the sharpest convex bend of the pitch curve
    double smallestProfileRadius = 0;   // mm, the sharpest convex bend of the outline
    double faceWidth = 0;               // mm a flat face must span; 0 for other followers
    double faceLeft = 0, faceRight = 0; // mm, the contact's reach left and right of the stem
    // The smallest base circle radius that keeps the pressure angle within the limit, or,
    // for a flat face, that keeps the outline free of cusps (strictly above this value).
    double smallestBaseRadius = 0;
    double largestLift = 0;
    std::vector<Finding> findings;      // faults first, then the warnings

    bool has(Problem problem) const;
    const Finding *finding(Problem problem) const;
};

// samples > 0 points evenly over the turn; 3600 gives one each tenth of a degree.
CamAnalysis analyse(const CamDesign &design, int samples = 3600);

// The cam's angular speed in rad/s at its speed in turns a minute: multiply a velocity per
// radian by it once, an acceleration twice and a jerk three times to get them per second.
double angularSpeed(double rpm);

} // namespace camdesign
