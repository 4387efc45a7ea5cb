#include "form1.h"

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
    forms::Picture *Form1::*member; // or null for a member of Image1
    int image1Index;                // 0 where member is set
};

// The pictures, top of the stacking order first.
const PictureRow pictureRows[] = {
    {5, "Image15", "graph-title.bmp", layout::graphTitle, false, &Form1::Image15, 0},
    {15, "Image12", "bird.bmp", layout::bird, false, &Form1::Image12, 0},
    {16, "Image13", "label-snail.bmp", layout::snailLabel, false, &Form1::Image13, 0},
    {17, "Image11", "label-double-lobe.bmp", layout::doubleLobeLabel, false, &Form1::Image11, 0},
    {18, "Image10", "label-pear.bmp", layout::pearLabel, false, &Form1::Image10, 0},
    {19, "Image9", "cams-title.bmp", layout::camsTitle, true, &Form1::Image9, 0},
    {20, "Image5", "icon-snail.bmp", layout::snailIcon, true, &Form1::Image5, 0},
    {21, "Image2", "strip.bmp", layout::strip, false, &Form1::Image2, 0},
    {22, "Image1(19)", "frame-19.bmp", layout::frames[19], false, nullptr, 19},
    {23, "Image1(17)", "frame-17.bmp", layout::frames[17], false, nullptr, 17},
    {24, "Image1(16)", "frame-16.bmp", layout::frames[16], false, nullptr, 16},
    {25, "Image1(15)", "frame-15.bmp", layout::frames[15], false, nullptr, 15},
    {26, "Image1(14)", "frame-14.bmp", layout::frames[14], false, nullptr, 14},
    {27, "Image1(13)", "frame-13.bmp", layout::frames[13], false, nullptr, 13},
    {28, "Image1(12)", "frame-12.bmp", layout::frames[12], false, nullptr, 12},
    {29, "Image4", "icon-pear.bmp", layout::pearIcon, true, &Form1::Image4, 0},
    {30, "Image3", "icon-double-lobe.bmp", layout::doubleLobeIcon, true, &Form1::Image3, 0},
    {31, "Image1(11)", "frame-11.bmp", layout::frames[11], false, nullptr, 11},
    {32, "Image1(10)", "frame-10.bmp", layout::frames[10], false, nullptr, 10},
    {33, "Image1(9)", "frame-09.bmp", layout::frames[9], false, nullptr, 9},
    {34, "Image1(8)", "frame-08.bmp", layout::frames[8], false, nullptr, 8},
    {35, "Image1(7)", "frame-07.bmp", layout::frames[7], false, nullptr, 7},
    {36, "start", "frame-start.bmp", layout::frames[animation::startPicture], false,
     &Form1::start, 0},
    {37, "Image1(6)", "frame-06.bmp", layout::frames[6], false, nullptr, 6},
    {38, "Image1(5)", "frame-05.bmp", layout::frames[5], false, nullptr, 5},
    {39, "Image1(4)", "frame-04.bmp", layout::frames[4], false, nullptr, 4},
    {40, "Image1(3)", "frame-03.bmp", layout::frames[3], false, nullptr, 3},
    {41, "Image1(2)", "frame-02.bmp", layout::frames[2], false, nullptr, 2},
    {42, "Image1(1)", "frame-01.bmp", layout::frames[1], false, nullptr, 1},
    {43, "Image1(18)", "frame-18.bmp", layout::frames[18], false, nullptr, 18},
    {44, "Image6", "cover-snail.bmp", layout::snailCover, true, &Form1::Image6, 0},
    {45, "Image8", "cover-double-lobe.bmp", layout::doubleLobeCover, true, &Form1::Image8, 0},
    {46, "Image7", "cover-pear.bmp", layout::pearCover, true, &Form1::Image7, 0},
    {47, "Image14", "hole.bmp", layout::hole, false, &Form1::Image14, 0},
};

struct LineRow {
    int z;
    const char *name;
    layout::LineEnds ends;
    unsigned int colour; // 0x00BBGGRR
    bool visible;
    forms::LineControl *Form1::*member;
};

constexpr unsigned int darkGreen = 0x008000;
constexpr unsigned int purple = 0xC000C0;
constexpr unsigned int darkRed = 0x0000C0;

