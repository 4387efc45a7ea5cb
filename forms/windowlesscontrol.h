// A control with no window of its own: the surface paints it in stacking
// order and routes clicks to it. Pictures and lines are the two kinds.
#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace forms {

class Surface;

class WindowlessControl
{
public:
    WindowlessControl(Surface *surface, QString name, int zOrder, bool visible);
    virtual ~WindowlessControl() = default;
    WindowlessControl(const WindowlessControl &) = delete;
    WindowlessControl &operator=(const WindowlessControl &) = delete;

    const QString &name() const { return m_name; }
    int zOrder() const { return m_zOrder; } // 1 is the top

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    // The pixels this control paints, in client coordinates.
    virtual QRect paintedRect() const = 0;
    virtual void paint(QPainter &painter) const = 0;

protected:
    // Call around a change: repaints what the control covered before and after.
    template<typename Change>
    void changeGeometry(Change change)
    {
        const QRect before = paintedRect();
        change();
        repaint(before);
        repaint(paintedRect());
    }
    void repaint(const QRect &rect) const;

private:
    Surface *m_surface;
    QString m_name;
    int m_zOrder;
    bool m_visible;
};

} // namespace forms
