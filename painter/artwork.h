// The pictures that are not the machine: lettering, the bird, the quiz window's box and the
// spanner icon.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace assets {

// Loads the DejaVu faces the lettering uses; false if one is missing.
bool loadFonts();

// Each picture can be drawn `scale` times its size (1 or 2); `size` is the ordinary size and
// the drawing is scaled with it, pens included.

// Large lavender-pink letters with light green highlights, on black; a line break in `text`
// sets the lines one under the other.
QImage titleLettering(QSize size, const QString &text, int scale = 1);

// Light blue letters on black, one line of the picture for each entry. A line too long for
// the width is drawn narrower, down to `narrowest` times its width, before it is drawn smaller.
QImage labelLettering(QSize size, const QStringList &lines, int scale = 1,
                      double narrowest = 1.0);

QImage bird(int scale = 1);
QImage quizBackdrop(int scale = 1);

// The spanner drawn for a square of `size` pixels; transparent around it. Below 48 pixels it
// is drawn pixel by pixel with a one-pixel black outline; from 48 pixels up, smoothed.
QImage spanner(int size);

// The smooth spanner as a scalable picture: an SVG document of the same shapes, 256 units
// square.
QByteArray spannerSvg();

} // namespace assets
