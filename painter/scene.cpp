// Draws the machine flat-shaded with thin outlines. Curved and slanted edges are smoothed by
// coverage against whatever lies beneath them on the whole scene, so a frame cut out of it
// still shows exactly the backdrop's pixels outside the moving parts.
#include "painter/scene.h"

#include "painter/samplelayer.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <map>

namespace painter {

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

// Samples a device pixel each way for every smoothed edge.
constexpr int samples = 4;

double smoothStep(double from, double to, double v)
{
    const double t = std::clamp((v - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QRgb mix(QRgb a, QRgb b, double t)
{
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                channel(qBlue(a), qBlue(b)));
}

QRgb rimTone(QPointF edge)
{
    // outward normal of a clockwise outline; the light comes from the upper left
    const double length = std::hypot(edge.x(), edge.y());
    if (length == 0)
        return colours::camRim;
    const double nx = edge.y() / length, ny = -edge.x() / length;
    const double lit = (-nx - 1.6 * ny) / std::hypot(1.0, 1.6);
    // The lit and the shaded bands fade in over a few degrees of the rim, not at one edge.
    const QRgb lower = mix(rimShade, colours::camRim, smoothStep(0.12, 0.28, lit));
    return mix(lower, rimLit, smoothStep(0.8, 0.9, lit));
}

void paintShaft(QPainter &painter, const CamPose &pose, int scale)
{
    const double s = shaftRadius * pose.scale;
    const QPointF end = pose.centre + shaftEndOffset * pose.scale;
    const QPen outline(QColor(shaftOutline), scale);
    painter.setRenderHint(QPainter::Antialiasing);
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

// The hole's opening on the plate, in window pixels: where the rod goes down into it.
QRectF holeOpening()
{
    const QPointF centre = QPointF(holePosition) + QPointF(holeSize.width(), holeSize.height()) / 2;
    const double rx = holeSize.width() / 2.0 - 1 - 1.5, ry = holeSize.height() / 2.0 - 1 - 1.2;
    return {centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry};
}

QRectF scaled(const QRectF &r, double s)
{
    return {r.topLeft() * s, r.size() * s};
}

void paintFollower(QImage &target, int step, int scale)
{
    const Cam cam = camOfStep(step);
    const Columns rod = rodColumns(cam);
    const Columns foot = footColumns(cam);
    // Rows and columns in the target's pixels.
    const double s = scale;
    const int top = rodTopRow(step, scale);
    const int footBottom = footBottomRow(step, scale);
    const int footTop = footBottom - follower::footRows * scale + 1;
    const double rodLeft = rod.first * s, rodRight = (rod.last + 1.0) * s;
    const double endHalf = follower::rodEndRows * s / 2.0;

    const QRect bounds(QPoint(foot.first * scale - 2, top - 2),
                       QPoint((foot.last + 1) * scale + 1, footBottom + 2));
    SampleLayer layer(bounds, samples);
    auto cylinder = [&](int x, int) {
        const double f = ((x + 0.5) / scale - rod.first) / rod.width();
        return f < 0.3 ? followerLit : f < 0.7 ? colours::follower : followerShade;
    };
    const int outline = layer.addColour(colours::followerOutline);

    // One rod from its top face down to the foot; the plate in front of it hides it later.
    const QRectF shaft(rodLeft, top + endHalf, rodRight - rodLeft, footTop + 1.0 - top - endHalf);
    QPainterPath body;
    body.addRect(shaft);
    layer.fillOutlined(body, layer.addPaint(cylinder), outline, s);

    // Below the plate's face, inside the hole, the rod stands in the hole's shade.
    const QRectF opening = scaled(holeOpening(), s);
    const double rodRadius = (rodRight - rodLeft) / 2.0;
    const double crossHalf = rodRadius * opening.height() / opening.width();
    QPainterPath inShade;
    inShade.addRect(QRectF(rodLeft, opening.center().y(), rodRight - rodLeft, opening.height()));
    QPainterPath crossSection;
    crossSection.addEllipse(QPointF((rodLeft + rodRight) / 2, opening.center().y()), rodRadius,
                            crossHalf);
    std::vector<bool> shaded = layer.cover(inShade.subtracted(crossSection));
    const std::vector<bool> edges = layer.border(layer.cover(body), s);
    for (std::size_t i = 0; i < shaded.size(); ++i)
        shaded[i] = shaded[i] && !edges[i];
    layer.set(shaded, layer.addPaint([&](int x, int y) {
        return mix(cylinder(x, y), 0xff504850, 0.35);
    }));

    QPainterPath end;
    end.addEllipse(QRectF(rodLeft, top, rodRight - rodLeft, follower::rodEndRows * s));
    layer.fillOutlined(end, layer.addColour(followerTop), outline, s);

    // The plate's face in front of the hole and the plate's edges below it pass in front.
    QPainterPath plateFront;
    plateFront.addRect(QRectF(foot.first * s, opening.center().y(), foot.width() * s,
                              (housing::plateBottom + 1.0) * s - opening.center().y()));
    QPainterPath hole;
    hole.addEllipse(opening);
    layer.erase(layer.cover(plateFront.subtracted(hole)));

    QPainterPath plate;
    plate.addRect(QRectF(foot.first * s, footTop, foot.width() * s, follower::footRows * s));
    const int faceTop = footTop + follower::footTopFaceRows * scale;
    layer.fillOutlined(plate, layer.addPaint([&](int x, int y) {
        if (y >= faceTop && y < faceTop + scale)
            return colours::followerOutline;
        if (y < faceTop)
            return followerTop;
        return x / scale < foot.first + 6 ? followerLit : colours::follower;
    }), outline, s);
    layer.resolve(target);
}

} // namespace

QRgb ditheredBlend(QRgb from, QRgb to, double t, int x, int y)
{
    // Each channel falls between two neighbouring levels; the pixel's place in the check
    // decides, so a gradient moves on by half a level at a time and never shows a band.
    const double threshold = check(x, y) ? 0.25 : 0.75;
    auto channel = [&](int a, int b) {
        const double v = a + (b - a) * std::clamp(t, 0.0, 1.0);
        const double low = std::floor(v);
        const double value = v - low > threshold ? low + 1 : low;
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
    QImage image(backdropSize * scale, QImage::Format_RGB32);
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
            const QRgb plate = check(wx, wy) ? colours::plateLight : colours::plateLightCheck;
            const double t = (x + 0.5) / scale / holeSize.width();
            const QRgb wall = ditheredBlend(0xffdcdccf, 0xff505048, t, wx, wy);
            // the ellipses are measured in window pixels, at each sample of the device pixel
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double dx = (x + (sx + 0.5) / samples) / scale - cx;
                    const double dy = (y + (sy + 0.5) / samples) / scale - cy;
                    QRgb c = plate;
                    if (inside(dx, dy, rx, ry)) {
                        c = colours::plateEdge;
                        if (inside(dx, dy, rx - 1.5, ry - 1.2))
                            c = inside(dx, dy - depth, rx - 1.5, ry - 1.2) ? 0xff808080 : wall;
                    }
                    r += qRed(c), g += qGreen(c), b += qBlue(c);
                }
            }
            const int all = samples * samples;
            image.setPixel(x, y, qRgb((r + all / 2) / all, (g + all / 2) / all,
                                      (b + all / 2) / all));
        }
    }
    const int mark = int(cx) * scale;
    for (int y = scale; y < 4 * scale; ++y)
        for (int x = mark; x < mark + scale; ++x)
            image.setPixel(x, y, colours::plateEdge);
    return image;
}

