// A monkey: long seeded runs of random events over both windows, clicks
// routed exactly as real ones, with the program's invariants checked after
// every event. A failure names its seed and event so it can be replayed:
//   KESTRILON_MONKEY_SEED=<seed> tst_monkey
#include "cams.h"
#include "app/simulationwindow.h"
#include "forms/linecontrol.h"
#include "forms/picture.h"
#include "quiz/testwindow.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <random>

using animation::Cam;

namespace {

// Delivers a click at a client point to whatever the learner would hit there:
// a real child widget such as the button, or the surface's own pictures.
void clickAt(forms::Surface *surface, QPoint at)
{
    QWidget *target = surface->childAt(at);
    if (!target)
        target = surface;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(surface, at));
}

// The offscreen platform cannot raise windows and says so at every "Test".
QtMessageHandler previousHandler = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("does not support raise")))
        previousHandler(type, context, message);
}

class Monkey
{
public:
    explicit Monkey(unsigned seed)
        : m_random(seed)
    {
        if (!previousHandler)
            previousHandler = qInstallMessageHandler(dropRaiseWarnings);
        m_form = std::make_unique<SimulationWindow>();
        m_form->show();
    }

    // Runs one random event; returns a description of it.
    QString step()
    {
        const int choice = pick(100);
        if (choice < 30) {
            const QPoint at(pick(m_form->surface()->width()), pick(m_form->surface()->height()));
            clickAt(m_form->surface(), at);
            return QStringLiteral("click SimulationWindow at %1,%2").arg(at.x()).arg(at.y());
        }
        if (choice < 37) {
            // Aim at the icon column, where most of the interesting clicks are.
            const QPoint at(pick(100), 50 + pick(370));
            clickAt(m_form->surface(), at);
            return QStringLiteral("click icons at %1,%2").arg(at.x()).arg(at.y());
        }
        if (choice < 75) {
            for (forms::Timer *timer : timersOf(*m_form)) {
                if (timer->isEnabled())
                    timer->tick();
            }
            return QStringLiteral("tick");
        }
        if (choice < 78) {
            const int value = 10 + pick(991);
            m_form->speed()->setValue(value);
            return QStringLiteral("speed %1").arg(value);
        }
        if (choice < 80) {
            m_form->testAction()->trigger();
            return QStringLiteral("Test");
        }
        if (TestWindow *quiz = m_form->testWindow(); quiz && choice < 98) {
            if (choice < 88) {
                clickAt(quiz->surface(), quiz->controls().button->geometry().center());
                return QStringLiteral("press button");
            }
            // Half the clicks aim at the column of answer pictures.
            const QPoint at = choice < 93 ? QPoint(pick(quiz->surface()->width()),
                                                   pick(quiz->surface()->height()))
                                          : QPoint(540 + pick(100), 20 + pick(370));
            clickAt(quiz->surface(), at);
            return QStringLiteral("click TestWindow at %1,%2").arg(at.x()).arg(at.y());
        }
        if (TestWindow *quiz = m_form->testWindow(); quiz && choice == 98 && pick(10) == 0) {
            quiz->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return QStringLiteral("close TestWindow");
        }
        if (choice == 99 && pick(20) == 0) {
            m_form->close();
            if (runningNumber(*m_form) != 0)
                return QStringLiteral("close SimulationWindow: a timer still runs");
            // The next run of the program.
            m_form = std::make_unique<SimulationWindow>();
            m_form->show();
            return QStringLiteral("close SimulationWindow");
        }
        return QStringLiteral("nothing");
    }

    // Which states the run has reached: each cam running, a test finished.
    QString unreached() const
    {
        QStringList missing;
        for (int cam = 0; cam < 3; ++cam) {
            if (!m_reached[cam])
                missing << QStringLiteral("cam %1").arg(cam + 1);
        }
        if (!m_reached[3])
            missing << QStringLiteral("a finished test");
        return missing.join(", ");
    }

    // Empty when every invariant holds, else what broke.
    QString broken()
    {
        const SimulationWindow &form = *m_form;
        for (const Cam cam : animation::allCams)
            m_reached[std::size_t(cam)] = m_reached[std::size_t(cam)]
                                          || form.controlsOf(cam).timer->isEnabled();
        m_reached[3] = m_reached[3]
                       || (form.testWindow() && form.testWindow()->model().questionNumber() == 11);
        int running = 0;
        for (const Cam cam : animation::allCams) {
            const forms::Timer *timer = form.controlsOf(cam).timer;
            running += timer->isEnabled();
            if (timer->isEnabled() == form.controlsOf(cam).icon->isVisible())
                return QStringLiteral("%1 and its icon disagree").arg(timer->objectName());
            if (timer->isEnabled() && form.model().running() != cam)
                return QStringLiteral("%1 runs and the model says not").arg(timer->objectName());
        }
        if (running > 1)
            return QStringLiteral("%1 cams running").arg(running);
        const int firstSteps[] = {0, 8, 12};
        const int wraps[] = {8, 12, 20};
        const int pageEnds[] = {2400, 3600, 2800};
        const SimulationModel &model = form.model();
        for (int cam = 0; cam < 3; ++cam) {
            if (!form.controlsOf(camNumbered(cam + 1)).timer->isEnabled())
                continue;
            if (model.step() < firstSteps[cam] || model.step() >= wraps[cam])
                return QStringLiteral("frame %1 outside the running cam").arg(model.step());
            if (model.graphOffset() < 0 || model.graphOffset() > pageEnds[cam])
                return QStringLiteral("graphOffset %1 off the page").arg(model.graphOffset());
        }
        if (const TestWindow *quiz = form.testWindow()) {
            const quiz::QuizModel &test = quiz->model();
            if (test.answered() != test.questionNumber() - 1 || test.score() < 0
                || test.score() > test.answered() || test.questionNumber() < 1
                || test.questionNumber() > 11)
                return QStringLiteral("test counters %1 %2 %3")
                    .arg(test.questionNumber())
                    .arg(test.score())
                    .arg(test.answered());
            const bool waiting = test.stage() == TestWindow::Stage::QuestionPosed;
            if (waiting != quiz->controls().button->isHidden())
                return QStringLiteral("the button shows while a question waits, or hides idle");
        }
        return {};
    }

private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

    std::mt19937 m_random;
    std::unique_ptr<SimulationWindow> m_form;
    std::array<bool, 4> m_reached{};
};

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void survivesRandomEvents_data();
    void survivesRandomEvents();
};

void TestMonkey::survivesRandomEvents_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("events");
    bool given = false;
    const unsigned replay = qEnvironmentVariableIntValue("KESTRILON_MONKEY_SEED", &given);
    if (given) {
        QTest::newRow("replay") << replay << 200000;
        return;
    }
    for (const unsigned seed : {1u, 2024u, 31337u, 4000000007u})
        QTest::addRow("seed %u", seed) << seed << 50000;
}

void TestMonkey::survivesRandomEvents()
{
    QFETCH(unsigned, seed);
    QFETCH(int, events);
    Monkey monkey(seed);
    for (int event = 1; event <= events; ++event) {
        const QString what = monkey.step();
        const QString broken = monkey.broken();
        if (!broken.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                 .arg(seed)
                                 .arg(event)
                                 .arg(what, broken)));
        }
        if (event % 2000 == 0)
            QCoreApplication::processEvents(); // lets the windows paint now and then
    }
    QVERIFY2(monkey.unreached().isEmpty(), qPrintable(monkey.unreached()));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
