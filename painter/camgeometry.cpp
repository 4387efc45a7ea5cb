// Cam profiles, poses and the follower's height, computed from the profiles alone.
#include "painter/camgeometry.h"

#include <QImage>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace painter {

namespace {

constexpr int facePoints = 720;

// The pear: a base circle and a small nose circle above it, wrapped by their two tangents.
namespace pear {
constexpr double baseRadius = 46.0;
constexpr double noseDistance = 50.0;
constexpr double noseRadius = 16.0;

double radius(double psi)
{
    const double a = qDegreesToRadians(psi);
    const double ux = std::sin(a), uy = std::cos(a); // the point lies along +y here
    double r = baseRadius;

    const double b = noseDistance * uy;
    const double disc = b * b - noseDistance * noseDistance + noseRadius * noseRadius;
    if (disc >= 0)
        r = std::max(r, b + std::sqrt(disc));

    const double ny = (baseRadius - noseRadius) / noseDistance;
    const double nx = std::copysign(std::sqrt(1 - ny * ny), ux);
    const double un = ux * nx + uy * ny;
    if (un > 0) {
        const double t = baseRadius / un;
        // the tangent runs from nx,ny on the base circle to the nose circle's touching point
        const double hitY = t * uy;
        const double fromY = baseRadius * ny;
        const double toY = noseDistance + noseRadius * ny;
        if (hitY >= fromY && hitY <= toY)
            r = std::max(r, t);
    }
    return r;
}
} // namespace pear

// Two equal lobes: an ellipse turning about its centre lifts the follower twice a turn.
namespace doubleLobe {
constexpr double halfLength = 60.0;
constexpr double halfWidth = 38.0;
constexpr double phase = 11.0;

double radius(double psi)
{
    const double a = qDegreesToRadians(psi);
    const double along = halfWidth * std::cos(a), across = halfLength * std::sin(a);
    return halfLength * halfWidth / std::sqrt(along * along + across * across);
}
} // namespace doubleLobe

// The snail shrinks steadily from the drop face's outer edge round to its inner edge.
namespace snail {
constexpr double largest = 66.5;
constexpr double smallest = 10.0;
constexpr double bend = 0.63;
constexpr double phase = 22.0;

double radius(double psi)
{
    const double t = std::clamp(psi / 360.0, 0.0, 1.0);
    return largest - (largest - smallest) * std::pow(t, bend);
}
} // namespace snail

QPointF twipsPoint(int x, int y)
{
    return {double(x) / forms::twipsPerPixel, double(y) / forms::twipsPerPixel};
}

QPolygonF face(Cam cam, const CamPose &pose, QPointF shift)
{
    const bool open = camDrawing(cam).open;
    const int count = open ? facePoints + 1 : facePoints;
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double psi = 360.0 * i / facePoints;
        const double r = camRadius(cam, psi) * pose.scale;
        const double phi = qDegreesToRadians(psi + pose.rotation);
        polygon << pose.centre + shift * pose.scale + QPointF(r * std::sin(phi), -r * std::cos(phi));
    }
    return polygon;
}

// In the cams' order, checked below: a cam without its drawing does not compile.
constexpr CamDrawing camDrawings[] = {
    {Cam::Pear, pear::radius, {4790, 3650}, 0, 0.0, {284, 364}, false, {82, 96}, {82, 94}},
    {Cam::DoubleLobe, doubleLobe::radius, {4810, 3715}, 0, doubleLobe::phase, {284, 364}, false,
     {82, 114}, {80, 110}},
    // The snail's first step already shows its drop face an eighth of a turn on.
    {Cam::Snail, snail::radius, {4750, 3715}, 1, snail::phase, {280, 360}, true, {84, 104},
     {84, 102}},
};

static_assert(std::ranges::equal(camDrawings, allCams, {}, &CamDrawing::cam));

} // namespace

const CamDrawing &camDrawing(Cam cam)
{
    return camDrawings[std::size_t(cam)];
}

Cam camOfStep(int step)
{
    for (const animation::CamRecord &record : animation::camRecords) {
        if (record.table.hasStep(step))
            return record.cam;
    }
    Q_ASSERT_X(false, "camOfStep", "no cam has this step");
    return allCams[0];
}

double camRadius(Cam cam, double psiDegrees)
{
    return camDrawing(cam).radius(psiDegrees);
}

QPointF shaftCentre(Cam cam)
{
    const QPoint bore = camDrawing(cam).shaftTwips;
    return twipsPoint(bore.x(), bore.y());
}

