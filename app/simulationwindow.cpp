#include "simulationwindow.h"

#include "animation/camrecords.h"
#include "app/camwords.h"
#include "forms/accessibility.h"
#include "forms/menubarkeys.h"
#include "forms/scrollbarkeys.h"
#include "forms/wordedvalue.h"
#include "pictures/embedded.h"
#include "pictures/loadpicture.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <array>

namespace {

namespace layout = animation::layout;
using animation::Cam;

// The pictures that belong to no cam; each cam's come from its record.
struct PictureRow {
    const char *name;
    const char *file;
    layout::Place place;
    int z;
    bool stretched;
};

constexpr PictureRow fixedPictures[] = {
    {"graphTitle", "graph-title.bmp", layout::graphTitle, layout::graphTitleZ, false},
    {"bird", "bird.bmp", layout::bird, layout::birdZ, false},
    {"camsTitle", "cams-title.bmp", layout::camsTitle, layout::camsTitleZ, true},
    {"strip", "strip.bmp", layout::strip, layout::stripZ, false},
    {"hole", "hole.bmp", layout::hole, layout::holeZ, false},
};

consteval bool stackingOrderIsWhole()
{
    std::array<int, std::size(fixedPictures)> places{};
    std::ranges::transform(fixedPictures, places.begin(), &PictureRow::z);
    return animation::stackingIsWhole(places);
}
static_assert(stackingOrderIsWhole(), "the stacking order has a tie, a place kept for the scroll "
                                      "bar, a cover over its icon or a step picture outside the "
                                      "strip and the hole");

QString named(const char *key, const char *part)
{
    return QString::fromLatin1(key) + QLatin1String(part);
}

QString frameName(int picture)
{
    return picture == animation::startPicture ? QStringLiteral("startFrame")
                                              : QStringLiteral("frame(%1)").arg(picture);
}

QString frameFile(int picture)
{
    return picture == animation::startPicture
               ? QStringLiteral("frame-start.bmp")
               : QStringLiteral("frame-%1.bmp").arg(picture, 2, 10, QLatin1Char('0'));
}

forms::Picture::Placement placement(const layout::Place &at)
{
    return {at.left, at.top, at.width, at.height};
}

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
    // The surface outlives the model it asks for words.
    for (const CamControls &controls : m_cams)
        controls.graph->setDescriber({});
}

void SimulationWindow::buildControls()
{
    forms::Surface *client = surface();
    client->setBackground(pictures::loadPicture(QStringLiteral("backdrop.bmp")), Qt::black);

    for (const PictureRow &row : fixedPictures) {
        client->addStoredPicture(QString::fromLatin1(row.name), row.z,
                                 QString::fromLatin1(row.file), placement(row.place),
                                 row.stretched);
    }
    m_strip = static_cast<forms::Picture *>(client->control(QStringLiteral("strip")));
    for (int k = 0; k < layout::frameCount; ++k) {
        const layout::Placed &at = layout::frames[std::size_t(k)];
        m_frames[std::size_t(k)] = client->addStoredPicture(frameName(k), at.z, frameFile(k),
                                                            placement(at.at), false);
    }
    for (const Cam cam : animation::allCams)
        buildCamControls(cam);

    m_speed = new QScrollBar(Qt::Horizontal);
    m_speed->setObjectName(QStringLiteral("speed"));
    m_speed->setRange(10, 1000);
    m_speed->setSingleStep(1);
    m_speed->setPageStep(10);
    m_speed->setValue(500);
    // Like the old Change event: a dragged thumb reports once, when released.
    m_speed->setTracking(false);
    forms::raiseOnRight(m_speed);
    m_speed->setFocusPolicy(Qt::StrongFocus);
    const layout::Place &bar = layout::speedBar;
    client->place(m_speed, bar.left, bar.top, bar.width, bar.height);
    connect(m_speed, &QScrollBar::valueChanged, this, [this] { applySpeed(); });

    //: The menu entry that opens the ten-question test on the cams
    m_testAction = menuBar()->addAction(tr("Test"));
    m_testAction->setObjectName(QStringLiteral("testAction"));
    m_exitAction = menuBar()->addAction(tr("Exit"));
    m_exitAction->setObjectName(QStringLiteral("exitAction"));
    connect(m_testAction, &QAction::triggered, this, [this] { openTest(); });
    connect(m_exitAction, &QAction::triggered, this, [this] { quit(); });
    offerKeyboardAndReader();
}

// The icon, cover and label, the graph's axes and pen, and the timer, all as the record says.
void SimulationWindow::buildCamControls(Cam cam)
{
    forms::Surface *client = surface();
    const animation::CamRecord &record = animation::camRecord(cam);
    const CamWords &words = camWords[std::size_t(cam)];
    CamControls &controls = m_cams[std::size_t(cam)];
    const auto picture = [&](const char *part, const char *file, const layout::Placed &at,
                             bool stretched) {
        return client->addStoredPicture(named(record.key, part), at.z,
                                        QString::fromLatin1(file) + QLatin1String(record.file)
                                            + QLatin1String(".bmp"),
                                        placement(at.at), stretched);
    };
    controls.icon = picture("Icon", "icon-", record.icon, true);
    controls.cover = picture("Cover", "cover-", record.cover, true);
    controls.label = picture("Label", "label-", record.label, false);
    controls.icon->setClickHandler([this, cam] { startCam(cam); }, tr(words.start));
    controls.cover->setClickHandler([this, cam] { stopCam(cam); }, tr(words.stop));

    const QColor axisColour = QColor::fromRgb(record.axisColour);
    const auto line = [&](const char *part, const layout::PlacedLine &at, const QColor &colour,
                          bool visible) {
        const layout::LineEnds &ends = at.ends;
        return client->addLine(named(record.key, part), at.z, ends.x1, ends.y1, ends.x2,
                               ends.y2, colour, visible);
    };
    controls.timeAxis = line("TimeAxis", record.timeAxis, axisColour, true);
    controls.liftAxis = line("LiftAxis", record.liftAxis, axisColour, true);
    controls.pen = line("Pen", record.pen, Qt::black, false);

    controls.timer = new forms::Timer(named(record.key, "Timer"), 200, this);
    controls.timer->setTickHandler([this, cam] { tickCam(cam); });
}

