// The simulation window as the learner first sees it: every control where
// it belongs, clicks reaching the right picture, and the pixels on screen.
#include "app/form1.h"
#include "forms/linecontrol.h"
#include "forms/picture.h"

#include <QAction>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

class TestForm1 : public QObject
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
    std::unique_ptr<Form1> m_form;
};

void TestForm1::init()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestForm1::cleanup()
{
    m_form.reset();
}

void TestForm1::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("z");
    QTest::addColumn<QRect>("placement"); // Left, Top, Width, Height in twips
    QTest::addColumn<bool>("stretched");
    QTest::addColumn<QSize>("pictureSize");

    const auto row = [](const char *name, int z, QRect placement, bool stretched, QSize size) {
        QTest::newRow(name) << QString(name) << z << placement << stretched << size;
    };
    row("Image15", 5, {6960, 120, 2520, 540}, false, {168, 36});
    row("Image12", 15, {38040, 120, 1800, 1140}, false, {120, 76});
    row("Image13", 16, {1800, 5160, 720, 330}, false, {48, 22});
    row("Image11", 17, {1680, 3120, 870, 570}, false, {58, 38});
    row("Image10", 18, {1680, 1440, 930, 300}, false, {62, 20});
    row("Image9", 19, {0, 120, 1500, 600}, true, {96, 36});
    row("Image5", 20, {120, 4440, 1320, 1620}, true, {84, 104});
    row("Image2", 21, {2790, 1800, 4040, 165}, false, {267, 11}); // widened when loaded
    row("Image1(19)", 22, {11040, 7320, 2295, 3795}, false, {153, 253});
    row("Image1(17)", 23, {11040, 720, 1815, 4005}, false, {121, 267});
    row("Image1(16)", 24, {11880, 3480, 2265, 3855}, false, {151, 257});
    row("Image1(15)", 25, {11760, 4800, 1995, 4005}, false, {133, 267});
    row("Image1(14)", 26, {11400, 5520, 1875, 4185}, false, {125, 279});
    row("Image1(13)", 27, {11760, 360, 1905, 4065}, false, {127, 271});
    row("Image1(12)", 28, {9600, 600, 2145, 3795}, false, {143, 253});
    row("Image4", 29, {120, 840, 1290, 1500}, true, {82, 96});
    row("Image3", 30, {120, 2520, 1290, 1770}, true, {82, 114});
    row("Image1(11)", 31, {11040, 720, 2055, 4365}, false, {137, 291});
    row("Image1(10)", 32, {11400, 1080, 2445, 4005}, false, {163, 267});
    row("Image1(9)", 33, {10920, 5640, 2055, 4215}, false, {137, 281});
    row("Image1(8)", 34, {11040, 5760, 2055, 4605}, false, {137, 307});
    row("Image1(7)", 35, {10800, 5280, 1965, 4125}, false, {131, 275});
    row("start", 36, {10680, 3600, 1965, 4335}, false, {131, 289});
    row("Image1(6)", 37, {10680, 3600, 2175, 4035}, false, {145, 269});
    row("Image1(5)", 38, {10800, 3600, 2085, 4035}, false, {139, 269});
    row("Image1(4)", 39, {10680, 3600, 1905, 4305}, false, {127, 287});
    row("Image1(3)", 40, {10680, 645, 2085, 4095}, false, {139, 273});
    row("Image1(2)", 41, {10680, 3600, 2295, 4065}, false, {153, 271});
    row("Image1(1)", 42, {11040, 3360, 1995, 4125}, false, {133, 275});
    row("Image1(18)", 43, {9720, 120, 1815, 4275}, false, {121, 285});
    row("Image6", 44, {120, 4440, 1320, 1590}, true, {84, 102});
    row("Image8", 45, {120, 2520, 1260, 1710}, true, {80, 110});
    row("Image7", 46, {120, 840, 1290, 1470}, true, {82, 94});
    row("Image14", 47, {4440, 1440, 915, 285}, false, {61, 19});
}

void TestForm1::pictures()
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
    const bool decoration = !name.startsWith("Image1(") && name != "start" && name != "Image12";
    QCOMPARE(picture->left() < 9540, decoration);
}

void TestForm1::lines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("z");
    QTest::addColumn<QLine>("ends");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("visible");
    const QColor darkGreen(0, 128, 0), purple(192, 0, 192), darkRed(192, 0, 0);
    QTest::newRow("Line9") << "Line9" << 6 << QLine(7080, 6000, 7560, 5640) << QColor(Qt::black)
                           << false;
    QTest::newRow("Line8") << "Line8" << 7 << QLine(6960, 6000, 9360, 6000) << darkGreen << true;
    QTest::newRow("Line7") << "Line7" << 8 << QLine(7080, 6120, 7080, 4560) << darkGreen << true;
    QTest::newRow("Line6") << "Line6" << 9 << QLine(7080, 4080, 7560, 3720) << QColor(Qt::black)
                           << false;
    QTest::newRow("Line5") << "Line5" << 10 << QLine(7080, 4200, 7080, 2640) << purple << true;
    QTest::newRow("Line4") << "Line4" << 11 << QLine(6960, 4080, 9360, 4080) << purple << true;
    QTest::newRow("Line3") << "Line3" << 12 << QLine(7080, 2160, 7320, 1800) << QColor(Qt::black)
                           << false;
    QTest::newRow("Line2") << "Line2" << 13 << QLine(7080, 2280, 7080, 840) << darkRed << true;
    QTest::newRow("Line1") << "Line1" << 14 << QLine(6960, 2160, 9360, 2160) << darkRed << true;
}

