// A windowless line control: a solid one-pixel line between two points in
// twips, in one colour.
#pragma once

#include "windowlesscontrol.h"

#include <QColor>

namespace forms {

class LineControl final : public WindowlessControl
{
public:
    LineControl(Surface *surface, QString name, int zOrder, int x1, int y1, int x2, int y2,
                const QColor &colour, bool visible);

    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    QColor colour() const { return m_colour; }

    QRect paintedRect() const override;
    void paint(QPainter &painter) const override;

private:
    int m_x1;
    int m_y1;
    int m_x2;
    int m_y2;
    QColor m_colour;
};

} // namespace forms
