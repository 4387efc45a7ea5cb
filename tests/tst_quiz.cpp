// The ten-question test: whole tests played by clicking, the states the
// button and the pictures move through, and the window's life beside SimulationWindow.
#include "cams.h"
#include "app/simulationwindow.h"
#include "forms/linecontrol.h"
#include "forms/picture.h"
#include "quiz/testwindow.h"

#include "forms/textbox.h"
#include <QPushButton>
#include <QScrollBar>
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>

using animation::Cam;

namespace {

// One click on an answer picture, routed as the learner's mouse would route it.
void clickPicture(TestWindow &quiz, forms::Picture *picture)
{
    QTest::mouseClick(quiz.surface(), Qt::LeftButton, {}, picture->area().center());
}

forms::Picture *pictureFor(TestWindow &quiz, QChar cam)
{
    return quiz.answerPicture(camLettered(cam));
}

void press(TestWindow &quiz)
{
    QVERIFY(quiz.controls().button->isVisible());
    QTest::mouseClick(quiz.controls().button, Qt::LeftButton);
}

// Plays a whole test: one press, then a click and a press per question.
void play(TestWindow &quiz, const QString &answers)
{
    press(quiz);
    for (const QChar cam : answers) {
        clickPicture(quiz, pictureFor(quiz, cam));
        press(quiz);
    }
}

struct Shown {
    QString text1;
    QString caption;
    bool buttonVisible;
    bool scoreVisible;
};

Shown shown(const TestWindow &quiz)
{
    const TestWindow::Controls &controls = quiz.controls();
    const bool display = controls.scoreBox->isVisible();
    // The four parts of the score display come and go together.
    if (controls.answeredBox->isVisible() != display
        || controls.scoreCaption->isVisible() != display
        || controls.scoreSlash->isVisible() != display)
        qWarning("score display only partly shown");
    return {controls.questionBox->text(), controls.button->text(), controls.button->isVisible(),
            display};
}

} // namespace

class TestQuiz : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void wholeTest_data();
    void wholeTest();
    void questionsInTurn();
    void ignoredClicks();
    void doubleClickAnswersOnce_data();
    void doubleClickAnswersOnce();
    void clickAfterTheScoreChangesNothing();
    void anotherGoStartsAtQuestionOne();
    void playsTheSameWhateverTheCaptionReads_data();
    void playsTheSameWhateverTheCaptionReads();
    void scoreDisplayReadsOnTheWindow();
    void textBoxesAreLegible_data();
    void textBoxesAreLegible();
    void testMenuOpensOneWindow();
    void closingAndReopeningGivesAFreshTest();
    void testBringsAMinimisedWindowBack();
    void camsKeepTurningWhileTheTestIsOpen();
    void programEndsWhenTheLastWindowCloses_data();
    void programEndsWhenTheLastWindowCloses();

private:
    std::unique_ptr<TestWindow> m_quiz;
};

void TestQuiz::init()
{
    m_quiz = std::make_unique<TestWindow>();
    m_quiz->setAttribute(Qt::WA_DeleteOnClose, false);
    m_quiz->show();
}

void TestQuiz::wholeTest_data()
{
    QTest::addColumn<QString>("answers"); // S snail, D double lobe, P pear
    QTest::addColumn<QString>("score");
    QTest::newRow("all right") << "SDPSDSPSDS" << "10";
    QTest::newRow("all wrong") << "DSSDSDSDSD" << "0";
    QTest::newRow("snail every time") << "SSSSSSSSSS" << "5";
    QTest::newRow("double lobe every time") << "DDDDDDDDDD" << "3";
    QTest::newRow("pear every time") << "PPPPPPPPPP" << "2";
}

void TestQuiz::wholeTest()
{
    QFETCH(QString, answers);
    TestWindow &quiz = *m_quiz;
    play(quiz, answers);
    QCOMPARE(quiz.controls().scoreCaption->text(), QString("You Scored"));
    QTEST(quiz.controls().scoreBox->text(), "score");
    QCOMPARE(quiz.controls().answeredBox->text(), QString("10"));
    const Shown end = shown(quiz);
    QVERIFY(end.scoreVisible);
    QCOMPARE(end.caption, QString("Another Go ?"));
    QVERIFY(end.buttonVisible);
    QCOMPARE(end.text1, QString());
    QCOMPARE(quiz.model().answered(), 10);
    QCOMPARE(quiz.model().questionNumber(), 11);
}