void TestForm1::lines()
{
    QFETCH(QString, name);
    auto *line = dynamic_cast<forms::LineControl *>(m_form->surface()->control(name));
    QVERIFY(line);
    QTEST(line->zOrder(), "z");
    QTEST(QLine(line->x1(), line->y1(), line->x2(), line->y2()), "ends");
    QTEST(line->colour(), "colour");
    QTEST(line->isVisible(), "visible");
}

void TestForm1::stackingOrderIsComplete()
{
    // 34 pictures and 9 lines fill z 5 to 47; the scroll bar and the timers hold 1 to 4.
    const auto &controls = m_form->surface()->controls();
    QCOMPARE(int(controls.size()), 43);
    for (std::size_t i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->zOrder(), int(i) + 5);
    for (int k = 1; k <= 19; ++k)
        QCOMPARE(m_form->Image1(k)->name(), QString("Image1(%1)").arg(k));
}

void TestForm1::timersAndScrollBar()
{
    for (forms::Timer *timer : {m_form->Timer1, m_form->Timer2, m_form->Timer3}) {
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
    QCOMPARE(m_form->frame, 0);
    // The scroll bar is the only control a click gives the focus to; the cam
    // spots are reached by Tab alone.
    int clickFocusable = 0;
    for (QWidget *child : m_form->findChildren<QWidget *>())
        clickFocusable += (child->focusPolicy() & Qt::ClickFocus) && child->isEnabled()
                          && child->isVisibleTo(m_form.get()) && child != m_form->menuBar();
    QCOMPARE(clickFocusable, 1);
    QCOMPARE(m_form->surface()->focusPolicy(), Qt::TabFocus);
}

void TestForm1::windowAndMenuBar()
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

void TestForm1::arrowKeysMoveTheSpeedTheirWay_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("change"); // raising it slows the cams, as on other scroll bars
    for (const auto &[key, change] : {std::pair{Qt::Key_Right, 1}, {Qt::Key_Down, 1}, {Qt::Key_PageDown, 10},
                                      {Qt::Key_Left, -1}, {Qt::Key_Up, -1}, {Qt::Key_PageUp, -10}})
        QTest::addRow("%s", qPrintable(QKeySequence(key).toString())) << int(key) << change;
}

void TestForm1::arrowKeysMoveTheSpeedTheirWay()
{
    QFETCH(int, key);
    QFETCH(int, change);
    QTest::keyClick(m_form->speed, Qt::Key(key));
    QCOMPARE(m_form->speed->value(), 500 + change);
    QCOMPARE(m_form->Timer1->interval(), 500 + change);
}

void TestForm1::clicksReachTheRightPicture_data()
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

void TestForm1::clicksReachTheRightPicture()
{
    QFETCH(QPoint, at);
    QFETCH(int, runningTimer);
    QTest::mouseClick(m_form->surface(), Qt::LeftButton, {}, at);
    const QList<forms::Timer *> timers{m_form->Timer1, m_form->Timer2, m_form->Timer3};
    for (int t = 1; t <= 3; ++t)
        QCOMPARE(timers[t - 1]->isEnabled(), t == runningTimer);
}

void TestForm1::doubleClickActsAsOneClick_data()
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
void TestForm1::doubleClickActsAsOneClick()
{
    QFETCH(int, cam);
    QFETCH(bool, running);
    forms::Picture *icon = QList{m_form->Image4, m_form->Image3, m_form->Image5}[cam - 1];
    forms::Timer *timer = QList{m_form->Timer1, m_form->Timer2, m_form->Timer3}[cam - 1];
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

void TestForm1::firstPixels_data()
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

void TestForm1::firstPixels()
{
    QFETCH(QPoint, at);
    const QImage shot = m_form->surface()->grab().toImage();
    QTEST(shot.pixelColor(at), "colour");
}

void TestForm1::holeShowsUntilAFrameCoversIt()
{
    const QImage hole = m_form->Image14->pixmap().toImage();
    const QPoint at(4440 / 15, 1440 / 15);
    QImage shot = m_form->surface()->grab().toImage();
    QCOMPARE(shot.copy(QRect(at, hole.size())).convertToFormat(QImage::Format_RGB32),
             hole.convertToFormat(QImage::Format_RGB32));

    m_form->startCam(animation::Cam::Pear);
    m_form->tickCam(animation::Cam::Pear);
    shot = m_form->surface()->grab().toImage();
    QVERIFY(shot.copy(QRect(at, hole.size())).convertToFormat(QImage::Format_RGB32)
            != hole.convertToFormat(QImage::Format_RGB32));
}

void TestForm1::exitEndsEverything()
{
    m_form->Image3->click();
    m_form->Test->trigger();
    QPointer<Form2> quiz = m_form->testWindow();
    m_form->exit->trigger();
    QVERIFY(!m_form->Timer2->isEnabled());
    QVERIFY(!m_form->isVisible());
    QTRY_VERIFY(quiz.isNull() || !quiz->isVisible());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
