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

} // namespace

void offerMenuBarToKeyboard(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    auto *style = new KeyboardLitStyle(QStyleFactory::create(bar->style()->name()));
    style->setParent(bar);
    bar->setStyle(style);
    new ClickEndsNavigation(bar);

    // F10 is a tap of Alt, told the way the bar listens for one: the override that a press
    // with Alt held brings, then the release.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->isVisible() || bar->actions().isEmpty() || bar->hasFocus())
            return;
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
