// Both windows with the keyboard alone, by real key events: Tab order, Space
// and Enter on the cam spots and the answer pictures, the whole test, the menu
// bar's keys, and a focus mark that only keyboard users ever see.
#include "cams.h"
#include "spoken.h"
#include "app/simulationwindow.h"
#include "forms/picture.h"
#include "quiz/testwindow.h"

#include <QAccessible>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using animation::Cam;

namespace {

// Where the keyboard focus is, by what it acts on.
QString focusOf(QWidget *window)
{
    QWidget *focused = window->focusWidget();
    if (auto *form = qobject_cast<forms::Form *>(window); form && focused == form->surface()) {
        const forms::Picture *picture = form->surface()->focusedPicture();
        return picture ? picture->name() : QStringLiteral("surface, nowhere");
    }
    return focused ? focused->objectName() : QStringLiteral("nothing");
}

// "Tab", "Backtab", "Space", "Return" or "Enter", one after another.
void type(QWidget *window, const QStringList &keys)
{
    for (const QString &key : keys) {
        QWidget *target = window->focusWidget() ? window->focusWidget() : window;
        if (key == "Tab")
            QTest::keyClick(target, Qt::Key_Tab);
        else if (key == "Backtab")
            QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
        else if (key == "Space")
            QTest::keyClick(target, Qt::Key_Space);
        else if (key == "Return")
            QTest::keyClick(target, Qt::Key_Return);
        else if (key == "Enter")
            QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        else
            QFAIL(qPrintable("no key " + key));
    }
}

QImage shot(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// The running cam by its timer, 0 for none.
int running(const SimulationWindow &form)
{
    return runningNumber(form);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void tabOrder_data();
    void tabOrder();
    void camSpotsActLikeAClick_data();
    void camSpotsActLikeAClick();
    void refusedStartByKeyboardChangesNothing();
    void scrollBarKeepsItsKeys();
    void menuBarKeys();
    void menuBarLightsWhateverCameBefore_data();
    void menuBarLightsWhateverCameBefore();
    void ctrlQEndsTheProgramFromEitherWindow_data();
    void ctrlQEndsTheProgramFromEitherWindow();
    void keysActOnlyWhereTheFocusIs_data();
    void keysActOnlyWhereTheFocusIs();
    void wholeTestByKeyboard_data();
    void wholeTestByKeyboard();
    void focusMarkOnlyForTheKeyboard_data();
    void focusMarkOnlyForTheKeyboard();
    void mouseUserNeverSeesAMark();
    void refusedStartIsUnavailableToReaders();
    void graphsAreDescribed_data();
    void graphsAreDescribed();
};

void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<bool>("testWindow");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("focus"); // after each key; the first before any
    QTest::newRow("simulation, forward")
        << false << QStringList{"Tab", "Tab", "Tab", "Tab", "Tab"}
        << QStringList{"speed", "pearIcon", "doubleLobeIcon", "snailIcon", "speed", "pearIcon"};
    QTest::newRow("simulation, backward")
        << false << QStringList{"Backtab", "Backtab", "Backtab", "Backtab"}
        << QStringList{"speed", "snailIcon", "doubleLobeIcon", "pearIcon", "speed"};
    QTest::newRow("simulation, there and back")
        << false << QStringList{"Tab", "Tab", "Backtab", "Backtab"}
        << QStringList{"speed", "pearIcon", "doubleLobeIcon", "pearIcon", "speed"};
    QTest::newRow("test window, forward")
        << true << QStringList{"Tab", "Tab", "Tab", "Tab"}
        << QStringList{"button", "doubleLobeAnswer", "snailAnswer", "pearAnswer", "button"};
    QTest::newRow("test window, backward")
        << true << QStringList{"Backtab", "Backtab"}
        << QStringList{"button", "pearAnswer", "snailAnswer"};
}

void TestKeyboard::tabOrder()
{
    QFETCH(bool, testWindow);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, focus);
    std::unique_ptr<forms::Form> window;
    if (testWindow)
        window = std::make_unique<TestWindow>();
    else
        window = std::make_unique<SimulationWindow>();
    showActive(window.get());
    QStringList seen{focusOf(window.get())};
    for (const QString &key : keys) {
        type(window.get(), {key});
        seen << focusOf(window.get());
    }
    QCOMPARE(seen, focus);
}

