#include "testwindow.h"

#include "testlayout.h"

#include "animation/camrecords.h"
#include "forms/accessibility.h"
#include "pictures/embedded.h"
#include "pictures/loadpicture.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace {

constexpr QColor darkBlue(0, 0, 192);

// The cams the test asks about, each answered by its icon: its top, its place in the
// stacking order and what a reader calls it.
struct AnswerRow {
    quiz::Cam cam;
    int top;
    int z;
    const char *name;
};

constexpr AnswerRow answerRows[] = {
    {quiz::Cam::Pear, 4080, 9, QT_TRANSLATE_NOOP("TestWindow", "Pear cam")},
    {quiz::Cam::DoubleLobe, 360, 8, QT_TRANSLATE_NOOP("TestWindow", "Double lobe cam")},
    {quiz::Cam::Snail, 2280, 7, QT_TRANSLATE_NOOP("TestWindow", "Snail cam")},
};
static_assert(std::size(answerRows) == TestWindow::answerCount);

static_assert(std::ranges::all_of(quiz::questions, [](const quiz::Question &question) {
    return std::ranges::any_of(answerRows, [&](const AnswerRow &row) {
        return row.cam == question.answer;
    });
}), "a picture answers every question");

forms::TextBox *textBox(const char *name, const QString &text, double pointSize, bool centred)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(pointSize);
    return new forms::TextBox(QString::fromLatin1(name), text, font,
                              centred ? Qt::AlignHCenter : Qt::AlignLeft);
}

void place(forms::Surface *client, QWidget *widget, const quiz::layout::Place &at)
{
    client->place(widget, at.left, at.top, at.width, at.height);
}

} // namespace

TestWindow::TestWindow()
    : forms::Form(tr("Kestrilon Test by the Kestrilon team"), quiz::layout::clientWidth,
                  quiz::layout::clientHeight, Kind::Tool)
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
    namespace layout = quiz::layout;
    forms::Surface *client = surface();
    client->setBackground(pictures::loadPicture(QStringLiteral("quiz-backdrop.bmp")),
                          darkBlue);
    Controls &c = m_controls;

    //: Beside the score, which is drawn as "2 / 10"
    c.scoreCaption = textBox("scoreCaption", tr("You Scored"), 18, true);
    c.answeredBox = textBox("answeredBox", QStringLiteral("0"), 18, false);
    c.scoreBox = textBox("scoreBox", QStringLiteral("0"), 18, false);
    // DejaVu Sans is wide: at 12 pt the longest question still fits the box with room at
    // both ends, where 13.5 pt would cut four questions off. Translations keep within the
    // longest English question's width.
    c.questionBox = textBox("questionBox",
                            tr("Please click on the start button to begin the test"), 12,
                            true);
    //: The button that poses the first question
    c.button = new QPushButton(tr("Click to Start"));
    c.button->setObjectName(QStringLiteral("button"));
    c.button->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(0, 128, 0); color: white;"
        " border: 2px outset rgb(0, 160, 0); }"
        "QPushButton:pressed { border-style: inset; }"));

    place(client, c.scoreCaption, layout::scoreCaption);
    place(client, c.answeredBox, layout::answeredBox);
    place(client, c.scoreBox, layout::scoreBox);
    place(client, c.button, layout::button);
    place(client, c.questionBox, layout::questionBox);
    c.scoreCaption->hide();
    c.answeredBox->hide();
    c.scoreBox->hide();
    connect(c.button, &QPushButton::clicked, this, [this] { pressButton(); });

    const layout::LineEnds &slash = layout::scoreSlash;
    c.scoreSlash = client->addLine(QStringLiteral("scoreSlash"), 6, slash.x1, slash.y1,
                                   slash.x2, slash.y2, Qt::black, false);
    for (std::size_t i = 0; i < std::size(answerRows); ++i) {
        const AnswerRow &row = answerRows[i];
        const animation::CamRecord &record = animation::camRecord(row.cam);
        forms::Picture *answerPicture = client->addStoredPicture(
            QString::fromLatin1(record.key) + QLatin1String("Answer"), row.z,
            QStringLiteral("icon-") + QLatin1String(record.file) + QLatin1String(".bmp"),
            {layout::answersLeft, row.top, record.icon.at.width, record.icon.at.height}, true);
        answerPicture->setClickHandler([this, cam = row.cam] { answer(cam); }, tr(row.name));
        m_answers[i] = {row.cam, answerPicture};
    }
    offerKeyboardAndReader();
}

