// Lettering from the DejaVu files, so every build draws the same glyphs.
#include "painter/lettering.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

namespace painter {

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

} // namespace painter