void TestKeyboard::camSpotsActLikeAClick_data()
{
    QTest::addColumn<int>("spot"); // Tabs from the scroll bar
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("timer");
    for (const QString key : {"Space", "Return", "Enter"}) {
        QTest::addRow("pear, %s", qPrintable(key)) << 1 << key << 1;
        QTest::addRow("double lobe, %s", qPrintable(key)) << 2 << key << 2;
        QTest::addRow("snail, %s", qPrintable(key)) << 3 << key << 3;
    }
}

// The first key starts the cam, as a click on its icon; the cover now lies
// where the icon was, so the same key on the same spot stops it.
void TestKeyboard::camSpotsActLikeAClick()
{
    QFETCH(int, spot);
    QFETCH(QString, key);
    QFETCH(int, timer);
    SimulationWindow form;
    showActive(&form);
    for (int i = 0; i < spot; ++i)
        type(&form, {"Tab"});
    const QString icon = focusOf(&form);
    type(&form, {key});
    QCOMPARE(running(form), timer);
    QVERIFY(!form.surface()->control(icon)->isVisible());
    QVERIFY(focusOf(&form) != icon); // the cover, what a click now reaches
    form.controlsOf(Cam::Pear).timer->tick();
    form.controlsOf(Cam::DoubleLobe).timer->tick();
    form.controlsOf(Cam::Snail).timer->tick();
    type(&form, {key});
    QCOMPARE(running(form), 0);
    QVERIFY(form.surface()->control(icon)->isVisible());
    QCOMPARE(focusOf(&form), icon);
    // Started again: the spot goes on working after a whole round.
    type(&form, {key});
    QCOMPARE(running(form), timer);
}

void TestKeyboard::refusedStartByKeyboardChangesNothing()
{
    SimulationWindow form;
    showActive(&form);
    type(&form, {"Tab", "Tab", "Space"}); // the double lobe runs
    for (int i = 0; i < 5; ++i)
        form.controlsOf(Cam::DoubleLobe).timer->tick();
    const int frame = form.model().step();
    const int graphOffset = form.model().graphOffset();
    const QImage before = shot(form.surface());
    type(&form, {"Backtab", "Space", "Tab", "Tab", "Return"}); // pear, then snail
    QCOMPARE(running(form), 2);
    QVERIFY(form.controlsOf(Cam::Pear).icon->isVisible());
    QVERIFY(form.controlsOf(Cam::Snail).icon->isVisible());
    QCOMPARE(form.model().step(), frame);
    QCOMPARE(form.model().graphOffset(), graphOffset);
    // Back on the double lobe's spot, the window is as it was.
    type(&form, {"Backtab"});
    QCOMPARE(focusOf(&form), QString("doubleLobeCover"));
    QCOMPARE(shot(form.surface()), before);
}

void TestKeyboard::scrollBarKeepsItsKeys()
{
    SimulationWindow form;
    showActive(&form);
    QCOMPARE(form.focusWidget(), form.speed());
    QTest::keyClick(form.speed(), Qt::Key_Home);
    QCOMPARE(form.controlsOf(Cam::Pear).timer->interval(), form.speed()->minimum());
    QTest::keyClick(form.speed(), Qt::Key_End);
    QCOMPARE(form.controlsOf(Cam::Pear).timer->interval(), form.speed()->maximum());
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown}) {
        QTest::keyClick(form.speed(), Qt::Key_Home);
        QTest::keyClick(form.speed(), Qt::Key_End);
        const int before = form.speed()->value();
        QTest::keyClick(form.speed(), key);
        QTest::keyClick(form.speed(), Qt::Key_Home);
        QVERIFY2(form.speed()->value() != before, "a key the scroll bar should take");
    }
    QCOMPARE(form.focusWidget(), form.speed());
}

