#include "scrollbarkeys.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace forms {

namespace {

class ArrowKeys final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
            || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto *bar = static_cast<QScrollBar *>(watched);
        const bool raise = (key->key() == Qt::Key_Right) != bar->isRightToLeft();
        bar->triggerAction(raise ? QAbstractSlider::SliderSingleStepAdd
                                 : QAbstractSlider::SliderSingleStepSub);
        return true;
    }
};

} // namespace

void raiseOnRight(QScrollBar *bar)
{
    bar->installEventFilter(new ArrowKeys(bar));
}

} // namespace forms