void TestQuiz::questionsInTurn()
{
    TestWindow &quiz = *m_quiz;
    QCOMPARE(shown(quiz).text1, QString("Please click on the start button to begin the test"));
    QCOMPARE(shown(quiz).caption, QString("Click to Start"));
    press(quiz);
    for (int q = 1; q <= 10; ++q) {
        QCOMPARE(quiz.controls().questionBox->text(), QString(quiz::questions[q - 1].text));
        QVERIFY(!quiz.controls().button->isVisible());
        QVERIFY(!quiz.controls().scoreCaption->isVisible());
        clickPicture(quiz, quiz.answerPicture(Cam::Pear));
        // The question answered stays on view until the next press.
        QCOMPARE(quiz.controls().questionBox->text(), QString(quiz::questions[q - 1].text));
        QCOMPARE(shown(quiz).caption, QString("Next Question"));
        QVERIFY(shown(quiz).buttonVisible);
        QVERIFY(!shown(quiz).scoreVisible);
        QCOMPARE(quiz.model().answered(), quiz.model().questionNumber() - 1);
        press(quiz);
    }
    QVERIFY(shown(quiz).scoreVisible);
}

void TestQuiz::ignoredClicks()
{
    TestWindow &quiz = *m_quiz;
    // Before "Click to Start".
    clickPicture(quiz, quiz.answerPicture(Cam::Snail));
    QCOMPARE(quiz.model().questionNumber(), 1);
    QCOMPARE(quiz.model().answered(), 0);
    QVERIFY(!quiz.controls().scoreBox->isVisible());

    press(quiz);
    clickPicture(quiz, quiz.answerPicture(Cam::DoubleLobe)); // wrong for question 1
    // A second click on the same question, and clicks while the button reads
    // "Next Question", change nothing.
    clickPicture(quiz, quiz.answerPicture(Cam::Snail));
    clickPicture(quiz, quiz.answerPicture(Cam::Snail));
    QCOMPARE(quiz.model().questionNumber(), 2);
    QCOMPARE(quiz.model().score(), 0);
    QCOMPARE(quiz.controls().scoreBox->text(), QString("0"));
    QCOMPARE(quiz.controls().answeredBox->text(), QString("1"));
    QCOMPARE(quiz.model().stage(), TestWindow::Stage::Answered);
}

void TestQuiz::doubleClickAnswersOnce_data()
{
    QTest::addColumn<QChar>("cam");
    QTest::addColumn<int>("score");
    QTest::newRow("right picture") << QChar('D') << 1;
    QTest::newRow("wrong picture") << QChar('S') << 0;
}

