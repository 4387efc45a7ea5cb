// The test window: ten questions, each answered by clicking one of three cam
// pictures, then the score out of ten and another go. A press of the button
// poses the next question, or shows the score after the tenth; a picture click
// answers the question posed, once. The window draws the model (quizmodel.h).
#pragma once

#include "quizmodel.h"

#include "forms/form.h"
#include "forms/textbox.h"

#include <array>
#include <iterator>

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
    forms::Picture *answerPicture(quiz::Cam cam) const { return m_answers[std::size_t(cam)]; }
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
    std::array<forms::Picture *, std::size(quiz::allCams)> m_answers{};
    bool m_instructionAnnounced = false;
};