namespace {

// Where the follower's foot rests on the cam: its columns and the first row under it.
struct Contact {
    int first = 0;
    int last = -1;
    int row = 0;
};

void paintCam(QImage &target, Cam cam, const CamPose &pose, int scale, const Contact &contact)
{
    const CamBody body = paintCamBody(
        cam, pose, colours::camRim, [](QPointF edge) { return rimTone(edge); }, faceMarker,
        samples);
    SampleLayer layer(QRect(body.origin, body.layer.size() / samples), samples);
    const int face = layer.addPaint([](int x, int y) {
        return check(x, y) ? colours::camFace : colours::camFaceCheck;
    });
    std::vector<int> &paints = layer.paints();
    std::vector<bool> inside(paints.size()), front(paints.size());
    QRgb last = 0;
    int lastPaint = SampleLayer::empty;
    for (int y = 0; y < layer.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(body.layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const std::size_t i = std::size_t(y) * layer.width() + x;
            const QRgb c = line[x];
            if (qAlpha(c) == 0)
                continue;
            inside[i] = true;
            front[i] = c == faceMarker;
            if (c != last) {
                last = c;
                lastPaint = front[i] ? face : layer.addColour(c);
            }
            paints[i] = lastPaint;
        }
    }
    // A shade thicker than a pixel, so the smoothed curve still reads as a solid line.
    const double reach = 1.6 * scale;
    const int outline = layer.addColour(colours::camOutline);
    layer.set(layer.border(inside, reach), outline);
    layer.set(layer.border(front, reach), outline);

    // Where the rim comes within a fraction of a pixel of the foot, its outline lies flat
    // against the foot's sole for the whole pixel: no sliver of backdrop between them, and a
    // pointed rim still meets the sole with a pixel of outline.
    const QRect bounds = layer.bounds();
    const int sole = (contact.row - bounds.top()) * samples;
    auto topOf = [&](int column) {
        int first = 0;
        while (first < layer.height() && !inside[std::size_t(first) * layer.width() + column])
            ++first;
        return first;
    };
    for (int x = contact.first; x <= contact.last; ++x) {
        const int left = (x - bounds.left()) * samples;
        if (left < 0 || left + samples > layer.width())
            continue;
        bool touches = false;
        for (int column = left; column < left + samples; ++column)
            touches = touches || topOf(column) <= sole + (3 * scale * samples) / 4;
        if (!touches)
            continue;
        for (int column = left; column < left + samples; ++column) {
            for (int y = std::max(sole, 0); y < sole + scale * samples && y < layer.height(); ++y)
                paints[std::size_t(y) * layer.width() + column] = outline;
        }
    }
    layer.resolve(target);

    QPainter painter(&target);
    paintShaft(painter, pose, scale);
}

} // namespace

void paintCam(QImage &target, Cam cam, const CamPose &pose, int scale)
{
    paintCam(target, cam, pose, scale, Contact{});
}

QImage scene(int step, int scale)
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
    const Columns foot = footColumns(camOfStep(step));
    const Contact contact{foot.first * scale, (foot.last + 1) * scale - 1,
                          footBottomRow(step, scale) + 1};
    paintCam(image, camOfStep(step), framePose(step, scale), scale, contact);
    paintFollower(image, step, scale);
    return image;
}

QImage animationFrame(int step, int scale)
{
    const QRect at = frameRect(step);
    return scene(step, scale).copy(QRect(at.topLeft() * scale, at.size() * scale));
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

} // namespace painter
