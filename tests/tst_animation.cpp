// The three cams turning: whole runs tick by tick against their worked
// sequences, starting and stopping, and what a grabbed window shows.
#include "cams.h"
#include "animation/cam.h"
#include "animation/camrecords.h"
#include "animation/camtick.h"
#include "animation/layout.h"
#include "animation/camrecords.h"
#include "app/simulationwindow.h"
#include "forms/picture.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <array>

namespace {

using animation::Cam;

struct Tick {
    QString picture;
    QList<QLine> segments;
    bool erased = false;
};

// Starts a cam with a click on its icon and records what each tick shows and draws.
class Run
{
public:
    explicit Run(Cam cam)
        : m_cam(cam)
    {
        QObject::connect(m_form.surface(), &forms::Surface::lineDrawn, m_form.surface(),
                         [this](int x1, int y1, int x2, int y2) {
                             m_current.segments.append(QLine(x1, y1, x2, y2));
                         });
        QObject::connect(m_form.surface(), &forms::Surface::cleared, m_form.surface(),
                         [this] { m_current.erased = true; });
        icon()->click();
        m_current = {};
    }

    SimulationWindow &form() { return m_form; }

    forms::Picture *icon() const
    {
        return m_form.controlsOf(m_cam).icon;
    }
    forms::Timer *timer() const
    {
        return m_form.controlsOf(m_cam).timer;
    }

    Tick tick()
    {
        m_current = {};
        timer()->tick();
        m_current.picture = pictureInView();
        return m_current;
    }

    // The one frame picture inside the client area, if any.
    QString pictureInView() const
    {
        QStringList inView;
        for (const auto &control : m_form.surface()->controls()) {
            auto *picture = dynamic_cast<forms::Picture *>(control.get());
            if (picture
                && (control->name().startsWith("frame(") || control->name() == "startFrame")
                && picture->left() < animation::layout::clientWidth
                && picture->top() < animation::layout::clientHeight && picture->isVisible())
                inView.append(control->name());
        }
        return inView.join(',');
    }

private:
    Cam m_cam;
    SimulationWindow m_form;
    Tick m_current;
};

animation::PenOrigin penOrigin(Cam cam)
{
    const animation::layout::LineEnds &pen = animation::camRecord(cam).pen.ends;
    return {pen.x1, pen.y1};
}

// The step alone, ticked from the cam's start: where each of the twenty step pictures is, as
// the window would keep it, every one out of sight when the cam starts.
class StepRun
{
public:
    explicit StepRun(Cam cam)
        : m_cam(animation::camTable(cam))
        , m_pen(penOrigin(cam))
        , m_frame(m_cam.firstStep)
    {
        m_places.fill(QPoint(100000, 0));
    }

    int frame() const { return m_frame; }
    int graphOffset() const { return m_graphOffset; }

    Tick tick()
    {
        const animation::TickChanges changes = animation::tick(m_cam, m_pen, m_frame,
                                                               m_graphOffset);
        m_frame = changes.step;
        m_graphOffset = changes.graphOffset;
        Tick result;
        for (const animation::PictureMove &move : changes.moves())
            m_places.at(std::size_t(move.picture)) = QPoint(move.left, move.top);
        for (const animation::GraphStroke &stroke : changes.strokes())
            result.segments.append(QLine(stroke.x1, stroke.y1, stroke.x2, stroke.y2));
        result.erased = changes.erasesGraph;
        QStringList inView;
        for (std::size_t k = 0; k < m_places.size(); ++k) {
            if (m_places[k].x() < animation::layout::clientWidth
                && m_places[k].y() < animation::layout::clientHeight)
                inView.append(k == 0 ? QStringLiteral("startFrame")
                                     : QStringLiteral("frame(%1)").arg(k));
        }
        result.picture = inView.join(',');
        return result;
    }

private:
    const animation::CamTable &m_cam;
    animation::PenOrigin m_pen;
    int m_frame;
    int m_graphOffset = 0;
    std::array<QPoint, animation::layout::frameCount> m_places;
};

} // namespace

