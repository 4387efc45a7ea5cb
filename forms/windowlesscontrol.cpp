#include "windowlesscontrol.h"

#include "surface.h"

namespace forms {

WindowlessControl::WindowlessControl(Surface *surface, QString name, int zOrder, bool visible)
    : m_surface(surface)
    , m_name(std::move(name))
    , m_zOrder(zOrder)
    , m_visible(visible)
{
}

void WindowlessControl::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    repaint(paintedRect());
    m_surface->controlShownOrHidden();
}

void WindowlessControl::repaint(const QRect &rect) const
{
    m_surface->repaintRect(rect);
}

} // namespace forms
