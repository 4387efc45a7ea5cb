// The simulation window: the housing with its stage, the cam icons that start and stop the
// cams, their lift graphs, the speed scroll bar and the menu bar. It builds each cam's controls
// from the cam's record and draws the model (which cam runs, the step, the graphs); each
// handler is named for what it does.
#pragma once

#include "simulationmodel.h"

#include "animation/cam.h"
#include "animation/layout.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "quiz/testwindow.h"

#include <QPointer>

#include <array>
#include <iterator>

class QAction;
class QScrollBar;

class SimulationWindow final : public forms::Form
{
    Q_OBJECT

public:
    SimulationWindow();
    ~SimulationWindow() override;

    // The controls that belong to one cam.
    struct CamControls {
        forms::Picture *icon = nullptr;
        forms::Picture *cover = nullptr;
        forms::Picture *label = nullptr;
        forms::Timer *timer = nullptr;
        forms::LineControl *timeAxis = nullptr;
        forms::LineControl *liftAxis = nullptr;
        forms::LineControl *pen = nullptr; // hidden; its first point is the graph's origin
        forms::DescribedArea *graph = nullptr;
    };
    CamControls controlsOf(animation::Cam cam) const { return m_cams[std::size_t(cam)]; }

    // The step pictures as the cam tables number them: 0 is the pear's `startFrame`.
    forms::Picture *frame(int picture) const { return m_frames.at(std::size_t(picture)); }
    QScrollBar *speed() const { return m_speed; }
    QAction *testAction() const { return m_testAction; }
    QAction *exitAction() const { return m_exitAction; }
    const SimulationModel &model() const { return m_model; }

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
    void stopTimers();
    void buildControls();
    void buildCamControls(animation::Cam cam);
    void offerKeyboardAndReader();
    void clearFrames(int first, int last);

    SimulationModel m_model;
    std::array<CamControls, std::size(animation::allCams)> m_cams;
    std::array<forms::Picture *, animation::layout::frameCount> m_frames{};
    forms::Picture *m_strip = nullptr;
    QScrollBar *m_speed = nullptr;
    QAction *m_testAction = nullptr;
    QAction *m_exitAction = nullptr;
    QPointer<TestWindow> m_testWindow;
};