void TestKeyboard::menuBarKeys()
{
    SimulationWindow form;
    showActive(&form);
    QTest::keyClick(form.speed(), Qt::Key_F10);
    QTRY_COMPARE(form.menuBar()->activeAction(), form.testAction());
    QCOMPARE(QApplication::focusWidget(), form.menuBar());
    QTest::keyClick(form.menuBar(), Qt::Key_Right);
    QCOMPARE(form.menuBar()->activeAction(), form.exitAction());
    QTest::keyClick(form.menuBar(), Qt::Key_Left);
    QCOMPARE(form.menuBar()->activeAction(), form.testAction());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!form.menuBar()->activeAction());
    QCOMPARE(form.focusWidget(), form.speed());

    // Alt and F10 alike, then Enter on "Test".
    QTest::keyClick(form.speed(), Qt::Key_Alt, Qt::AltModifier);
    QCOMPARE(form.menuBar()->activeAction(), form.testAction());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(form.speed(), Qt::Key_F10);
    QTRY_COMPARE(form.menuBar()->activeAction(), form.testAction());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(form.testWindow() && form.testWindow()->isVisible());

    QTest::keyClick(form.speed(), Qt::Key_Space); // nothing of the scroll bar's
    form.controlsOf(Cam::Pear).icon->click();
    QVERIFY(form.controlsOf(Cam::Pear).timer->isEnabled());
    QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!form.controlsOf(Cam::Pear).timer->isEnabled());
    QVERIFY(!form.isVisible());
}

void TestKeyboard::menuBarLightsWhateverCameBefore_data()
{
    QTest::addColumn<QString>("key");       // F10 or Alt
    QTest::addColumn<QString>("meanwhile"); // what happens while the bar is lit
    QTest::addColumn<int>("tabs");          // from the scroll bar, before the key
    for (const QString key : {"F10", "Alt"}) {
        const QByteArray name = key.toUtf8();
        const char *k = name.constData();
        QTest::addRow("%s, minimised and restored", k) << key << "minimise" << 0;
        QTest::addRow("%s on the pear spot, minimised and restored", k) << key << "minimise" << 1;
        QTest::addRow("%s, another window active and back", k) << key << "deactivate" << 0;
        QTest::addRow("%s on the snail spot, another window active and back", k)
            << key << "deactivate" << 3;
        QTest::addRow("%s, a visit to the test window", k) << key << "test window" << 0;
        QTest::addRow("%s on the double lobe spot, a visit to the test window", k)
            << key << "test window" << 2;
        QTest::addRow("%s, the scroll bar's context menu", k) << key << "context menu" << 0;
        QTest::addRow("%s, the pointer over the bar and away", k) << key << "pointer" << 0;
    }
}

