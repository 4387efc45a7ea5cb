// A windowless picture control: an opaque bitmap at a place in twips, shown
// at its own size (one pixel every 15 twips) or stretched to fill its area,
// with an optional click handler. A stored picture is decoded when it is
// first painted, so pictures that wait out of sight cost nothing at start-up.
#pragma once

#include "windowlesscontrol.h"

#include <QPixmap>

#include <functional>

namespace forms {

class Picture final : public WindowlessControl
{
public:
    struct Placement {
        int left;
        int top;
        int width;
        int height;
    };

    Picture(Surface *surface, QString name, int zOrder, const QPixmap &pixmap,
            Placement placement, bool stretched);
    // A stored picture by file name; an unstretched control measures exactly
    // its picture, so its placement gives the picture's size.
    Picture(Surface *surface, QString name, int zOrder, QString storedFile, Placement placement,
            bool stretched);

    int left() const { return m_placement.left; }
    int top() const { return m_placement.top; }
    int width() const { return m_placement.width; }
    int height() const { return m_placement.height; }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);

    bool isStretched() const { return m_stretched; }
    const QPixmap &pixmap() const;

    // A picture with a click handler is a button to assistive technology,
    // named by what a click does.
    void setClickHandler(std::function<void()> handler, QString accessibleName)
    {
        m_onClick = std::move(handler);
        m_accessibleName = std::move(accessibleName);
    }
    const QString &accessibleName() const { return m_accessibleName; }
    bool hasClickHandler() const { return bool(m_onClick); }
    void click() const;
    // Whether a click would be heard, or refused; assistive technology shows
    // a refused picture as unavailable.
    void setAvailableWhen(std::function<bool()> available) { m_available = std::move(available); }
    bool isAvailable() const { return !m_available || m_available(); }

    // The control's own area, which takes the clicks.
    QRect area() const;
    QRect paintedRect() const override;
    void paint(QPainter &painter) const override;

private:
    mutable QPixmap m_pixmap;
    QString m_storedFile;
    QSize m_size;
    Placement m_placement;
    bool m_stretched;
    std::function<void()> m_onClick;
    std::function<bool()> m_available;
    QString m_accessibleName;
};

} // namespace forms
