// The keyboard's places over a surface's pictures, and the mark that shows which has the focus;
// the surface's own focus and keys that move between them are in surface.cpp.
#include "focusplaces.h"

#include "picture.h"
#include "surface.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace forms {

FocusPlaces::FocusPlaces(const Surface &surface)
    : m_surface(surface)
{
}

void FocusPlaces::add(std::vector<const Picture *> pictures)
{
    m_places.push_back(std::move(pictures));
}

QRect FocusPlaces::area(int index) const
{
    QRect spot;
    for (const Picture *picture : m_places.at(std::size_t(index)))
        spot |= picture->area();
    return spot;
}

const Picture *FocusPlaces::reached(int index) const
{
    return m_surface.pictureAt(area(index).center());
}

bool FocusPlaces::holds(const Picture *picture) const
{
    return std::any_of(m_places.begin(), m_places.end(), [picture](const auto &place) {
        return std::find(place.begin(), place.end(), picture) != place.end();
    });
}

// One pixel in from the spot's edge, so the mark stays on the place's own
// pixels: white under black dots, visible on the lavender tiles and on grey.
void FocusPlaces::paintMark(QPainter &painter, const QRect &area)
{
    const QRect mark = area.adjusted(1, 1, -2, -2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(mark);
    QPen dots(Qt::black, 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.drawRect(mark);
    painter.restore();
}

} // namespace forms
