// The keyboard's places, and the surface's focus and keys that move between them and act on
// them: the surface is the one focus widget for all its places.
#include "focusplaces.h"

#include "accessibility.h"
#include "keyboarduse.h"
#include "picture.h"
#include "surface.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace forms {

FocusPlaces::FocusPlaces(const Surface &surface)
    : m_surface(surface)
{
}

void FocusPlaces::add(std::vector<const Picture *> pictures)
{
    m_places.push_back(std::move(pictures));
}

QRect FocusPlaces::area(int index) const
{
    QRect spot;
    for (const Picture *picture : m_places.at(std::size_t(index)))
        spot |= picture->area();
    return spot;
}

const Picture *FocusPlaces::reached(int index) const
{
    return m_surface.pictureAt(area(index).center());
}

bool FocusPlaces::holds(const Picture *picture) const
{
    return std::any_of(m_places.begin(), m_places.end(), [picture](const auto &place) {
        return std::find(place.begin(), place.end(), picture) != place.end();
    });
}

// One pixel in from the spot's edge, so the mark stays on the place's own
// pixels: white under black dots, visible on the lavender tiles and on grey.
void FocusPlaces::paintMark(QPainter &painter, const QRect &area)
{
    const QRect mark = area.adjusted(1, 1, -2, -2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(mark);
    QPen dots(Qt::black, 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.drawRect(mark);
    painter.restore();
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
