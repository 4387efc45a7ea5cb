// The simulation window: the housing with its stage, the three cam icons
// that start and stop the cams, the three lift graphs, the speed scroll bar
// and the menu bar. Controls and handlers carry the names they have always
// had, so a handler reads like the table that describes it.
#pragma once

#include "liftgraph.h"

#include "animation/cam.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "quiz/form2.h"

#include <QPointer>

#include <array>
#include <utility>
#include <vector>

class QAction;
class QScrollBar;

class Form1 final : public forms::Form
{
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    // The control array Image1 runs from 1 to 19; it has no member 0.
    forms::Picture *Image1(int k) const
    {
        Q_ASSERT(k >= 1 && k <= 19);
        return m_image1.at(std::size_t(k));
    }

    // Controls, top of the stacking order first.
    QScrollBar *speed = nullptr;
    forms::Timer *Timer3 = nullptr;
    forms::Timer *Timer2 = nullptr;
    forms::Timer *Timer1 = nullptr;
    forms::Picture *Image15 = nullptr;
    forms::LineControl *Line9 = nullptr;
    forms::LineControl *Line8 = nullptr;
    forms::LineControl *Line7 = nullptr;
    forms::LineControl *Line6 = nullptr;
    forms::LineControl *Line5 = nullptr;
    forms::LineControl *Line4 = nullptr;
    forms::LineControl *Line3 = nullptr;
    forms::LineControl *Line2 = nullptr;
    forms::LineControl *Line1 = nullptr;
    forms::Picture *Image12 = nullptr;
    forms::Picture *Image13 = nullptr;
    forms::Picture *Image11 = nullptr;
    forms::Picture *Image10 = nullptr;
    forms::Picture *Image9 = nullptr;
    forms::Picture *Image5 = nullptr;
    forms::Picture *Image2 = nullptr;
    forms::Picture *Image4 = nullptr;
    forms::Picture *Image3 = nullptr;
    forms::Picture *start = nullptr;
    forms::Picture *Image6 = nullptr;
    forms::Picture *Image8 = nullptr;
    forms::Picture *Image7 = nullptr;
    forms::Picture *Image14 = nullptr;

    // Menu bar.
    QAction *Test = nullptr;
    QAction *exit = nullptr;

    // The running cam's step, and how far right its graph's current cycle lies.
    int frame = 0;
    int graphOffset = 0;

    void Form_Load();
    // A cam's icon starts it and the cover left in the icon's place stops it, each as the
    // cam's table says; a start is refused, with no effect at all, while another cam runs.
    void startCam(animation::Cam cam);
    void stopCam(animation::Cam cam);
    void speed_Change();
    void Test_Click();
    void exit_Click();
    // One tick of the cam: what the step computes, shown.
    void tickCam(animation::Cam cam);

    // The test window, while it is open.
    Form2 *testWindow() const { return m_form2; }

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

    void buildControls();
    void offerKeyboardAndReader();
    void clearFrames(int first, int last);

    // Index 0 is `start`, k is Image1(k): the pictures as the cam tables name them.
    std::array<forms::Picture *, 20> m_image1{};
    QPointer<Form2> m_form2;
    std::vector<std::pair<LiftGraph, forms::DescribedArea *>> m_graphs;
};
