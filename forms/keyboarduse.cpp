#include "keyboarduse.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace forms {

KeyboardUse &KeyboardUse::instance()
{
    // Owned by the application, so a later application gets a watcher of its own.
    static QPointer<KeyboardUse> watcher;
    if (!watcher)
        watcher = new KeyboardUse;
    return *watcher;
}

KeyboardUse::KeyboardUse()
    : QObject(QCoreApplication::instance())
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyboardUse::eventFilter(QObject *watched, QEvent *event)
{
    bool keyboard = m_inUse;
    switch (event->type()) {
    case QEvent::KeyPress:
        keyboard = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        keyboard = false;
        break;
    default:
        break;
    }
    if (keyboard != m_inUse) {
        m_inUse = keyboard;
        emit changed();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace forms