Q_DECLARE_METATYPE(animation::Cam)

class TestAnimation : public QObject
{
    Q_OBJECT

private slots:
    void workedSequence_data();
    void workedSequence();
    void erasesAtTheEndOfEachPage_data();
    void erasesAtTheEndOfEachPage();
    void startAndStop();
    void refusedStartLeavesTheRunningCamAlone_data();
    void refusedStartLeavesTheRunningCamAlone();
    void everyStartBeginsAtTheGraphOrigin_data();
    void everyStartBeginsAtTheGraphOrigin();
    void pearStartDrawsItsOriginPoint();
    void speedSetsEveryInterval();
    void intervalZeroStopsTicking();
    void grabbedWindowShowsFrameAndCurve();
    void graphsSurviveARepaint();
};

void TestAnimation::workedSequence_data()
{
    QTest::addColumn<Cam>("cam");
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QList<QLine>>("segments");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("graphOffset");
    QTest::addColumn<bool>("erased");

    const auto row = [](const char *name, Cam cam, int tick, const char *picture,
                        QList<QLine> segments, int frame, int offset, bool erased = false) {
        QTest::newRow(name) << cam << tick << QString(picture) << segments << frame << offset
                            << erased;
    };
    const Cam p = Cam::Pear;
    row("pear 1", p, 1, "startFrame", {{7080, 1560, 7080, 1560}}, 1, 0);
    row("pear 2", p, 2, "frame(1)", {{7080, 1560, 7180, 1960}}, 2, 0);
    row("pear 3", p, 3, "frame(2)", {{7180, 1960, 7280, 2060}}, 3, 0);
    row("pear 4", p, 4, "frame(3)", {{7280, 2060, 7380, 2060}}, 4, 0);
    row("pear 5", p, 5, "frame(4)", {{7380, 2060, 7480, 2060}}, 5, 0);
    row("pear 6", p, 6, "frame(5)", {{7480, 2060, 7580, 2060}}, 6, 0);
    row("pear 7", p, 7, "frame(6)", {{7580, 2060, 7680, 2060}}, 7, 0);
    row("pear 8", p, 8, "frame(7)", {{7680, 2060, 7780, 1960}, {7780, 1960, 7880, 1560}}, 0, 800);
    row("pear 9", p, 9, "startFrame", {{7880, 1560, 7880, 1560}}, 1, 800);
    row("pear 24", p, 24, "frame(7)", {{9280, 2060, 9380, 1960}, {9380, 1960, 9480, 1560}}, 0,
        2400);
    row("pear 32", p, 32, "frame(7)", {{10080, 2060, 10180, 1960}, {10180, 1960, 10280, 1560}},
        0, 0, true);
    row("pear 33", p, 33, "startFrame", {{7080, 1560, 7080, 1560}}, 1, 0);

    const Cam d = Cam::DoubleLobe;
    row("double lobe 1", d, 1, "frame(8)", {{7080, 3480, 7080, 3480}}, 9, 0);
    row("double lobe 2", d, 2, "frame(9)", {{7080, 3480, 7180, 3780}}, 10, 0);
    row("double lobe 3", d, 3, "frame(10)", {{7180, 3780, 7280, 3880}}, 11, 0);
    row("double lobe 4", d, 4, "frame(11)", {{7280, 3880, 7380, 3780}, {7380, 3780, 7480, 3480}},
        8, 400);
    row("double lobe 5", d, 5, "frame(8)", {{7480, 3480, 7480, 3480}}, 9, 400);
    row("double lobe 36", d, 36, "frame(11)",
        {{10480, 3880, 10580, 3780}, {10580, 3780, 10680, 3480}}, 8, 3600);
    row("double lobe 40", d, 40, "frame(11)",
        {{10880, 3880, 10980, 3780}, {10980, 3780, 11080, 3480}}, 8, 0, true);
    row("double lobe 41", d, 41, "frame(8)", {{7080, 3480, 7080, 3480}}, 9, 0);

    const Cam s = Cam::Snail;
    row("snail 1", s, 1, "frame(12)", {{7080, 5900, 7080, 5900}}, 13, 0);
    row("snail 2", s, 2, "frame(19)", {{7080, 5900, 7180, 5800}}, 14, 0);
    row("snail 3", s, 3, "frame(13)", {{7180, 5800, 7280, 5700}}, 15, 0);
    row("snail 4", s, 4, "frame(14)", {{7280, 5700, 7380, 5600}}, 16, 0);
    row("snail 5", s, 5, "frame(15)", {{7380, 5600, 7480, 5500}}, 17, 0);
    row("snail 6", s, 6, "frame(16)", {{7480, 5500, 7580, 5400}}, 18, 0);
    row("snail 7", s, 7, "frame(17)", {{7580, 5400, 7680, 5300}}, 19, 0);
    row("snail 8", s, 8, "frame(18)", {{7680, 5300, 7780, 5900}}, 12, 700);
    row("snail 9", s, 9, "frame(12)", {{7780, 5900, 7780, 5900}}, 13, 700);
    row("snail 32", s, 32, "frame(18)", {{9780, 5300, 9880, 5900}}, 12, 2800);
    row("snail 33", s, 33, "frame(12)", {{9880, 5900, 9880, 5900}}, 13, 0, true);
    row("snail 34", s, 34, "frame(19)", {{7080, 5900, 7180, 5800}}, 14, 0);
    row("snail 40", s, 40, "frame(18)", {{7680, 5300, 7780, 5900}}, 12, 700);
}

