// The spanner, the program's icon: one shape, built here for the sizes drawn pixel by pixel,
// the smooth sizes and the scalable picture alike.
#include "painter/spanner.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTransform>

#include <utility>
#include <vector>

namespace painter {

namespace {

// How the spanner is built for one size of picture.
struct SpannerBuild
{
    // The units it is built in, for one side of the picture. The smooth spanner's are so fine
    // that the boolean operations flatten its round head into many short lines.
    double unit;
    // Handle, head and jaws are this many times their width: at 16 pixels the spanner is
    // fatter so its jaws still read.
    double fat;
    // The spanner's length along the diagonal, in sides of the picture.
    double length;
    // The jaws' slot is a channel with a round end. Joined by the winding rule the two are
    // one opening; by the odd-even rule they cancel where they overlap, which leaves a stub
    // in the slot's throat: the sizes drawn pixel by pixel have always shown it.
    Qt::FillRule slotJoin;
};

SpannerBuild buildFor(int size)
{
    if (size >= 48)
        return {1024, 1.0, 1.12, Qt::WindingFill};
    return {1, size <= 16 ? 1.35 : 1.0, size <= 16 ? 1.0 : 1.12, Qt::OddEvenFill};
}

// The spanner for a square of `size` pixels, and the part of it on its lower side, which is
// shaded.
struct SpannerShape
{
    QPainterPath body;
    QPainterPath lowerSide;
};

SpannerShape spannerShape(double size, const SpannerBuild &build)
{
    // Built along the spanner, from the handle's end to the open jaws, then turned onto the
    // diagonal and scaled to the picture.
    const double unit = build.unit;
    const double half = 0.075 * build.fat * unit, headRadius = 0.17 * build.fat * unit;
    const double gap = 0.068 * build.fat * unit;
    const QPointF headCentre(0.27 * unit, 0);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-0.44 * unit, -half, 0.66 * unit, 2 * half), half, half);
    QPainterPath head;
    head.addEllipse(headCentre, headRadius, headRadius);
    QPainterPath slot;
    slot.setFillRule(build.slotJoin);
    slot.addRect(QRectF(headCentre.x(), -gap, 0.3 * unit, 2 * gap));
    slot.addEllipse(headCentre, gap, gap);
    const QPainterPath shape = handle.united(head).subtracted(slot);
    QPainterPath lowerSide;
    lowerSide.addRect(QRectF(-0.6 * unit, 0.02 * unit, 1.2 * unit, 0.3 * unit));

    QTransform t;
    t.translate(size / 2.0, size / 2.0);
    t.rotate(-45);
    t.scale(size * build.length / unit, size * build.length / unit);
    return {t.map(shape), t.map(shape.intersected(lowerSide))};
}

const QColor metal(192, 192, 192);
const QColor shade(128, 128, 128);

// One piece of the smooth spanner: a shape filled with `fill`, or outlined with `stroke`.
struct SpannerLayer
{
    QPainterPath path;
    QColor fill;
    QColor stroke;
    double strokeWidth = 0;
};

// The smooth spanner, as the large sizes and the scalable picture draw it: its body, the dark
// shading on its lower side, and its outline.
std::vector<SpannerLayer> smoothSpanner(int size)
{
    const SpannerShape shape = spannerShape(size, buildFor(size));
    return {
        {shape.body, metal, {}, 0},
        {shape.lowerSide, shade, {}, 0},
        {shape.body, {}, Qt::black, size / 32.0},
    };
}

// Pixels of `image` that are transparent but touch a painted pixel get `outline`.
void outlineAround(QImage &image, QRgb outline)
{
    const QImage before = image.copy();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(before.pixel(x, y)) != 0)
                continue;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height()
                    && qAlpha(before.pixel(nx, ny)) != 0) {
                    image.setPixel(x, y, outline);
                    break;
                }
            }
        }
    }
}

QString svgNumber(double value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString svgPathData(const QPainterPath &path)
{
    QStringList parts;
    QPointF subpathStart;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = svgNumber(e.x) + QLatin1Char(' ') + svgNumber(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            parts << QStringLiteral("M") + point;
            subpathStart = e;
            break;
        case QPainterPath::LineToElement:
            // A subpath that comes back to its start is closed, so its outline joins there.
            if (QPointF(e) == subpathStart && (i + 1 == path.elementCount()
                                               || path.elementAt(i + 1).isMoveTo()))
                parts << QStringLiteral("Z");
            else
                parts << QStringLiteral("L") + point;
            break;
        case QPainterPath::CurveToElement:
            parts << QStringLiteral("C") + point;
            break;
        case QPainterPath::CurveToDataElement:
            parts << point;
            break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QImage spanner(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (size >= 48) {
        painter.setRenderHint(QPainter::Antialiasing);
        for (const SpannerLayer &layer : smoothSpanner(size)) {
            painter.setBrush(layer.fill.isValid() ? QBrush(layer.fill) : QBrush());
            painter.setPen(layer.stroke.isValid()
                               ? QPen(layer.stroke, layer.strokeWidth, Qt::SolidLine,
                                      Qt::RoundCap, Qt::RoundJoin)
                               : QPen(Qt::NoPen));
            painter.drawPath(layer.path);
        }
        return image;
    }

    // The small sizes are drawn pixel by pixel, with a one-pixel outline around them; the
    // 16-colour icon file holds two of them.
    const SpannerShape shape = spannerShape(size, buildFor(size));
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal);
    painter.drawPath(shape.body);
    painter.setBrush(shade);
    painter.drawPath(shape.lowerSide);
    painter.end();
    outlineAround(image, qRgb(0, 0, 0));
    return image;
}

QByteArray spannerSvg()
{
    const int size = 256;
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(size);
    for (const SpannerLayer &layer : smoothSpanner(size)) {
        svg += QStringLiteral("  <path d=\"%1\"").arg(svgPathData(layer.path));
        if (layer.fill.isValid()) {
            svg += QStringLiteral(" fill=\"%1\" fill-rule=\"%2\"")
                       .arg(layer.fill.name(),
                            layer.path.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                                     : QStringLiteral("evenodd"));
        } else {
            svg += QStringLiteral(" fill=\"none\"");
        }
        if (layer.stroke.isValid()) {
            svg += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" "
                                  "stroke-linejoin=\"round\"")
                       .arg(layer.stroke.name(), svgNumber(layer.strokeWidth));
        }
        svg += QStringLiteral("/>\n");
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

} // namespace painter
