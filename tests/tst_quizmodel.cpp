// The test's model alone, with no window: what a press and an answer do to the question, the
// stage and the score, whatever order a learner tries them in.
#include "cams.h"

#include "quiz/quizmodel.h"

#include <QTest>

using Stage = quiz::QuizModel::Stage;

class TestQuizModel : public QObject
{
    Q_OBJECT

private slots:
    void script_data();
    void script();
    void answerCountsOncePerQuestion();
    void anotherGoStartsAfresh();
    void skipTo_data();
    void skipTo();
};

// A script is read left to right: '>' presses the button, a letter answers with that cam.
void TestQuizModel::script_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<int>("questionNumber");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("answered");
    QTest::newRow("opened") << "" << Stage::WaitingToStart << 1 << 0 << 0;
    QTest::newRow("an answer before the first press counts for nothing")
        << "S" << Stage::WaitingToStart << 1 << 0 << 0;
    QTest::newRow("first question posed") << ">" << Stage::QuestionPosed << 1 << 0 << 0;
    QTest::newRow("pressed again while posed, the same question")
        << ">>" << Stage::QuestionPosed << 1 << 0 << 0;
    QTest::newRow("right") << ">S" << Stage::Answered << 2 << 1 << 1;
    QTest::newRow("wrong") << ">P" << Stage::Answered << 2 << 0 << 1;
    QTest::newRow("second posed") << ">S>" << Stage::QuestionPosed << 2 << 1 << 1;
    QTest::newRow("all right, last answered")
        << ">S>D>P>S>D>S>P>S>D>S" << Stage::Answered << 11 << 10 << 10;
    QTest::newRow("all right, finished")
        << ">S>D>P>S>D>S>P>S>D>S>" << Stage::Finished << 11 << 10 << 10;
    QTest::newRow("snail every time, finished")
        << ">S>S>S>S>S>S>S>S>S>S>" << Stage::Finished << 11 << 5 << 10;
    QTest::newRow("an answer after the end counts for nothing")
        << ">S>S>S>S>S>S>S>S>S>S>P" << Stage::Finished << 11 << 5 << 10;
}

void TestQuizModel::script()
{
    QFETCH(QString, script);
    quiz::QuizModel model;
    for (const QChar step : script) {
        if (step == '>')
            model.press();
        else
            model.answer(camLettered(step));
    }
    QTEST(model.stage(), "stage");
    QTEST(model.questionNumber(), "questionNumber");
    QTEST(model.score(), "score");
    QTEST(model.answered(), "answered");
}

void TestQuizModel::answerCountsOncePerQuestion()
{
    quiz::QuizModel model;
    model.press();
    QVERIFY(model.answer(model.question().answer));
    QVERIFY(!model.answer(model.question().answer));
    QCOMPARE(model.score(), 1);
    QCOMPARE(model.answered(), 1);
}

void TestQuizModel::anotherGoStartsAfresh()
{
    quiz::QuizModel model;
    for (int q = 0; q < quiz::questionCount; ++q) {
        model.press();
        model.answer(model.question().answer);
    }
    model.press();
    QCOMPARE(model.stage(), Stage::Finished);
    model.press();
    QCOMPARE(model.stage(), Stage::QuestionPosed);
    QCOMPARE(model.questionNumber(), 1);
    QCOMPARE(model.score(), 0);
    QCOMPARE(model.answered(), 0);
    QCOMPARE(model.question().text, quiz::questions[0].text);
}

void TestQuizModel::skipTo_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("questionNumber");
    QTest::addColumn<Stage>("afterPress");
    QTest::newRow("the last question") << 10 << 10 << Stage::QuestionPosed;
    QTest::newRow("past the last, the score") << 11 << 11 << Stage::Finished;
    QTest::newRow("far past, the score") << 40 << 11 << Stage::Finished;
    QTest::newRow("before the first, the first") << -3 << 1 << Stage::QuestionPosed;
}

// Skipping keeps the counts sound: every question before counts as answered, none right.
void TestQuizModel::skipTo()
{
    QFETCH(int, number);
    quiz::QuizModel model;
    model.skipTo(number);
    QTEST(model.questionNumber(), "questionNumber");
    QCOMPARE(model.answered(), model.questionNumber() - 1);
    QCOMPARE(model.score(), 0);
    model.press();
    QTEST(model.stage(), "afterPress");
}

QTEST_APPLESS_MAIN(TestQuizModel)
#include "tst_quizmodel.moc"
