#include "textbox.h"

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
}

} // namespace forms
