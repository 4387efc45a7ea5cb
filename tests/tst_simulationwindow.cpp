// The simulation window as the learner first sees it: every control where
// it belongs, clicks reaching the right picture, and the pixels on screen.
#include "animation/layout.h"
#include "app/simulationwindow.h"
#include "forms/linecontrol.h"
#include "forms/picture.h"
#include "forms/twips.h"

#include <QAction>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

class TestSimulationWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pictures_data();
    void pictures();
    void lines_data();
    void lines();
    void stackingOrderIsComplete();
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

void TestSimulationWindow::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("z");
    QTest::addColumn<QRect>("placement"); // Left, Top, Width, Height in twips
    QTest::addColumn<bool>("stretched");
    QTest::addColumn<QSize>("pictureSize");

    namespace layout = animation::layout;
    const auto row = [](const char *name, int z, layout::Place at, bool stretched, QSize size) {
        QTest::newRow(name) << QString(name) << z << QRect(at.left, at.top, at.width, at.height)
                            << stretched << size;
    };
    // An unstretched picture measures exactly its control.
    const auto fitted = [row](const char *name, int z, layout::Place at) {
        row(name, z, at, false, QSize(forms::toPixels(at.width), forms::toPixels(at.height)));
    };
    const auto frame = [fitted](int k, int z) {
        const QByteArray name = k == 0 ? "startFrame" : "frame(" + QByteArray::number(k) + ')';
        fitted(name.constData(), z, layout::frames[std::size_t(k)]);
    };
    fitted("graphTitle", 5, layout::graphTitle);
    fitted("bird", 15, layout::bird);
    fitted("snailLabel", 16, layout::snailLabel);
    fitted("doubleLobeLabel", 17, layout::doubleLobeLabel);
    fitted("pearLabel", 18, layout::pearLabel);
    row("camsTitle", 19, layout::camsTitle, true, {96, 36});
    row("snailIcon", 20, layout::snailIcon, true, {84, 104});
    layout::Place widened = layout::strip; // widened when loaded
    widened.width = layout::stripLoadedWidth;
    row("strip", 21, widened, false, {267, 11});
    for (const auto &[k, z] : {std::pair{19, 22}, {17, 23}, {16, 24}, {15, 25}, {14, 26},
                               {13, 27}, {12, 28}})
        frame(k, z);
    row("pearIcon", 29, layout::pearIcon, true, {82, 96});
    row("doubleLobeIcon", 30, layout::doubleLobeIcon, true, {82, 114});
    for (const auto &[k, z] : {std::pair{11, 31}, {10, 32}, {9, 33}, {8, 34}, {7, 35}, {0, 36},
                               {6, 37}, {5, 38}, {4, 39}, {3, 40}, {2, 41}, {1, 42}, {18, 43}})
        frame(k, z);
    row("snailCover", 44, layout::snailCover, true, {84, 102});
    row("doubleLobeCover", 45, layout::doubleLobeCover, true, {80, 110});
    row("pearCover", 46, layout::pearCover, true, {82, 94});
    fitted("hole", 47, layout::hole);
}

void TestSimulationWindow::pictures()
{
    QFETCH(QString, name);
    auto *picture = dynamic_cast<forms::Picture *>(m_form->surface()->control(name));
    QVERIFY(picture);
    QTEST(picture->zOrder(), "z");
    QTEST(QRect(picture->left(), picture->top(), picture->width(), picture->height()),
          "placement");
    QTEST(picture->isStretched(), "stretched");
    QTEST(picture->pixmap().size(), "pictureSize");
    QVERIFY(picture->isVisible());
    // Everything but the icons, covers and fixed decoration waits out of sight.
    const bool decoration = !name.startsWith("frame(") && name != "startFrame" && name != "bird";
    QCOMPARE(picture->left() < 9540, decoration);
}

void TestSimulationWindow::lines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("z");
    QTest::addColumn<QLine>("ends");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("visible");
    const QColor darkGreen(0, 128, 0), purple(192, 0, 192), darkRed(192, 0, 0);
    const auto row = [](const char *name, int z, animation::layout::LineEnds ends,
                        QColor colour, bool visible) {
        QTest::newRow(name) << QString(name) << z << QLine(ends.x1, ends.y1, ends.x2, ends.y2)
                            << colour << visible;
    };
    namespace layout = animation::layout;
    row("snailPen", 6, layout::snailPen, Qt::black, false);
    row("snailTimeAxis", 7, layout::snailTimeAxis, darkGreen, true);
    row("snailLiftAxis", 8, layout::snailLiftAxis, darkGreen, true);
    row("doubleLobePen", 9, layout::doubleLobePen, Qt::black, false);
    row("doubleLobeLiftAxis", 10, layout::doubleLobeLiftAxis, purple, true);
    row("doubleLobeTimeAxis", 11, layout::doubleLobeTimeAxis, purple, true);
    row("pearPen", 12, layout::pearPen, Qt::black, false);
    row("pearLiftAxis", 13, layout::pearLiftAxis, darkRed, true);
    row("pearTimeAxis", 14, layout::pearTimeAxis, darkRed, true);
}

