// The simulation window as the learner first sees it: every control where
// it belongs, clicks reaching the right picture, and the pixels on screen.
#include "cams.h"
#include "animation/layout.h"
#include "app/simulationwindow.h"
#include "forms/linecontrol.h"
#include "forms/picture.h"
#include "forms/twips.h"

#include <QAction>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using animation::Cam;
Q_DECLARE_METATYPE(animation::Cam)

class TestSimulationWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void stackingOrderIsComplete();
    void framesWaitOffTheStage_data();
    void framesWaitOffTheStage();
    void iconCoversItsCover_data();
    void iconCoversItsCover();
    void graphLines_data();
    void graphLines();
    void controlsInsideTheClientArea();
    void timersAndScrollBar();
    void windowAndMenuBar();
    void arrowKeysMoveTheSpeedTheirWay_data();
    void arrowKeysMoveTheSpeedTheirWay();
    void clicksReachTheRightPicture_data();
    void clicksReachTheRightPicture();
    void doubleClickActsAsOneClick_data();
    void doubleClickActsAsOneClick();
    void firstPixels_data();
    void firstPixels();
    void holeShowsUntilAFrameCoversIt();
    void exitEndsEverything();

private:
    std::unique_ptr<SimulationWindow> m_form;
};

void TestSimulationWindow::init()
{
    m_form = std::make_unique<SimulationWindow>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestSimulationWindow::cleanup()
{
    m_form.reset();
}

// Every control the window shows, with the properties its place must have, whatever the
// numbers: the stacking order has no gaps or ties, the step pictures wait out of sight, each
// icon hides its cover, and the rest lies inside the client area.
void TestSimulationWindow::stackingOrderIsComplete()
{
    // The pictures and lines hold a place each below the scroll bar and the timers, which
    // hold 1 to 4. Each cam brings an icon, a cover, a label, two axes and a pen.
    const auto &controls = m_form->surface()->controls();
    QCOMPARE(int(controls.size()),
             5 + animation::layout::frameCount + 6 * int(std::size(animation::allCams)));
    QSet<int> taken;
    for (const auto &control : controls) {
        QVERIFY2(control->zOrder() >= animation::layout::firstWindowlessZ,
                 qPrintable(control->name()));
        QVERIFY2(!taken.contains(control->zOrder()), qPrintable(control->name()));
        taken.insert(control->zOrder());
    }
    // Every step picture lies under the strip and over the hole its rod rises through.
    const int strip = m_form->surface()->control("strip")->zOrder();
    const int hole = m_form->surface()->control("hole")->zOrder();
    for (int k = 0; k < animation::layout::frameCount; ++k)
        QVERIFY(strip < m_form->frame(k)->zOrder() && m_form->frame(k)->zOrder() < hole);
    for (int k = 1; k < animation::layout::frameCount; ++k)
        QCOMPARE(m_form->frame(k)->name(), QString("frame(%1)").arg(k));
    QCOMPARE(m_form->frame(animation::startPicture)->name(), QString("startFrame"));
}

void TestSimulationWindow::framesWaitOffTheStage_data()
{
    QTest::addColumn<int>("picture");
    for (int k = 0; k < animation::layout::frameCount; ++k)
        QTest::newRow(k == animation::startPicture ? "startFrame"
                                                   : qPrintable(QString("frame(%1)").arg(k)))
            << k;
}

void TestSimulationWindow::framesWaitOffTheStage()
{
    QFETCH(int, picture);
    const forms::Picture *frame = m_form->frame(picture);
    QVERIFY(frame->isVisible());
    QVERIFY(!frame->isStretched());
    QVERIFY(frame->left() >= animation::layout::clientWidth);
    // An unstretched picture measures exactly its control.
    QCOMPARE(frame->pixmap().size(),
             QSize(forms::toPixels(frame->width()), forms::toPixels(frame->height())));
}

void TestSimulationWindow::iconCoversItsCover_data()
{
    QTest::addColumn<Cam>("cam");
    QTest::newRow("pear") << Cam::Pear;
    QTest::newRow("double lobe") << Cam::DoubleLobe;
    QTest::newRow("snail") << Cam::Snail;
}

void TestSimulationWindow::iconCoversItsCover()
{
    QFETCH(Cam, cam);
    const SimulationWindow::CamControls controls = m_form->controlsOf(cam);
    const forms::Picture *icon = controls.icon;
    const forms::Picture *cover = controls.cover;
    QVERIFY(icon->isVisible() && cover->isVisible());
    QVERIFY(icon->isStretched() && cover->isStretched());
    QCOMPARE(cover->left(), icon->left());
    QCOMPARE(cover->top(), icon->top());
    QVERIFY(cover->width() <= icon->width() && cover->height() <= icon->height());
    QVERIFY(icon->zOrder() < cover->zOrder());
    // The label stands to the right of its icon, level with it.
    const forms::Picture *label = controls.label;
    QVERIFY(label->left() >= icon->left() + icon->width());
    QVERIFY(label->top() >= icon->top() && label->top() < icon->top() + icon->height());
}

void TestSimulationWindow::graphLines_data()
{
    iconCoversItsCover_data();
}

// Each graph's hidden pen line starts where its axes cross, which the graph's strokes take
// for the origin.
void TestSimulationWindow::graphLines()
{
    QFETCH(Cam, cam);
    const SimulationWindow::CamControls controls = m_form->controlsOf(cam);
    const forms::LineControl *across = controls.timeAxis;
    const forms::LineControl *up = controls.liftAxis;
    QVERIFY(across->isVisible() && up->isVisible());
    QVERIFY(!controls.pen->isVisible());
    QCOMPARE(controls.pen->colour(), QColor(Qt::black));
    QCOMPARE(across->y1(), across->y2());
    QCOMPARE(up->x1(), up->x2());
    QCOMPARE(across->colour(), up->colour());
    QCOMPARE(QPoint(controls.pen->x1(), controls.pen->y1()), QPoint(up->x1(), across->y1()));
    for (const Cam other : animation::allCams) {
        if (other != cam)
            QVERIFY(m_form->controlsOf(other).timeAxis->colour() != across->colour());
    }
}

// Everything but the step pictures and the bird lies inside the client area.
void TestSimulationWindow::controlsInsideTheClientArea()
{
    const QRect client(0, 0, animation::layout::clientWidth, animation::layout::clientHeight);
    for (const auto &control : m_form->surface()->controls()) {
        const QString name = control->name();
        QVERIFY2(control->zOrder() >= animation::layout::firstWindowlessZ, qPrintable(name));
        if (name.startsWith("frame(") || name == "startFrame" || name == "bird")
            continue;
        if (const auto *picture = dynamic_cast<const forms::Picture *>(control.get())) {
            QVERIFY2(client.contains(QRect(picture->left(), picture->top(), picture->width(),
                                           picture->height())),
                     qPrintable(name));
            QVERIFY2(!picture->pixmap().isNull(), qPrintable(name));
            if (!picture->isStretched() && name != "strip")
                QCOMPARE(picture->pixmap().size(), QSize(forms::toPixels(picture->width()),
                                                         forms::toPixels(picture->height())));
        } else if (const auto *line = dynamic_cast<const forms::LineControl *>(control.get())) {
            QVERIFY2(client.contains(QPoint(line->x1(), line->y1()))
                         && client.contains(QPoint(line->x2(), line->y2())),
                     qPrintable(name));
        }
    }
    // Once loaded the strip's control is a little wider than its picture.
    const auto *strip = dynamic_cast<const forms::Picture *>(m_form->surface()->control("strip"));
    QCOMPARE(strip->width(), animation::layout::stripLoadedWidth);
    QCOMPARE(strip->pixmap().size(), QSize(forms::toPixels(animation::layout::strip.width),
                                           forms::toPixels(animation::layout::strip.height)));
    // The one picture placed where no learner sees it.
    const forms::WindowlessControl *bird = m_form->surface()->control("bird");
    QVERIFY(bird && bird->isVisible());
    QVERIFY(dynamic_cast<const forms::Picture *>(bird)->left() >= client.width());
}

void TestSimulationWindow::timersAndScrollBar()
{
    for (forms::Timer *timer : timersOf(*m_form)) {
        QVERIFY(!timer->isEnabled());
        QCOMPARE(timer->interval(), 200);
    }
    QScrollBar *speed = m_form->speed();
    QCOMPARE(speed->value(), 500);
    QCOMPARE(speed->minimum(), 10);
    QCOMPARE(speed->maximum(), 1000);
    QCOMPARE(speed->singleStep(), 1);
    QCOMPARE(speed->pageStep(), 10);
    QCOMPARE(speed->geometry(), QRect(184, 408, 273, 9));
    QCOMPARE(m_form->model().step(), 0);
    // The scroll bar is the only control a click gives the focus to; the cam
    // spots are reached by Tab alone.
    int clickFocusable = 0;
    for (QWidget *child : m_form->findChildren<QWidget *>())
        clickFocusable += (child->focusPolicy() & Qt::ClickFocus) && child->isEnabled()
                          && child->isVisibleTo(m_form.get()) && child != m_form->menuBar();
    QCOMPARE(clickFocusable, 1);
    QCOMPARE(m_form->surface()->focusPolicy(), Qt::TabFocus);
}

void TestSimulationWindow::windowAndMenuBar()
{
    QVERIFY(m_form->windowTitle().startsWith("Cam Simulation"));
    QCOMPARE(m_form->surface()->size(),
             QSize(forms::toPixels(animation::layout::clientWidth),
                   forms::toPixels(animation::layout::clientHeight)));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!m_form->windowIcon().isNull());

    const QList<QAction *> items = m_form->menuBar()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), QString("Test"));
    QCOMPARE(items[1]->text(), QString("Exit"));
    QVERIFY(!items[0]->menu() && !items[1]->menu());
}