void TestAnimation::workedSequence()
{
    QFETCH(Cam, cam);
    QFETCH(int, tick);
    StepRun run(cam);
    Tick last;
    for (int t = 1; t <= tick; ++t)
        last = run.tick();
    QTEST(last.picture, "picture");
    QTEST(last.segments, "segments");
    QTEST(run.frame(), "frame");
    QTEST(run.graphOffset(), "graphOffset");
    QTEST(last.erased, "erased");
}

void TestAnimation::erasesAtTheEndOfEachPage_data()
{
    QTest::addColumn<Cam>("cam");
    QTest::addColumn<QList<int>>("eraseTicks");
    QTest::newRow("pear") << Cam::Pear << QList<int>{32, 64, 96};
    QTest::newRow("double lobe") << Cam::DoubleLobe << QList<int>{40, 80};
    QTest::newRow("snail") << Cam::Snail << QList<int>{33, 65, 97};
}

void TestAnimation::erasesAtTheEndOfEachPage()
{
    QFETCH(Cam, cam);
    QFETCH(QList<int>, eraseTicks);
    StepRun run(cam);
    QList<int> erased;
    for (int t = 1; t <= 100; ++t) {
        if (run.tick().erased)
            erased.append(t);
    }
    QCOMPARE(erased, eraseTicks);
}

