#include "menubarkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace forms {

// The toolkit's menu bar has no call that starts its keyboard mode; it starts
// on an Alt pressed and released alone, so F10 plays exactly that to it.
void openMenuBarWithF10(QMainWindow *window)
{
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, window, [window] {
        QMenuBar *bar = window->menuBar();
        if (!bar->isVisible() || bar->activeAction())
            return;
        QWidget *focused = window->focusWidget() ? window->focusWidget() : window;
        QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(window, &altDown);
        QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(focused, &altUp);
    });
}

} // namespace forms
