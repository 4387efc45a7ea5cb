#include "simulationwindow.h"

#include "animation/camtick.h"
#include "animation/layout.h"
#include "forms/accessibility.h"
#include "forms/menubarkeys.h"
#include "forms/scrollbarkeys.h"
#include "pictures/embedded.h"
#include "pictures/loadpicture.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>

namespace {

namespace layout = animation::layout;

struct PictureRow {
    int z;
    const char *name;
    const char *file;
    layout::Place place;
    bool stretched;
    forms::Picture *SimulationWindow::*member; // or null for one of frame(k)
    int frameIndex;                            // 0 where member is set
};

// The pictures, top of the stacking order first.
const PictureRow pictureRows[] = {
    {5, "graphTitle", "graph-title.bmp", layout::graphTitle, false,
     &SimulationWindow::graphTitle, 0},
    {15, "bird", "bird.bmp", layout::bird, false, &SimulationWindow::bird, 0},
    {16, "snailLabel", "label-snail.bmp", layout::snailLabel, false,
     &SimulationWindow::snailLabel, 0},
    {17, "doubleLobeLabel", "label-double-lobe.bmp", layout::doubleLobeLabel, false,
     &SimulationWindow::doubleLobeLabel, 0},
    {18, "pearLabel", "label-pear.bmp", layout::pearLabel, false, &SimulationWindow::pearLabel, 0},
    {19, "camsTitle", "cams-title.bmp", layout::camsTitle, true, &SimulationWindow::camsTitle, 0},
    {20, "snailIcon", "icon-snail.bmp", layout::snailIcon, true, &SimulationWindow::snailIcon, 0},
    {21, "strip", "strip.bmp", layout::strip, false, &SimulationWindow::strip, 0},
    {22, "frame(19)", "frame-19.bmp", layout::frames[19], false, nullptr, 19},
    {23, "frame(17)", "frame-17.bmp", layout::frames[17], false, nullptr, 17},
    {24, "frame(16)", "frame-16.bmp", layout::frames[16], false, nullptr, 16},
    {25, "frame(15)", "frame-15.bmp", layout::frames[15], false, nullptr, 15},
    {26, "frame(14)", "frame-14.bmp", layout::frames[14], false, nullptr, 14},
    {27, "frame(13)", "frame-13.bmp", layout::frames[13], false, nullptr, 13},
    {28, "frame(12)", "frame-12.bmp", layout::frames[12], false, nullptr, 12},
    {29, "pearIcon", "icon-pear.bmp", layout::pearIcon, true, &SimulationWindow::pearIcon, 0},
    {30, "doubleLobeIcon", "icon-double-lobe.bmp", layout::doubleLobeIcon, true,
     &SimulationWindow::doubleLobeIcon, 0},
    {31, "frame(11)", "frame-11.bmp", layout::frames[11], false, nullptr, 11},
    {32, "frame(10)", "frame-10.bmp", layout::frames[10], false, nullptr, 10},
    {33, "frame(9)", "frame-09.bmp", layout::frames[9], false, nullptr, 9},
    {34, "frame(8)", "frame-08.bmp", layout::frames[8], false, nullptr, 8},
    {35, "frame(7)", "frame-07.bmp", layout::frames[7], false, nullptr, 7},
    {36, "startFrame", "frame-start.bmp", layout::frames[animation::startPicture], false,
     &SimulationWindow::startFrame, 0},
    {37, "frame(6)", "frame-06.bmp", layout::frames[6], false, nullptr, 6},
    {38, "frame(5)", "frame-05.bmp", layout::frames[5], false, nullptr, 5},
    {39, "frame(4)", "frame-04.bmp", layout::frames[4], false, nullptr, 4},
    {40, "frame(3)", "frame-03.bmp", layout::frames[3], false, nullptr, 3},
    {41, "frame(2)", "frame-02.bmp", layout::frames[2], false, nullptr, 2},
    {42, "frame(1)", "frame-01.bmp", layout::frames[1], false, nullptr, 1},
    {43, "frame(18)", "frame-18.bmp", layout::frames[18], false, nullptr, 18},
    {44, "snailCover", "cover-snail.bmp", layout::snailCover, true,
     &SimulationWindow::snailCover, 0},
    {45, "doubleLobeCover", "cover-double-lobe.bmp", layout::doubleLobeCover, true,
     &SimulationWindow::doubleLobeCover, 0},
    {46, "pearCover", "cover-pear.bmp", layout::pearCover, true, &SimulationWindow::pearCover, 0},
    {47, "hole", "hole.bmp", layout::hole, false, &SimulationWindow::hole, 0},
};

struct LineRow {
    int z;
    const char *name;
    layout::LineEnds ends;
    QColor colour;
    bool visible;
    forms::LineControl *SimulationWindow::*member;
};

constexpr QColor darkGreen(0, 128, 0);
constexpr QColor purple(192, 0, 192);
constexpr QColor darkRed(192, 0, 0);

const LineRow lineRows[] = {
    {6, "snailPen", layout::snailPen, Qt::black, false, &SimulationWindow::snailPen},
    {7, "snailTimeAxis", layout::snailTimeAxis, darkGreen, true, &SimulationWindow::snailTimeAxis},
    {8, "snailLiftAxis", layout::snailLiftAxis, darkGreen, true, &SimulationWindow::snailLiftAxis},
    {9, "doubleLobePen", layout::doubleLobePen, Qt::black, false,
     &SimulationWindow::doubleLobePen},
    {10, "doubleLobeLiftAxis", layout::doubleLobeLiftAxis, purple, true,
     &SimulationWindow::doubleLobeLiftAxis},
    {11, "doubleLobeTimeAxis", layout::doubleLobeTimeAxis, purple, true,
     &SimulationWindow::doubleLobeTimeAxis},
    {12, "pearPen", layout::pearPen, Qt::black, false, &SimulationWindow::pearPen},
    {13, "pearLiftAxis", layout::pearLiftAxis, darkRed, true, &SimulationWindow::pearLiftAxis},
    {14, "pearTimeAxis", layout::pearTimeAxis, darkRed, true, &SimulationWindow::pearTimeAxis},
};

} // namespace