// Tab goes from the button to the pictures, top to bottom. The button hides itself when
// pressed: the focus then waits on the first picture, and comes back to the button when it
// shows again. A reader hears the score as one sentence where the window shows a caption and
// two numbers.
void TestWindow::offerKeyboardAndReader()
{
    forms::Surface *client = surface();
    std::array<forms::Picture *, answerCount> topDown{};
    std::ranges::transform(m_answers, topDown.begin(), &Answer::picture);
    std::ranges::sort(topDown, {}, &forms::Picture::top);
    for (forms::Picture *answerPicture : topDown)
        client->addFocusPlace({answerPicture});
    const Controls &c = m_controls;
    setTabOrder(c.button, client);
    client->passFocusWhenHidden(c.button);
    c.button->installEventFilter(this);
    c.scoreCaption->installEventFilter(this);
    c.scoreBox->setPartOfSentence(true);
    c.answeredBox->setPartOfSentence(true);
    // Orca 43 does not speak a label's new text, so each question is announced as well.
    connect(c.questionBox, &QLineEdit::textChanged, this, [this](const QString &question) {
        if (!question.isEmpty())
            forms::announce(surface(), question);
    });
    installEventFilter(this);
}

QString TestWindow::spokenScore() const
{
    return tr("You scored %1 out of %2")
        .arg(QString::number(m_model.score()), QString::number(m_model.answered()));
}

bool TestWindow::eventFilter(QObject *watched, QEvent *event)
{
    const Controls &c = m_controls;
    if (watched == c.button && event->type() == QEvent::KeyPress) {
        // Enter presses the button too, as Space does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            c.button->click();
            return true;
        }
    } else if (watched == c.scoreCaption && event->type() == QEvent::Show) {
        c.scoreCaption->setAccessibleName(spokenScore());
        forms::announce(surface(), c.scoreCaption->accessibleName());
    } else if (watched == this && event->type() == QEvent::WindowActivate
               && !std::exchange(m_instructionAnnounced, true)) {
        // Once a window, after the reader has named it and its focused button.
        forms::announce(surface(), c.questionBox->text());
    } else if (watched == c.scoreCaption && event->type() == QEvent::Hide) {
        c.scoreCaption->setAccessibleName(QString());
    }
    return forms::Form::eventFilter(watched, event);
}

forms::Picture *TestWindow::answerPicture(quiz::Cam cam) const
{
    const auto found = std::ranges::find(m_answers, cam, &Answer::cam);
    return found == m_answers.end() ? nullptr : found->picture;
}

void TestWindow::reset()
{
    m_model.reset();
}

// Qt tells a reader of a renamed button without its new name, which Orca cannot speak while
// the button has the focus: the button is offered anew instead.
void TestWindow::setCaption(const QString &caption)
{
    if (caption != m_controls.button->text())
        forms::renewForReaders(m_controls.button);
    m_controls.button->setText(caption);
}

void TestWindow::pressButton()
{
    const Controls &c = m_controls;
    if (m_model.stage() == Stage::Finished) {
        // Another go: the score leaves the window.
        c.scoreBox->hide();
        c.answeredBox->hide();
        c.scoreSlash->setVisible(false);
        c.scoreCaption->hide();
    }
    m_model.press();
    if (m_model.stage() == Stage::Finished)
        showScore();
    else
        poseQuestion();
}

// The button hides until a picture answers, so that a question counts one click.
void TestWindow::poseQuestion()
{
    const Controls &c = m_controls;
    setCaption(tr("Next Question"));
    c.scoreCaption->hide();
    c.questionBox->setText(tr(m_model.question().text));
    c.button->hide();
}

// The button goes and comes back with its new caption, so the focus returns to it and a
// reader hears "Another Go ?" as the keyboard's next step.
void TestWindow::showScore()
{
    const Controls &c = m_controls;
    c.button->hide();
    c.questionBox->setText(QString());
    c.scoreBox->show();
    setCaption(tr("Another Go ?"));
    c.button->show();
    c.answeredBox->show();
    c.scoreSlash->setVisible(true);
    c.scoreCaption->show();
}

// A click counts once per question posed, right or wrong.
void TestWindow::answer(quiz::Cam clicked)
{
    if (!m_model.answer(clicked))
        return;
    const Controls &c = m_controls;
    c.scoreBox->setText(QString::number(m_model.score()));
    c.answeredBox->setText(QString::number(m_model.answered()));
    c.button->show();
}
