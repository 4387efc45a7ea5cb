// The windowing layer on its own: stacking, click routing, the drawing layer.
#include "forms/form.h"
#include "forms/surface.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>

namespace {

QPixmap tile(QColor colour, int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(colour);
    return pixmap;
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void clicksGoToTheTopmostVisiblePicture_data();
    void clicksGoToTheTopmostVisiblePicture();
    void onlyTheLeftButtonMakesAClick_data();
    void onlyTheLeftButtonMakesAClick();
    void upperPicturesHideLowerOnes();
    void windowsOpenWhereTheyCanBeReached_data();
    void windowsOpenWhereTheyCanBeReached();
    void drawingLayerKeepsSegmentsUntilClear();
    void zeroLengthSegmentMarksOnePixel();
    void repaintsOnlyWhatChanged();
};

void TestForms::clicksGoToTheTopmostVisiblePicture_data()
{
    QTest::addColumn<bool>("upperVisible");
    QTest::addColumn<bool>("upperHasHandler");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("clicked");
    QTest::newRow("upper takes the click") << true << true << QPoint(15, 15) << "upper";
    QTest::newRow("hidden upper passes it on") << false << true << QPoint(15, 15) << "lower";
    QTest::newRow("upper without handler keeps it") << true << false << QPoint(15, 15) << "";
    QTest::newRow("lower alone where upper is not") << true << true << QPoint(35, 35) << "lower";
    QTest::newRow("bare background") << true << true << QPoint(70, 70) << "";
    QTest::newRow("on a line") << true << true << QPoint(80, 5) << "";
}

void TestForms::clicksGoToTheTopmostVisiblePicture()
{
    QFETCH(bool, upperVisible);
    QFETCH(bool, upperHasHandler);
    QFETCH(QPoint, at);
    forms::Surface surface(1500, 1500);
    QString clicked;
    surface.addLine("line", 1, 1050, 75, 1350, 75, Qt::black, true);
    auto *upper = surface.addPicture("upper", 2, tile(Qt::red, 20, 20), {150, 150, 300, 300},
                                     false);
    auto *lower = surface.addPicture("lower", 3, tile(Qt::blue, 40, 40), {0, 0, 600, 600}, false);
    upper->setVisible(upperVisible);
    if (upperHasHandler)
        upper->setClickHandler([&] { clicked = "upper"; }, "upper");
    lower->setClickHandler([&] { clicked = "lower"; }, "lower");
    surface.show();
    QTest::mouseClick(&surface, Qt::LeftButton, {}, at);
    QTEST(clicked, "clicked");
}

void TestForms::onlyTheLeftButtonMakesAClick_data()
{
    // p press, r release, d double-click of the L(eft) or R(ight) button; "off" moves away.
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left click") << "pL rL" << 1;
    QTest::newRow("right click") << "pR rR" << 0;
    QTest::newRow("right press inside a left click") << "pL pR rR rL" << 1;
    QTest::newRow("left click inside a right press") << "pR pL rL rR" << 1;
    QTest::newRow("double-click") << "pL rL dL rL" << 1;
    QTest::newRow("double-click, second press too") << "pL rL pL dL rL" << 1;
    QTest::newRow("triple click") << "pL rL dL rL pL rL" << 2;
    QTest::newRow("released off the picture") << "pL off rL" << 0;
}

void TestForms::onlyTheLeftButtonMakesAClick()
{
    QFETCH(QString, events);
    forms::Surface surface(1500, 1500);
    int clicks = 0;
    surface.addPicture("picture", 1, tile(Qt::red, 40, 40), {0, 0, 600, 600}, false)
        ->setClickHandler([&] { ++clicks; }, "picture");
    surface.show();
    QPoint at(20, 20);
    Qt::MouseButtons held;
    for (const QString &event : events.split(' ')) {
        if (event == "off") {
            at = QPoint(70, 70);
            continue;
        }
        const Qt::MouseButton button = event[1] == 'L' ? Qt::LeftButton : Qt::RightButton;
        const QEvent::Type type = QList{QEvent::MouseButtonPress, QEvent::MouseButtonDblClick,
                                        QEvent::MouseButtonRelease}[QString("pdr").indexOf(event[0])];
        held.setFlag(button, type != QEvent::MouseButtonRelease);
        QMouseEvent mouse(type, at, surface.mapToGlobal(at), button, held, {});
        QApplication::sendEvent(&surface, &mouse);
    }
    QTEST(clicks, "clicks");
}

void TestForms::windowsOpenWhereTheyCanBeReached_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("fits") << QSize(636, 437) << QRect(0, 0, 1280, 1024) << QPoint(322, 293);
    QTest::newRow("second screen") << QSize(636, 437) << QRect(1280, 24, 1920, 1056) << QPoint(1922, 333);
    QTest::newRow("scale 3, top panel") << QSize(1908, 1311) << QRect(0, 32, 1280, 992) << QPoint(0, 32);
    QTest::newRow("too tall only") << QSize(636, 1311) << QRect(0, 0, 1280, 1024) << QPoint(322, 0);
}