void TestSimulationWindow::arrowKeysMoveTheSpeedTheirWay_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("change"); // raising it slows the cams, as on other scroll bars
    for (const auto &[key, change] : {std::pair{Qt::Key_Right, 1}, {Qt::Key_Down, 1}, {Qt::Key_PageDown, 10},
                                      {Qt::Key_Left, -1}, {Qt::Key_Up, -1}, {Qt::Key_PageUp, -10}})
        QTest::addRow("%s", qPrintable(QKeySequence(key).toString())) << int(key) << change;
}

void TestSimulationWindow::arrowKeysMoveTheSpeedTheirWay()
{
    QFETCH(int, key);
    QFETCH(int, change);
    QTest::keyClick(m_form->speed(), Qt::Key(key));
    QCOMPARE(m_form->speed()->value(), 500 + change);
    QCOMPARE(m_form->controlsOf(Cam::Pear).timer->interval(), 500 + change);
}

void TestSimulationWindow::clicksReachTheRightPicture_data()
{
    QTest::addColumn<QPoint>("at"); // pixels
    QTest::addColumn<int>("runningTimer");
    QTest::newRow("pear icon") << QPoint(40, 60) << 1;
    QTest::newRow("pear icon below its cover") << QPoint(40, 154) << 1;
    QTest::newRow("double-lobe icon over its cover") << QPoint(20, 180) << 2;
    QTest::newRow("snail icon over its cover") << QPoint(60, 320) << 3;
    QTest::newRow("label") << QPoint(120, 100) << 0;
    QTest::newRow("title") << QPoint(30, 20) << 0;
    QTest::newRow("axis line") << QPoint(472, 120) << 0;
    QTest::newRow("bare backdrop") << QPoint(600, 300) << 0;
    QTest::newRow("stage") << QPoint(320, 250) << 0;
}