// Whatever came between, the window comes back with the focus and its mark where they were
// before the key, and the key lights the bar again, as the learner sees it; Escape leaves it.
void TestKeyboard::menuBarLightsWhateverCameBefore()
{
    QFETCH(QString, key);
    QFETCH(QString, meanwhile);
    QFETCH(int, tabs);
    SimulationWindow form;
    showActive(&form);
    if (meanwhile == "test window") {
        form.openTest();
        QVERIFY(QTest::qWaitForWindowExposed(form.testWindow()));
        showActive(&form);
    }
    QMenuBar *bar = form.menuBar();
    const QImage restingBar = shot(bar);
    for (int i = 0; i < tabs; ++i)
        type(&form, {"Tab"});
    const QString focus = focusOf(&form);
    const QRect mark = form.surface()->focusMark();
    QCOMPARE(mark.isEmpty(), tabs == 0);
    const auto press = [&](Qt::Key pressed) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        QTest::keyClick(target, pressed,
                        pressed == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
    };
    const Qt::Key lights = key == "F10" ? Qt::Key_F10 : Qt::Key_Alt;
    press(lights);
    QTRY_COMPARE(bar->activeAction(), form.testAction());
    const QImage litBar = shot(bar);
    QVERIFY2(litBar != restingBar, "the lit item shows");

    if (meanwhile == "minimise") {
        form.showMinimized();
        QApplication::setActiveWindow(nullptr); // the window manager takes the activation along
        form.showNormal();
        showActive(&form);
    } else if (meanwhile == "deactivate") {
        QWidget other;
        showActive(&other);
        showActive(&form);
    } else if (meanwhile == "test window") {
        showActive(form.testWindow());
        showActive(&form);
    } else if (meanwhile == "context menu") {
        bool closed = false;
        QTimer::singleShot(0, &form, [&closed] {
            QWidget *menu = QApplication::activePopupWidget();
            QVERIFY(menu);
            QTest::keyClick(menu, Qt::Key_Escape);
            closed = true;
        });
        const QPoint at = form.speed()->rect().center();
        QTest::mousePress(form.speed(), Qt::RightButton, {}, at);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, form.speed()->mapToGlobal(at));
        QApplication::sendEvent(form.speed(), &menu);
        QTest::mouseRelease(form.speed(), Qt::RightButton, {}, at);
        QVERIFY(closed);
        // Qt's offscreen platform activates the menu, and nothing when it goes.
        if (!form.isActiveWindow())
            showActive(&form);
    } else if (meanwhile == "pointer") {
        QTest::mouseMove(bar, bar->actionGeometry(form.exitAction()).center());
        QTest::mouseMove(form.surface(), form.surface()->rect().center());
        QApplication::processEvents();
    }
    QCOMPARE(focusOf(&form), focus);
    QCOMPARE(form.surface()->focusMark(), mark);
    QVERIFY(!bar->activeAction());
    QCOMPARE(shot(bar), restingBar);

    press(Qt::Key_Escape);
    QCOMPARE(focusOf(&form), focus);
    press(lights);
    QTRY_COMPARE(bar->activeAction(), form.testAction());
    QCOMPARE(QApplication::focusWidget(), bar);
    QCOMPARE(shot(bar), litBar);
    press(Qt::Key_Escape);
    QTRY_VERIFY(!bar->activeAction());
    QCOMPARE(focusOf(&form), focus);
    QCOMPARE(form.surface()->focusMark(), mark);
    QCOMPARE(shot(bar), restingBar);
}

void TestKeyboard::ctrlQEndsTheProgramFromEitherWindow_data()
{
    QTest::addColumn<bool>("inTestWindow");
    QTest::addColumn<bool>("simulationClosed"); // by its close box, the test window left alone
    QTest::newRow("simulation window") << false << false;
    QTest::newRow("test window") << true << false;
    QTest::newRow("test window alone") << true << true;
}

// Ctrl+Q is "Exit" wherever the learner is: the cam stops and both windows go.
void TestKeyboard::ctrlQEndsTheProgramFromEitherWindow()
{
    QFETCH(bool, inTestWindow);
    QFETCH(bool, simulationClosed);
    SimulationWindow form;
    showActive(&form);
    form.controlsOf(Cam::Pear).icon->click();
    form.openTest();
    const QPointer<TestWindow> quiz = form.testWindow();
    if (simulationClosed) {
        form.close();
        QVERIFY(quiz->isVisible());
    }
    QWidget *window = inTestWindow ? static_cast<QWidget *>(quiz) : &form;
    showActive(window);
    QSignalSpy exits(form.exitAction(), &QAction::triggered);
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(exits.count(), 1);
    QVERIFY(!form.controlsOf(Cam::Pear).timer->isEnabled());
    QVERIFY(!form.isVisible());
    QTRY_VERIFY(quiz.isNull() || !quiz->isVisible());
}

