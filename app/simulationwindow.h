// The simulation window: the housing with its stage, the three cam icons
// that start and stop the cams, the three lift graphs, the speed scroll bar
// and the menu bar. Each control is named for what the learner sees in it, and
// each handler for what it does.
#pragma once

#include "liftgraph.h"

#include "animation/cam.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "quiz/testwindow.h"

#include <QPointer>

#include <array>
#include <utility>
#include <vector>

class QAction;
class QScrollBar;

class SimulationWindow final : public forms::Form
{
    Q_OBJECT

public:
    SimulationWindow();
    ~SimulationWindow() override;

    // The pictures of the turning cams, 1 to 19 as the cam tables number them; the
    // pear's first picture is startFrame, not one of these.
    forms::Picture *frame(int k) const
    {
        Q_ASSERT(k >= 1 && k <= 19);
        return m_frames.at(std::size_t(k));
    }

    // Controls, top of the stacking order first.
    QScrollBar *speed = nullptr;
    forms::Timer *snailTimer = nullptr;
    forms::Timer *doubleLobeTimer = nullptr;
    forms::Timer *pearTimer = nullptr;
    forms::Picture *graphTitle = nullptr;
    forms::LineControl *snailPen = nullptr;
    forms::LineControl *snailTimeAxis = nullptr;
    forms::LineControl *snailLiftAxis = nullptr;
    forms::LineControl *doubleLobePen = nullptr;
    forms::LineControl *doubleLobeLiftAxis = nullptr;
    forms::LineControl *doubleLobeTimeAxis = nullptr;
    forms::LineControl *pearPen = nullptr;
    forms::LineControl *pearLiftAxis = nullptr;
    forms::LineControl *pearTimeAxis = nullptr;
    forms::Picture *bird = nullptr;
    forms::Picture *snailLabel = nullptr;
    forms::Picture *doubleLobeLabel = nullptr;
    forms::Picture *pearLabel = nullptr;
    forms::Picture *camsTitle = nullptr;
    forms::Picture *snailIcon = nullptr;
    forms::Picture *strip = nullptr;
    forms::Picture *pearIcon = nullptr;
    forms::Picture *doubleLobeIcon = nullptr;
    forms::Picture *startFrame = nullptr;
    forms::Picture *snailCover = nullptr;
    forms::Picture *doubleLobeCover = nullptr;
    forms::Picture *pearCover = nullptr;
    forms::Picture *hole = nullptr;

    // Menu bar.
    QAction *testAction = nullptr;
    QAction *exitAction = nullptr;

    // The running cam's step, and how far right its graph's current cycle lies.
    int step = 0;
    int graphOffset = 0;

    void reset();
    // A cam's icon starts it and the cover left in the icon's place stops it, each as the
    // cam's table says; a start is refused, with no effect at all, while another cam runs.
    void startCam(animation::Cam cam);
    void stopCam(animation::Cam cam);
    void applySpeed();
    void openTest();
    void quit();
    // One tick of the cam: what the step computes, shown.
    void tickCam(animation::Cam cam);

    // The test window, while it is open.
    TestWindow *testWindow() const { return m_testWindow; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls that belong to one cam.
    struct CamControls {
        forms::Picture *icon;
        forms::Timer *timer;
        const forms::LineControl *pen; // its first point is the graph's origin
    };
    CamControls controlsOf(animation::Cam cam) const;
    bool canStart(animation::Cam cam) const;
    void stopTimers();

    void buildControls();
    void offerKeyboardAndReader();
    void clearFrames(int first, int last);

    // Index 0 is `startFrame`, k is frame(k): the pictures as the cam tables name them.
    std::array<forms::Picture *, 20> m_frames{};
    QPointer<TestWindow> m_testWindow;
    std::vector<std::pair<LiftGraph, forms::DescribedArea *>> m_graphs;
};
