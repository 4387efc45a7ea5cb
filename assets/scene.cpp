// Draws the machine flat-shaded with thin outlines, without antialiasing, so that every pixel
// outside the moving parts of a frame is exactly the backdrop's.
#include "assets/scene.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <map>

namespace assets {

namespace {

constexpr QRgb rimLit = 0xffcdd496;
constexpr QRgb rimShade = 0xff828c46;
constexpr QRgb shaftSide = 0xff6e7896;
constexpr QRgb shaftEnd = 0xff9aa5c3;
constexpr QRgb shaftOutline = 0xff000080;
constexpr QRgb followerLit = 0xffdccadb;
constexpr QRgb followerShade = 0xff967f96;
constexpr QRgb followerTop = 0xffebdceb;
constexpr QRgb housingOutline = 0xff303020;
constexpr QRgb baseLineColour = 0xff302820;
constexpr QRgb baseBottom = 0xff402818;

// Markers for the regions of a cam layer before it is coloured.
constexpr QRgb faceMarker = 0xff0000fe;

bool check(int x, int y)
{
    return (x + y) % 2 == 0;
}

// Window pixel x, y of the housing; `first` picks a check's first colour where it has one.
QRgb housingColour(int x, int y, bool first, QRgb sky)
{
    using namespace housing;
    if (x < left || x > right || y < top || y > bottom)
        return sky;
    if (y <= plateBottom) {
        if (y == top || y == plateEdge || y == plateBottom || x == left || x == right)
            return colours::plateEdge;
        if (y <= plateFaceLast)
            return first ? colours::plateLight : colours::plateLightCheck;
        return colours::underside;
    }
    if (x == left || x == right)
        return housingOutline;
    if (y == baseLine)
        return baseLineColour;
    if (y == bottom)
        return baseBottom;
    const QRgb brown = first ? colours::base : colours::baseCheck;
    if (y > baseLine)
        return brown;
    if (x <= leftPostLast || x >= rightPostFirst)
        return colours::post;
    if (x < panelFirst || x > panelLast)
        return housingOutline;
    return y <= panelBottom ? colours::panel : brown;
}

// A pixel of a painted layer lies on the layer's border if one of the pixels up to `reach`
// away along a row or column is empty: the border is `reach` pixels thick.
bool onBorder(const QImage &layer, int x, int y, QRgb marker, bool sameMarkerOnly, int reach)
{
    static constexpr int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int step = 1; step <= reach; ++step) {
        for (int i = 0; i < 4; ++i) {
            const int nx = x + dx[i] * step, ny = y + dy[i] * step;
            if (nx < 0 || ny < 0 || nx >= layer.width() || ny >= layer.height())
                return true;
            const QRgb n = layer.pixel(nx, ny);
            if (qAlpha(n) == 0 || (sameMarkerOnly && n != marker))
                return true;
        }
    }
    return false;
}

QRgb rimTone(QPointF edge)
{
    // outward normal of a clockwise outline; the light comes from the upper left
    const double length = std::hypot(edge.x(), edge.y());
    if (length == 0)
        return colours::camRim;
    const double nx = edge.y() / length, ny = -edge.x() / length;
    const double lit = (-nx - 1.6 * ny) / std::hypot(1.0, 1.6);
    if (lit > 0.85)
        return rimLit;
    if (lit < 0.2)
        return rimShade;
    return colours::camRim;
}

void paintShaft(QPainter &painter, const CamPose &pose, int scale)
{
    const double s = shaftRadius * pose.scale;
    const QPointF end = pose.centre + shaftEndOffset * pose.scale;
    const QPen outline(QColor(shaftOutline), scale);
    painter.setPen(outline);
    painter.setBrush(QColor(0xff404050));
    painter.drawEllipse(pose.centre, s + scale, s + scale); // the bore's edge
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(shaftSide));
    painter.drawEllipse(pose.centre, s, s);
    const QPointF d = end - pose.centre;
    const double len = std::hypot(d.x(), d.y());
    const QPointF across = QPointF(-d.y(), d.x()) / len * s;
    painter.drawPolygon(QPolygonF{pose.centre + across, end + across, end - across,
                                  pose.centre - across});
    painter.setPen(outline);
    painter.setBrush(QColor(shaftEnd));
    painter.drawEllipse(end, s, s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(shaftOutline));
    painter.drawEllipse(end, double(scale), double(scale));
}

