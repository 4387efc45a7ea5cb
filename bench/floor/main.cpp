// The toolkit's floor: the least a Qt Widgets window like Kestrilon's can
// cost, a menu bar over a client area of Kestrilon's size painted one flat colour, with
// a scroll bar along its bottom. With --animate it also swaps two pictures the
// size of a cam's frames on its stage every 10 ms, as the fastest cam does.
#include "animation/layout.h"
#include "forms/twips.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

namespace {

class FlatClient final : public QWidget
{
public:
    explicit FlatClient(bool animate)
    {
        setFixedSize(forms::toPixels(animation::layout::clientWidth),
                     forms::toPixels(animation::layout::clientHeight));
        setAttribute(Qt::WA_OpaquePaintEvent);
        auto *bar = new QScrollBar(Qt::Horizontal, this);
        bar->setRange(10, 1000);
        bar->setGeometry(184, 408, 273, 9);
        bar->setFocusPolicy(Qt::StrongFocus);
        setFocusProxy(bar);
        if (animate) {
            m_frames[0] = QPixmap(131, 289);
            m_frames[0].fill(QColor(175, 175, 96));
            m_frames[1] = QPixmap(153, 271);
            m_frames[1].fill(QColor(192, 176, 191));
            m_timer.setTimerType(Qt::PreciseTimer);
            connect(&m_timer, &QTimer::timeout, this, [this] {
                m_shown = 1 - m_shown;
                update(QRect(254, 7, 153, 290));
            });
            m_timer.start(10);
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // The colour the start-up watcher waits for.
        QPainter painter(this);
        painter.fillRect(rect(), QColor(64, 128, 192));
        if (!m_frames[m_shown].isNull())
            painter.drawPixmap(m_shown ? QPoint(254, 26) : QPoint(256, 7), m_frames[m_shown]);
    }

private:
    QPixmap m_frames[2];
    int m_shown = 0;
    QTimer m_timer;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addAction(QStringLiteral("Test"));
    window.menuBar()->addAction(QStringLiteral("Exit"));
    window.setCentralWidget(new FlatClient(app.arguments().contains(QStringLiteral("--animate"))));
    window.show();
    return QApplication::exec();
}
