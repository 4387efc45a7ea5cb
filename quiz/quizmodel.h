// Where a test stands, with no widgets: the question posed next or being answered, how many
// questions were answered and how many right, and what a press of the button or a click on a
// picture does to them. The test window draws it.
#pragma once

#include "questions.h"

#include <QObject>

namespace quiz {

class QuizModel
{
    Q_GADGET

public:
    // What a press of the button does, and whether a picture counts.
    enum class Stage {
        WaitingToStart, // the start caption shows and nothing has been asked
        QuestionPosed,  // the button hides until a picture answers
        Answered,       // "Next Question" shows; more clicks count for nothing
        Finished,       // the score and "Another Go ?" show
    };
    Q_ENUM(Stage)

    Stage stage() const { return m_stage; }
    int questionNumber() const { return m_questionNumber; } // the one posed next, or posed
    int score() const { return m_score; }
    int answered() const { return m_answered; }
    // The question posed, or about to be posed by the next press.
    const Question &question() const;

    void reset();
    // Poses the next question, or ends the test after the last; after the end, starts again.
    void press();
    // Counts once per question posed, right or wrong; says whether it counted.
    bool answer(Cam clicked);
    // Goes on as if the questions before `number` had been answered, none of them right.
    void skipTo(int number);

private:
    Stage m_stage = Stage::WaitingToStart;
    int m_questionNumber = 1;
    int m_score = 0;
    int m_answered = 0;
};

} // namespace quiz