double camRotation(int step)
{
    const Cam cam = camOfStep(step);
    const CamDrawing &drawing = camDrawing(cam);
    const int turns = step - camTable(cam).firstStep;
    return 45.0 * (turns + drawing.firstTurns) + drawing.phase;
}

CamPose framePose(int step, int scale)
{
    return {shaftCentre(camOfStep(step)) * scale, camRotation(step), 1.0 * scale};
}

QPolygonF frontFace(Cam cam, const CamPose &pose)
{
    return face(cam, pose, {});
}

QPolygonF backFace(Cam cam, const CamPose &pose)
{
    return face(cam, pose, rimOffset);
}

QRect camPixelBounds(Cam cam, const CamPose &pose)
{
    const double s = shaftRadius * pose.scale;
    const QPointF end = pose.centre + shaftEndOffset * pose.scale;
    const QRectF r = frontFace(cam, pose).boundingRect()
                         .united(backFace(cam, pose).boundingRect())
                         .united(QRectF(end - QPointF(s, s), end + QPointF(s, s)));
    return QRect(QPoint(int(std::floor(r.left())), int(std::floor(r.top()))),
                 QPoint(int(std::ceil(r.right())), int(std::ceil(r.bottom()))));
}

CamBody paintCamBody(Cam cam, const CamPose &pose, QRgb backColour,
                     const std::function<QRgb(QPointF edge)> &rimColour, QRgb frontColour,
                     int samples)
{
    const QPolygonF front = frontFace(cam, pose);
    const QPolygonF back = backFace(cam, pose);
    const QRect bounds = camPixelBounds(cam, pose).adjusted(-2, -2, 2, 2);
    CamBody body{QImage(bounds.size() * samples, QImage::Format_ARGB32), bounds.topLeft()};
    body.layer.fill(Qt::transparent);
    {
        QPainter painter(&body.layer);
        painter.scale(samples, samples);
        painter.translate(-body.origin);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(backColour));
        painter.drawPolygon(back);
        const int n = int(front.size());
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            painter.setBrush(QColor(rimColour(front[j] - front[i])));
            painter.drawPolygon(QPolygonF{front[i], front[j], back[j], back[i]});
        }
        painter.setBrush(QColor(frontColour));
        painter.drawPolygon(front);
    }
    return body;
}

int camTopRow(Cam cam, const CamPose &pose, int firstColumn, int lastColumn)
{
    // Asked of the painter itself, filling the same polygons as the pictures do: near a tip the
    // rim can be a sliver thinner than a pixel that no pixel centre falls in.
    const QRgb black = 0xff000000;
    const CamBody body = paintCamBody(cam, pose, black, [](QPointF) { return black; }, black);
    const int first = std::max(firstColumn - body.origin.x(), 0);
    const int last = std::min(lastColumn - body.origin.x(), body.layer.width() - 1);
    for (int y = 0; y < body.layer.height(); ++y) {
        for (int x = first; x <= last; ++x) {
            if (qAlpha(body.layer.pixel(x, y)) != 0)
                return body.origin.y() + y;
        }
    }
    return std::numeric_limits<int>::max();
}

Columns footColumns(Cam cam)
{
    return camDrawing(cam).foot;
}

Columns rodColumns(Cam cam)
{
    const Columns foot = footColumns(cam);
    const int inset = (foot.width() - (2 * follower::rodHalfWidth + 1)) / 2;
    return {foot.first + inset, foot.last - inset};
}

int footBottomRow(int step, int scale)
{
    const Cam cam = camOfStep(step);
    const Columns foot = footColumns(cam);
    return camTopRow(cam, framePose(step, scale), foot.first * scale,
                     (foot.last + 1) * scale - 1) - 1;
}

int rodTopRow(int step, int scale)
{
    return footBottomRow(step, scale) - follower::length * scale + 1;
}

QRect followerBounds(int step)
{
    const Columns foot = footColumns(camOfStep(step));
    return QRect(QPoint(foot.first, rodTopRow(step)), QPoint(foot.last, footBottomRow(step)));
}

QSize frameSize(int picture)
{
    const animation::layout::Place &frame = animation::layout::frames.at(std::size_t(picture)).at;
    return {forms::toPixels(frame.width), forms::toPixels(frame.height)};
}

QRect frameRect(int step)
{
    const animation::CamStep &row = camTable(camOfStep(step)).step(step);
    return {QPoint(forms::toPixels(row.left), forms::toPixels(row.top)), frameSize(row.picture)};
}

} // namespace painter