SimulationWindow::SimulationWindow()
    : forms::Form(tr("Cam Simulation by the Kestrilon team"), layout::clientWidth,
                  layout::clientHeight, Kind::Main)
{
    setObjectName(QStringLiteral("SimulationWindow"));
    setWindowIcon(pictures::windowIcon());
    buildControls();
    fixSize();
    reset();
}

SimulationWindow::~SimulationWindow()
{
    delete m_testWindow;
    // The surface outlives the graphs it asks for words.
    for (auto &[graph, area] : m_graphs)
        area->setDescriber({});
}

void SimulationWindow::buildControls()
{
    forms::Surface *client = surface();
    client->setBackground(pictures::loadPicture(QStringLiteral("backdrop.bmp")), Qt::black);

    for (const PictureRow &row : pictureRows) {
        const layout::Place &at = row.place;
        forms::Picture *control = client->addStoredPicture(
            QString::fromLatin1(row.name), row.z, QString::fromLatin1(row.file),
            {at.left, at.top, at.width, at.height}, row.stretched);
        if (row.member)
            this->*row.member = control;
        else
            m_frames.at(std::size_t(row.frameIndex)) = control;
    }
    m_frames[animation::startPicture] = startFrame;

    for (const LineRow &row : lineRows) {
        const layout::LineEnds &ends = row.ends;
        this->*row.member = client->addLine(QString::fromLatin1(row.name), row.z, ends.x1,
                                            ends.y1, ends.x2, ends.y2, row.colour, row.visible);
    }

    using animation::Cam;
    pearIcon->setClickHandler([this] { startCam(Cam::Pear); }, tr("Start the pear cam"));
    doubleLobeIcon->setClickHandler([this] { startCam(Cam::DoubleLobe); },
                                    tr("Start the double lobe cam"));
    snailIcon->setClickHandler([this] { startCam(Cam::Snail); }, tr("Start the snail cam"));
    pearCover->setClickHandler([this] { stopCam(Cam::Pear); }, tr("Stop the pear cam"));
    doubleLobeCover->setClickHandler([this] { stopCam(Cam::DoubleLobe); },
                                     tr("Stop the double lobe cam"));
    snailCover->setClickHandler([this] { stopCam(Cam::Snail); }, tr("Stop the snail cam"));

    pearTimer = new forms::Timer(QStringLiteral("pearTimer"), 200, this);
    doubleLobeTimer = new forms::Timer(QStringLiteral("doubleLobeTimer"), 200, this);
    snailTimer = new forms::Timer(QStringLiteral("snailTimer"), 200, this);
    for (const animation::Cam cam : animation::allCams)
        controlsOf(cam).timer->setTickHandler([this, cam] { tickCam(cam); });

    speed = new QScrollBar(Qt::Horizontal);
    speed->setObjectName(QStringLiteral("speed"));
    speed->setRange(10, 1000);
    speed->setSingleStep(1);
    speed->setPageStep(10);
    speed->setValue(500);
    // Like the old Change event: a dragged thumb reports once, when released.
    speed->setTracking(false);
    forms::raiseOnRight(speed);
    speed->setFocusPolicy(Qt::StrongFocus);
    const layout::Place &bar = layout::speedBar;
    client->place(speed, bar.left, bar.top, bar.width, bar.height);
    connect(speed, &QScrollBar::valueChanged, this, [this] { applySpeed(); });

    //: The menu entry that opens the ten-question test on the cams
    testAction = menuBar()->addAction(tr("Test"));
    testAction->setObjectName(QStringLiteral("testAction"));
    exitAction = menuBar()->addAction(tr("Exit"));
    exitAction->setObjectName(QStringLiteral("exitAction"));
    connect(testAction, &QAction::triggered, this, [this] { openTest(); });
    connect(exitAction, &QAction::triggered, this, [this] { quit(); });
    offerKeyboardAndReader();
}