const LineRow lineRows[] = {
    {6, "Line9", layout::snailPen, 0, false, &Form1::Line9},
    {7, "Line8", layout::snailTimeAxis, darkGreen, true, &Form1::Line8},
    {8, "Line7", layout::snailLiftAxis, darkGreen, true, &Form1::Line7},
    {9, "Line6", layout::doubleLobePen, 0, false, &Form1::Line6},
    {10, "Line5", layout::doubleLobeLiftAxis, purple, true, &Form1::Line5},
    {11, "Line4", layout::doubleLobeTimeAxis, purple, true, &Form1::Line4},
    {12, "Line3", layout::pearPen, 0, false, &Form1::Line3},
    {13, "Line2", layout::pearLiftAxis, darkRed, true, &Form1::Line2},
    {14, "Line1", layout::pearTimeAxis, darkRed, true, &Form1::Line1},
};

} // namespace

Form1::Form1()
    : forms::Form(tr("Cam Simulation by the Kestrilon team"), layout::clientWidth,
                  layout::clientHeight, Kind::Main)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(assets::windowIcon());
    buildControls();
    fixSize();
    Form_Load();
}

Form1::~Form1()
{
    delete m_form2;
    // The surface outlives the graphs it asks for words.
    for (auto &[graph, area] : m_graphs)
        area->setDescriber({});
}

void Form1::buildControls()
{
    forms::Surface *client = surface();
    client->setBackground(forms::loadPicture(QStringLiteral("backdrop.bmp")), Qt::black);

    for (const PictureRow &row : pictureRows) {
        const layout::Place &at = row.place;
        forms::Picture *control = client->addStoredPicture(
            QString::fromLatin1(row.name), row.z, QString::fromLatin1(row.file),
            {at.left, at.top, at.width, at.height}, row.stretched);
        if (row.member)
            this->*row.member = control;
        else
            m_image1.at(std::size_t(row.image1Index)) = control;
    }
    m_image1[animation::startPicture] = start;

    for (const LineRow &row : lineRows) {
        const layout::LineEnds &ends = row.ends;
        this->*row.member = client->addLine(QString::fromLatin1(row.name), row.z, ends.x1,
                                            ends.y1, ends.x2, ends.y2, row.colour, row.visible);
    }

    using animation::Cam;
    Image4->setClickHandler([this] { startCam(Cam::Pear); }, tr("Start the pear cam"));
    Image3->setClickHandler([this] { startCam(Cam::DoubleLobe); },
                            tr("Start the double lobe cam"));
    Image5->setClickHandler([this] { startCam(Cam::Snail); }, tr("Start the snail cam"));
    Image7->setClickHandler([this] { stopCam(Cam::Pear); }, tr("Stop the pear cam"));
    Image8->setClickHandler([this] { stopCam(Cam::DoubleLobe); }, tr("Stop the double lobe cam"));
    Image6->setClickHandler([this] { stopCam(Cam::Snail); }, tr("Stop the snail cam"));

    Timer1 = new forms::Timer(QStringLiteral("Timer1"), 200, this);
    Timer2 = new forms::Timer(QStringLiteral("Timer2"), 200, this);
    Timer3 = new forms::Timer(QStringLiteral("Timer3"), 200, this);
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
    connect(speed, &QScrollBar::valueChanged, this, [this] { speed_Change(); });

    //: The menu entry that opens the ten-question test on the cams
    Test = menuBar()->addAction(tr("Test"));
    Test->setObjectName(QStringLiteral("Test"));
    exit = menuBar()->addAction(tr("Exit"));
    exit->setObjectName(QStringLiteral("exit"));
    connect(Test, &QAction::triggered, this, [this] { Test_Click(); });
    connect(exit, &QAction::triggered, this, [this] { exit_Click(); });
    offerKeyboardAndReader();
}

