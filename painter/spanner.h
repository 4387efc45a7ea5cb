// The spanner, the program's icon: one shape, drawn pixel by pixel at the small sizes,
// smoothed at the large ones, and written out as a scalable picture.
#pragma once

#include <QByteArray>
#include <QImage>

namespace painter {

// The spanner drawn for a square of `size` pixels; transparent around it. Below 48 pixels it
// is drawn pixel by pixel with a one-pixel black outline; from 48 pixels up, smoothed.
QImage spanner(int size);

// The smooth spanner as a scalable picture: an SVG document of the same shapes, 256 units
// square.
QByteArray spannerSvg();

} // namespace painter
