// The lettering: titles and labels drawn from the DejaVu files, so every build draws the same
// glyphs.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace painter {

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

} // namespace painter
