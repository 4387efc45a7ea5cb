#include "form.h"

#include "twips.h"

#include <QLayout>
#include <QScreen>

namespace forms {

Form::Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, Kind kind)
    : m_surface(new Surface(clientWidthTwips, clientHeightTwips, this))
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                            | Qt::MSWindowsFixedSizeDialogHint;
    setWindowFlags(flags | (kind == Kind::Tool ? Qt::Tool : Qt::Window));
    // Tool windows are left out of "last window closed" by default; ours counts.
    setAttribute(Qt::WA_QuitOnClose, true);
    setWindowTitle(caption);
    setCentralWidget(m_surface);
}

void Form::fixSize()
{
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void Form::centreOnScreen()
{
    const QScreen *shownOn = screen();
    if (!shownOn)
        return;
    move(placeOnScreen(frameGeometry().size(), shownOn->availableGeometry()));
}

QPoint Form::placeOnScreen(QSize size, const QRect &available)
{
    QRect placed(QPoint(), size);
    placed.moveCenter(available.center());
    return QPoint(size.width() <= available.width() ? placed.left() : available.left(),
                  size.height() <= available.height() ? placed.top() : available.top());
}

void Form::showEvent(QShowEvent *event)
{
    if (m_centreWhenShown) {
        m_centreWhenShown = false;
        centreOnScreen();
    }
    QMainWindow::showEvent(event);
}

} // namespace forms
