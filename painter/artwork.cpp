// Lettering from the DejaVu files, so every build draws the same glyphs; clip-art drawn flat.
#include "painter/artwork.h"

#include "painter/camgeometry.h"
#include "painter/scene.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace assets {

namespace {

const QString fontDirectory = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
QString boldFamily = QStringLiteral("DejaVu Sans");

QPainterPath textPath(const QString &text, int pixelSize)
{
    QFont font(boldFamily);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// The lines one under the other, each centred on the first; one line is just its text.
QPainterPath linesPath(const QStringList &lines, int pixelSize)
{
    if (lines.size() == 1)
        return textPath(lines.front(), pixelSize);
    QPainterPath path;
    const double advance = pixelSize * 0.9;
    for (int i = 0; i < lines.size(); ++i) {
        const QPainterPath line = textPath(lines[i], pixelSize);
        path.addPath(line.translated(-line.boundingRect().center().x(), advance * i));
    }
    return path;
}

// Scales `path` into `box`, narrower than its own shape at most by `maxStretch` and never
// wider, and centres it.
QPainterPath fitted(const QPainterPath &path, const QRectF &box, double maxStretch)
{
    const QRectF r = path.boundingRect();
    double sx = box.width() / r.width(), sy = box.height() / r.height();
    sx = std::min(sx, sy);
    sy = std::min(sy, sx * maxStretch);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(path);
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

QBrush checkBrush(QRgb a, QRgb b)
{
    QImage pattern(2, 2, QImage::Format_RGB32);
    pattern.setPixel(0, 0, a);
    pattern.setPixel(1, 1, a);
    pattern.setPixel(1, 0, b);
    pattern.setPixel(0, 1, b);
    return QBrush(pattern);
}

} // namespace

bool loadFonts()
{
    bool ok = true;
    for (const char *file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(fontDirectory + QLatin1String(file));
        ok = ok && id >= 0;
        if (id >= 0 && QLatin1String(file) == QLatin1String("DejaVuSans-Bold.ttf"))
            boldFamily = QFontDatabase::applicationFontFamilies(id).value(0, boldFamily);
    }
    return ok;
}

QImage titleLettering(QSize size, const QString &text, int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QPainterPath path = fitted(linesPath(text.split(QLatin1Char('\n')), 64),
                                     QRectF(3, 3, size.width() - 6, size.height() - 6), 1.6);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(112, 64, 128));
    painter.drawPath(path.translated(1.2, 1.2));
    painter.setBrush(QColor(236, 176, 236));
    painter.drawPath(path);
    // The shine: a thin light green band inside each stroke, along the edges that face the
    // light at the upper left. It lies within the letter, so it never crosses a stroke or
    // fills the gap between two parts of a letter.
    painter.setBrush(QColor(184, 255, 184));
    painter.drawPath(path.subtracted(path.translated(1.2, 1.2)));
    return image;
}

QImage labelLettering(QSize size, const QStringList &lines, int scale, double narrowest)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 210, 255));
    const double lineHeight = double(size.height()) / double(lines.size());
    // One letter size for every line, so "Double" and "Lobe" match. A word too long for the
    // width keeps its height and grows narrower, down to `narrowest` of its width, before it
    // grows smaller.
    double across = 1e9, down = 1e9;
    for (const QString &line : lines) {
        const QRectF r = textPath(line, 100).boundingRect();
        across = std::min(across, (size.width() - 4) / r.width());
        down = std::min(down, (lineHeight - 4) / r.height());
    }
    down = std::min(down, across / narrowest);
    across = std::min(across, down);
    for (int i = 0; i < lines.size(); ++i) {
        const QPainterPath path = textPath(lines[i], 100);
        const QRectF r = path.boundingRect();
        QTransform t;
        t.translate(size.width() / 2.0, lineHeight * (i + 0.5));
        t.scale(across, down);
        t.translate(-r.center().x(), -r.center().y());
        painter.drawPath(t.map(path));
    }
    return image;
}