// Tab moves through the three cam spots, top to bottom, then the scroll bar,
// which holds the focus when the window opens. A reader hears the start and
// stop pictures as buttons, a refused start as unavailable, and each graph as
// an image described in words.
void Form1::offerKeyboardAndReader()
{
    forms::Surface *client = surface();
    client->addFocusPlace({Image4, Image7});
    client->addFocusPlace({Image3, Image8});
    client->addFocusPlace({Image5, Image6});
    forms::readValueAs(speed, [](int value) { return tr("%n milliseconds", nullptr, value); });
    speed->setAccessibleName(tr("Time between pictures"));
    setTabOrder(client, speed);
    setFocusProxy(speed);
    speed->setFocus();

    // A start is refused while another cam runs, which its icon's absence tells.
    for (const animation::Cam cam : animation::allCams)
        controlsOf(cam).icon->setAvailableWhen([this, cam] { return canStart(cam); });

    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    forms::offerMenuBarToKeyboard(this);

    // Each graph lies between its axes; its pen line's first point is its origin.
    const struct {
        const char *cam;
        const forms::LineControl *pen, *across, *up;
        const animation::CamTable &table;
    } graphs[] = {{QT_TR_NOOP("pear"), Line3, Line1, Line2, animation::pear},
                  {QT_TR_NOOP("double lobe"), Line6, Line4, Line5, animation::doubleLobe},
                  {QT_TR_NOOP("snail"), Line9, Line8, Line7, animation::snail}};
    for (const auto &graph : graphs) {
        const QString cam = tr(graph.cam);
        const int left = std::min(graph.across->x1(), graph.across->x2());
        const int top = std::min(graph.up->y1(), graph.up->y2());
        forms::DescribedArea *area = client->addDescribedArea(
            tr("Lift graph of the %1 cam").arg(cam), left, top,
            std::max(graph.across->x1(), graph.across->x2()) - left,
            std::max(graph.up->y1(), graph.up->y2()) - top);
        m_graphs.emplace_back(LiftGraph(cam, {graph.pen->x1(), graph.pen->y1()},
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

void Form1::Form_Load()
{
    frame = 0;
    Image2->setWidth(layout::stripLoadedWidth);
}

// Moves Image1(first) to Image1(last) out of sight; only Left changes.
void Form1::clearFrames(int first, int last)
{
    for (int k = first; k <= last; ++k)
        Image1(k)->setLeft(layout::clearedLeft);
}

// Another cam runs while its icon is away.
bool Form1::canStart(animation::Cam cam) const
{
    for (const animation::Cam other : animation::allCams) {
        if (other != cam && !controlsOf(other).icon->isVisible())
            return false;
    }
    return true;
}

void Form1::startCam(animation::Cam cam)
{
    if (!canStart(cam))
        return;
    const animation::CamTable &table = animation::camTable(cam);
    const CamControls controls = controlsOf(cam);
    clearFrames(1, 19);
    if (table.startResetsGraph)
        graphOffset = 0;
    if (table.startDrawsOriginDot)
        Line(controls.pen->x1(), controls.pen->y1(), controls.pen->x1(), controls.pen->y1(), 0);
    controls.timer->setEnabled(true);
    frame = table.firstStep;
    controls.icon->setVisible(false);
}

void Form1::stopCam(animation::Cam cam)
{
    const animation::CamTable &table = animation::camTable(cam);
    const CamControls controls = controlsOf(cam);
    controls.timer->setEnabled(false);
    if (table.stopParksFirstPicture) {
        const int first = table.step(table.firstStep).picture;
        m_image1.at(std::size_t(first))->setLeft(layout::clearedLeft);
    }
    clearFrames(table.stopClears.first, table.stopClears.last);
    controls.icon->setVisible(true);
}

void Form1::speed_Change()
{
    Timer1->setInterval(speed->value());
    Timer2->setInterval(speed->value());
    Timer3->setInterval(speed->value());
}

void Form1::Test_Click()
{
    if (!m_form2)
        m_form2 = new Form2;
    // The test window has no task-bar button: once minimised, only this brings it back.
    m_form2->setWindowState(m_form2->windowState() & ~Qt::WindowMinimized);
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

void Form1::exit_Click()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    if (m_form2)
        m_form2->close();
    close();
    QCoreApplication::quit();
}

void Form1::tickCam(animation::Cam cam)
{
    const CamControls controls = controlsOf(cam);
    const animation::TickChanges changes = animation::tick(
        animation::camTable(cam), {controls.pen->x1(), controls.pen->y1()}, frame, graphOffset);
    for (const animation::PictureMove &move : changes.moves()) {
        forms::Picture *picture = m_image1.at(std::size_t(move.picture));
        picture->setLeft(move.left);
        picture->setTop(move.top);
    }
    for (const animation::GraphStroke &stroke : changes.strokes())
        Line(stroke.x1, stroke.y1, stroke.x2, stroke.y2, 0);
    if (changes.erasesGraph)
        Cls();
    frame = changes.frame;
    graphOffset = changes.graphOffset;
}

Form1::CamControls Form1::controlsOf(animation::Cam cam) const
{
    switch (cam) {
    case animation::Cam::Pear:
        return {Image4, Timer1, Line3};
    case animation::Cam::DoubleLobe:
        return {Image3, Timer2, Line6};
    case animation::Cam::Snail:
        break;
    }
    return {Image5, Timer3, Line9};
}

void Form1::closeEvent(QCloseEvent *event)
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    forms::Form::closeEvent(event);
}