void TestSimulationWindow::clicksReachTheRightPicture()
{
    QFETCH(QPoint, at);
    QFETCH(int, runningTimer);
    QTest::mouseClick(m_form->surface(), Qt::LeftButton, {}, at);
    QCOMPARE(runningNumber(*m_form), runningTimer);
}

void TestSimulationWindow::doubleClickActsAsOneClick_data()
{
    QTest::addColumn<Cam>("cam");
    QTest::addColumn<bool>("running");
    QTest::newRow("cam 1 icon") << Cam::Pear << false;
    QTest::newRow("cam 1 cover") << Cam::Pear << true;
    QTest::newRow("cam 2 icon") << Cam::DoubleLobe << false;
    QTest::newRow("cam 2 cover") << Cam::DoubleLobe << true;
    QTest::newRow("cam 3 icon") << Cam::Snail << false;
    QTest::newRow("cam 3 cover") << Cam::Snail << true;
}

// Delivered as the window system does, it starts or stops the cam once: the cover the
// first click uncovers does not take the second press.
void TestSimulationWindow::doubleClickActsAsOneClick()
{
    QFETCH(Cam, cam);
    QFETCH(bool, running);
    forms::Picture *icon = m_form->controlsOf(cam).icon;
    forms::Timer *timer = m_form->controlsOf(cam).timer;
    if (running)
        icon->click();
    QSignalSpy erased(m_form->surface(), &forms::Surface::cleared);
    QSignalSpy drawn(m_form->surface(), &forms::Surface::lineDrawn);
    const QPoint at = m_form->surface()->mapTo(m_form.get(), icon->area().center());
    QTest::mouseDClick(m_form->windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(timer->isEnabled(), !running);
    QCOMPARE(icon->isVisible(), running);
    QCOMPARE(erased.count(), 0);
    QCOMPARE(drawn.count(), cam == Cam::Pear && !running ? 1 : 0); // the pear's starting point
}

void TestSimulationWindow::firstPixels_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("grey panel on the empty stage") << QPoint(320, 250) << QColor(144, 144, 144);
    QTest::newRow("left post") << QPoint(196, 250) << QColor(96, 96, 64);
    QTest::newRow("pear lift axis") << QPoint(472, 100) << QColor(192, 0, 0);
    QTest::newRow("pear time axis") << QPoint(560, 144) << QColor(192, 0, 0);
    QTest::newRow("double-lobe lift axis") << QPoint(472, 230) << QColor(192, 0, 192);
    QTest::newRow("double-lobe time axis") << QPoint(600, 272) << QColor(192, 0, 192);
    QTest::newRow("snail lift axis") << QPoint(472, 350) << QColor(0, 128, 0);
    QTest::newRow("snail time axis") << QPoint(500, 400) << QColor(0, 128, 0);
}

