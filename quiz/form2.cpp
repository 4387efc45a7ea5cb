#include "form2.h"

#include "forms/accessibility.h"
#include "pictures/embedded.h"
#include "pictures/loadpicture.h"

#include <QKeyEvent>
#include <QPushButton>

#include <utility>

namespace {

constexpr unsigned int darkBlue = 0xC00000; // 0x00BBGGRR

forms::TextBox *textBox(const char *name, const QString &text, double pointSize, bool centred)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(pointSize);
    return new forms::TextBox(QString::fromLatin1(name), text, font,
                              centred ? Qt::AlignHCenter : Qt::AlignLeft);
}

} // namespace

Form2::Form2()
    : forms::Form(tr("Kestrilon Test by the Kestrilon team"), 9600, 5910, Kind::Tool)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(assets::windowIcon());
    buildControls();
    fixSize();
    Form_Load();
}

void Form2::buildControls()
{
    forms::Surface *client = surface();
    client->setBackground(forms::loadPicture(QStringLiteral("quiz-backdrop.bmp")),
                          forms::fromBgr(darkBlue));

    //: Beside the score, which is drawn as "2 / 10"
    Text4 = textBox("Text4", tr("You Scored"), 18, true);
    Text3 = textBox("Text3", QStringLiteral("0"), 18, false);
    Text2 = textBox("Text2", QStringLiteral("0"), 18, false);
    // DejaVu Sans is wide: at 12 pt the longest question still fits the box with room at
    // both ends, where 13.5 pt would cut four questions off. Translations keep within the
    // longest English question's width.
    Text1 = textBox("Text1", tr("Please click on the start button to begin the test"), 12,
                    true);
    //: The button that poses the first question
    Command1 = new QPushButton(tr("Click to Start"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(0, 128, 0); color: white;"
        " border: 2px outset rgb(0, 160, 0); }"
        "QPushButton:pressed { border-style: inset; }"));

    client->place(Text4, 1560, 4560, 2535, 555);
    client->place(Text3, 6000, 4560, 615, 555);
    client->place(Text2, 4680, 4560, 615, 555);
    client->place(Command1, 3360, 120, 2055, 615);
    client->place(Text1, 960, 840, 6855, 495);
    Text4->hide();
    Text3->hide();
    Text2->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Line1 = client->addLine(QStringLiteral("Line1"), 6, 5880, 4320, 5400, 5280, 0, false);
    const auto answerPicture = [client](const char *name, int z, const char *file,
                                        forms::Picture::Placement placement) {
        return client->addStoredPicture(QString::fromLatin1(name), z,
                                        QString::fromLatin1(file), placement, true);
    };
    Image5 = answerPicture("Image5", 7, "icon-snail.bmp", {8160, 2280, 1320, 1620});
    Image3 = answerPicture("Image3", 8, "icon-double-lobe.bmp", {8160, 360, 1290, 1770});
    Image4 = answerPicture("Image4", 9, "icon-pear.bmp", {8160, 4080, 1290, 1500});
    Image5->setClickHandler([this] { Image5_Click(); }, tr("Snail cam"));
    Image3->setClickHandler([this] { Image3_Click(); }, tr("Double lobe cam"));
    Image4->setClickHandler([this] { Image4_Click(); }, tr("Pear cam"));
    offerKeyboardAndReader();
}

// Tab goes from the button to the three pictures, top to bottom. The button
// hides itself when pressed: the focus then waits on the first picture, and
// comes back to the button when it shows again. A reader hears the score as
// one sentence where the window shows a caption and two numbers.
void Form2::offerKeyboardAndReader()
{
    forms::Surface *client = surface();
    client->addFocusPlace({Image3});
    client->addFocusPlace({Image5});
    client->addFocusPlace({Image4});
    setTabOrder(Command1, client);
    client->passFocusWhenHidden(Command1);
    Command1->installEventFilter(this);
    Text4->installEventFilter(this);
    Text2->setPartOfSentence(true);
    Text3->setPartOfSentence(true);
    // Orca 43 does not speak a label's new text, so each question is announced as well.
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &question) {
        if (!question.isEmpty())
            forms::announce(surface(), question);
    });
    installEventFilter(this);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Command1 && event->type() == QEvent::KeyPress) {
        // Enter presses the button too, as Space does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command1->click();
            return true;
        }
    } else if (watched == Text4 && event->type() == QEvent::Show) {
        Text4->setAccessibleName(
            tr("You scored %1 out of %2").arg(Text2->text(), Text3->text()));
        forms::announce(surface(), Text4->accessibleName());
    } else if (watched == this && event->type() == QEvent::WindowActivate
               && !std::exchange(m_instructionAnnounced, true)) {
        // Once a window, after the reader has named it and its focused button.
        forms::announce(surface(), Text1->text());
    } else if (watched == Text4 && event->type() == QEvent::Hide) {
        Text4->setAccessibleName(QString());
    }
    return forms::Form::eventFilter(watched, event);
}

void Form2::Form_Load()
{
    stage = Stage::WaitingToStart;
    questionNumber = 1;
    score = 0;
    answered = 0;
}

// Qt tells a reader of a renamed button without its new name, which Orca cannot speak while
// the button has the focus: the button is offered anew instead.
void Form2::setCaption(const QString &caption)
{
    if (caption != Command1->text())
        forms::renewForReaders(Command1);
    Command1->setText(caption);
}

void Form2::Command1_Click()
{
    if (stage == Stage::Finished) {
        // Another go: the score leaves the window and the count starts again.
        questionNumber = 1;
        score = 0;
        answered = 0;
        Text2->hide();
        Text3->hide();
        Line1->setVisible(false);
        Text4->hide();
    }
    if (questionNumber > quiz::questionCount)
        showScore();
    else
        poseQuestion();
}

// The button hides until a picture answers, so that a question counts one click.
void Form2::poseQuestion()
{
    setCaption(tr("Next Question"));
    Text4->hide();
    if (questionNumber >= 1)
        Text1->setText(tr(quiz::questions[std::size_t(questionNumber - 1)].text));
    Command1->hide();
    stage = Stage::QuestionPosed;
}

// The button goes and comes back with its new caption, so the focus returns to it and a
// reader hears "Another Go ?" as the keyboard's next step.
void Form2::showScore()
{
    Command1->hide();
    Text1->setText(QString());
    Text2->show();
    setCaption(tr("Another Go ?"));
    Command1->show();
    Text3->show();
    Line1->setVisible(true);
    Text4->show();
    stage = Stage::Finished;
}

void Form2::Image3_Click()
{
    answer(quiz::Cam::DoubleLobe);
}

void Form2::Image4_Click()
{
    answer(quiz::Cam::Pear);
}

void Form2::Image5_Click()
{
    answer(quiz::Cam::Snail);
}

// A click counts once per question posed, right or wrong.
void Form2::answer(quiz::Cam clicked)
{
    if (stage != Stage::QuestionPosed)
        return;
    if (quiz::questions[std::size_t(questionNumber - 1)].answer == clicked)
        score += 1;
    questionNumber += 1;
    answered += 1;
    Text2->setText(QString::number(score));
    Text3->setText(QString::number(answered));
    Command1->show();
    stage = Stage::Answered;
}