// Tab moves through the cam spots, top to bottom, then the scroll bar, which holds the focus
// when the window opens. A reader hears the start and stop pictures as buttons, a refused
// start as unavailable, and each graph as an image described in words.
void SimulationWindow::offerKeyboardAndReader()
{
    forms::Surface *client = surface();
    for (const CamControls &controls : m_cams)
        client->addFocusPlace({controls.icon, controls.cover});
    forms::readValueAs(m_speed, [](int value) { return tr("%n milliseconds", nullptr, value); });
    m_speed->setAccessibleName(tr("Time between pictures"));
    setTabOrder(client, m_speed);
    setFocusProxy(m_speed);
    m_speed->setFocus();

    // A start is refused while another cam runs.
    for (const Cam cam : animation::allCams)
        controlsOf(cam).icon->setAvailableWhen([this, cam] { return m_model.canStart(cam); });

    m_exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    forms::offerMenuBarToKeyboard(this);

    // Each graph lies between its axes.
    for (const Cam cam : animation::allCams) {
        CamControls &controls = m_cams[std::size_t(cam)];
        const forms::LineControl *across = controls.timeAxis;
        const forms::LineControl *up = controls.liftAxis;
        const int left = std::min(across->x1(), across->x2());
        const int top = std::min(up->y1(), up->y2());
        controls.graph = client->addDescribedArea(
            tr("Lift graph of the %1 cam").arg(tr(camWords[std::size_t(cam)].name)), left,
            top, std::max(across->x1(), across->x2()) - left,
            std::max(up->y1(), up->y2()) - top);
        controls.graph->setDescriber([this, cam] { return m_model.graph(cam).description(); });
    }
}

void SimulationWindow::reset()
{
    m_model.reset();
    m_strip->setWidth(layout::stripLoadedWidth);
}

// Moves frame(first) to frame(last) out of sight; only Left changes.
void SimulationWindow::clearFrames(int first, int last)
{
    for (int k = first; k <= last; ++k)
        frame(k)->setLeft(layout::clearedLeft);
}

void SimulationWindow::startCam(Cam cam)
{
    if (!m_model.canStart(cam))
        return;
    const animation::CamTable &table = animation::camTable(cam);
    const CamControls controls = controlsOf(cam);
    clearFrames(1, layout::frameCount - 1);
    if (table.startDrawsOriginDot)
        drawLine(controls.pen->x1(), controls.pen->y1(), controls.pen->x1(), controls.pen->y1());
    m_model.start(cam);
    controls.timer->setEnabled(true);
    controls.icon->setVisible(false);
}

void SimulationWindow::stopCam(Cam cam)
{
    const animation::CamTable &table = animation::camTable(cam);
    const CamControls controls = controlsOf(cam);
    m_model.stop(cam);
    controls.timer->setEnabled(false);
    if (table.stopParksFirstPicture)
        frame(table.step(table.firstStep).picture)->setLeft(layout::clearedLeft);
    if (table.stopClearsOnlyItsOwn) {
        for (const animation::CamStep &step : table.steps)
            frame(step.picture)->setLeft(layout::clearedLeft);
    } else {
        clearFrames(1, layout::frameCount - 1);
    }
    controls.icon->setVisible(m_model.running() != cam);
}

void SimulationWindow::applySpeed()
{
    for (const CamControls &controls : m_cams)
        controls.timer->setInterval(m_speed->value());
}

void SimulationWindow::stopTimers()
{
    for (const CamControls &controls : m_cams)
        controls.timer->setEnabled(false);
}

void SimulationWindow::openTest()
{
    if (!m_testWindow) {
        m_testWindow = new TestWindow;
        // Ctrl+Q ends the program from there too, even once this window is closed.
        m_testWindow->addAction(m_exitAction);
    }
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

void SimulationWindow::tickCam(Cam cam)
{
    const SimulationModel::Tick tick = m_model.tick(cam);
    for (const animation::PictureMove &move : tick.changes.moves()) {
        forms::Picture *picture = frame(move.picture);
        picture->setLeft(move.left);
        picture->setTop(move.top);
    }
    for (const animation::GraphStroke &stroke : tick.changes.strokes())
        drawLine(stroke.x1, stroke.y1, stroke.x2, stroke.y2);
    if (tick.graphGrew)
        controlsOf(cam).graph->descriptionChanged();
    if (tick.changes.erasesGraph) {
        clear();
        for (std::size_t i = 0; i < m_cams.size(); ++i) {
            if (tick.wiped[i])
                m_cams[i].graph->descriptionChanged();
        }
    }
}

void SimulationWindow::closeEvent(QCloseEvent *event)
{
    stopTimers();
    forms::Form::closeEvent(event);
}
