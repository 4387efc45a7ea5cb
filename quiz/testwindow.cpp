#include "testwindow.h"

#include "forms/accessibility.h"
#include "pictures/embedded.h"
#include "pictures/loadpicture.h"

#include <QKeyEvent>
#include <QPushButton>

#include <utility>

namespace {

constexpr QColor darkBlue(0, 0, 192);

forms::TextBox *textBox(const char *name, const QString &text, double pointSize, bool centred)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(pointSize);
    return new forms::TextBox(QString::fromLatin1(name), text, font,
                              centred ? Qt::AlignHCenter : Qt::AlignLeft);
}

} // namespace

TestWindow::TestWindow()
    : forms::Form(tr("Kestrilon Test by the Kestrilon team"), 9600, 5910, Kind::Tool)
{
    setObjectName(QStringLiteral("TestWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(pictures::windowIcon());
    buildControls();
    fixSize();
    reset();
}

void TestWindow::buildControls()
{
    forms::Surface *client = surface();
    client->setBackground(pictures::loadPicture(QStringLiteral("quiz-backdrop.bmp")),
                          darkBlue);

    //: Beside the score, which is drawn as "2 / 10"
    scoreCaption = textBox("scoreCaption", tr("You Scored"), 18, true);
    answeredBox = textBox("answeredBox", QStringLiteral("0"), 18, false);
    scoreBox = textBox("scoreBox", QStringLiteral("0"), 18, false);
    // DejaVu Sans is wide: at 12 pt the longest question still fits the box with room at
    // both ends, where 13.5 pt would cut four questions off. Translations keep within the
    // longest English question's width.
    questionBox = textBox("questionBox",
                          tr("Please click on the start button to begin the test"), 12,
                          true);
    //: The button that poses the first question
    button = new QPushButton(tr("Click to Start"));
    button->setObjectName(QStringLiteral("button"));
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(0, 128, 0); color: white;"
        " border: 2px outset rgb(0, 160, 0); }"
        "QPushButton:pressed { border-style: inset; }"));

    client->place(scoreCaption, 1560, 4560, 2535, 555);
    client->place(answeredBox, 6000, 4560, 615, 555);
    client->place(scoreBox, 4680, 4560, 615, 555);
    client->place(button, 3360, 120, 2055, 615);
    client->place(questionBox, 960, 840, 6855, 495);
    scoreCaption->hide();
    answeredBox->hide();
    scoreBox->hide();
    connect(button, &QPushButton::clicked, this, [this] { pressButton(); });

    scoreSlash = client->addLine(QStringLiteral("scoreSlash"), 6, 5880, 4320, 5400, 5280,
                                 Qt::black, false);
    const auto answerPicture = [client](const char *name, int z, const char *file,
                                        forms::Picture::Placement placement) {
        return client->addStoredPicture(QString::fromLatin1(name), z,
                                        QString::fromLatin1(file), placement, true);
    };
    snailAnswer = answerPicture("snailAnswer", 7, "icon-snail.bmp", {8160, 2280, 1320, 1620});
    doubleLobeAnswer = answerPicture("doubleLobeAnswer", 8, "icon-double-lobe.bmp",
                                     {8160, 360, 1290, 1770});
    pearAnswer = answerPicture("pearAnswer", 9, "icon-pear.bmp", {8160, 4080, 1290, 1500});
    snailAnswer->setClickHandler([this] { answerSnail(); }, tr("Snail cam"));
    doubleLobeAnswer->setClickHandler([this] { answerDoubleLobe(); }, tr("Double lobe cam"));
    pearAnswer->setClickHandler([this] { answerPear(); }, tr("Pear cam"));
    offerKeyboardAndReader();
}

