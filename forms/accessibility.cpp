#include "accessibility.h"

#include "surface.h"
#include "surfaceaccessible.h"
#include "textbox.h"

#include <QAccessible>

namespace forms {

namespace {

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("forms::Surface"))
        return makeAccessible(static_cast<Surface *>(object));
    if (className == QLatin1String("forms::TextBox"))
        return makeAccessible(static_cast<TextBox *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void renewForReaders(QWidget *widget)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

} // namespace forms