void TestKeyboard::keysActOnlyWhereTheFocusIs_data()
{
    QTest::addColumn<QStringList>("steps"); // keys, "click pear", "deactivate"
    QTest::addColumn<QString>("lit");       // the menu item the keyboard has lit, if any
    QTest::newRow("F10, a click") << QStringList{"F10", "click pear"} << "";
    QTest::newRow("F10, Tab, a click") << QStringList{"F10", "Tab", "click pear"} << "";
    QTest::newRow("F10, the window loses activation")
        << QStringList{"F10", "deactivate"} << "";
    QTest::newRow("Tab, Alt") << QStringList{"Tab", "Alt"} << "Test";
    QTest::newRow("Alt, Right") << QStringList{"Alt", "Right"} << "Exit";
    QTest::newRow("F10, Tab") << QStringList{"F10", "Tab"} << "Exit";
    QTest::newRow("Alt, a click") << QStringList{"Alt", "click pear"} << "";
    QTest::newRow("scroll bar at start") << QStringList{} << "";
    QTest::newRow("scroll bar after the pear") << QStringList{"Tab", "Backtab"} << "";
    QTest::newRow("scroll bar after the double lobe")
        << QStringList{"Tab", "Tab", "Backtab", "Backtab"} << "";
    QTest::newRow("scroll bar after the snail") << QStringList{"Backtab", "Tab"} << "";
    QTest::newRow("scroll bar after starting the pear")
        << QStringList{"Tab", "Space", "Backtab"} << "";
}

// Space and Enter open or end something only through a menu item the learner can see lit,
// and never reach a cam from the scroll bar.
void TestKeyboard::keysActOnlyWhereTheFocusIs()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, lit);
    SimulationWindow form;
    showActive(&form);
    QMenuBar *bar = form.menuBar();
    const QImage restingBar = shot(bar);
    QWidget other;
    for (const QString &step : steps) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        if (step == "F10")
            QTest::keyClick(target, Qt::Key_F10);
        else if (step == "Alt")
            QTest::keyClick(target, Qt::Key_Alt, Qt::AltModifier);
        else if (step == "Right")
            QTest::keyClick(target, Qt::Key_Right);
        else if (step == "click pear")
            QTest::mouseClick(form.surface(), Qt::LeftButton, {},
                              form.controlsOf(Cam::Pear).icon->area().center());
        else if (step == "deactivate")
            showActive(&other);
        else
            type(&form, {step});
    }
    if (steps.contains("deactivate"))
        showActive(&form);
    if (!lit.isEmpty()) {
        QVERIFY(bar->activeAction());
        QCOMPARE(bar->activeAction()->text(), lit);
        QVERIFY2(shot(bar) != restingBar, "the lit item shows");
        return;
    }
    QVERIFY(!bar->activeAction());
    QCOMPARE(shot(bar), restingBar);
    const int cam = running(form);
    const QImage stage = shot(form.surface());
    for (const QString key : {"Space", "Return", "Enter"}) {
        type(&form, {key});
        QVERIFY(!form.testWindow());
        QVERIFY(form.isVisible());
        QCOMPARE(running(form), cam);
    }
    if (form.focusWidget() == form.speed())
        QCOMPARE(shot(form.surface()), stage); // no focus mark either
}

void TestKeyboard::wholeTestByKeyboard_data()
{
    QTest::addColumn<QString>("answers"); // D, S, P: the picture chosen
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("score");
    QTest::newRow("all right, Space") << "SDPSDSPSDS" << "Space" << 10;
    QTest::newRow("some wrong, Return") << "SSPSPSPDDS" << "Return" << 7;
    QTest::newRow("all wrong, Enter") << "PPSPSPSPPP" << "Enter" << 0;
}

// From the button, the first picture is the double lobe, then the snail, then the pear.
void TestKeyboard::wholeTestByKeyboard()
{
    QFETCH(QString, answers);
    QFETCH(QString, key);
    QFETCH(int, score);
    TestWindow quiz;
    showActive(&quiz);
    QCOMPARE(focusOf(&quiz), QString("button"));
    for (int go = 0; go < 2; ++go) {
        for (int q = 0; q < 10; ++q) {
            type(&quiz, {key});
            QVERIFY(!quiz.controls().button->isVisible());
            QCOMPARE(focusOf(&quiz), QString("doubleLobeAnswer"));
            const int tabs = int(QString("DSP").indexOf(answers[q]));
            for (int t = 0; t < tabs; ++t)
                type(&quiz, {"Tab"});
            type(&quiz, {key});
            QVERIFY(quiz.controls().button->isVisible());
            QCOMPARE(focusOf(&quiz), QString("button"));
        }
        type(&quiz, {key});
        QCOMPARE(quiz.controls().scoreBox->text(), QString::number(score));
        QVERIFY(quiz.controls().scoreCaption->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(quiz.controls().scoreCaption)
                     ->text(QAccessible::Name),
                 spoken::score(score, 10));
        QCOMPARE(quiz.controls().button->text(), QString("Another Go ?"));
        QCOMPARE(focusOf(&quiz), QString("button"));
    }
}