// Delivered as the window system does, it answers question 2 and leaves question 3 alone.
void TestQuiz::doubleClickAnswersOnce()
{
    QFETCH(QChar, cam);
    TestWindow &quiz = *m_quiz;
    QVERIFY(QTest::qWaitForWindowExposed(&quiz));
    press(quiz);
    clickPicture(quiz, quiz.answerPicture(Cam::Snail));
    press(quiz);
    const QPoint at = quiz.surface()->mapTo(&quiz, pictureFor(quiz, cam)->area().center());
    QTest::mouseDClick(quiz.windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(quiz.model().answered(), 2);
    QTEST(quiz.model().score() - 1, "score");
    QCOMPARE(quiz.model().stage(), TestWindow::Stage::Answered);
}

void TestQuiz::clickAfterTheScoreChangesNothing()
{
    TestWindow &quiz = *m_quiz;
    play(quiz, "SSSSSSSSSS");
    QCOMPARE(quiz.model().stage(), TestWindow::Stage::Finished);
    clickPicture(quiz, quiz.answerPicture(Cam::Snail));
    QCOMPARE(quiz.model().stage(), TestWindow::Stage::Finished);
    QCOMPARE(quiz.model().score(), 5);
    QCOMPARE(quiz.model().answered(), 10);
    QCOMPARE(quiz.controls().scoreBox->text(), QString("5"));
    QCOMPARE(quiz.controls().answeredBox->text(), QString("10"));
    QCOMPARE(shown(quiz).caption, QString("Another Go ?"));
    QVERIFY(shown(quiz).buttonVisible);
    QVERIFY(shown(quiz).scoreVisible);
}

void TestQuiz::anotherGoStartsAtQuestionOne()
{
    TestWindow &quiz = *m_quiz;
    play(quiz, "SDPSDSPSDS");
    QSignalSpy questionBoxChanges(quiz.controls().questionBox, &QLineEdit::textChanged);
    press(quiz); // "Another Go ?"
    QCOMPARE(questionBoxChanges.count(), 1); // question 1 posed once, as a reader hears it
    QCOMPARE(quiz.model().questionNumber(), 1);
    QCOMPARE(quiz.model().score(), 0);
    QCOMPARE(quiz.model().answered(), 0);
    QCOMPARE(quiz.model().stage(), TestWindow::Stage::QuestionPosed);
    const Shown restarted = shown(quiz);
    QCOMPARE(restarted.text1, QString("Click on the snail cam."));
    QVERIFY(!restarted.buttonVisible);
    QVERIFY(!restarted.scoreVisible);
    QCOMPARE(restarted.caption, QString("Next Question"));

    clickPicture(quiz, quiz.answerPicture(Cam::Pear)); // wrong
    QCOMPARE(quiz.controls().scoreBox->text(), QString("0"));
    QCOMPARE(quiz.controls().answeredBox->text(), QString("1"));
}

void TestQuiz::playsTheSameWhateverTheCaptionReads_data()
{
    QTest::addColumn<QString>("pattern"); // what a desktop or translation makes of the caption
    QTest::newRow("accelerator") << "&%1";
    QTest::newRow("translated") << "<%1>";
}

// Two whole tests, the second after "Another Go ?", play as with the captions the quiz gave.
void TestQuiz::playsTheSameWhateverTheCaptionReads()
{
    QFETCH(QString, pattern);
    TestWindow &quiz = *m_quiz;
    const auto rewriteAndPress = [&] {
        quiz.controls().button->setText(pattern.arg(quiz.controls().button->text()));
        QTest::mouseClick(quiz.controls().button, Qt::LeftButton);
    };
    for (const QString &answers : {QStringLiteral("SDPSDSPSDS"), QStringLiteral("DDDDDDDDDD")}) {
        rewriteAndPress();
        QCOMPARE(quiz.controls().questionBox->text(), QString("Click on the snail cam."));
        for (const QChar cam : answers) {
            clickPicture(quiz, pictureFor(quiz, cam));
            rewriteAndPress();
        }
        QVERIFY(shown(quiz).scoreVisible);
        QCOMPARE(shown(quiz).caption, QString("Another Go ?"));
    }
    QCOMPARE(quiz.controls().scoreBox->text(), QString("3"));
}

void TestQuiz::scoreDisplayReadsOnTheWindow()
{
    TestWindow &quiz = *m_quiz;
    play(quiz, "SDPSDSPDSD"); // seven right
    const QImage shot = quiz.surface()->grab().toImage();
    // The slash runs from (392, 288) to (360, 352) in pixels.
    QCOMPARE(shot.pixelColor(376, 320), QColor(Qt::black));
    QCOMPARE(quiz.controls().scoreBox->text(), QString("7"));
    // Some dark text inside the score box, on its white ground.
    const QRect box = quiz.controls().scoreBox->geometry();
    int dark = 0;
    for (int y = box.top() + 4; y < box.bottom() - 4; ++y) {
        for (int x = box.left() + 4; x < box.right() - 4; ++x)
            dark += shot.pixelColor(x, y).lightness() < 80;
    }
    QVERIFY(dark > 20);
}

void TestQuiz::textBoxesAreLegible_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("question") << "questionBox";
    QTest::newRow("score") << "scoreBox";
    QTest::newRow("answered") << "answeredBox";
    QTest::newRow("you scored") << "scoreCaption";
}

