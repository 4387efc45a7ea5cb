// The simulation window's cams as designs. Each graph there samples the follower's lift once
// every 45° of the turn and joins the samples with straight lines; each design passes through
// every sample, and turns clockwise, as the pictures do, under the workshop's usual roller.
#include "startingdesigns.h"

#include <QCoreApplication>

namespace workshop {
namespace {

using camdesign::CamDesign;
using camdesign::MotionLaw;
using camdesign::Segment;
using camdesign::SegmentKind;

// A simple harmonic rise of h over β passes h/5 at 45° before its end when
// (1 − cos(π(β − 45)/β))/2 = 1/5, that is β = 45 / (1 − acos(0.6)/π) = 63.845°.
constexpr double pearFlank = 63.84;

CamDesign pear()
{
    CamDesign design;
    design.name = QCoreApplication::translate("workshop::StartingDesign", "Pear");
    design.rotation = camdesign::Rotation::Clockwise;
    // The pear's picture stands its nose 20 pixels above a base circle of 46.
    design.baseCircleRadius = 46;
    design.segments = {
        {SegmentKind::Dwell, 270 - pearFlank, 0, MotionLaw::SimpleHarmonic},
        {SegmentKind::Rise, pearFlank, 20, MotionLaw::SimpleHarmonic},
        {SegmentKind::Return, pearFlank, 20, MotionLaw::SimpleHarmonic},
        {SegmentKind::Dwell, 90 - pearFlank, 0, MotionLaw::SimpleHarmonic},
    };
    return design;
}

CamDesign doubleLobe()
{
    // Each lobe lifts a quarter of its height 45° before its top: a simple harmonic rise
    // over 67.5° is a quarter up a third of the way along.
    const Segment rise{SegmentKind::Rise, 67.5, 16, MotionLaw::SimpleHarmonic};
    const Segment fall{SegmentKind::Return, 67.5, 16, MotionLaw::SimpleHarmonic};
    CamDesign design;
    design.name = QCoreApplication::translate("workshop::StartingDesign", "Double lobe");
    design.rotation = camdesign::Rotation::Clockwise;
    // The ellipse's half width in the picture.
    design.baseCircleRadius = 38;
    design.segments = {
        {SegmentKind::Dwell, 22.5, 0, MotionLaw::SimpleHarmonic}, rise, fall,
        {SegmentKind::Dwell, 45, 0, MotionLaw::SimpleHarmonic}, rise, fall,
        {SegmentKind::Dwell, 22.5, 0, MotionLaw::SimpleHarmonic},
    };
    return design;
}

CamDesign snail()
{
    CamDesign design;
    design.name = QCoreApplication::translate("workshop::StartingDesign", "Snail");
    design.rotation = camdesign::Rotation::Clockwise;
    // The picture's smallest radius, inside the drop face.
    design.baseCircleRadius = 10;
    design.hole.diameter = 6;
    // A spiral lifts at one speed; the graph draws the drop as one straight step.
    design.segments = {
        {SegmentKind::Rise, 270, 24, MotionLaw::ConstantVelocity},
        {SegmentKind::Return, 45, 24, MotionLaw::ConstantVelocity},
        {SegmentKind::Dwell, 45, 0, MotionLaw::ConstantVelocity},
    };
    return design;
}

} // namespace

CamDesign startingDesign(StartingDesign which)
{
    switch (which) {
    case StartingDesign::New:
        break;
    case StartingDesign::Pear:
        return pear();
    case StartingDesign::DoubleLobe:
        return doubleLobe();
    case StartingDesign::Snail:
        return snail();
    }
    return camdesign::newDesign();
}

double graphAngleOffsetDegrees(StartingDesign cam)
{
    // The pear and the double lobe are lowest two steps into their graphs.
    return cam == StartingDesign::Pear || cam == StartingDesign::DoubleLobe ? 90 : 0;
}

} // namespace workshop
