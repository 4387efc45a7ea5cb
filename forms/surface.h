// The client area of a form. It paints three layers, as the old forms
// runtimes did: the background picture with the segments drawn by drawLine on
// it, then the windowless controls from the bottom of the stacking order up,
// and above all the real child widgets (scroll bar, text boxes, buttons),
// which Qt paints itself. Positions are twips throughout.
#pragma once

#include "describedarea.h"
#include "focusplaces.h"
#include "linecontrol.h"
#include "picture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <memory>
#include <vector>

namespace forms {

class Surface final : public QWidget
{
    Q_OBJECT

public:
    Surface(int widthTwips, int heightTwips, QWidget *parent = nullptr);
    ~Surface() override;

    void setBackground(const QPixmap &background, const QColor &backColour);

    // Controls are kept in stacking order; z 1 is the top.
    Picture *addPicture(const QString &name, int zOrder, const QPixmap &pixmap,
                        Picture::Placement placement, bool stretched);
    // A stored picture, opened through loadPicture when first painted.
    Picture *addStoredPicture(const QString &name, int zOrder, const QString &file,
                              Picture::Placement placement, bool stretched);
    LineControl *addLine(const QString &name, int zOrder, int x1, int y1, int x2, int y2,
                         const QColor &colour, bool visible);
    const std::vector<std::unique_ptr<WindowlessControl>> &controls() const { return m_controls; }
    WindowlessControl *control(const QString &name) const;

    // A part of the picture read as an image with a description, in twips.
    DescribedArea *addDescribedArea(const QString &name, int left, int top, int width,
                                    int height);
    const std::vector<std::unique_ptr<DescribedArea>> &describedAreas() const
    {
        return m_describedAreas;
    }

    // Places a real child widget in twips.
    void place(QWidget *child, int left, int top, int width, int height);

    // The topmost visible picture under a client pixel, or none.
    Picture *pictureAt(QPoint pixel) const;

    // The drawing layer: one black-or-coloured segment, one pixel wide,
    // between two points in twips; kept until clear.
    void drawLine(int x1, int y1, int x2, int y2, const QColor &colour = Qt::black);
    void clear();
    const QImage &drawing() const { return m_drawing; }

    void repaintRect(const QRect &rect);
    // Tells assistive technology which pictures a click can now reach.
    void controlShownOrHidden();

    // The keyboard: each place is one tab stop over pictures that share a
    // spot; Space and Enter click whatever a click at its centre reaches.
    void addFocusPlace(std::vector<const Picture *> pictures);
    const FocusPlaces &focusPlaces() const { return m_places; }
    // The picture a click at the focused place reaches; none while the
    // surface has no focus.
    const Picture *focusedPicture() const;
    // Where the focus mark is painted; empty unless the keyboard is in use.
    QRect focusMark() const { return m_markArea; }
    // A child that hides itself while it holds the focus hands it to the
    // first place; shown again while the keyboard is in use, it takes it back.
    void passFocusWhenHidden(QWidget *child);

signals:
    // Every segment drawn, in twips, and every erase: for whoever follows the graphs.
    void lineDrawn(int x1, int y1, int x2, int y2);
    void cleared();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template<typename Control>
    Control *insert(std::unique_ptr<Control> control);
    void focusPlace(int index);
    void updateFocusMark();

    QPixmap m_background;
    QImage m_drawing;
    QRect m_drawnSinceClear;
    QRect m_waiting; // the area waiting to be painted, at a fractional scale
    std::vector<std::unique_ptr<WindowlessControl>> m_controls;
    std::vector<std::unique_ptr<DescribedArea>> m_describedAreas;
    const Picture *m_pressed = nullptr;
    FocusPlaces m_places{*this};
    QRect m_markArea;
};

} // namespace forms
