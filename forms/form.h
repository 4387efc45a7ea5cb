// A form: a top-level window with a fixed single border, only a close box,
// and a client area of a given size in twips. Subclasses build their controls
// on the surface and name them after the controls they stand for.
#pragma once

#include "surface.h"

#include <QMainWindow>

namespace forms {

class Form : public QMainWindow
{
    Q_OBJECT

public:
    enum class Kind { Main, Tool }; // a tool window has no task-bar button

    Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, Kind kind);

    Surface *surface() const { return m_surface; }

    void drawLine(int x1, int y1, int x2, int y2, const QColor &colour = Qt::black)
    {
        m_surface->drawLine(x1, y1, x2, y2, colour);
    }
    void clear() { m_surface->clear(); }

    // Fixes the window's size around the client area and the menu bar, if any.
    void fixSize();
    void centreOnScreen();
    // Where a window frame of `size` goes on a screen whose free area is `available`: centred
    // along each direction it fits in, else at the free area's top or left edge, so that its
    // title bar and menu bar can be reached.
    static QPoint placeOnScreen(QSize size, const QRect &available);

protected:
    bool m_centreWhenShown = true;
    void showEvent(QShowEvent *event) override;

private:
    Surface *m_surface;
};

} // namespace forms
