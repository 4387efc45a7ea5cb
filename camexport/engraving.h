// The marks engraved on a cam, not cut through: the centre cross, the 0° mark where the
// follower touches at the start, and the arrow of the cam's rotation. All in the cam frame
// (mm, y up, the shaft's centre at the origin), inside the outline and clear of the hole.
#pragma once

#include "cutoutline.h"

#include <QLineF>
#include <QPolygonF>

namespace camexport {

struct Engraving {
    QLineF crossHorizontal;
    QLineF crossVertical;
    QLineF zeroMark;          // radial, pointing out at the start's point of contact
    double arrowRadius = 0;   // the arrow's arc, centred on the shaft
    double arrowFromDegrees = 0;
    double arrowToDegrees = 0; // the head's end; larger than the start when anticlockwise
    QPolygonF arrowArc;       // the arc as an open polyline, from its tail to its head
    QPolygonF arrowHead;      // open: one wing, the tip, the other wing
};

Engraving engravingOf(const camdesign::CamDesign &design, const CamCut &cut);

} // namespace camexport