// Tab moves through the three cam spots, top to bottom, then the scroll bar,
// which holds the focus when the window opens. A reader hears the start and
// stop pictures as buttons, a refused start as unavailable, and each graph as
// an image described in words.
void SimulationWindow::offerKeyboardAndReader()
{
    forms::Surface *client = surface();
    client->addFocusPlace({pearIcon, pearCover});
    client->addFocusPlace({doubleLobeIcon, doubleLobeCover});
    client->addFocusPlace({snailIcon, snailCover});
    forms::readValueAs(speed, [](int value) { return tr("%n milliseconds", nullptr, value); });
    speed->setAccessibleName(tr("Time between pictures"));
    setTabOrder(client, speed);
    setFocusProxy(speed);
    speed->setFocus();

    // A start is refused while another cam runs, which its icon's absence tells.
    for (const animation::Cam cam : animation::allCams)
        controlsOf(cam).icon->setAvailableWhen([this, cam] { return canStart(cam); });

    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    forms::offerMenuBarToKeyboard(this);

    // Each graph lies between its axes; its pen line's first point is its origin.
    const struct {
        const char *cam;
        const forms::LineControl *pen, *across, *up;
        const animation::CamTable &table;
    } graphs[] = {{QT_TR_NOOP("pear"), pearPen, pearTimeAxis, pearLiftAxis, animation::pear},
                  {QT_TR_NOOP("double lobe"), doubleLobePen, doubleLobeTimeAxis,
                   doubleLobeLiftAxis, animation::doubleLobe},
                  {QT_TR_NOOP("snail"), snailPen, snailTimeAxis, snailLiftAxis, animation::snail}};
    for (const auto &graph : graphs) {
        const QString cam = tr(graph.cam);
        const int left = std::min(graph.across->x1(), graph.across->x2());
        const int top = std::min(graph.up->y1(), graph.up->y2());
        forms::DescribedArea *area = client->addDescribedArea(
            tr("Lift graph of the %1 cam").arg(cam), left, top,
            std::max(graph.across->x1(), graph.across->x2()) - left,
            std::max(graph.up->y1(), graph.up->y2()) - top);
        m_graphs.emplace_back(LiftGraph({graph.pen->x1(), graph.pen->y1()},
                                        graph.table.cycleWidth),
                              area);
    }
    for (auto &[graph, area] : m_graphs)
        area->setDescriber([&graph = graph] { return graph.description(); });
    connect(client, &forms::Surface::lineDrawn, this, [this](int x1, int y1, int x2, int y2) {
        for (auto &[graph, area] : m_graphs) {
            if (graph.take(x1, y1, x2, y2))
                area->descriptionChanged();
        }
    });
    connect(client, &forms::Surface::cleared, this, [this] {
        for (auto &[graph, area] : m_graphs) {
            if (graph.cycles() > 0) {
                graph.clear();
                area->descriptionChanged();
            }
        }
    });
}