void TestKeyboard::focusMarkOnlyForTheKeyboard_data()
{
    QTest::addColumn<bool>("testWindow");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("picture");
    QTest::newRow("pear spot") << false << 1 << "pearIcon";
    QTest::newRow("double lobe spot") << false << 2 << "doubleLobeIcon";
    QTest::newRow("snail spot") << false << 3 << "snailIcon";
    QTest::newRow("double lobe answer") << true << 1 << "doubleLobeAnswer";
    QTest::newRow("snail answer") << true << 2 << "snailAnswer";
    QTest::newRow("pear answer") << true << 3 << "pearAnswer";
}

// As first seen, the window has no mark. Tab draws one on the spot, in both
// black and white along every edge; a mouse press takes it away again and
// leaves the window as first seen, to the pixel.
void TestKeyboard::focusMarkOnlyForTheKeyboard()
{
    QFETCH(bool, testWindow);
    QFETCH(int, tabs);
    QFETCH(QString, picture);
    std::unique_ptr<forms::Form> window;
    if (testWindow)
        window = std::make_unique<TestWindow>();
    else
        window = std::make_unique<SimulationWindow>();
    showActive(window.get());
    forms::Surface *surface = window->surface();
    const QImage first = shot(surface);
    QVERIFY(surface->focusMark().isEmpty());

    for (int i = 0; i < tabs; ++i)
        type(window.get(), {"Tab"});
    QCOMPARE(focusOf(window.get()), picture);
    const QRect spot = static_cast<forms::Picture *>(surface->control(picture))->area();
    QCOMPARE(surface->focusMark(), spot);
    const QImage marked = shot(surface);
    const QRect edge = spot.adjusted(1, 1, -1, -1); // a pixel inside the spot
    const auto colours = [&](QPoint from, QPoint step, int count) {
        QSet<QRgb> seen;
        for (int i = 0; i < count; ++i)
            seen << marked.pixel(from + i * step);
        return seen;
    };
    for (const QSet<QRgb> &line :
         {colours(edge.topLeft(), {1, 0}, edge.width()),
          colours(edge.bottomLeft(), {1, 0}, edge.width()),
          colours(edge.topLeft(), {0, 1}, edge.height()),
          colours(edge.topRight(), {0, 1}, edge.height())}) {
        QCOMPARE(line, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    }
    // Nothing outside the spot changed.
    QImage outside = marked;
    QPainter(&outside).drawImage(spot, first, spot);
    QCOMPARE(outside, first);

    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(surface->width() - 2, 2));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(surface->width() - 2, 2));
    QVERIFY(surface->focusMark().isEmpty());
    QCOMPARE(shot(surface), first);
}

