#include "surface.h"

#include "accessibility.h"
#include "keyboarduse.h"
#include "pictures/loadpicture.h"
#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>
#include <utility>

namespace forms {

namespace {

QRectF scaled(const QRect &rect, qreal ratio)
{
    return QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio);
}

} // namespace

Surface::Surface(int widthTwips, int heightTwips, QWidget *parent)
    : QWidget(parent)
{
    installAccessibility();
    const QSize size(toPixels(widthTwips), toPixels(heightTwips));
    // The drawing layer has the screen's own resolution; a segment stays one
    // logical pixel wide, and sharp, on a screen of twice the density.
    const int scale = pictures::pictureScale();
    m_drawing = QImage(size * scale, QImage::Format_ARGB32_Premultiplied);
    m_drawing.setDevicePixelRatio(scale);
    m_drawing.fill(Qt::transparent);
    setFixedSize(size);
    // Every pixel is painted here, so Qt need not clear behind us.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Surface::~Surface() = default;

void Surface::setBackground(const QPixmap &background, const QColor &backColour)
{
    m_background = background;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, backColour);
    setPalette(colours);
    update();
}

template<typename Control>
Control *Surface::insert(std::unique_ptr<Control> control)
{
    Control *result = control.get();
    const auto below = std::upper_bound(
        m_controls.begin(), m_controls.end(), control->zOrder(),
        [](int z, const std::unique_ptr<WindowlessControl> &other) { return z < other->zOrder(); });
    repaintRect(control->paintedRect());
    m_controls.insert(below, std::move(control));
    return result;
}

Picture *Surface::addPicture(const QString &name, int zOrder, const QPixmap &pixmap,
                             Picture::Placement placement, bool stretched)
{
    return insert(std::make_unique<Picture>(this, name, zOrder, pixmap, placement, stretched));
}

Picture *Surface::addStoredPicture(const QString &name, int zOrder, const QString &file,
                                   Picture::Placement placement, bool stretched)
{
    return insert(std::make_unique<Picture>(this, name, zOrder, file, placement, stretched));
}

LineControl *Surface::addLine(const QString &name, int zOrder, int x1, int y1, int x2, int y2,
                              const QColor &colour, bool visible)
{
    return insert(std::make_unique<LineControl>(this, name, zOrder, x1, y1, x2, y2, colour,
                                                visible));
}

WindowlessControl *Surface::control(const QString &name) const
{
    for (const auto &control : m_controls) {
        if (control->name() == name)
            return control.get();
    }
    return nullptr;
}

DescribedArea *Surface::addDescribedArea(const QString &name, int left, int top, int width,
                                         int height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    const QRect area(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
    return m_describedAreas.emplace_back(std::make_unique<DescribedArea>(this, name, area)).get();
}

void Surface::place(QWidget *child, int left, int top, int width, int height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    child->setParent(this);
    child->setGeometry(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

Picture *Surface::pictureAt(QPoint pixel) const
{
    for (const auto &control : m_controls) {
        auto *picture = dynamic_cast<Picture *>(control.get());
        if (picture && picture->isVisible() && picture->area().contains(pixel))
            return picture;
    }
    return nullptr;
}

void Surface::drawLine(int x1, int y1, int x2, int y2, const QColor &colour)
{
    const QPoint from(toPixels(x1), toPixels(y1));
    const QPoint to(toPixels(x2), toPixels(y2));
    {
        QPainter painter(&m_drawing);
        painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap));
        if (from == to)
            painter.drawPoint(from);
        else
            painter.drawLine(from, to);
    }
    // A pixel of margin: at twice the density the pen spills half a pixel over.
    const QRect drawn = QRect(from, to).normalized().adjusted(-1, -1, 1, 1);
    m_drawnSinceClear |= drawn;
    repaintRect(drawn);
    emit lineDrawn(x1, y1, x2, y2);
}

void Surface::clear()
{
    m_drawing.fill(Qt::transparent);
    // Only where something was drawn needs painting again.
    repaintRect(std::exchange(m_drawnSinceClear, QRect()));
    emit cleared();
}

void Surface::controlShownOrHidden()
{
    notifyPicturesChanged(this);
}

void Surface::repaintRect(const QRect &rect)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != std::floor(ratio)) {
        // At a fractional scale a device pixel on the edge of `rect` shows some of it too.
        // Qt rounds such pixels one way under a plain clip rectangle and another way
        // under a clip of several, so everything waiting is painted as one rectangle.
        m_waiting |= rect.adjusted(-1, -1, 1, 1).intersected(this->rect());
        update(m_waiting);
        return;
    }
    const QRect visible = rect.intersected(this->rect());
    if (!visible.isEmpty())
        update(visible);
}

