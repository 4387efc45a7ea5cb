// The toolkit's floor for the start-up benchmark: the least a Qt Widgets
// window like Kestrilon's can cost, a menu bar over a 636 x 418 client area
// painted one flat colour, with a scroll bar along its bottom.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QWidget>

namespace {

class FlatClient final : public QWidget
{
public:
    FlatClient()
    {
        setFixedSize(636, 418);
        setAttribute(Qt::WA_OpaquePaintEvent);
        auto *bar = new QScrollBar(Qt::Horizontal, this);
        bar->setRange(10, 1000);
        bar->setGeometry(184, 408, 273, 9);
        bar->setFocusPolicy(Qt::StrongFocus);
        setFocusProxy(bar);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // The colour the start-up watcher waits for.
        QPainter(this).fillRect(rect(), QColor(64, 128, 192));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addAction(QStringLiteral("Test"));
    window.menuBar()->addAction(QStringLiteral("Exit"));
    window.setCentralWidget(new FlatClient);
    window.show();
    return QApplication::exec();
}
