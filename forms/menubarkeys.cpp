#include "menubarkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleFactory>
#include <QStyleOption>

namespace forms {

namespace {

// Styles light a menu bar item only while it is pressed; the keyboard's item is drawn the
// same way, or a learner who tapped Alt would not see where Enter goes.
class KeyboardLitStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuBarItem && widget && widget->hasFocus()
            && option->state & State_Selected) {
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
                QStyleOptionMenuItem lit(*item);
                lit.state |= State_Sunken;
                QProxyStyle::drawControl(element, &lit, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// A mouse press in the bar's window, outside the bar, while the keyboard is in the bar.
// It lives as long as the bar and looks at nothing else, so the bar's own end is no concern.
class ClickEndsNavigation final : public QObject
{
public:
    explicit ClickEndsNavigation(QMenuBar *bar)
        : QObject(bar)
        , m_bar(bar)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress || !m_bar->hasFocus())
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == m_bar->window() && widget != m_bar) {
            // Escape is how the bar itself gives the focus back to where it was.
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(m_bar, &escape);
        }
        return false;
    }

private:
    QMenuBar *m_bar;
};

// Qt's bar gives the focus back to where it came from only when its navigation ends by a key
// or a click in the window. Ended otherwise, it kept the focus with nothing lit, where F10,
// Escape and the focus mark could not reach the learner: when its window lost the activation
// (minimised, another window active), or when the pointer took its lit item away. This gives
// the focus back in those ends too, so the window comes back with it where it was.
class FocusBeforeNavigation final : public QObject
{
public:
    explicit FocusBeforeNavigation(QMenuBar *bar)
        : QObject(bar)
        , m_bar(bar)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
            if (now == m_bar && old && old != m_bar && old->window() == m_bar->window())
                m_before = old;
            else if (old == m_bar && !m_bar->isActiveWindow())
                giveBack(); // kept by the window until it is active again
        });
        bar->installEventFilter(this);
    }

    // Where the bar holds the focus with nothing lit, the focus goes back.
    void endUnlitNavigation()
    {
        if (m_bar->hasFocus() && !m_bar->activeAction())
            giveBack();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Leave:
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            // The bar lights or drops its item by the pointer after this filter.
            QMetaObject::invokeMethod(this, [this] { endUnlitNavigation(); },
                                      Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void giveBack()
    {
        QWidget *to = m_before && m_before->isVisible() && m_before->isEnabled()
                          ? m_before.data()
                          : m_bar->window();
        to->setFocus(Qt::MenuBarFocusReason);
    }

    QMenuBar *m_bar;
    QPointer<QWidget> m_before;
};

} // namespace

void offerMenuBarToKeyboard(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    auto *style = new KeyboardLitStyle(QStyleFactory::create(bar->style()->name()));
    style->setParent(bar);
    bar->setStyle(style);
    new ClickEndsNavigation(bar);
    auto *before = new FocusBeforeNavigation(bar);

    // F10 is a tap of Alt, told the way the bar listens for one: the override that a press
    // with Alt held brings, then the release.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, bar, [bar, before] {
        if (!bar->isVisible() || bar->actions().isEmpty())
            return;
        if (bar->hasFocus() && bar->activeAction())
            return; // lit already
        // A tap would end a navigation the bar still holds, not light it.
        before->endUnlitNavigation();
        // Qt reports a modifier key's own modifier as it was before the key, flipped.
        const bool flipped =
            QKeyEvent(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier).modifiers()
            == Qt::AltModifier;
        QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt,
                        flipped ? Qt::NoModifier : Qt::AltModifier);
        QApplication::sendEvent(bar->parentWidget(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QApplication::sendEvent(bar->parentWidget(), &release);
    });
}

} // namespace forms