// A learner who only clicks: cams started and stopped, a question posed and
// answered, and never a mark.
void TestKeyboard::mouseUserNeverSeesAMark()
{
    SimulationWindow form;
    showActive(&form);
    const SimulationWindow::CamControls pear = form.controlsOf(Cam::Pear);
    QTest::mouseClick(form.surface(), Qt::LeftButton, {}, pear.icon->area().center());
    QVERIFY(form.controlsOf(Cam::Pear).timer->isEnabled());
    QTest::mouseClick(form.surface(), Qt::LeftButton, {}, pear.cover->area().center());
    QVERIFY(!form.controlsOf(Cam::Pear).timer->isEnabled());
    QVERIFY(form.surface()->focusMark().isEmpty());

    TestWindow quiz;
    showActive(&quiz);
    const QImage first = shot(quiz.surface());
    QTest::mouseClick(quiz.controls().button, Qt::LeftButton);
    QVERIFY(!quiz.controls().button->isVisible());
    QVERIFY(quiz.surface()->focusMark().isEmpty());
    const QRect pictures = quiz.answerPicture(Cam::DoubleLobe)->area()
                           | quiz.answerPicture(Cam::Pear)->area()
                           | quiz.answerPicture(Cam::Snail)->area();
    QCOMPARE(shot(quiz.surface()).copy(pictures), first.copy(pictures));
    QTest::mouseClick(quiz.surface(), Qt::LeftButton, {},
                      quiz.answerPicture(Cam::Snail)->area().center());
    QCOMPARE(quiz.model().score(), 1);
    QVERIFY(quiz.surface()->focusMark().isEmpty());
    QVERIFY(quiz.focusWidget() != quiz.controls().button);
}

void TestKeyboard::refusedStartIsUnavailableToReaders()
{
    SimulationWindow form;
    showActive(&form);
    const auto disabled = [](forms::Picture *picture) { return !picture->isAvailable(); };
    for (const Cam cam : animation::allCams)
        QVERIFY(!disabled(form.controlsOf(cam).icon));
    type(&form, {"Tab", "Tab", "Space"});
    QVERIFY(disabled(form.controlsOf(Cam::Pear).icon));
    QVERIFY(disabled(form.controlsOf(Cam::Snail).icon));
    QVERIFY(!disabled(form.controlsOf(Cam::DoubleLobe).cover));
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(form.surface());
    QStringList unavailable;
    for (int i = 0; i < client->childCount(); ++i) {
        if (client->child(i)->state().disabled)
            unavailable << client->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(unavailable, (QStringList{"Start the snail cam", "Start the pear cam"}));
    QVERIFY(client->focusChild());
    QCOMPARE(client->focusChild()->text(QAccessible::Name), QString("Stop the double lobe cam"));
    type(&form, {"Space"});
    for (int i = 0; i < client->childCount(); ++i)
        QVERIFY(!client->child(i)->state().disabled);
}

void TestKeyboard::graphsAreDescribed_data()
{
    QTest::addColumn<int>("timer");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QStringList>("descriptions"); // pear, double lobe, snail
    const QString nothing = spoken::nothingTraced;
    // A cycle's shape is told once the first is drawn to its end.
    QTest::newRow("pear, two steps")
        << 1 << 2 << QStringList{spoken::cyclesTraced(1), nothing, nothing};
    QTest::newRow("pear, a cycle and a step")
        << 1 << 9 << QStringList{spoken::graph(2, spoken::pearCycle), nothing, nothing};
    QTest::newRow("double lobe, three cycles")
        << 2 << 10 << QStringList{nothing, spoken::graph(3, spoken::doubleLobeCycle), nothing};
    QTest::newRow("snail, one cycle")
        << 3 << 8 << QStringList{nothing, nothing, spoken::graph(1, spoken::snailCycle)};
    // The pear erases after its fourth cycle and starts again at the left.
    QTest::newRow("pear, erased and begun again")
        << 1 << 4 * 8 + 1 << QStringList{spoken::cyclesTraced(1), nothing, nothing};
}

void TestKeyboard::graphsAreDescribed()
{
    QFETCH(int, timer);
    QFETCH(int, ticks);
    SimulationWindow form;
    showActive(&form);
    const SimulationWindow::CamControls controls = form.controlsOf(camNumbered(timer));
    controls.icon->click();
    for (int i = 0; i < ticks; ++i)
        controls.timer->tick();
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(form.surface());
    QStringList descriptions;
    for (int i = 0; i < client->childCount(); ++i) {
        if (client->child(i)->role() == QAccessible::Graphic)
            descriptions << client->child(i)->text(QAccessible::Description);
    }
    QTEST(descriptions, "descriptions");
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
