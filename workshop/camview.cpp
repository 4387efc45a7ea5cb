// Painted in the follower's frame, in mm with y up, mapped once to logical pixels: the cam is
// that frame turned by its angle. Pens are in logical pixels, so lines stay crisp and of one
// width at every scale.
#include "camview.h"

#include "camdesign/units.h"

#include "wording.h"
#include "workshopmodel.h"

#include "camexport/cutoutline.h"
#include "camexport/palette.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace workshop {
namespace {

using namespace camdesign;

constexpr int margin = 14;

// Mitred joins: on curves of many short chords they look as round ones do, without the arc
// that the painter would flatten at every join.
QPen pen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen made(colour, width, style, Qt::RoundCap, Qt::MiterJoin);
    return made;
}

// Keeps the points of a closed curve that a straight chord cannot stand in for within
// `tolerance` (Douglas and Peucker's simplification).
void keepWithin(const QPolygonF &curve, std::size_t from, std::size_t to, double tolerance,
                std::vector<bool> &kept)
{
    if (to <= from + 1)
        return;
    const QPointF a = curve[qsizetype(from)];
    const QPointF b = curve[qsizetype(to % std::size_t(curve.size()))];
    const QPointF chord = b - a;
    const double length = std::hypot(chord.x(), chord.y());
    double farthest = -1;
    std::size_t at = from;
    for (std::size_t i = from + 1; i < to; ++i) {
        const QPointF p = curve[qsizetype(i)] - a;
        const double distance = length > 0 ? std::abs(chord.x() * p.y() - chord.y() * p.x()) / length
                                            : std::hypot(p.x(), p.y());
        if (distance > farthest) {
            farthest = distance;
            at = i;
        }
    }
    if (farthest <= tolerance)
        return;
    kept[at] = true;
    keepWithin(curve, from, at, tolerance, kept);
    keepWithin(curve, at, to, tolerance, kept);
}

QPolygonF simplified(const QPolygonF &curve, double tolerance)
{
    if (curve.size() < 4)
        return curve;
    const auto count = std::size_t(curve.size());
    std::vector<bool> kept(count, false);
    // Two halves, so the closed curve's first point is not the only anchor.
    kept[0] = kept[count / 2] = true;
    keepWithin(curve, 0, count / 2, tolerance, kept);
    keepWithin(curve, count / 2, count, tolerance, kept);
    QPolygonF result;
    for (std::size_t i = 0; i < count; ++i)
        if (kept[i])
            result << curve[qsizetype(i)];
    return result;
}

// A dashed circle as short chords drawn at once: the painter's own dashes on a curve cost
// more than the rest of the picture.
void drawDashedCircle(QPainter &painter, QPointF centre, double radius, double dash, double gap)
{
    if (radius <= 0)
        return;
    const double circumference = 2 * std::numbers::pi * radius;
    const int dashes = std::max(8, int(circumference / (dash + gap)));
    const double step = 2 * std::numbers::pi / dashes;
    const double along = step * dash / (dash + gap);
    QVector<QLineF> lines;
    lines.reserve(dashes);
    for (int i = 0; i < dashes; ++i) {
        const double a = i * step;
        lines << QLineF(centre + radius * QPointF(std::cos(a), std::sin(a)),
                        centre + radius * QPointF(std::cos(a + along), std::sin(a + along)));
    }
    painter.drawLines(lines);
}

double wrapAround(double degrees)
{
    while (degrees > 180)
        degrees -= 360;
    while (degrees <= -180)
        degrees += 360;
    return degrees;
}

// The stretches of the turn where the outline fails a check, as polylines in the cam frame.
std::vector<QPolygonF> faultStretches(const CamAnalysis &analysis)
{
    std::vector<QPolygonF> stretches;
    const int count = int(analysis.points.size());
    if (count == 0)
        return stretches;
    const double step = 360.0 / count;
    for (const Finding &finding : analysis.findings) {
        for (const AngleRange &range : finding.where) {
            QPolygonF stretch;
            const int first = int(std::floor(range.from / step));
            const int last = int(std::ceil(range.to / step));
            for (int i = first; i <= last; ++i)
                stretch << analysis.points[std::size_t(((i % count) + count) % count)].profile;
            stretches.push_back(stretch);
        }
    }
    return stretches;
}

