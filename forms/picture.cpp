#include "picture.h"

#include "pictures/loadpicture.h"
#include "twips.h"

#include <QPainter>

namespace forms {

Picture::Picture(Surface *surface, QString name, int zOrder, const QPixmap &pixmap,
                 Placement placement, bool stretched)
    : WindowlessControl(surface, std::move(name), zOrder, true)
    , m_pixmap(pixmap)
    , m_size(pixmap.deviceIndependentSize().toSize())
    , m_placement(placement)
    , m_stretched(stretched)
{
}

Picture::Picture(Surface *surface, QString name, int zOrder, QString storedFile,
                 Placement placement, bool stretched)
    : WindowlessControl(surface, std::move(name), zOrder, true)
    , m_storedFile(std::move(storedFile))
    , m_size(toPixels(placement.width), toPixels(placement.height))
    , m_placement(placement)
    , m_stretched(stretched)
{
}

const QPixmap &Picture::pixmap() const
{
    if (m_pixmap.isNull() && !m_storedFile.isEmpty())
        m_pixmap = pictures::loadPicture(m_storedFile);
    return m_pixmap;
}

void Picture::setLeft(int left)
{
    if (left != m_placement.left)
        changeGeometry([&] { m_placement.left = left; });
}

void Picture::setTop(int top)
{
    if (top != m_placement.top)
        changeGeometry([&] { m_placement.top = top; });
}

void Picture::setWidth(int width)
{
    if (width != m_placement.width)
        changeGeometry([&] { m_placement.width = width; });
}

void Picture::click() const
{
    if (m_onClick)
        m_onClick();
}

QRect Picture::area() const
{
    const int x = toPixels(m_placement.left);
    const int y = toPixels(m_placement.top);
    return QRect(x, y, toPixels(m_placement.left + m_placement.width) - x,
                 toPixels(m_placement.top + m_placement.height) - y);
}

QRect Picture::paintedRect() const
{
    if (m_stretched)
        return area();
    return QRect(QPoint(toPixels(m_placement.left), toPixels(m_placement.top)), m_size);
}

void Picture::paint(QPainter &painter) const
{
    painter.drawPixmap(paintedRect(), pixmap());
}

} // namespace forms