// Fills `shape` pixel by pixel with tone(x, y) and an `outline` `reach` pixels thick along its
// border.
template<typename Tone>
void paintFlat(QImage &target, const QPainterPath &shape, QRgb outline, int reach, Tone tone)
{
    const QRect bounds = shape.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    QImage mask(bounds.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.translate(-bounds.topLeft());
        painter.fillPath(shape, QColor(faceMarker));
    }
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (qAlpha(mask.pixel(x, y)) == 0)
                continue;
            const QPoint p = bounds.topLeft() + QPoint(x, y);
            if (!target.rect().contains(p))
                continue;
            target.setPixel(p, onBorder(mask, x, y, faceMarker, false, reach) ? outline
                                                                              : tone(p.x(), p.y()));
        }
    }
}

void paintFollower(QImage &target, int frame, int scale)
{
    const Cam cam = camOfStep(frame);
    const Columns rod = rodColumns(cam);
    const Columns foot = footColumns(cam);
    // Rows and columns in the target's pixels.
    const double s = scale;
    const int top = rodTopRow(frame, scale);
    const int footBottom = footBottomRow(frame, scale);
    const int footTop = footBottom - follower::footRows * scale + 1;
    const double rodLeft = rod.first * s, rodRight = (rod.last + 1.0) * s;
    const double endHalf = follower::rodEndRows * s / 2.0;

    auto cylinder = [&](int x, int) {
        const double f = ((x + 0.5) / scale - rod.first) / rod.width();
        return f < 0.3 ? followerLit : f < 0.7 ? colours::follower : followerShade;
    };

    // Above the plate the rod runs down into the hole, ending at the hole's middle.
    const double holeMiddle = (holePosition.y() + holeSize.height() / 2.0) * s;
    QPainterPath upper;
    upper.addRect(QRectF(rodLeft, top + endHalf, rodRight - rodLeft, holeMiddle - top - endHalf));
    upper.addEllipse(QRectF(rodLeft, holeMiddle - endHalf / 2, rodRight - rodLeft, endHalf));
    paintFlat(target, upper.simplified(), colours::followerOutline, scale, cylinder);
    QPainterPath end;
    end.addEllipse(QRectF(rodLeft, top, rodRight - rodLeft, follower::rodEndRows * s));
    paintFlat(target, end, colours::followerOutline, scale, [](int, int) { return followerTop; });

    // Below the plate the rod comes out above the foot.
    const double underPlate = (housing::plateBottom + 1.0) * s;
    QPainterPath lower;
    lower.addRect(QRectF(rodLeft, underPlate, rodRight - rodLeft, footTop + 1.0 - underPlate));
    paintFlat(target, lower, colours::followerOutline, scale, cylinder);

    QPainterPath plate;
    plate.addRect(QRectF(foot.first * s, footTop, foot.width() * s, follower::footRows * s));
    const int faceTop = footTop + follower::footTopFaceRows * scale;
    paintFlat(target, plate, colours::followerOutline, scale, [&](int x, int y) {
        if (y >= faceTop && y < faceTop + scale)
            return colours::followerOutline;
        if (y < faceTop)
            return followerTop;
        return x / scale < foot.first + 6 ? followerLit : colours::follower;
    });
}

} // namespace

QRgb ditheredBlend(QRgb from, QRgb to, double t, int x, int y)
{
    // Each channel falls between two steps of 8; the pixel's place in the check decides.
    const double threshold = check(x, y) ? 0.25 : 0.75;
    auto channel = [&](int a, int b) {
        const double v = a + (b - a) * std::clamp(t, 0.0, 1.0);
        const double low = std::floor(v / 8) * 8;
        const double value = (v - low) / 8 > threshold ? low + 8 : low;
        return std::clamp(int(value), 0, 255);
    };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                channel(qBlue(from), qBlue(to)));
}

QRgb skyColour(int x, int y, int height)
{
    const double t = double(y) / (height - 1);
    if (t < 0.5)
        return ditheredBlend(colours::skyTop, colours::skyMiddle, t * 2, x, y);
    return ditheredBlend(colours::skyMiddle, colours::skyBottom, t * 2 - 1, x, y);
}

QImage backdrop(int scale)
{
    QImage image(QSize(641, 419) * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, housingColour(x / scale, y / scale, check(x, y),
                                               skyColour(x, y, image.height())));
    return image;
}

