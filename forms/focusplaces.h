// The keyboard's places on a surface. A place is one tab stop over one or
// more pictures that share a spot (an icon and the cover beneath it); it acts
// on whichever of them a click at its centre would reach. The surface is the
// one focus widget for all its places; this keeps which place is current and
// draws the focus mark, a two-colour dotted rectangle that reads on light
// tiles and dark ones alike.
#pragma once

#include <QRect>

#include <vector>

class QPainter;

namespace forms {

class Picture;
class Surface;

class FocusPlaces
{
public:
    explicit FocusPlaces(const Surface &surface);

    void add(std::vector<const Picture *> pictures);
    int count() const { return int(m_places.size()); }
    bool isEmpty() const { return m_places.empty(); }

    int current() const { return m_current; }
    void setCurrent(int index) { m_current = index; }

    // The place's spot in client pixels: all its pictures together.
    QRect area(int index) const;
    // The picture a click at the place's centre reaches, or none.
    const Picture *reached(int index) const;
    // Whether the picture belongs to a place, and so can take the focus.
    bool holds(const Picture *picture) const;

    static void paintMark(QPainter &painter, const QRect &area);

private:
    const Surface &m_surface;
    std::vector<std::vector<const Picture *>> m_places;
    int m_current = 0;
};

} // namespace forms