// The shaft as it fills the cam's hole, in the cam frame: a circle, a circle with a flat
// along the top, or a square across its flats.
QPainterPath shaftPath(const ShaftHole &hole)
{
    const double r = hole.diameter / 2;
    QPainterPath path;
    switch (hole.shape) {
    case HoleShape::Round:
        path.addEllipse(QPointF(0, 0), r, r);
        break;
    case HoleShape::DFlat: {
        QPainterPath circle;
        circle.addEllipse(QPointF(0, 0), r, r);
        QPainterPath keep;
        keep.addRect(QRectF(-r, -r, 2 * r, 2 * r - std::min(hole.flatDepth, r)));
        path = circle.intersected(keep);
        break;
    }
    case HoleShape::Square:
        path.addRect(QRectF(-r, -r, 2 * r, 2 * r));
        break;
    }
    return path;
}

} // namespace

CamView::CamView(const WorkshopModel *model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    setAccessibleName(tr("Cam"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    connect(model, &WorkshopModel::designChanged, this, &CamView::takeDesign);
    connect(model, &WorkshopModel::angleChanged, this, qOverload<>(&CamView::update));
    takeDesign();
}

void CamView::takeDesign()
{
    const CamAnalysis &analysis = m_model->analysis();
    m_fullOutline.clear();
    m_fullPitchCurve.clear();
    m_faults.clear();
    if (analysis.feasible) {
        for (const CamPoint &point : analysis.points) {
            m_fullOutline << point.profile;
            m_fullPitchCurve << point.pitch;
        }
        m_faults = faultStretches(analysis);
        // A cam that can be cut is drawn as it will be cut: where the follower's speed jumps,
        // the roller rounds the corner that the samples alone would join by a straight line.
        if (camexport::cutRefusal(m_model->design(), analysis).isEmpty())
            m_fullOutline = camexport::cutOf(m_model->design(), false).outline;
    }
    setAccessibleDescription(Wording::camDescription(m_model->design(), analysis));
    fitScene();
    update();
}

void CamView::fitScene()
{
    const CamDesign &design = m_model->design();
    const CamAnalysis &analysis = m_model->analysis();
    const Follower &follower = design.follower;
    const double roller = follower.type == FollowerType::Roller ? follower.rollerRadius : 0;
    double reach = design.baseCircleRadius + roller;
    for (const CamPoint &point : analysis.points) {
        reach = std::max(reach, std::hypot(point.profile.x(), point.profile.y()));
        reach = std::max(reach, std::hypot(point.pitch.x(), point.pitch.y()) + roller);
    }
    if (!analysis.feasible)
        reach = design.baseCircleRadius + roller;
    const double lowest = follower.type == FollowerType::FlatFaced
                              ? design.baseCircleRadius
                              : m_model->geometry().axisDistance();
    const double head = follower.type == FollowerType::Roller ? roller : 0.03 * reach;
    m_guideBottom = lowest + analysis.largestLift + head + 0.1 * reach;
    m_stemTop = m_guideBottom + 0.4 * reach;
    const double faceReach = follower.offset
                             + std::max(analysis.faceLeft, analysis.faceRight) + 0.1 * reach;
    const double half = std::max({reach, std::abs(follower.offset) + 0.25 * reach, faceReach});
    m_scene = QRectF(QPointF(-half, m_stemTop), QPointF(half, -reach));

    const QRectF room = QRectF(rect()).adjusted(margin, margin + 16, -margin, -margin - 22);
    m_pixelsPerMm = std::max(1e-3, std::min(room.width() / m_scene.width(),
                                            room.height() / std::abs(m_scene.height())));
    const QPointF middle = m_scene.center();
    const double k = m_pixelsPerMm;
    m_followerToWidget = QTransform(k, 0, 0, -k, room.center().x() - k * middle.x(),
                                    room.center().y() + k * middle.y());
    // A fifth of a device pixel: closer than the eye or the antialiasing can tell.
    const double tolerance = 0.2 / (k * std::max(1.0, devicePixelRatioF()));
    m_outline = simplified(m_fullOutline, tolerance);
    m_pitchCurve = simplified(m_fullPitchCurve, tolerance);
    // The failing stretches are marked only where they lie on the outline drawn: where the
    // roller's path turns a corner, the samples run off it (a loop the cutter trims, a chord
    // across the arc the roller rounds).
    m_faultClip = QPainterPath();
    if (!m_faults.empty()) {
        QPainterPath outline;
        outline.addPolygon(m_outline);
        outline.closeSubpath();
        QPainterPathStroker band;
        band.setWidth(5 / k);
        m_faultClip = band.createStroke(outline);
    }
}

QTransform CamView::camToWidget(double angle) const
{
    const int sigma = rotationSign(m_model->design().rotation);
    return QTransform().rotate(sigma * angle) * m_followerToWidget;
}

void CamView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitScene();
}

void CamView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const CamAnalysis &analysis = m_model->analysis();
    if (!analysis.feasible) {
        // A cam that cannot exist is not drawn: the words say why, where it would be.
        painter.setPen(palette().color(QPalette::Text));
        QFont bold = font();
        bold.setBold(true);
        const QRect room = rect().adjusted(3 * margin, 3 * margin, -3 * margin, -3 * margin);
        painter.setFont(bold);
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap,
                         tr("This cam cannot be made.") + QLatin1Char('\n')
                             + Wording::whyNoCam(m_model->design(), analysis));
    } else {
        const QTransform cam = camToWidget(m_model->angle());
        paintCam(painter, cam);
        paintFollower(painter);
        paintMarks(painter, cam);
        paintScaleBar(painter);
    }
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void CamView::paintCam(QPainter &painter, const QTransform &cam) const
{
    const CamDesign &design = m_model->design();
    const double k = m_pixelsPerMm;
    const QPointF centre = m_followerToWidget.map(QPointF(0, 0));

    painter.setPen(pen(palette::camEdge, 1.6));
    painter.setBrush(palette::camFill);
    painter.drawPolygon(cam.map(m_outline));

    // The construction lines, lighter than the outline and drawn over its fill.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(palette::construction, 1, Qt::SolidLine));
    drawDashedCircle(painter, centre, design.baseCircleRadius * k, 4, 3);
    if (design.follower.type == FollowerType::Roller) {
        const double prime = m_model->geometry().primeRadius() * k;
        drawDashedCircle(painter, centre, prime, 1, 2);
    }
    if (design.follower.type != FollowerType::KnifeEdge) {
        // Solid and pale rather than dashed: dashing a curve of 720 points costs more than
        // the rest of the picture.
        painter.setPen(pen(QColor(palette::pitchCurve.red(), palette::pitchCurve.green(), palette::pitchCurve.blue(), 150),
                           1));
        painter.drawPolygon(cam.map(m_pitchCurve));
    }

    if (!m_faults.empty()) {
        painter.save();
        painter.setClipPath(cam.map(m_faultClip), Qt::IntersectClip);
        painter.setPen(pen(palette::fault, 3.5));
        for (const QPolygonF &stretch : m_faults)
            painter.drawPolyline(cam.map(stretch));
        painter.restore();
    }

    painter.setPen(pen(palette::followerEdge, 1.2));
    painter.setBrush(palette::shaftFill);
    painter.drawPath(cam.map(shaftPath(design.hole)));
}