QImage strip(int scale)
{
    QImage image(stripSize * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const int row = y / scale;
        for (int x = 0; x < image.width(); ++x) {
            const int wx = x + stripPosition.x() * scale, wy = y + stripPosition.y() * scale;
            QRgb c = colours::underside;
            if (row < 3)
                c = check(wx, wy) ? colours::plateLight : colours::plateLightCheck;
            else if (row == 3 || row == stripSize.height() - 1)
                c = colours::plateEdge;
            image.setPixel(x, y, c);
        }
    }
    return image;
}

QImage hole(int scale)
{
    QImage image(holeSize * scale, QImage::Format_RGB32);
    const double cx = holeSize.width() / 2.0, cy = holeSize.height() / 2.0;
    const double rx = cx - 1, ry = cy - 1;
    const double depth = 5.0;
    auto inside = [](double dx, double dy, double ax, double ay) {
        return (dx * dx) / (ax * ax) + (dy * dy) / (ay * ay) <= 1.0;
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int wx = x + holePosition.x() * scale, wy = y + holePosition.y() * scale;
            // the ellipses are measured in window pixels, at the device pixel's centre
            const double dx = (x + 0.5) / scale - cx, dy = (y + 0.5) / scale - cy;
            QRgb c = check(wx, wy) ? colours::plateLight : colours::plateLightCheck;
            if (inside(dx, dy, rx, ry)) {
                c = colours::plateEdge;
                if (inside(dx, dy, rx - 1.5, ry - 1.2)) {
                    if (inside(dx, dy - depth, rx - 1.5, ry - 1.2)) {
                        c = 0xff808080; // the floor
                    } else {
                        const double t = (x + 0.5) / scale / holeSize.width();
                        c = ditheredBlend(0xffdcdccf, 0xff505048, t, wx, wy);
                    }
                }
            }
            image.setPixel(x, y, c);
        }
    }
    const int mark = int(cx) * scale;
    for (int y = scale; y < 4 * scale; ++y)
        for (int x = mark; x < mark + scale; ++x)
            image.setPixel(x, y, colours::plateEdge);
    return image;
}

void paintCam(QImage &target, Cam cam, const CamPose &pose, int scale)
{
    const CamBody body = paintCamBody(
        cam, pose, colours::camRim, [](QPointF edge) { return rimTone(edge); }, faceMarker);
    const QImage &layer = body.layer;
    const QRect bounds(body.origin, layer.size());

    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb c = layer.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            const QPoint p = bounds.topLeft() + QPoint(x, y);
            if (!target.rect().contains(p))
                continue;
            QRgb out = c;
            if (onBorder(layer, x, y, 0, false, scale))
                out = colours::camOutline;
            else if (c == faceMarker)
                out = onBorder(layer, x, y, faceMarker, true, scale)
                          ? colours::camOutline
                          : (check(p.x(), p.y()) ? colours::camFace : colours::camFaceCheck);
            target.setPixel(p, out);
        }
    }

    QPainter painter(&target);
    paintShaft(painter, pose, scale);
}

QImage scene(int frame, int scale)
{
    // Every scene starts from the same stage, the backdrop with the hole on the plate; the
    // dithered sky is the slowest thing drawn, so draw the stage once for each scale.
    static std::map<int, QImage> stages;
    QImage &stage = stages[scale];
    if (stage.isNull()) {
        stage = backdrop(scale);
        QPainter painter(&stage);
        painter.drawImage(holePosition * scale, hole(scale));
    }
    QImage image = stage;
    paintCam(image, camOfStep(frame), framePose(frame, scale), scale);
    paintFollower(image, frame, scale);
    return image;
}

QImage animationFrame(int frame, int scale)
{
    const QRect at = frameRect(frame);
    return scene(frame, scale).copy(QRect(at.topLeft() * scale, at.size() * scale));
}

QImage tile(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, ditheredBlend(0xffd8d4e4, 0xffa89ed4,
                                               double(y) / (size.height() - 1), x, y));
    return image;
}

QImage camIcon(Cam cam, QSize size, int scale)
{
    QImage image = tile(size * scale);
    const QRect unit = camPixelBounds(cam, CamPose{});
    const double margin = 6.0;
    const double fit = std::min((size.width() - 2 * margin) / unit.width(),
                                (size.height() - 2 * margin) / unit.height());
    const QPointF middle = QRectF(unit).center() * fit;
    const CamPose pose{(QPointF(size.width() / 2.0, size.height() / 2.0) - middle) * scale, 0.0,
                       fit * scale};
    paintCam(image, cam, pose, scale);
    return image;
}

} // namespace assets