// Display-only boxes are not enabled, yet their text must keep a contrast of 4.5:1.
void TestQuiz::textBoxesAreLegible()
{
    QFETCH(QString, box);
    TestWindow &quiz = *m_quiz;
    play(quiz, "SDPSDSPDSD");
    quiz.controls().questionBox->setText("Click on the snail cam.");
    auto *edit = quiz.findChild<forms::TextBox *>(box);
    QVERIFY(edit && !edit->isEnabled());
    const QImage shot = edit->grab().toImage();
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green())
               + 0.0722 * channel(c.blue());
    };
    double darkest = 1.0;
    double lightest = 0.0;
    for (int y = 3; y < shot.height() - 3; ++y) {
        for (int x = 3; x < shot.width() - 3; ++x) {
            darkest = std::min(darkest, luminance(shot.pixelColor(x, y)));
            lightest = std::max(lightest, luminance(shot.pixelColor(x, y)));
        }
    }
    QVERIFY2((lightest + 0.05) / (darkest + 0.05) >= 4.5, qPrintable(box));
}

void TestQuiz::testMenuOpensOneWindow()
{
    SimulationWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.testAction()->trigger();
    QPointer<TestWindow> quiz = form.testWindow();
    QVERIFY(quiz && quiz->isVisible());
    quiz->controls().button->click();
    quiz->answerPicture(Cam::Snail)->click();
    form.testAction()->trigger();
    QCOMPARE(form.testWindow(), quiz.data());
    QCOMPARE(quiz->model().answered(), 1);
    int windows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows += qobject_cast<TestWindow *>(window) && window != m_quiz.get();
    QCOMPARE(windows, 1);
}

void TestQuiz::closingAndReopeningGivesAFreshTest()
{
    SimulationWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.testAction()->trigger();
    QPointer<TestWindow> first = form.testWindow();
    first->controls().button->click();
    first->answerPicture(Cam::Snail)->click();
    first->close();
    QTRY_VERIFY(first.isNull());

    form.testAction()->trigger();
    TestWindow *again = form.testWindow();
    QVERIFY(again && again->isVisible());
    QCOMPARE(again->model().questionNumber(), 1);
    QCOMPARE(again->model().answered(), 0);
    QCOMPARE(again->model().stage(), TestWindow::Stage::WaitingToStart);
    QCOMPARE(again->controls().button->text(), QString("Click to Start"));
    QCOMPARE(again->controls().questionBox->text(),
             QString("Please click on the start button to begin the test"));
}

// With no task-bar button, only "Test" brings a minimised test window back, as it was left.
void TestQuiz::testBringsAMinimisedWindowBack()
{
    SimulationWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.testAction()->trigger();
    QPointer<TestWindow> quiz = form.testWindow();
    QVERIFY(QTest::qWaitForWindowActive(quiz));
    press(*quiz);
    quiz->showMinimized();
    QTRY_VERIFY(quiz->isMinimized());
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.testAction()->trigger();
    QTRY_VERIFY(quiz->isActiveWindow());
    QCOMPARE(form.testWindow(), quiz.data());
    QCOMPARE(quiz->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), Qt::WindowNoState);
    QCOMPARE(quiz->model().stage(), TestWindow::Stage::QuestionPosed);
}

void TestQuiz::camsKeepTurningWhileTheTestIsOpen()
{
    SimulationWindow form;
    form.show();
    form.speed()->setValue(10);
    form.controlsOf(Cam::DoubleLobe).icon->click();
    form.testAction()->trigger();
    QVERIFY(form.controlsOf(Cam::DoubleLobe).timer->isEnabled());
    QTRY_VERIFY(form.model().graphOffset() >= 800);
}

void TestQuiz::programEndsWhenTheLastWindowCloses_data()
{
    QTest::addColumn<bool>("simulationFirst");
    QTest::newRow("simulation closed first") << true;
    QTest::newRow("test window closed first") << false;
}

void TestQuiz::programEndsWhenTheLastWindowCloses()
{
    QFETCH(bool, simulationFirst);
    m_quiz.reset();
    auto form = std::make_unique<SimulationWindow>();
    form->show();
    form->controlsOf(Cam::Pear).icon->click();
    form->testAction()->trigger();
    QPointer<TestWindow> quiz = form->testWindow();
    QWidget *first = simulationFirst ? static_cast<QWidget *>(form.get()) : quiz.data();
    QWidget *second = simulationFirst ? static_cast<QWidget *>(quiz.data()) : form.get();

    bool runningWithOneWindow = false;
    QTimer::singleShot(0, first, [first] { first->close(); });
    QTimer::singleShot(50, second, [&] {
        runningWithOneWindow = true;
        second->close();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(runningWithOneWindow);
    QVERIFY(!form->controlsOf(Cam::Pear).timer->isEnabled());
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