void TestSimulationWindow::lines()
{
    QFETCH(QString, name);
    auto *line = dynamic_cast<forms::LineControl *>(m_form->surface()->control(name));
    QVERIFY(line);
    QTEST(line->zOrder(), "z");
    QTEST(QLine(line->x1(), line->y1(), line->x2(), line->y2()), "ends");
    QTEST(line->colour(), "colour");
    QTEST(line->isVisible(), "visible");
}

void TestSimulationWindow::stackingOrderIsComplete()
{
    // 34 pictures and 9 lines fill z 5 to 47; the scroll bar and the timers hold 1 to 4.
    const auto &controls = m_form->surface()->controls();
    QCOMPARE(int(controls.size()), 43);
    for (std::size_t i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->zOrder(), int(i) + 5);
    for (int k = 1; k <= 19; ++k)
        QCOMPARE(m_form->frame(k)->name(), QString("frame(%1)").arg(k));
}

void TestSimulationWindow::timersAndScrollBar()
{
    for (forms::Timer *timer : {m_form->pearTimer, m_form->doubleLobeTimer, m_form->snailTimer}) {
        QVERIFY(!timer->isEnabled());
        QCOMPARE(timer->interval(), 200);
    }
    QScrollBar *speed = m_form->speed;
    QCOMPARE(speed->value(), 500);
    QCOMPARE(speed->minimum(), 10);
    QCOMPARE(speed->maximum(), 1000);
    QCOMPARE(speed->singleStep(), 1);
    QCOMPARE(speed->pageStep(), 10);
    QCOMPARE(speed->geometry(), QRect(184, 408, 273, 9));
    QCOMPARE(m_form->step, 0);
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
    QCOMPARE(m_form->surface()->size(), QSize(636, 418));
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
    QTest::keyClick(m_form->speed, Qt::Key(key));
    QCOMPARE(m_form->speed->value(), 500 + change);
    QCOMPARE(m_form->pearTimer->interval(), 500 + change);
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
    const QList<forms::Timer *> timers{m_form->pearTimer, m_form->doubleLobeTimer,
                                       m_form->snailTimer};
    for (int t = 1; t <= 3; ++t)
        QCOMPARE(timers[t - 1]->isEnabled(), t == runningTimer);
}

void TestSimulationWindow::doubleClickActsAsOneClick_data()
{
    QTest::addColumn<int>("cam"); // 1 pear, 2 double lobe, 3 snail
    QTest::addColumn<bool>("running");
    for (int cam = 1; cam <= 3; ++cam) {
        QTest::addRow("cam %d icon", cam) << cam << false;
        QTest::addRow("cam %d cover", cam) << cam << true;
    }
}

// Delivered as the window system does, it starts or stops the cam once: the cover the
// first click uncovers does not take the second press.
void TestSimulationWindow::doubleClickActsAsOneClick()
{
    QFETCH(int, cam);
    QFETCH(bool, running);
    forms::Picture *icon = QList{m_form->pearIcon, m_form->doubleLobeIcon,
                                 m_form->snailIcon}[cam - 1];
    forms::Timer *timer = QList{m_form->pearTimer, m_form->doubleLobeTimer,
                                m_form->snailTimer}[cam - 1];
    if (running)
        icon->click();
    QSignalSpy erased(m_form->surface(), &forms::Surface::cleared);
    QSignalSpy drawn(m_form->surface(), &forms::Surface::lineDrawn);
    const QPoint at = m_form->surface()->mapTo(m_form.get(), icon->area().center());
    QTest::mouseDClick(m_form->windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(timer->isEnabled(), !running);
    QCOMPARE(icon->isVisible(), running);
    QCOMPARE(erased.count(), 0);
    QCOMPARE(drawn.count(), cam == 1 && !running ? 1 : 0); // the pear's one starting point
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
    const QImage hole = m_form->hole->pixmap().toImage();
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
    m_form->doubleLobeIcon->click();
    m_form->testAction->trigger();
    QPointer<TestWindow> quiz = m_form->testWindow();
    m_form->exitAction->trigger();
    QVERIFY(!m_form->doubleLobeTimer->isEnabled());
    QVERIFY(!m_form->isVisible());
    QTRY_VERIFY(quiz.isNull() || !quiz->isVisible());
}

QTEST_MAIN(TestSimulationWindow)
#include "tst_simulationwindow.moc"