void TestAnimation::startAndStop()
{
    SimulationWindow form;
    QCOMPARE(runningNumber(form), 0);

    form.controlsOf(Cam::Pear).icon->click();
    QVERIFY(form.controlsOf(Cam::Pear).timer->isEnabled());
    QVERIFY(!form.controlsOf(Cam::Pear).icon->isVisible());
    QCOMPARE(form.model().step(), 0);
    for (int t = 0; t < 3; ++t)
        form.controlsOf(Cam::Pear).timer->tick();
    QCOMPARE(form.frame(2)->left(), 3810);

    form.controlsOf(Cam::Pear).cover->click();
    QVERIFY(!form.controlsOf(Cam::Pear).timer->isEnabled());
    QVERIFY(form.controlsOf(Cam::Pear).icon->isVisible());
    for (int k = 1; k < animation::layout::frameCount; ++k)
        QVERIFY(form.frame(k)->left() >= animation::layout::clientWidth);
    QVERIFY(form.frame(animation::startPicture)->left() >= animation::layout::clientWidth);

    // Restarting begins again at the first step.
    form.controlsOf(Cam::Pear).icon->click();
    form.controlsOf(Cam::Pear).timer->tick();
    QCOMPARE(form.frame(animation::startPicture)->left(), 3840);
    QCOMPARE(form.model().step(), 1);
    form.controlsOf(Cam::Pear).cover->click();

    form.controlsOf(Cam::DoubleLobe).icon->click();
    const SimulationWindow::CamControls doubleLobe = form.controlsOf(Cam::DoubleLobe);
    QVERIFY(doubleLobe.timer->isEnabled() && !doubleLobe.icon->isVisible());
    QCOMPARE(form.model().step(), 8);
    form.controlsOf(Cam::DoubleLobe).timer->tick();
    QCOMPARE(form.frame(8)->left(), 3800);
    form.controlsOf(Cam::DoubleLobe).cover->click();
    QVERIFY(!doubleLobe.timer->isEnabled() && doubleLobe.icon->isVisible());
    QVERIFY(form.frame(8)->left() >= animation::layout::clientWidth);

    form.controlsOf(Cam::Snail).icon->click();
    const SimulationWindow::CamControls snail = form.controlsOf(Cam::Snail);
    QVERIFY(snail.timer->isEnabled() && !snail.icon->isVisible());
    QCOMPARE(form.model().step(), 12);
    form.controlsOf(Cam::Snail).timer->tick();
    form.controlsOf(Cam::Snail).timer->tick();
    QCOMPARE(form.frame(19)->left(), 3860);
    form.controlsOf(Cam::Snail).cover->click();
    QVERIFY(!snail.timer->isEnabled() && snail.icon->isVisible());
    QVERIFY(form.frame(19)->left() >= animation::layout::clientWidth);
}

void TestAnimation::refusedStartLeavesTheRunningCamAlone_data()
{
    QTest::addColumn<Cam>("running");
    QTest::addColumn<Cam>("clicked");
    const QList<std::pair<Cam, const char *>> cams{
        {Cam::Pear, "pear"}, {Cam::DoubleLobe, "double lobe"}, {Cam::Snail, "snail"}};
    for (const auto &[running, runningName] : cams) {
        for (const auto &[clicked, clickedName] : cams) {
            if (running != clicked)
                QTest::addRow("%s running, %s clicked", runningName, clickedName)
                    << running << clicked;
        }
    }
}

void TestAnimation::refusedStartLeavesTheRunningCamAlone()
{
    QFETCH(Cam, running);
    QFETCH(Cam, clicked);
    Run run(running);
    Run reference(running);
    for (int t = 0; t < 11; ++t) {
        run.tick();
        reference.tick();
    }
    SimulationWindow &form = run.form();
    forms::Picture *otherIcon = form.controlsOf(clicked).icon;
    QVERIFY(otherIcon->isVisible());
    otherIcon->click();
    QVERIFY(otherIcon->isVisible());
    int enabled = 0;
    for (const Cam cam : animation::allCams)
        enabled += int(form.controlsOf(cam).timer->isEnabled());
    QCOMPARE(enabled, 1);

    // The running cam goes on exactly as if nothing had been clicked.
    for (int t = 0; t < 40; ++t) {
        const Tick after = run.tick();
        const Tick expected = reference.tick();
        QCOMPARE(after.picture, expected.picture);
        QCOMPARE(after.segments, expected.segments);
        QCOMPARE(form.model().step(), reference.form().model().step());
        QCOMPARE(form.model().graphOffset(), reference.form().model().graphOffset());
    }
}

void TestAnimation::everyStartBeginsAtTheGraphOrigin_data()
{
    QTest::addColumn<Cam>("first");
    QTest::addColumn<Cam>("next");
    const std::pair<Cam, const char *> cams[] = {
        {Cam::Pear, "pear"}, {Cam::DoubleLobe, "double lobe"}, {Cam::Snail, "snail"}};
    for (const auto &[first, firstName] : cams) {
        for (const auto &[next, nextName] : cams)
            QTest::addRow("%s, then %s", firstName, nextName) << first << next;
    }
}

