#include "form1.h"

#include "animation/camtick.h"
#include "assets/pictures.h"
#include "forms/accessibility.h"
#include "forms/menubarkeys.h"
#include "forms/pictures.h"
#include "forms/scrollbarkeys.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>

namespace {

constexpr int clientWidth = 9540;
constexpr int clientHeight = 6270;
constexpr int clearedLeft = 100000; // far right of the client area

struct PictureRow {
    int z;
    const char *name;
    const char *file;
    forms::Picture::Placement placement;
    bool stretched;
    forms::Picture *Form1::*member; // or null for a member of Image1
    int image1Index;                // 0 where member is set
};

// The stored layout of the pictures, top of the stacking order first.
const PictureRow pictureRows[] = {
    {5, "Image15", "graph-title.bmp", {6960, 120, 2520, 540}, false, &Form1::Image15, 0},
    {15, "Image12", "bird.bmp", {38040, 120, 1800, 1140}, false, &Form1::Image12, 0},
    {16, "Image13", "label-snail.bmp", {1800, 5160, 720, 330}, false, &Form1::Image13, 0},
    {17, "Image11", "label-double-lobe.bmp", {1680, 3120, 870, 570}, false, &Form1::Image11, 0},
    {18, "Image10", "label-pear.bmp", {1680, 1440, 930, 300}, false, &Form1::Image10, 0},
    {19, "Image9", "cams-title.bmp", {0, 120, 1500, 600}, true, &Form1::Image9, 0},
    {20, "Image5", "icon-snail.bmp", {120, 4440, 1320, 1620}, true, &Form1::Image5, 0},
    {21, "Image2", "strip.bmp", {2790, 1800, 4005, 165}, false, &Form1::Image2, 0},
    {22, "Image1(19)", "frame-19.bmp", {11040, 7320, 2295, 3795}, false, nullptr, 19},
    {23, "Image1(17)", "frame-17.bmp", {11040, 720, 1815, 4005}, false, nullptr, 17},
    {24, "Image1(16)", "frame-16.bmp", {11880, 3480, 2265, 3855}, false, nullptr, 16},
    {25, "Image1(15)", "frame-15.bmp", {11760, 4800, 1995, 4005}, false, nullptr, 15},
    {26, "Image1(14)", "frame-14.bmp", {11400, 5520, 1875, 4185}, false, nullptr, 14},
    {27, "Image1(13)", "frame-13.bmp", {11760, 360, 1905, 4065}, false, nullptr, 13},
    {28, "Image1(12)", "frame-12.bmp", {9600, 600, 2145, 3795}, false, nullptr, 12},
    {29, "Image4", "icon-pear.bmp", {120, 840, 1290, 1500}, true, &Form1::Image4, 0},
    {30, "Image3", "icon-double-lobe.bmp", {120, 2520, 1290, 1770}, true, &Form1::Image3, 0},
    {31, "Image1(11)", "frame-11.bmp", {11040, 720, 2055, 4365}, false, nullptr, 11},
    {32, "Image1(10)", "frame-10.bmp", {11400, 1080, 2445, 4005}, false, nullptr, 10},
    {33, "Image1(9)", "frame-09.bmp", {10920, 5640, 2055, 4215}, false, nullptr, 9},
    {34, "Image1(8)", "frame-08.bmp", {11040, 5760, 2055, 4605}, false, nullptr, 8},
    {35, "Image1(7)", "frame-07.bmp", {10800, 5280, 1965, 4125}, false, nullptr, 7},
    {36, "start", "frame-start.bmp", {10680, 3600, 1965, 4335}, false, &Form1::start, 0},
    {37, "Image1(6)", "frame-06.bmp", {10680, 3600, 2175, 4035}, false, nullptr, 6},
    {38, "Image1(5)", "frame-05.bmp", {10800, 3600, 2085, 4035}, false, nullptr, 5},
    {39, "Image1(4)", "frame-04.bmp", {10680, 3600, 1905, 4305}, false, nullptr, 4},
    {40, "Image1(3)", "frame-03.bmp", {10680, 645, 2085, 4095}, false, nullptr, 3},
    {41, "Image1(2)", "frame-02.bmp", {10680, 3600, 2295, 4065}, false, nullptr, 2},
    {42, "Image1(1)", "frame-01.bmp", {11040, 3360, 1995, 4125}, false, nullptr, 1},
    {43, "Image1(18)", "frame-18.bmp", {9720, 120, 1815, 4275}, false, nullptr, 18},
    {44, "Image6", "cover-snail.bmp", {120, 4440, 1320, 1590}, true, &Form1::Image6, 0},
    {45, "Image8", "cover-double-lobe.bmp", {120, 2520, 1260, 1710}, true, &Form1::Image8, 0},
    {46, "Image7", "cover-pear.bmp", {120, 840, 1290, 1470}, true, &Form1::Image7, 0},
    {47, "Image14", "hole.bmp", {4440, 1440, 915, 285}, false, &Form1::Image14, 0},
};

struct LineRow {
    int z;
    const char *name;
    int x1, y1, x2, y2;
    unsigned int colour; // 0x00BBGGRR
    bool visible;
    forms::LineControl *Form1::*member;
};

constexpr unsigned int darkGreen = 0x008000;
constexpr unsigned int purple = 0xC000C0;
constexpr unsigned int darkRed = 0x0000C0;

// The three graphs' axes, and the hidden pen lines whose first point is the
// origin of each graph.
const LineRow lineRows[] = {
    {6, "Line9", 7080, 6000, 7560, 5640, 0, false, &Form1::Line9},
    {7, "Line8", 6960, 6000, 9360, 6000, darkGreen, true, &Form1::Line8},
    {8, "Line7", 7080, 6120, 7080, 4560, darkGreen, true, &Form1::Line7},
    {9, "Line6", 7080, 4080, 7560, 3720, 0, false, &Form1::Line6},
    {10, "Line5", 7080, 4200, 7080, 2640, purple, true, &Form1::Line5},
    {11, "Line4", 6960, 4080, 9360, 4080, purple, true, &Form1::Line4},
    {12, "Line3", 7080, 2160, 7320, 1800, 0, false, &Form1::Line3},
    {13, "Line2", 7080, 2280, 7080, 840, darkRed, true, &Form1::Line2},
    {14, "Line1", 6960, 2160, 9360, 2160, darkRed, true, &Form1::Line1},
};


} // namespace