// Tab goes from the button to the three pictures, top to bottom. The button
// hides itself when pressed: the focus then waits on the first picture, and
// comes back to the button when it shows again. A reader hears the score as
// one sentence where the window shows a caption and two numbers.
void TestWindow::offerKeyboardAndReader()
{
    forms::Surface *client = surface();
    client->addFocusPlace({doubleLobeAnswer});
    client->addFocusPlace({snailAnswer});
    client->addFocusPlace({pearAnswer});
    setTabOrder(button, client);
    client->passFocusWhenHidden(button);
    button->installEventFilter(this);
    scoreCaption->installEventFilter(this);
    scoreBox->setPartOfSentence(true);
    answeredBox->setPartOfSentence(true);
    // Orca 43 does not speak a label's new text, so each question is announced as well.
    connect(questionBox, &QLineEdit::textChanged, this, [this](const QString &question) {
        if (!question.isEmpty())
            forms::announce(surface(), question);
    });
    installEventFilter(this);
}

bool TestWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == button && event->type() == QEvent::KeyPress) {
        // Enter presses the button too, as Space does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button->click();
            return true;
        }
    } else if (watched == scoreCaption && event->type() == QEvent::Show) {
        scoreCaption->setAccessibleName(
            tr("You scored %1 out of %2").arg(scoreBox->text(), answeredBox->text()));
        forms::announce(surface(), scoreCaption->accessibleName());
    } else if (watched == this && event->type() == QEvent::WindowActivate
               && !std::exchange(m_instructionAnnounced, true)) {
        // Once a window, after the reader has named it and its focused button.
        forms::announce(surface(), questionBox->text());
    } else if (watched == scoreCaption && event->type() == QEvent::Hide) {
        scoreCaption->setAccessibleName(QString());
    }
    return forms::Form::eventFilter(watched, event);
}

void TestWindow::reset()
{
    stage = Stage::WaitingToStart;
    questionNumber = 1;
    score = 0;
    answered = 0;
}

// Qt tells a reader of a renamed button without its new name, which Orca cannot speak while
// the button has the focus: the button is offered anew instead.
void TestWindow::setCaption(const QString &caption)
{
    if (caption != button->text())
        forms::renewForReaders(button);
    button->setText(caption);
}

void TestWindow::pressButton()
{
    if (stage == Stage::Finished) {
        // Another go: the score leaves the window and the count starts again.
        questionNumber = 1;
        score = 0;
        answered = 0;
        scoreBox->hide();
        answeredBox->hide();
        scoreSlash->setVisible(false);
        scoreCaption->hide();
    }
    if (questionNumber > quiz::questionCount)
        showScore();
    else
        poseQuestion();
}

// The button hides until a picture answers, so that a question counts one click.
void TestWindow::poseQuestion()
{
    setCaption(tr("Next Question"));
    scoreCaption->hide();
    if (questionNumber >= 1)
        questionBox->setText(tr(quiz::questions[std::size_t(questionNumber - 1)].text));
    button->hide();
    stage = Stage::QuestionPosed;
}

// The button goes and comes back with its new caption, so the focus returns to it and a
// reader hears "Another Go ?" as the keyboard's next step.
void TestWindow::showScore()
{
    button->hide();
    questionBox->setText(QString());
    scoreBox->show();
    setCaption(tr("Another Go ?"));
    button->show();
    answeredBox->show();
    scoreSlash->setVisible(true);
    scoreCaption->show();
    stage = Stage::Finished;
}

void TestWindow::answerDoubleLobe()
{
    answer(quiz::Cam::DoubleLobe);
}

void TestWindow::answerPear()
{
    answer(quiz::Cam::Pear);
}

void TestWindow::answerSnail()
{
    answer(quiz::Cam::Snail);
}

// A click counts once per question posed, right or wrong.
void TestWindow::answer(quiz::Cam clicked)
{
    if (stage != Stage::QuestionPosed)
        return;
    if (quiz::questions[std::size_t(questionNumber - 1)].answer == clicked)
        score += 1;
    questionNumber += 1;
    answered += 1;
    scoreBox->setText(QString::number(score));
    answeredBox->setText(QString::number(answered));
    button->show();
    stage = Stage::Answered;
}
