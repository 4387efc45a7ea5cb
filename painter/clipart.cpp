// Clip-art drawn flat: the bird and the quiz window's box with a cam and its follower in it.
#include "painter/clipart.h"

#include "painter/camgeometry.h"
#include "painter/scene.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace painter {

namespace {

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

} // namespace painter