QImage bird(int scale)
{
    QImage image(QSize(120, 76) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QImage layer(image.size(), QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    const QBrush feathers = checkBrush(qRgb(0, 224, 224), qRgb(144, 144, 152));
    const QBrush paleFeathers = checkBrush(qRgb(128, 240, 240), qRgb(208, 208, 216));
    QPainter painter(&layer);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));

    QPainterPath farWing;
    farWing.moveTo(62, 36);
    farWing.cubicTo(66, 22, 78, 10, 92, 4);
    farWing.cubicTo(88, 16, 82, 28, 74, 38);
    farWing.closeSubpath();
    painter.setBrush(paleFeathers);
    painter.drawPath(farWing);

    QPainterPath tail;
    tail.moveTo(36, 42);
    tail.lineTo(8, 34);
    tail.lineTo(12, 42);
    tail.lineTo(6, 50);
    tail.lineTo(36, 50);
    tail.closeSubpath();
    painter.setBrush(feathers);
    painter.drawPath(tail);

    QPainterPath body;
    body.moveTo(32, 46);
    body.cubicTo(44, 34, 72, 30, 88, 36);
    body.cubicTo(96, 40, 92, 52, 80, 54);
    body.cubicTo(64, 58, 44, 56, 32, 46);
    painter.setBrush(feathers);
    painter.drawPath(body);

    QPainterPath belly;
    belly.moveTo(46, 52);
    belly.cubicTo(60, 56, 76, 56, 86, 50);
    belly.cubicTo(76, 50, 60, 50, 46, 52);
    painter.setBrush(paleFeathers);
    painter.drawPath(belly);

    painter.setBrush(feathers);
    painter.drawEllipse(QPointF(94, 36), 9, 8);

    QPainterPath beak;
    beak.moveTo(102, 32);
    beak.lineTo(115, 37);
    beak.lineTo(102, 40);
    beak.closeSubpath();
    painter.setBrush(QColor(255, 224, 0));
    painter.drawPath(beak);

    painter.setBrush(QColor(224, 0, 0));
    painter.drawEllipse(QPointF(92, 43), 3, 2); // the red throat patch
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(97, 34), 1.5, 1.5);

    QPainterPath nearWing;
    nearWing.moveTo(48, 42);
    nearWing.cubicTo(44, 28, 34, 14, 18, 6);
    nearWing.lineTo(26, 14);
    nearWing.lineTo(20, 16);
    nearWing.lineTo(32, 24);
    nearWing.lineTo(26, 26);
    nearWing.lineTo(40, 34);
    nearWing.cubicTo(46, 40, 60, 44, 70, 40);
    nearWing.closeSubpath();
    painter.setBrush(feathers);
    painter.drawPath(nearWing);
    painter.end();

    QPainter onto(&image);
    onto.drawImage(0, 0, layer);
    return image;
}

