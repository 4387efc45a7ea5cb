// The test window: ten questions, each answered by clicking one of three cam
// pictures, then the score out of ten and another go. A press of the button
// poses the next question, or shows the score after the tenth; a picture click
// answers the question posed, once.
#pragma once

#include "questions.h"

#include "forms/form.h"
#include "forms/textbox.h"

class QPushButton;

class TestWindow final : public forms::Form
{
    Q_OBJECT

public:
    TestWindow();

    // Controls, front to back.
    forms::TextBox *scoreCaption = nullptr;
    forms::TextBox *answeredBox = nullptr;
    forms::TextBox *scoreBox = nullptr;
    QPushButton *button = nullptr;
    forms::TextBox *questionBox = nullptr;
    forms::LineControl *scoreSlash = nullptr;
    forms::Picture *snailAnswer = nullptr;
    forms::Picture *doubleLobeAnswer = nullptr;
    forms::Picture *pearAnswer = nullptr;

    // Where the test stands: what a press of the button does, and whether a picture counts.
    enum class Stage {
        WaitingToStart, // the start caption shows and nothing has been asked
        QuestionPosed,  // the button hides until a picture answers
        Answered,       // "Next Question" shows; more clicks count for nothing
        Finished,       // the score and "Another Go ?" show
    };
    Q_ENUM(Stage)

    Stage stage = Stage::WaitingToStart;
    int questionNumber = 1; // the question posed next, or being answered
    int score = 0;
    int answered = 0;

    void reset();
    void pressButton();
    void answerDoubleLobe();
    void answerPear();
    void answerSnail();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void offerKeyboardAndReader();
    void setCaption(const QString &caption);
    void poseQuestion();
    void showScore();
    void answer(quiz::Cam clicked);

    bool m_instructionAnnounced = false;
};