Form1::Form1()
    : forms::Form(tr("Cam Simulation by the Kestrilon team"), clientWidth,
                  clientHeight, Kind::Main)
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
        forms::Picture *control = client->addStoredPicture(
            QString::fromLatin1(row.name), row.z, QString::fromLatin1(row.file), row.placement,
            row.stretched);
        if (row.member)
            this->*row.member = control;
        else
            m_image1.at(std::size_t(row.image1Index)) = control;
    }
    m_image1[animation::startPicture] = start;

    for (const LineRow &row : lineRows) {
        this->*row.member = client->addLine(QString::fromLatin1(row.name), row.z, row.x1, row.y1,
                                            row.x2, row.y2, row.colour, row.visible);
    }

    Image4->setClickHandler([this] { Image4_Click(); }, tr("Start the pear cam"));
    Image3->setClickHandler([this] { Image3_Click(); }, tr("Start the double lobe cam"));
    Image5->setClickHandler([this] { Image5_Click(); }, tr("Start the snail cam"));
    Image7->setClickHandler([this] { Image7_Click(); }, tr("Stop the pear cam"));
    Image8->setClickHandler([this] { Image8_Click(); }, tr("Stop the double lobe cam"));
    Image6->setClickHandler([this] { Image6_Click(); }, tr("Stop the snail cam"));

    Timer1 = new forms::Timer(QStringLiteral("Timer1"), 200, this);
    Timer2 = new forms::Timer(QStringLiteral("Timer2"), 200, this);
    Timer3 = new forms::Timer(QStringLiteral("Timer3"), 200, this);
    Timer1->setTickHandler([this] { Timer1_Timer(); });
    Timer2->setTickHandler([this] { Timer2_Timer(); });
    Timer3->setTickHandler([this] { Timer3_Timer(); });

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
    client->place(speed, 2760, 6120, 4095, 135);
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
    forms::readValueAs(speed, [](int value) { return tr("%1 milliseconds").arg(value); });
    speed->setAccessibleName(tr("Time between pictures"));
    setTabOrder(client, speed);
    setFocusProxy(speed);
    speed->setFocus();

    // A start is refused while another cam runs, which its icon's absence tells.
    Image4->setAvailableWhen([this] { return Image3->isVisible() && Image5->isVisible(); });
    Image3->setAvailableWhen([this] { return Image4->isVisible() && Image5->isVisible(); });
    Image5->setAvailableWhen([this] { return Image4->isVisible() && Image3->isVisible(); });

    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    forms::openMenuBarWithF10(this);

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
    Image2->setWidth(4040);
}

// Moves Image1(first) to Image1(last) out of sight; only Left changes.
void Form1::clearFrames(int first, int last)
{
    for (int k = first; k <= last; ++k)
        Image1(k)->setLeft(clearedLeft);
}

// A start click is refused, with no effect at all, while another cam runs.
void Form1::Image4_Click()
{
    if (!Image3->isVisible() || !Image5->isVisible())
        return;
    clearFrames(1, 19);
    graphOffset = 0;
    Line(Line3->x1(), Line3->y1(), Line3->x1(), Line3->y1(), 0);
    Timer1->setEnabled(true);
    frame = animation::pear.firstStep;
    Image4->setVisible(false);
}

void Form1::Image3_Click()
{
    if (!Image4->isVisible() || !Image5->isVisible())
        return;
    clearFrames(1, 19);
    frame = animation::doubleLobe.firstStep;
    Timer2->setEnabled(true);
    Image3->setVisible(false);
    graphOffset = 0;
}

// The snail starts its graph at the pen origin too, not wherever the last
// run of any cam left the offset.
void Form1::Image5_Click()
{
    if (!Image4->isVisible() || !Image3->isVisible())
        return;
    clearFrames(1, 19);
    Timer3->setEnabled(true);
    frame = animation::snail.firstStep;
    Image5->setVisible(false);
    graphOffset = 0;
}

void Form1::Image7_Click()
{
    start->setLeft(clearedLeft);
    clearFrames(1, 19);
    Timer1->setEnabled(false);
    Image4->setVisible(true);
}

void Form1::Image8_Click()
{
    Timer2->setEnabled(false);
    Image3->setVisible(true);
    clearFrames(1, 19);
}

void Form1::Image6_Click()
{
    Timer3->setEnabled(false);
    Image5->setVisible(true);
    clearFrames(12, 19);
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

void Form1::Timer1_Timer()
{
    animation::runTick(animation::pear, {m_image1, *Line3, *surface()}, frame, graphOffset);
}

void Form1::Timer2_Timer()
{
    animation::runTick(animation::doubleLobe, {m_image1, *Line6, *surface()}, frame, graphOffset);
}

void Form1::Timer3_Timer()
{
    animation::runTick(animation::snail, {m_image1, *Line9, *surface()}, frame, graphOffset);
}

void Form1::closeEvent(QCloseEvent *event)
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    forms::Form::closeEvent(event);
}
