// The marks are sized from the room between the hole and the outline's nearest point, so a
// small cam gets small marks rather than marks that run off its edge.
#include "engraving.h"

#include "camdesign/units.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace camexport {
namespace {

using camdesign::degree;


double length(QPointF p)
{
    return std::hypot(p.x(), p.y());
}

QPointF polar(double radius, double degrees)
{
    return radius * QPointF(std::cos(degrees * degree), std::sin(degrees * degree));
}

// The outline's distance from the centre in the direction of `unit`: where a ray from the
// centre leaves the polygon.
double reachAlong(const QPolygonF &outline, QPointF unit)
{
    double reach = 0;
    for (qsizetype i = 0; i < outline.size(); ++i) {
        const QPointF a = outline[i];
        const QPointF b = outline[(i + 1) % outline.size()];
        const QPointF ab = b - a;
        const double denominator = unit.x() * ab.y() - unit.y() * ab.x();
        if (std::abs(denominator) < 1e-12)
            continue;
        const double t = (a.x() * ab.y() - a.y() * ab.x()) / denominator;
        const double u = (a.x() * unit.y() - a.y() * unit.x()) / denominator;
        if (t > 0 && u >= 0 && u <= 1)
            reach = std::max(reach, t);
    }
    return reach;
}

} // namespace

Engraving engravingOf(const camdesign::CamDesign &design, const CamCut &cut)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (const QPointF &p : cut.outline)
        nearest = std::min(nearest, length(p));
    const double hole = cut.hole.shape == camdesign::HoleShape::Square
                            ? cut.hole.radius * std::sqrt(2.0)
                            : cut.hole.radius;
    const double room = std::max(0.0, nearest - hole);

    Engraving marks;
    const double arm = hole + std::min(3.0, room / 2);
    marks.crossHorizontal = QLineF(-arm, 0, arm, 0);
    marks.crossVertical = QLineF(0, -arm, 0, arm);

    // At angle 0 the cam frame is the follower's, so the point of contact is where it stands.
    const camdesign::CamPoint start = camdesign::CamGeometry(design).at(0);
    QPointF unit = start.profile / std::max(1e-9, length(start.profile));
    const double edge = reachAlong(cut.outline, unit);
    const double outer = edge - std::min(1.5, (edge - hole) / 6);
    const double inner = std::max(outer - 8, (hole + edge) / 2);
    marks.zeroMark = QLineF(inner * unit, outer * unit);

    // The arrow lies in the lower left, away from the follower's side and the cross's arms.
    marks.arrowRadius = hole + room * 0.55;
    const int sign = camdesign::rotationSign(design.rotation);
    marks.arrowFromDegrees = sign > 0 ? 195 : 255;
    marks.arrowToDegrees = sign > 0 ? 255 : 195;
    const int pieces = 30;
    for (int k = 0; k <= pieces; ++k)
        marks.arrowArc << polar(marks.arrowRadius,
                                marks.arrowFromDegrees
                                    + (marks.arrowToDegrees - marks.arrowFromDegrees) * k
                                          / pieces);
    const QPointF tip = marks.arrowArc.last();
    const QPointF radial = tip / length(tip);
    const QPointF along = sign * QPointF(-radial.y(), radial.x());
    const double head = std::min(3.0, marks.arrowRadius * 0.3);
    marks.arrowHead << tip - head * along + head * 0.5 * radial << tip
                    << tip - head * along - head * 0.5 * radial;
    return marks;
}

} // namespace camexport
