#include "textbox.h"

#include "readonlytext.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

// Read as static text, with the Text interface so a reader can read it whole
// or by parts; its name is its text unless the form gives it another.
class TextBoxAccessible final : public QAccessibleWidget, public ReadOnlyText
{
public:
    explicit TextBoxAccessible(TextBox *box)
        : QAccessibleWidget(box, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const QString given = box()->accessibleName();
            return given.isEmpty() ? box()->text() : given;
        }
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

private:
    QString whole() const override { return box()->text(); }
    TextBox *box() const { return static_cast<TextBox *>(widget()); }
};

} // namespace

QAccessibleInterface *makeAccessible(TextBox *box)
{
    return new TextBoxAccessible(box);
}

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
