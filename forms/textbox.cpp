#include "textbox.h"

#include <QAccessible>

namespace forms {

TextBox::TextBox(const QString &name, const QString &text, const QFont &font,
                 Qt::Alignment alignment)
    : QLineEdit(text)
{
    setObjectName(name);
    setFont(font);
    setAlignment(alignment | Qt::AlignVCenter);
    setEnabled(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    colours.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    setPalette(colours);
    // The name a reader speaks is the text: a new question is heard as a new name.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (QAccessible::isActive() && accessibleName().isEmpty()) {
            QAccessibleEvent event(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    });
}

} // namespace forms