// Too large a window keeps its title bar, menu bar and top-left corner on the screen.
void TestForms::windowsOpenWhereTheyCanBeReached()
{
    QFETCH(QSize, window);
    QFETCH(QRect, available);
    QTEST(forms::Form::placeOnScreen(window, available), "placed");
}

void TestForms::upperPicturesHideLowerOnes()
{
    forms::Surface surface(1500, 1500);
    surface.setBackground(QPixmap(), Qt::black);
    // Added out of order on purpose: the stacking order decides, not the order of adding.
    surface.addPicture("lower", 3, tile(Qt::blue, 40, 40), {0, 0, 600, 600}, false);
    auto *upper = surface.addPicture("upper", 2, tile(Qt::red, 20, 20), {150, 150, 300, 300},
                                     false);
    surface.addPicture("stretched", 1, tile(Qt::green, 2, 2), {600, 600, 300, 150}, true);
    QImage shot = surface.grab().toImage();
    QCOMPARE(shot.pixelColor(15, 15), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(35, 35), QColor(Qt::blue));
    QCOMPARE(shot.pixelColor(59, 49), QColor(Qt::green));
    QCOMPARE(shot.pixelColor(60, 50), QColor(Qt::black)); // past the stretched area
    upper->setLeft(900);
    shot = surface.grab().toImage();
    QCOMPARE(shot.pixelColor(15, 15), QColor(Qt::blue));
    QCOMPARE(shot.pixelColor(65, 15), QColor(Qt::red));
}

void TestForms::drawingLayerKeepsSegmentsUntilClear()
{
    forms::Surface surface(1500, 1500);
    surface.setBackground(tile(Qt::white, 100, 100), Qt::white);
    surface.drawLine(150, 150, 1350, 150);
    surface.show();
    surface.repaint();
    QImage shot = surface.grab().toImage();
    for (int x = 10; x <= 90; ++x)
        QCOMPARE(shot.pixelColor(x, 10), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(50, 11), QColor(Qt::white));
    surface.clear();
    shot = surface.grab().toImage();
    QCOMPARE(shot.pixelColor(50, 10), QColor(Qt::white));
}

void TestForms::zeroLengthSegmentMarksOnePixel()
{
    forms::Surface surface(600, 600);
    surface.setBackground(tile(Qt::white, 40, 40), Qt::white);
    surface.drawLine(300, 300, 300, 300);
    const QImage shot = surface.grab().toImage();
    int black = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            black += shot.pixelColor(x, y) == QColor(Qt::black);
    }
    QCOMPARE(black, 1);
    QCOMPARE(shot.pixelColor(20, 20), QColor(Qt::black));
}

namespace {

// Collects the areas a widget is asked to paint.
class PaintedRegion : public QObject
{
public:
    QRegion region;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

void TestForms::repaintsOnlyWhatChanged()
{
    forms::Surface surface(9000, 6000);
    auto *picture = surface.addPicture("picture", 1, tile(Qt::red, 20, 10), {0, 0, 300, 150},
                                       false);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    PaintedRegion painted;
    surface.installEventFilter(&painted);

    picture->setLeft(1500);
    surface.drawLine(3000, 3000, 4500, 3750);
    QCoreApplication::processEvents();
    QCOMPARE(painted.region, QRegion(0, 0, 20, 10) + QRegion(100, 0, 20, 10)
                                 + QRegion(199, 199, 103, 53));

    painted.region = QRegion();
    surface.drawLine(1500, 4500, 1500, 4500);
    surface.clear();
    QCoreApplication::processEvents();
    QCOMPARE(painted.region.boundingRect(), QRect(99, 199, 203, 103));
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
