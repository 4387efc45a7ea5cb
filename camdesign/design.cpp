// The design a new workshop opens with.
#include "design.h"

namespace camdesign {

CamDesign newDesign()
{
    CamDesign design;
    design.segments = {
        {SegmentKind::Rise, 90, 20, MotionLaw::Cycloidal},
        {SegmentKind::Dwell, 90, 0, MotionLaw::Cycloidal},
        {SegmentKind::Return, 90, 20, MotionLaw::Cycloidal},
        {SegmentKind::Dwell, 90, 0, MotionLaw::Cycloidal},
    };
    return design;
}

} // namespace camdesign
