#include "menubarkeys.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

namespace forms {

namespace {

// Lights the bar's first item and gives it the focus; Escape, or choosing an
// item with Enter, hands the focus back to the control that had it. The bar's
// own keys (Left, Right, Enter) do the rest.
class MenuBarKeys final : public QObject
{
public:
    MenuBarKeys(QMainWindow *window)
        : QObject(window)
        , m_window(window)
    {
        auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
        connect(f10, &QShortcut::activated, this, [this] { open(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window->menuBar() || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            m_window->menuBar()->setActiveAction(nullptr);
            giveBack();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            QAction *chosen = m_window->menuBar()->activeAction();
            giveBack();
            if (chosen)
                chosen->trigger();
            return true;
        }
        return false;
    }

private:
    void open()
    {
        QMenuBar *bar = m_window->menuBar();
        if (!bar->isVisible() || bar->actions().isEmpty() || bar->hasFocus())
            return;
        m_before = m_window->focusWidget();
        bar->installEventFilter(this);
        bar->setActiveAction(bar->actions().constFirst());
        bar->setFocus(Qt::MenuBarFocusReason);
    }

    void giveBack()
    {
        QMenuBar *bar = m_window->menuBar();
        bar->removeEventFilter(this);
        bar->setActiveAction(nullptr);
        if (m_before)
            m_before->setFocus(Qt::MenuBarFocusReason);
    }

    QMainWindow *m_window;
    QPointer<QWidget> m_before;
};

} // namespace

void openMenuBarWithF10(QMainWindow *window)
{
    new MenuBarKeys(window);
}

} // namespace forms
