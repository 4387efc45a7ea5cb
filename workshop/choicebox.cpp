// The choice box's accessible interface: a combo box whose name is its own and whose value and
// text are the choice shown, announced again whenever the choice changes.
#include "choicebox.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace workshop {
namespace {

class ChoiceAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ChoiceAccessible(ChoiceBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return choice();
        return QAccessibleWidget::text(kind);
    }

    // The text interface: the choice shown, read only.
    QString text(int start, int end) const override { return choice().mid(start, end - start); }
    int characterCount() const override { return int(choice().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString choice() const { return static_cast<QComboBox *>(widget())->currentText(); }
};

QAccessibleInterface *choiceFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("workshop::ChoiceBox") && object->isWidgetType())
        return new ChoiceAccessible(static_cast<ChoiceBox *>(object));
    return nullptr;
}

} // namespace

ChoiceBox::ChoiceBox(QWidget *parent)
    : QComboBox(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(choiceFactory);
        return true;
    }();
    Q_UNUSED(installed);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        QAccessibleValueChangeEvent changed(this, currentText());
        QAccessible::updateAccessibility(&changed);
    });
}

} // namespace workshop
