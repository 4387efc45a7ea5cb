// The test window: ten questions, each answered by clicking one of three cam
// pictures, then the score out of ten and another go. A press of the button
// poses the next question, or shows the score after the tenth; a picture click
// answers the question posed, once. The window draws the model (quizmodel.h).
#pragma once

#include "quizmodel.h"

#include "forms/form.h"
#include "forms/textbox.h"

#include <array>

class QPushButton;

class TestWindow final : public forms::Form
{
    Q_OBJECT

public:
    TestWindow();

    using Stage = quiz::QuizModel::Stage;

    // The controls, for whoever drives the window as a learner would.
    struct Controls {
        QPushButton *button = nullptr;
        forms::TextBox *questionBox = nullptr;
        forms::TextBox *scoreCaption = nullptr;
        forms::TextBox *scoreBox = nullptr;
        forms::TextBox *answeredBox = nullptr;
        forms::LineControl *scoreSlash = nullptr;
    };
    const Controls &controls() const { return m_controls; }
    // The picture that answers with `cam`, or none where the test does not ask about it.
    forms::Picture *answerPicture(quiz::Cam cam) const;
    static constexpr std::size_t answerCount = 3;
    const quiz::QuizModel &model() const { return m_model; }

    void reset();
    void pressButton();
    void answer(quiz::Cam clicked);
    // Goes on as if the questions before `number` had been answered.
    void skipTo(int number) { m_model.skipTo(number); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void offerKeyboardAndReader();
    void setCaption(const QString &caption);
    void poseQuestion();
    void showScore();
    QString spokenScore() const;

    quiz::QuizModel m_model;
    Controls m_controls;
    struct Answer {
        quiz::Cam cam;
        forms::Picture *picture;
    };
    std::array<Answer, answerCount> m_answers{};
    bool m_instructionAnnounced = false;
};