void SimulationWindow::reset()
{
    step = 0;
    strip->setWidth(layout::stripLoadedWidth);
}

// Moves frame(first) to frame(last) out of sight; only Left changes.
void SimulationWindow::clearFrames(int first, int last)
{
    for (int k = first; k <= last; ++k)
        frame(k)->setLeft(layout::clearedLeft);
}

// Another cam runs while its icon is away.
bool SimulationWindow::canStart(animation::Cam cam) const
{
    for (const animation::Cam other : animation::allCams) {
        if (other != cam && !controlsOf(other).icon->isVisible())
            return false;
    }
    return true;
}

void SimulationWindow::startCam(animation::Cam cam)
{
    if (!canStart(cam))
        return;
    const animation::CamTable &table = animation::camTable(cam);
    const CamControls controls = controlsOf(cam);
    clearFrames(1, 19);
    if (table.startResetsGraph)
        graphOffset = 0;
    if (table.startDrawsOriginDot)
        drawLine(controls.pen->x1(), controls.pen->y1(), controls.pen->x1(), controls.pen->y1());
    controls.timer->setEnabled(true);
    step = table.firstStep;
    controls.icon->setVisible(false);
}

void SimulationWindow::stopCam(animation::Cam cam)
{
    const animation::CamTable &table = animation::camTable(cam);
    const CamControls controls = controlsOf(cam);
    controls.timer->setEnabled(false);
    if (table.stopParksFirstPicture) {
        const int first = table.step(table.firstStep).picture;
        m_frames.at(std::size_t(first))->setLeft(layout::clearedLeft);
    }
    clearFrames(table.stopClears.first, table.stopClears.last);
    controls.icon->setVisible(true);
}

void SimulationWindow::applySpeed()
{
    for (const animation::Cam cam : animation::allCams)
        controlsOf(cam).timer->setInterval(speed->value());
}

void SimulationWindow::stopTimers()
{
    for (const animation::Cam cam : animation::allCams)
        controlsOf(cam).timer->setEnabled(false);
}

void SimulationWindow::openTest()
{
    if (!m_testWindow)
        m_testWindow = new TestWindow;
    // The test window has no task-bar button: once minimised, only this brings it back.
    m_testWindow->setWindowState(m_testWindow->windowState() & ~Qt::WindowMinimized);
    m_testWindow->show();
    m_testWindow->raise();
    m_testWindow->activateWindow();
}

void SimulationWindow::quit()
{
    stopTimers();
    if (m_testWindow)
        m_testWindow->close();
    close();
    QCoreApplication::quit();
}

void SimulationWindow::tickCam(animation::Cam cam)
{
    const CamControls controls = controlsOf(cam);
    const animation::TickChanges changes = animation::tick(
        animation::camTable(cam), {controls.pen->x1(), controls.pen->y1()}, step, graphOffset);
    for (const animation::PictureMove &move : changes.moves()) {
        forms::Picture *picture = m_frames.at(std::size_t(move.picture));
        picture->setLeft(move.left);
        picture->setTop(move.top);
    }
    for (const animation::GraphStroke &stroke : changes.strokes())
        drawLine(stroke.x1, stroke.y1, stroke.x2, stroke.y2);
    if (changes.erasesGraph)
        clear();
    step = changes.step;
    graphOffset = changes.graphOffset;
}

SimulationWindow::CamControls SimulationWindow::controlsOf(animation::Cam cam) const
{
    switch (cam) {
    case animation::Cam::Pear:
        return {pearIcon, pearTimer, pearPen};
    case animation::Cam::DoubleLobe:
        return {doubleLobeIcon, doubleLobeTimer, doubleLobePen};
    case animation::Cam::Snail:
        break;
    }
    return {snailIcon, snailTimer, snailPen};
}

void SimulationWindow::closeEvent(QCloseEvent *event)
{
    stopTimers();
    forms::Form::closeEvent(event);
}
