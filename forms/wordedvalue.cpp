#include "wordedvalue.h"

#include "readonlytext.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>

#include <utility>

namespace forms {

namespace {

// A slider whose value a reader hears in words. Orca 43 speaks a scroll bar's or a
// slider's value as a bare number, and the description changes Qt 6.4 sends reach it
// without their text; a spin button it reads by its text, on focus and at each change.
class WordedValueAccessible final : public QAccessibleWidget,
                                    public QAccessibleValueInterface,
                                    public ReadOnlyText
{
public:
    WordedValueAccessible(QAbstractSlider *slider, std::function<QString(int)> words)
        : QAccessibleWidget(slider, QAccessible::SpinBox)
        , m_words(std::move(words))
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? whole() : QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant &value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    QString whole() const override { return m_words(slider()->value()); }
    QAbstractSlider *slider() const { return static_cast<QAbstractSlider *>(widget()); }

    std::function<QString(int)> m_words;
};

} // namespace

void readValueAs(QAbstractSlider *slider, std::function<QString(int)> words)
{
    // The toolkit's own factory answers for its sliders before any installed one does, so
    // the interface takes the place of whatever one a value set earlier has made.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(slider))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    QAccessible::registerAccessibleInterface(new WordedValueAccessible(slider, std::move(words)));
}

} // namespace forms
