#include "linecontrol.h"

#include "twips.h"

#include <QPainter>

namespace forms {

LineControl::LineControl(Surface *surface, QString name, int zOrder, int x1, int y1, int x2,
                         int y2, const QColor &colour, bool visible)
    : WindowlessControl(surface, std::move(name), zOrder, visible)
    , m_x1(x1)
    , m_y1(y1)
    , m_x2(x2)
    , m_y2(y2)
    , m_colour(colour)
{
}

QRect LineControl::paintedRect() const
{
    return QRect(QPoint(toPixels(m_x1), toPixels(m_y1)), QPoint(toPixels(m_x2), toPixels(m_y2)))
        .normalized();
}

void LineControl::paint(QPainter &painter) const
{
    painter.setPen(QPen(m_colour, 1, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPoint(toPixels(m_x1), toPixels(m_y1)), QPoint(toPixels(m_x2), toPixels(m_y2)));
}

} // namespace forms