void TestSimulationWindow::firstPixels()
{
    QFETCH(QPoint, at);
    const QImage shot = m_form->surface()->grab().toImage();
    QTEST(shot.pixelColor(at), "colour");
}

void TestSimulationWindow::holeShowsUntilAFrameCoversIt()
{
    const auto *holePicture = dynamic_cast<forms::Picture *>(m_form->surface()->control("hole"));
    QVERIFY(holePicture);
    const QImage hole = holePicture->pixmap().toImage();
    const QPoint at(forms::toPixels(animation::layout::hole.left),
                    forms::toPixels(animation::layout::hole.top));
    QImage shot = m_form->surface()->grab().toImage();
    QCOMPARE(shot.copy(QRect(at, hole.size())).convertToFormat(QImage::Format_RGB32),
             hole.convertToFormat(QImage::Format_RGB32));

    m_form->startCam(animation::Cam::Pear);
    m_form->tickCam(animation::Cam::Pear);
    shot = m_form->surface()->grab().toImage();
    QVERIFY(shot.copy(QRect(at, hole.size())).convertToFormat(QImage::Format_RGB32)
            != hole.convertToFormat(QImage::Format_RGB32));
}

void TestSimulationWindow::exitEndsEverything()
{
    m_form->controlsOf(Cam::DoubleLobe).icon->click();
    m_form->testAction()->trigger();
    QPointer<TestWindow> quiz = m_form->testWindow();
    m_form->exitAction()->trigger();
    QVERIFY(!m_form->controlsOf(Cam::DoubleLobe).timer->isEnabled());
    QVERIFY(!m_form->isVisible());
    QTRY_VERIFY(quiz.isNull() || !quiz->isVisible());
}

QTEST_MAIN(TestSimulationWindow)
#include "tst_simulationwindow.moc"