void CamView::paintFollower(QPainter &painter) const
{
    const CamDesign &design = m_model->design();
    const CamAnalysis &analysis = m_model->analysis();
    const Follower &follower = design.follower;
    const CamPoint point = m_model->pointNow();
    const double reach = std::abs(m_scene.bottom());
    const double s = point.motion.lift;
    const QTransform &map = m_followerToWidget;
    const double e = follower.offset;
    const double stemHalf = std::max(0.04 * reach, 1.0);

    // The guide: two blocks either side of the stem, fixed to the frame.
    const double guideWidth = 0.12 * reach;
    const double guideTop = m_guideBottom + 0.22 * reach;
    painter.setPen(pen(palette::followerEdge, 1));
    painter.setBrush(QBrush(palette::shaftHatch, Qt::BDiagPattern));
    for (const double side : {-1.0, 1.0}) {
        const double inner = e + side * (stemHalf + 0.01 * reach);
        const double outer = inner + side * guideWidth;
        painter.drawRect(map.mapRect(QRectF(QPointF(std::min(inner, outer), guideTop),
                                            QPointF(std::max(inner, outer), m_guideBottom))));
    }

    painter.setPen(pen(palette::followerEdge, 1.4));
    painter.setBrush(palette::followerFill);
    switch (follower.type) {
    case FollowerType::KnifeEdge: {
        const double tip = m_model->geometry().axisDistance() + s;
        const double shoulder = tip + 3 * stemHalf;
        QPolygonF body;
        body << QPointF(e, tip) << QPointF(e + stemHalf, shoulder)
             << QPointF(e + stemHalf, m_stemTop) << QPointF(e - stemHalf, m_stemTop)
             << QPointF(e - stemHalf, shoulder);
        painter.drawPolygon(map.map(body));
        break;
    }
    case FollowerType::Roller: {
        const double centre = m_model->geometry().axisDistance() + s;
        const double half = std::min(stemHalf, 0.6 * follower.rollerRadius);
        painter.drawRect(map.mapRect(QRectF(QPointF(e - half, m_stemTop),
                                            QPointF(e + half, centre))));
        const double r = follower.rollerRadius * m_pixelsPerMm;
        painter.drawEllipse(map.map(QPointF(e, centre)), r, r);
        painter.setBrush(palette::followerEdge);
        painter.drawEllipse(map.map(QPointF(e, centre)), 2.0, 2.0);
        break;
    }
    case FollowerType::FlatFaced: {
        const double face = design.baseCircleRadius + s;
        const double thickness = 0.03 * reach;
        const double left = e - analysis.faceLeft - 0.08 * reach;
        const double right = e + analysis.faceRight + 0.08 * reach;
        painter.drawRect(map.mapRect(QRectF(QPointF(e - stemHalf, m_stemTop),
                                            QPointF(e + stemHalf, face + thickness))));
        painter.drawRect(map.mapRect(QRectF(QPointF(left, face + thickness),
                                            QPointF(right, face))));
        break;
    }
    }

    // Where the follower meets the cam, and the common normal there: the angle between it
    // and the follower's line is the pressure angle.
    const QPointF contact = map.map(point.contact);
    if (follower.type != FollowerType::FlatFaced) {
        const int sigma = rotationSign(design.rotation);
        const QPointF normal =
            QTransform().rotate(sigma * m_model->angle()).map(point.normal);
        const bool steep = std::abs(point.pressureAngle)
                           > design.pressureAngleLimitDegrees * degree + 1e-12;
        painter.setPen(pen(steep ? palette::fault : palette::commonNormal, 1.4));
        painter.drawLine(contact, map.map(point.contact + 0.35 * reach * normal));
        painter.setPen(pen(palette::construction, 1, Qt::DotLine));
        painter.drawLine(contact, map.map(point.contact + QPointF(0, 0.35 * reach)));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::fault);
    painter.drawEllipse(contact, 2.5, 2.5);
}

