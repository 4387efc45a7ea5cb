// A cam as a learner designs it: the follower's motion as segments around one turn, the
// follower, the base circle, the direction of rotation and the shaft hole. Plain values;
// what they make is computed in camprofile.h.
#pragma once

#include "motionlaw.h"

#include <QString>

#include <vector>

namespace camdesign {

enum class SegmentKind { Rise, Dwell, Return };

struct Segment {
    SegmentKind kind = SegmentKind::Dwell;
    double angleDegrees = 90;
    double height = 0; // mm; unused for a dwell
    MotionLaw law = MotionLaw::Cycloidal; // unused for a dwell

    bool operator==(const Segment &) const = default;
};

enum class FollowerType { KnifeEdge, Roller, FlatFaced };

struct Follower {
    FollowerType type = FollowerType::Roller;
    double rollerRadius = 8; // mm; only for a roller
    // mm: the follower's line of motion lies this far to the right of the cam's centre, as
    // drawn with the follower above the cam. For a flat face it moves the stem, and the face
    // with it; the outline and the contact are the same wherever the stem stands, since the
    // face is square to its motion.
    double offset = 0;

    bool operator==(const Follower &) const = default;
};

enum class Rotation { Anticlockwise, Clockwise };

enum class HoleShape { Round, DFlat, Square };

struct ShaftHole {
    HoleShape shape = HoleShape::Round;
    double diameter = 8; // mm; across the flats for a square
    double flatDepth = 0.5; // mm cut off the circle by a D flat

    bool operator==(const ShaftHole &) const = default;
};

struct CamDesign {
    QString name;
    Rotation rotation = Rotation::Anticlockwise;
    double baseCircleRadius = 30; // mm
    ShaftHole hole;
    Follower follower;
    std::vector<Segment> segments;
    double speedRpm = 30;
    double pressureAngleLimitDegrees = 30;
    double kerf = 0; // mm the laser burns away; the cut outline grows by half of it

    bool operator==(const CamDesign &) const = default;
};

// A rise of 20 mm over 90°, a dwell, a return over 90° and a dwell: where a new design starts.
CamDesign newDesign();

// +1 for an anticlockwise cam, -1 for a clockwise one.
inline int rotationSign(Rotation rotation)
{
    return rotation == Rotation::Anticlockwise ? 1 : -1;
}

} // namespace camdesign