QImage quizBackdrop(int scale)
{
    QImage image(QSize(640, 397) * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, skyColour(x, y, image.height()));

    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    // A one-pixel pen on whole coordinates would straddle two pixels at the ordinary size:
    // centre it on them, so level and upright lines stay crisp while slants are smoothed.
    if (scale == 1)
        painter.translate(0.5, 0.5);
    painter.setPen(QPen(QColor(48, 48, 16), 1));

    // The box: floor corners front-left, front-right, back-right, back-left; walls stand up.
    const QPointF fl(40, 340), fr(500, 340), br(448, 190), bl(96, 190);
    const QPointF up(0, -64);
    const QPointF frontUp(0, -26);
    const QColor olive(128, 128, 48), oliveDark(96, 96, 32);
    const QColor brown(120, 72, 40), floor(200, 200, 200);

    painter.setBrush(floor);
    painter.drawPolygon(QPolygonF{fl, fr, br, bl});
    painter.setBrush(olive);
    painter.drawPolygon(QPolygonF{bl, br, br + up, bl + up}); // back wall, inner face
    painter.setBrush(oliveDark);
    painter.drawPolygon(QPolygonF{fl, bl, bl + up, fl + up}); // left wall, inner face
    painter.setBrush(brown);
    painter.drawPolygon(QPolygonF{fr, br, br + up, fr + up}); // right end, inner face

    // The walls' lit top edges; the left wall's lies behind the follower, which comes in
    // over it, so it is drawn before the follower and the others after.
    const QColor oliveTop(168, 168, 96);
    auto topEdge = [&](QPointF a, QPointF b) {
        painter.setPen(QPen(QColor(48, 48, 16), 1));
        painter.setBrush(oliveTop);
        painter.drawPolygon(QPolygonF{a, b, b + QPointF(0, -5), a + QPointF(0, -5)});
    };
    topEdge(fl + frontUp, bl + up);

    // The follower's way through the left wall, at the cam's height.
    const double camTop = 236;
    const double wallX = 40 + (96 - 40) * (340 - (camTop + 30)) / 150.0;
    painter.setBrush(QColor(40, 40, 16));
    painter.drawEllipse(QPointF(wallX, camTop - 2), 7, 10);

    // The shaft stands on the floor and the cam lies flat on it.
    const QPointF shaft(300, 300);
    const QColor shaftColour(120, 130, 160), shaftLight(160, 170, 200);
    painter.setBrush(shaftColour);
    painter.drawRect(QRectF(shaft.x() - 9, camTop - 60, 18, shaft.y() - camTop + 60));
    painter.drawEllipse(shaft, 9, 4);

    QPolygonF disc;
    for (int i = 0; i < 360; i += 2) {
        const double r = camRadius(Cam::Pear, i) * 1.5;
        const double a = qDegreesToRadians(double(i) + 100);
        disc << QPointF(shaft.x() + 12 + r * std::sin(a), camTop - 0.42 * r * std::cos(a));
    }
    const QPointF thickness(0, 12);
    // The side in narrow pieces, each edged in its own colour so no seam shows between them.
    const QColor side(214, 204, 120);
    painter.setBrush(side);
    painter.setPen(QPen(side, 1));
    for (int i = 0; i < disc.size(); ++i) {
        const QPointF a = disc[i], b = disc[(i + 1) % disc.size()];
        painter.drawPolygon(QPolygonF{a, b, b + thickness, a + thickness});
    }
    painter.setPen(QPen(QColor(112, 112, 32), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(disc.translated(thickness));
    painter.setBrush(QColor(250, 240, 160));
    painter.drawPolygon(disc);
    painter.setPen(QPen(QColor(0, 0, 96), 1));
    painter.setBrush(shaftColour);
    painter.drawRect(QRectF(shaft.x() - 9, camTop - 60, 18, 60));
    painter.setBrush(shaftLight);
    painter.drawEllipse(QPointF(shaft.x(), camTop - 60), 9, 4);

    // The follower comes in level from the left, its square plate on the cam's rim.
    double rimX = 1e9;
    for (const QPointF &p : disc)
        if (std::abs(p.y() - camTop) < 8)
            rimX = std::min(rimX, p.x());
    const double rodY = camTop - 2;
    const QColor mauve(192, 176, 191), mauveLight(220, 205, 220), outline(128, 0, 128);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(mauve);
    painter.drawRect(QRectF(4, rodY - 7, rimX - 10, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(mauveLight);
    painter.drawRect(QRectF(5, rodY - 6, rimX - 12, 4));
    painter.setPen(QPen(outline, 1));
    painter.setBrush(mauve);
    painter.drawPolygon(QPolygonF{QPointF(rimX - 5, rodY - 24), QPointF(rimX + 1, rodY - 28),
                                  QPointF(rimX + 1, rodY + 16), QPointF(rimX - 5, rodY + 20)});
    painter.setBrush(mauveLight);
    painter.drawPolygon(QPolygonF{QPointF(rimX - 11, rodY - 20), QPointF(rimX - 5, rodY - 24),
                                  QPointF(rimX - 5, rodY + 20), QPointF(rimX - 11, rodY + 24)});

    // The front wall is low, so the inside shows; its top edge is lit.
    painter.setPen(QPen(QColor(48, 48, 16), 1));
    painter.setBrush(olive);
    painter.drawPolygon(QPolygonF{fl, fr, fr + frontUp, fl + frontUp});
    for (const auto &[a, b] : {std::pair{fl + frontUp, fr + frontUp}, {bl + up, br + up},
                               {fr + frontUp, br + up}})
        topEdge(a, b);
    return image;
}

namespace {

// One piece of the smooth spanner: a shape filled with `fill`, or outlined with `stroke`.
struct SpannerLayer
{
    QPainterPath path;
    QColor fill;
    QColor stroke;
    double strokeWidth = 0;
};

// The spanner for a square of `size` pixels, as the smooth sizes and the scalable picture
// draw it: its body, the dark shading on its lower side, and its outline.
std::vector<SpannerLayer> smoothSpanner(double size)
{
    // Built along the spanner, from the handle's end to the open jaws, in units so fine that
    // the boolean operations flatten the round head into many short lines, then turned onto
    // the diagonal and scaled to the picture.
    const double unit = 1024;
    const double half = 0.075 * unit, headRadius = 0.17 * unit, gap = 0.068 * unit;
    const QPointF headCentre(0.27 * unit, 0);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-0.44 * unit, -half, 0.66 * unit, 2 * half), half, half);
    QPainterPath head;
    head.addEllipse(headCentre, headRadius, headRadius);
    // The jaws' slot: a channel with a round end; winding so the two overlap as one.
    QPainterPath slot;
    slot.setFillRule(Qt::WindingFill);
    slot.addRect(QRectF(headCentre.x(), -gap, 0.3 * unit, 2 * gap));
    slot.addEllipse(headCentre, gap, gap);
    const QPainterPath shape = handle.united(head).subtracted(slot);
    QPainterPath lowerSide;
    lowerSide.addRect(QRectF(-0.6 * unit, 0.02 * unit, 1.2 * unit, 0.3 * unit));

    QTransform t;
    t.translate(size / 2.0, size / 2.0);
    t.rotate(-45);
    t.scale(size * 1.12 / unit, size * 1.12 / unit);
    const QPainterPath body = t.map(shape);
    return {
        {body, QColor(192, 192, 192), {}, 0},
        {t.map(shape.intersected(lowerSide)), QColor(128, 128, 128), {}, 0},
        {body, {}, Qt::black, size / 32.0},
    };
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
    if (size >= 48) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
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
    // 16-colour icon file holds two of them. At 16 pixels the spanner is fatter so its jaws
    // still read.
    const double fat = size <= 16 ? 1.35 : 1.0;
    const double half = 0.075 * fat, headRadius = 0.17 * fat, gap = 0.068 * fat;
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-0.44, -half, 0.66, 2 * half), half, half);
    QPainterPath head;
    head.addEllipse(QPointF(0.27, 0), headRadius, headRadius);
    QPainterPath slot;
    slot.addRect(QRectF(0.27, -gap, 0.3, 2 * gap));
    slot.addEllipse(QPointF(0.27, 0), gap, gap);
    const QPainterPath shape = handle.united(head).subtracted(slot.simplified());
    QPainterPath shadow;
    shadow.addRect(QRectF(-0.6, 0.02, 1.2, 0.3));

    QTransform t;
    t.translate(size / 2.0, size / 2.0);
    t.rotate(-45);
    t.scale(size * (size <= 16 ? 1.0 : 1.12), size * (size <= 16 ? 1.0 : 1.12));

    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    const QPainterPath body = t.map(shape);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawPath(body);
    painter.setBrush(QColor(128, 128, 128));
    painter.drawPath(body.intersected(t.map(shadow)));
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

} // namespace assets