void CamView::paintMarks(QPainter &painter, const QTransform &cam) const
{
    const CamDesign &design = m_model->design();
    const double base = design.baseCircleRadius;
    const double hole = design.hole.diameter / 2;

    // The 0° mark: a stroke on the cam along the line the follower stands on at the start.
    const double inner = std::max(hole * 1.3, 0.45 * base);
    const QPointF from = cam.map(QPointF(0, inner));
    const QPointF to = cam.map(QPointF(0, std::max(0.85 * base, inner + 1)));
    painter.setPen(pen(palette::camEdge, 2));
    painter.drawLine(from, to);
    painter.setPen(palette().color(QPalette::Text));
    const QPointF label = cam.map(QPointF(0, std::max(0.85 * base, inner + 1) + 0.12 * base));
    painter.drawText(QRectF(label - QPointF(30, 10), QSizeF(60, 20)), Qt::AlignCenter,
                     tr("0°"));

    // The direction of rotation: an arc below the shaft with its head where the cam goes.
    const QPointF centre = m_followerToWidget.map(QPointF(0, 0));
    const double radius = std::max(hole * 1.6, 0.35 * base) * m_pixelsPerMm;
    const int sigma = rotationSign(design.rotation);
    const double start = 225, span = 90;
    painter.setPen(pen(palette::camEdge, 1.8));
    painter.setBrush(Qt::NoBrush);
    const QRectF circle(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    painter.drawArc(circle, int(start * 16), int(span * 16));
    const double end = (sigma > 0 ? start + span : start) * degree;
    const QPointF tip = centre + radius * QPointF(std::cos(end), -std::sin(end));
    const QPointF along = sigma * QPointF(-std::sin(end), -std::cos(end));
    const QPointF across(-along.y(), along.x());
    const double size = 7;
    painter.setBrush(palette::camEdge);
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF{tip + along * size, tip - along * size * 0.4 + across * size * 0.6,
                                  tip - along * size * 0.4 - across * size * 0.6});
}

