// The cam as a cutter sees it: the outline as a closed polygon in mm that stays within a
// hundredth of a millimetre of the computed profile, and the shaft hole, both moved by half
// the kerf so the part comes off the machine at its designed size.
#pragma once

#include "camdesign/camprofile.h"
#include "camdesign/design.h"

#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace camexport {

// mm the polygon may stray from the computed outline between two of its corners.
inline constexpr double chordTolerance = 0.01;

// The shaft hole as cut, centred on the cam's centre, in the cam frame (mm, y up).
struct HoleCut {
    camdesign::HoleShape shape = camdesign::HoleShape::Round;
    double radius = 0;       // round and D flat: the circle's radius; square: half the side
    // D flat: the flat's distance from the centre. The flat lies on the side of the 0° mark
    // (toward +y, where the follower stands at the start), so a D shaft sets the cam's timing.
    double flatDistance = 0;

    // Half the flat's length, for a D flat.
    double flatHalfLength() const;
    // The hole as a closed polygon within `tolerance` of its arcs, anticlockwise.
    QPolygonF polygon(double tolerance = chordTolerance) const;
};

struct CamCut {
    // Closed (the first point is not repeated), anticlockwise, centred on the shaft.
    QPolygonF outline;
    HoleCut hole;
};

// Why the design cannot be cut, in one sentence for the learner, or an empty string when it
// can: a motion that does not make one closed turn, a follower that misses the cam, an
// outline that would undercut or fold over itself (a flat face where a constant-velocity
// segment makes the speed jump is a cusp), a hole that does not fit, an outline, with the
// kerf or without, that would still cross itself.
QString cutRefusal(const camdesign::CamDesign &design);
// The same for a design already analysed, as the workshop's model holds it.
QString cutRefusal(const camdesign::CamDesign &design, const camdesign::CamAnalysis &analysis);
// What is worth knowing but does not stop a cut, such as a pressure angle past its limit.
QStringList cutWarnings(const camdesign::CamDesign &design);

// The outline grown by half the kerf and the hole shrunk by half the kerf. Only for a design
// that cutRefusal() lets through, whose outline never crosses itself. With `withKerf` false the design's own sizes, as a paper
// template shows them.
CamCut cutOf(const camdesign::CamDesign &design, bool withKerf = true);

// The pitch curve, closed and anticlockwise, for construction drawings.
QPolygonF pitchCurveOf(const camdesign::CamDesign &design);

// The signed area of a closed polygon: positive when it runs anticlockwise with y up.
double signedArea(const QPolygonF &polygon);

} // namespace camexport
