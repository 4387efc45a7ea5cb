// The test window: ten questions, each answered by clicking one of three cam
// pictures, then the score out of ten and another go. A press of the button
// poses the next question; a picture click answers it, once.
#pragma once

#include "questions.h"

#include "forms/form.h"
#include "forms/textbox.h"

class QPushButton;

class Form2 final : public forms::Form
{
    Q_OBJECT

public:
    Form2();

    // Controls, front to back.
    forms::TextBox *Text4 = nullptr;
    forms::TextBox *Text3 = nullptr;
    forms::TextBox *Text2 = nullptr;
    QPushButton *Command1 = nullptr;
    forms::TextBox *Text1 = nullptr;
    forms::LineControl *Line1 = nullptr;
    forms::Picture *Image5 = nullptr;
    forms::Picture *Image3 = nullptr;
    forms::Picture *Image4 = nullptr;

    int questionNumber = 1;
    int score = 0;
    int answered = 0;
    int answerPending = 0;

    void Form_Load();
    void Command1_Click();
    void Image3_Click();
    void Image4_Click();
    void Image5_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void offerKeyboardAndReader();
    void setCaption(const QString &caption);
    void answer(quiz::Cam clicked);

    bool m_offersAnotherGo = false; // the button reads "Another Go ?"
    bool m_instructionAnnounced = false;
};