void CamView::paintScaleBar(QPainter &painter) const
{
    double length = 1;
    for (const double candidate : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0}) {
        length = candidate;
        if (candidate * m_pixelsPerMm >= 50)
            break;
    }
    const double pixels = length * m_pixelsPerMm;
    const QPointF left(margin, height() - margin - 4.5);
    const QPointF right = left + QPointF(pixels, 0);
    painter.setPen(pen(palette().color(QPalette::Text), 1.5, Qt::SolidLine));
    painter.drawLine(left, right);
    painter.drawLine(left - QPointF(0, 4), left + QPointF(0, 4));
    painter.drawLine(right - QPointF(0, 4), right + QPointF(0, 4));
    painter.drawText(QPointF(right.x() + 6, left.y() + 4),
                     tr("%1 mm").arg(learnerNumber(length, 0)));

    const CamPoint point = m_model->pointNow();
    painter.drawText(QRectF(margin, margin - 6, width() - 2 * margin, 20),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Turned %1°, lift %2 mm")
                         .arg(learnerNumber(m_model->angle()),
                              learnerNumber(point.motion.lift, 2)));
}

double CamView::pointerAngle(QPointF position) const
{
    const QPointF centre = m_followerToWidget.map(QPointF(0, 0));
    return std::atan2(centre.y() - position.y(), position.x() - centre.x()) / degree;
}

void CamView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        emit turnRequested(1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        emit turnRequested(-1);
        break;
    case Qt::Key_PageUp:
        emit turnRequested(15);
        break;
    case Qt::Key_PageDown:
        emit turnRequested(-15);
        break;
    case Qt::Key_Home:
        emit turnRequested(-m_model->angle());
        break;
    case Qt::Key_Space:
        emit playToggleRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CamView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    m_dragging = true;
    m_dragAngle = pointerAngle(event->position());
    setCursor(Qt::ClosedHandCursor);
}

void CamView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    const double now = pointerAngle(event->position());
    const double turned = wrapAround(now - std::exchange(m_dragAngle, now));
    // The pointer going the cam's own way turns it forward.
    emit turnRequested(rotationSign(m_model->design().rotation) * turned);
}

void CamView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
}

} // namespace workshop