// Paints rectangle by rectangle: a plain clip rectangle keeps Qt on its fast
// path, where a clip region of several rectangles does not. Pictures are
// opaque, so nothing is painted where a picture above will cover it.
// At a fractional scale the edge of a window pixel can fall inside a device
// pixel, which two pieces clipped apart would each leave to the other; there
// the dirty area is painted as one piece, bottom layer up.
void Surface::paintEvent(QPaintEvent *event)
{
    m_waiting = QRect();
    QPainter painter(this);
    const QColor backColour = palette().color(QPalette::Window);
    const qreal ratio = devicePixelRatioF();
    const bool inPieces = ratio == std::floor(ratio);
    std::vector<const WindowlessControl *> shown;
    for (const QRect &dirty : inPieces ? event->region() : QRegion(event->rect())) {
        QRegion uncovered(dirty);
        shown.clear();
        for (const auto &control : m_controls) {
            const QRect painted = control->paintedRect();
            if (!control->isVisible() || !uncovered.intersects(painted))
                continue;
            shown.push_back(control.get());
            if (inPieces && dynamic_cast<const Picture *>(control.get()))
                uncovered -= painted;
        }
        for (const QRect &bare : uncovered) {
            painter.setClipRect(bare);
            painter.fillRect(bare, backColour);
            // Most rectangles lie where nothing was ever traced.
            const QRect traced = bare.intersected(m_drawnSinceClear);
            if (inPieces) {
                painter.drawPixmap(bare, m_background,
                                   scaled(bare, m_background.devicePixelRatio()));
                if (!traced.isEmpty())
                    painter.drawImage(traced, m_drawing,
                                      scaled(traced, m_drawing.devicePixelRatio()));
            } else {
                // A device pixel astride two window pixels takes its colour from the same
                // one every time only if each layer is drawn whole, under the clip.
                painter.drawPixmap(0, 0, m_background);
                if (!traced.isEmpty())
                    painter.drawImage(0, 0, m_drawing);
            }
        }
        painter.setClipRect(dirty);
        for (auto it = shown.rbegin(); it != shown.rend(); ++it)
            (*it)->paint(painter);
    }
    if (!m_markArea.isEmpty()) {
        painter.setClipRegion(event->region());
        FocusPlaces::paintMark(painter, m_markArea);
    }
}

// A click is the left button's own press and release on one picture; other
// buttons, pressed or released in between, change nothing.
void Surface::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = pictureAt(event->position().toPoint());
}

void Surface::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Picture *pressed = std::exchange(m_pressed, nullptr);
    if (pressed && pressed == pictureAt(event->position().toPoint()))
        pressed->click();
}

// A double-click acts as one click: the first click has already acted, often by
// showing another picture under the pointer, and the second press does nothing.
void Surface::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = nullptr;
}

// The surface's side: it takes the focus as a whole, keeps the current place and moves it
// with Tab, and clicks what the place reaches on Space and Enter.

void Surface::addFocusPlace(std::vector<const Picture *> pictures)
{
    if (m_places.isEmpty()) {
        setFocusPolicy(Qt::TabFocus);
        connect(&KeyboardUse::instance(), &KeyboardUse::changed, this, [this] {
            updateFocusMark();
        });
    }
    m_places.add(std::move(pictures));
}

const Picture *Surface::focusedPicture() const
{
    return hasFocus() && !m_places.isEmpty() ? m_places.reached(m_places.current()) : nullptr;
}

void Surface::passFocusWhenHidden(QWidget *child)
{
    child->installEventFilter(this);
}

bool Surface::eventFilter(QObject *watched, QEvent *event)
{
    auto *child = qobject_cast<QWidget *>(watched);
    if (child && child->parentWidget() == this && !m_places.isEmpty()) {
        if (event->type() == QEvent::Hide && child->hasFocus())
            focusPlace(0);
        else if (event->type() == QEvent::Show && hasFocus() && KeyboardUse::instance().inUse())
            child->setFocus(Qt::OtherFocusReason);
    }
    return QWidget::eventFilter(watched, event);
}

void Surface::focusPlace(int index)
{
    m_places.setCurrent(index);
    if (hasFocus()) {
        updateFocusMark();
        notifyFocus(this);
    } else {
        setFocus(Qt::OtherFocusReason);
    }
}

void Surface::updateFocusMark()
{
    const bool shown = hasFocus() && KeyboardUse::instance().inUse() && !m_places.isEmpty();
    const QRect area = shown ? m_places.area(m_places.current()) : QRect();
    if (area == m_markArea)
        return;
    repaintRect(std::exchange(m_markArea, area));
    repaintRect(m_markArea);
}

void Surface::keyPressEvent(QKeyEvent *event)
{
    const bool activates = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
                           || event->key() == Qt::Key_Enter;
    // A key a child ignores, such as Space on the scroll bar, comes up here too: only the
    // surface's own focus acts.
    if (!activates || !hasFocus() || m_places.isEmpty()
        || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Held down, the key would start and stop a cam over and over.
    if (!event->isAutoRepeat()) {
        if (const Picture *picture = m_places.reached(m_places.current()))
            picture->click();
        // What the place reaches may have changed: the icon gave way to the cover.
        if (hasFocus())
            notifyFocus(this);
    }
    event->accept();
}

void Surface::focusInEvent(QFocusEvent *event)
{
    if (!m_places.isEmpty()) {
        if (event->reason() == Qt::TabFocusReason)
            m_places.setCurrent(0);
        else if (event->reason() == Qt::BacktabFocusReason)
            m_places.setCurrent(m_places.count() - 1);
        updateFocusMark();
        // After the toolkit's own focus event for the surface as a whole.
        QMetaObject::invokeMethod(this, [this] { notifyFocus(this); }, Qt::QueuedConnection);
    }
    // Not the toolkit's handler: it would repaint the whole client area.
    event->accept();
}

void Surface::focusOutEvent(QFocusEvent *event)
{
    updateFocusMark();
    event->accept();
}

bool Surface::focusNextPrevChild(bool next)
{
    if (hasFocus() && !m_places.isEmpty()) {
        const int index = m_places.current() + (next ? 1 : -1);
        if (index >= 0 && index < m_places.count()) {
            focusPlace(index);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

} // namespace forms