// A cam started after another stopped mid-page draws from its own origin.
void TestAnimation::everyStartBeginsAtTheGraphOrigin()
{
    QFETCH(Cam, first);
    QFETCH(Cam, next);
    Run run(first);
    for (int t = 0; t < 9; ++t)
        run.tick();
    QVERIFY(run.form().model().graphOffset() > 0);
    run.form().controlsOf(first).cover->click();
    run.form().controlsOf(next).icon->click();
    QCOMPARE(run.form().model().graphOffset(), 0);
}

void TestAnimation::pearStartDrawsItsOriginPoint()
{
    SimulationWindow form;
    QSignalSpy lines(form.surface(), &forms::Surface::lineDrawn);
    form.controlsOf(Cam::Pear).icon->click();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0], (QList<QVariant>{7080, 2160, 7080, 2160}));
    form.controlsOf(Cam::Pear).cover->click();
    form.controlsOf(Cam::DoubleLobe).icon->click();
    form.controlsOf(Cam::DoubleLobe).cover->click();
    form.controlsOf(Cam::Snail).icon->click();
    QCOMPARE(lines.size(), 1);
}

void TestAnimation::speedSetsEveryInterval()
{
    SimulationWindow form;
    QCOMPARE(form.speed()->value(), 500);
    QCOMPARE(form.controlsOf(Cam::Pear).timer->interval(), 200);
    form.controlsOf(Cam::DoubleLobe).icon->click();
    form.speed()->setValue(37);
    for (forms::Timer *timer : timersOf(form))
        QCOMPARE(timer->interval(), 37);
    form.speed()->triggerAction(QScrollBar::SliderToMinimum);
    QCOMPARE(form.controlsOf(Cam::Snail).timer->interval(), 10);
    form.speed()->triggerAction(QScrollBar::SliderPageStepAdd);
    QCOMPARE(form.controlsOf(Cam::DoubleLobe).timer->interval(), 20);
}

void TestAnimation::intervalZeroStopsTicking()
{
    forms::Timer timer(QStringLiteral("timer"), 0);
    int ticks = 0;
    timer.setTickHandler([&] { ++ticks; });
    timer.setEnabled(true);
    QTest::qWait(60);
    QCOMPARE(ticks, 0);
    timer.setInterval(5);
    QTRY_VERIFY(ticks > 0);
}

void TestAnimation::grabbedWindowShowsFrameAndCurve()
{
    Run run(Cam::Pear);
    for (int t = 0; t < 3; ++t)
        run.tick();
    const QImage shot = run.form().surface()->grab().toImage();
    // Tick 3 drew (7180, 1960) to (7280, 2060): pixels (478, 130) to (485, 137).
    QCOMPARE(shot.pixelColor(478, 130), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(482, 134), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(485, 137), QColor(Qt::black));
    QVERIFY(shot.pixelColor(482, 120) != QColor(Qt::black));

    // frame(2) is on the stage: its pixels, not the backdrop's, at its place.
    const QImage frame = run.form().frame(2)->pixmap().toImage();
    const QPoint at(3810 / 15, 390 / 15);
    for (const QPoint inside : {QPoint(0, 0), QPoint(frame.width() / 2, frame.height() / 2),
                                QPoint(frame.width() - 1, frame.height() - 1)}) {
        if (QRect(240, 105, 200, 30).contains(at + inside))
            continue; // the strip lies above every frame
        QCOMPARE(shot.pixelColor(at + inside), frame.pixelColor(inside));
    }
}

// Another window passing over the graphs must not wipe them.
void TestAnimation::graphsSurviveARepaint()
{
    Run run(Cam::DoubleLobe);
    for (int t = 0; t < 4; ++t)
        run.tick();
    forms::Surface *surface = run.form().surface();
    const QImage before = surface->grab().toImage();
    surface->repaint();
    QCOMPARE(surface->grab().toImage(), before);
    QCOMPARE(before.pixelColor(7480 / 15, 3480 / 15), QColor(Qt::black));
}

QTEST_MAIN(TestAnimation)
#include "tst_animation.moc"
