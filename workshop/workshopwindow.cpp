// The workshop window. Its editors hand each edit to the model, one undo step each; the
// model's signals redraw everything from the model.
#include "workshopwindow.h"

#include "camdesign/units.h"

#include "announcer.h"
#include "camview.h"
#include "editorcolumn.h"
#include "graphview.h"
#include "wording.h"

#include "designpicture.h"
#include "exportfile.h"

#include "camdesign/choices.h"
#include "camdesign/designfile.h"
#include "camdesign/wholefile.h"
#include "camexport/cutoutline.h"
#include "camexport/exportdesign.h"
#include "camexport/palette.h"
#include "camexport/papertemplate.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace workshop {
namespace {

using namespace camdesign;


// The window's own keys (undo and redo, Export's Ctrl+E, which a line edit would take as
// "end of line") reach its menus wherever the focus is, not the text in a number box.
class WindowKeys final : public QObject
{
public:
    explicit WindowKeys(QWidget *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
            for (const QAction *action : m_window->findChildren<QAction *>())
                if (action->shortcuts().contains(pressed)) {
                    event->ignore();
                    return true;
                }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
};

QString formatFilter()
{
    return WorkshopWindow::tr("Cam designs (*.%1)").arg(QLatin1String(designSuffix));
}

} // namespace

WorkshopWindow::WorkshopWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("workshop"));
    m_dialogs.openPath = [this] {
        return QFileDialog::getOpenFileName(this, tr("Open a cam design"), QString(),
                                            formatFilter() + QLatin1String(";;")
                                                + tr("All files (*)"));
    };
    m_dialogs.savePath = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(this, tr("Save the cam design"), suggested,
                                            formatFilter());
    };
    m_dialogs.keepChanges = [this](const QString &question) {
        return QMessageBox::question(this, tr("Unsaved changes"), question,
                                     QMessageBox::Save | QMessageBox::Discard
                                         | QMessageBox::Cancel,
                                     QMessageBox::Save);
    };
    m_dialogs.tell = [this](const QString &title, const QString &message) {
        QMessageBox::warning(this, title, message);
    };
    m_dialogs.exportPath = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(
            this, tr("Export the cam"), suggested,
            tr("Laser cutter, SVG (*.svg)") + QLatin1String(";;")
                + tr("Laser cutter, DXF (*.dxf)") + QLatin1String(";;")
                + tr("Paper template at true size, PDF (*.pdf)") + QLatin1String(";;")
                + tr("Picture of the cam and its graphs, PNG (*.png)") + QLatin1String(";;")
                + tr("Motion table, CSV (*.csv)"));
    };
    m_dialogs.pictureSize = [this]() -> QSize {
        bool chosen = false;
        const int width = QInputDialog::getInt(
            this, tr("Picture size"), tr("Width of the picture in pixels:"),
            defaultPictureSize.width(), smallestPictureSide, largestPictureSide, 100, &chosen);
        return chosen ? QSize(width, std::max(smallestPictureSide, width * 5 / 8)) : QSize();
    };
    m_dialogs.replaceExisting = [this](const QString &path) {
        return QMessageBox::question(this, tr("Replace the file?"),
                                     tr("%1 already exists. Do you want to replace it?")
                                         .arg(QFileInfo(path).fileName()),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    };
    m_dialogs.choosePrinter = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };

    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    m_editors = new EditorColumn(&m_model);
    columns->addWidget(m_editors);
    columns->addWidget(buildMiddle(), 5);
    columns->addWidget(buildGraphs(), 4);
    m_announcer = new Announcer(central);
    setCentralWidget(central);
    buildMenus();
    setTabOrder();
    connectControls();

    auto *windowKeys = new WindowKeys(this);
    for (QDoubleSpinBox *box : findChildren<QDoubleSpinBox *>())
        box->findChild<QLineEdit *>()->installEventFilter(windowKeys);

    m_playTimer.setInterval(16);
    connect(&m_playTimer, &QTimer::timeout, this, &WorkshopWindow::advance);

    connect(&m_model, &WorkshopModel::designChanged, this, &WorkshopWindow::showDesign);
    connect(&m_model, &WorkshopModel::angleChanged, this, &WorkshopWindow::showTurning);
    connect(&m_model, &WorkshopModel::fileChanged, this, &WorkshopWindow::showTitle);
    // Nudges merge only while one box keeps the focus.
    connect(qApp, &QApplication::focusChanged, this, [this] { m_model.endMerging(); });

    showDesign();
    showTurning();
    // Roomy where the screen allows, but never past it: on a school laptop's 1366 × 768 the
    // warnings below the cam must still be in sight. The frame's title bar is allowed for.
    const QSize roomy(1360, 860);
    const QSize screenRoom = screen() ? screen()->availableGeometry().size() - QSize(0, 40)
                                      : roomy;
    resize(roomy.boundedTo(screenRoom).expandedTo(minimumSizeHint()));
}

WorkshopWindow::~WorkshopWindow()
{
    // The window's own teardown moves the focus, after the model it would tell has gone:
    // nothing of the application's may call into the window from here on.
    disconnect(qApp, nullptr, this, nullptr);
    m_playTimer.stop();
}

void WorkshopWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *fresh = file->addAction(tr("&New"), this, [this] { startFrom(StartingDesign::New); });
    fresh->setShortcut(QKeySequence::New);
    QMenu *fromSimulation = file->addMenu(tr("New from a &simulation cam"));
    fromSimulation->addAction(tr("&Pear"), this, [this] { startFrom(StartingDesign::Pear); });
    fromSimulation->addAction(tr("&Double lobe"), this,
                              [this] { startFrom(StartingDesign::DoubleLobe); });
    fromSimulation->addAction(tr("&Snail"), this, [this] { startFrom(StartingDesign::Snail); });
    file->addSeparator();
    QAction *open = file->addAction(tr("&Open…"), this, [this] {
        const QString path = m_dialogs.openPath();
        if (!path.isEmpty())
            openDesign(path);
    });
    open->setShortcut(QKeySequence::Open);
    m_save = file->addAction(tr("&Save"), this, [this] { save(); });
    m_save->setShortcut(QKeySequence::Save);
    QAction *saveAsAction = file->addAction(tr("Save &As…"), this, [this] { saveAs(); });
    saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    QAction *exportAction = file->addAction(tr("&Export…"), this, [this] { exportDesign(); });
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction *construction = file->addAction(tr("Construction lines in cut files"));
    construction->setCheckable(true);
    connect(construction, &QAction::toggled, this, &WorkshopWindow::setConstructionLines);
    QAction *printAction = file->addAction(tr("&Print…"), this, [this] { print(); });
    printAction->setShortcut(QKeySequence::Print);
    file->addSeparator();
    QAction *closeAction = file->addAction(tr("&Close"), this, &QWidget::close);
    closeAction->setShortcut(QKeySequence::Close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QUndoStack *stack = m_model.undoStack();
    m_undo = edit->addAction(tr("&Undo"), &m_model, &WorkshopModel::undo);
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = edit->addAction(tr("&Redo"), &m_model, &WorkshopModel::redo);
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                          QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto showHistory = [this, stack] {
        m_undo->setEnabled(stack->canUndo());
        m_redo->setEnabled(stack->canRedo());
        m_undo->setText(stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
        m_redo->setText(stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
    };
    connect(stack, &QUndoStack::indexChanged, this, showHistory);
    connect(stack, &QUndoStack::cleanChanged, this, showHistory);
    showHistory();

    QMenu *turning = menuBar()->addMenu(tr("&Turning"));
    m_playAction = turning->addAction(tr("&Play"), this, [this] { setPlaying(!isPlaying()); });
    m_playAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    turning->addAction(tr("One degree &forward"), this, [this] { m_model.turnBy(1); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right));
    turning->addAction(tr("One degree &back"), this, [this] { m_model.turnBy(-1); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Left));
    turning->addAction(tr("Back to &0°"), this, [this] { m_model.setAngle(0); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
}

QWidget *WorkshopWindow::buildMiddle()
{
    auto *middle = new QWidget;
    auto *layout = new QVBoxLayout(middle);
    layout->setContentsMargins(0, 0, 0, 0);
    m_cam = new CamView(&m_model);
    layout->addWidget(m_cam, 1);

    auto *turning = new QHBoxLayout;
    m_play = new QPushButton(tr("Play"));
    m_play->setAccessibleName(tr("Play"));
    m_turnAngle = new QSlider(Qt::Horizontal);
    m_turnAngle->setRange(0, 359);
    m_turnAngle->setPageStep(15);
    m_turnAngle->setAccessibleName(tr("Cam angle"));
    m_turnAngleText = new QLabel;
    m_turnAngleText->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(
                                         QStringLiteral("359.9°"))
                                     + 8);
    m_turningSpeed = EditorColumn::numberBox({1, 60, Unit::Rpm}, 0, 1, tr("Turning speed"));
    m_turningSpeed->setValue(m_turningRpm);
    auto *speedLabel = new QLabel(tr("Turning speed"));
    speedLabel->setBuddy(m_turningSpeed);
    turning->addWidget(m_play);
    turning->addWidget(m_turnAngle, 1);
    turning->addWidget(m_turnAngleText);
    turning->addWidget(speedLabel);
    turning->addWidget(m_turningSpeed);
    layout->addLayout(turning);

    auto *numbers = new QGroupBox(tr("Does it work?"));
    auto *numbersLayout = new QVBoxLayout(numbers);
    m_numbers = new QLabel;
    m_numbers->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_numbers->setWordWrap(true);
    m_useSmallestBase = new QPushButton;
    m_warnings = new QLabel;
    m_warnings->setWordWrap(true);
    m_warnings->setAccessibleName(tr("Warnings"));
    m_warnings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    numbersLayout->addWidget(m_numbers);
    numbersLayout->addWidget(m_useSmallestBase, 0, Qt::AlignLeft);
    numbersLayout->addWidget(m_warnings);
    layout->addWidget(numbers);
    return middle;
}

QWidget *WorkshopWindow::buildGraphs()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (const Quantity quantity : allQuantities) {
        auto *graph = new GraphView(&m_model, quantity);
        connect(graph, &GraphView::angleChosen, &m_model, &WorkshopModel::setAngle);
        layout->addWidget(graph, 1);
        m_graphs.push_back(graph);
    }
    return column;
}

void WorkshopWindow::setTabOrder()
{
    const EditorColumn::Editors e = m_editors->editors();
    const std::vector<QWidget *> order = {
        e.segments, e.addSegment, e.removeSegment, e.moveUp, e.moveDown, e.fillWithDwell,
        e.kind, e.angle, e.height, e.law, e.followerType, e.rollerRadius, e.offset,
        e.baseCircle, e.rotation, e.holeShape, e.holeDiameter, e.flatDepth, e.speed,
        e.pressureLimit, m_cam, m_play, m_turnAngle, m_turningSpeed, m_useSmallestBase,
    };
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void WorkshopWindow::connectControls()
{
    connect(m_useSmallestBase, &QPushButton::clicked, &m_model, &WorkshopModel::useSmallestBase);
    connect(m_cam, &CamView::turnRequested, &m_model, &WorkshopModel::turnBy);
    connect(m_cam, &CamView::playToggleRequested, this, [this] { setPlaying(!isPlaying()); });
    connect(m_play, &QPushButton::clicked, this, [this] { setPlaying(!isPlaying()); });
    connect(m_turnAngle, &QSlider::valueChanged, &m_model, &WorkshopModel::setAngle);
    connect(m_turningSpeed, &QDoubleSpinBox::valueChanged, this,
            [this](double rpm) { m_turningRpm = rpm; });
}

void WorkshopWindow::showDesign()
{
    showNumbers();
    showWarnings();
    showTitle();
}

void WorkshopWindow::showNumbers()
{
    const CamDesign &design = m_model.design();
    const CamAnalysis &analysis = m_model.analysis();
    if (!analysis.feasible) {
        m_numbers->setText(tr("No numbers: this cam cannot be made."));
        m_useSmallestBase->setText(tr("Use the smallest base circle"));
        m_useSmallestBase->setEnabled(false);
        return;
    }
    const auto radius = [](double value) {
        return std::isfinite(value) ? tr("%1 mm").arg(learnerNumber(value, 2)) : tr("none");
    };
    QStringList lines;
    const bool flat = design.follower.type == FollowerType::FlatFaced;
    if (flat) {
        lines << tr("Pressure angle: 0° everywhere, the face being square to its motion.");
        lines << tr("Smallest radius of curvature of the outline: %1")
                     .arg(radius(analysis.smallestProfileRadius));
        lines << tr("Face width needed: %1 mm").arg(learnerNumber(analysis.faceWidth, 2));
        lines << tr("Smallest base circle without a cusp: above %1 mm")
                     .arg(learnerNumber(analysis.smallestBaseRadius, 2));
    } else {
        lines << tr("Largest pressure angle: %1° at %2°")
                     .arg(learnerNumber(std::abs(analysis.largestPressureAngle) / degree),
                          learnerNumber(analysis.largestPressureAngleAt / degree));
        lines << tr("Smallest radius of curvature: %1 of the pitch curve, %2 of the outline")
                     .arg(radius(analysis.smallestPitchRadius),
                          radius(analysis.smallestProfileRadius));
        lines << tr("Smallest base circle for the %1° limit: %2 mm")
                     .arg(learnerNumber(design.pressureAngleLimitDegrees),
                          learnerNumber(analysis.smallestBaseRadius, 2));
    }
    m_numbers->setText(lines.join(QLatin1Char('\n')));
    const double base = m_model.workingBase();
    m_useSmallestBase->setText(tr("Use a base circle of %1 mm").arg(learnerNumber(base, 2)));
    m_useSmallestBase->setEnabled(base != design.baseCircleRadius);
}

void WorkshopWindow::showWarnings()
{
    const CamDesign &design = m_model.design();
    const CamAnalysis &analysis = m_model.analysis();
    QStringList sentences;
    QStringList fresh;
    std::set<Problem> now;
    for (const Finding &finding : analysis.findings) {
        const QString sentence = Wording::problem(design, analysis, finding);
        sentences << sentence;
        now.insert(finding.problem);
        if (!m_spokenProblems.count(finding.problem))
            fresh << sentence;
    }
    m_spokenProblems = now;
    QPalette colours = m_warnings->palette();
    if (sentences.isEmpty()) {
        m_warnings->setText(tr("No warnings: this cam works within its limits."));
        colours.setColor(QPalette::WindowText, palette::goodText);
    } else {
        m_warnings->setText(Wording::counted(QT_TRANSLATE_N_NOOP("workshop::Wording",
                                                                 "%n warning:"),
                                             QT_TRANSLATE_N_NOOP("workshop::Wording",
                                                                 "%n warnings:"),
                                             int(sentences.size()))
                            + QLatin1Char('\n') + QStringLiteral("• ")
                            + sentences.join(QStringLiteral("\n• ")));
        colours.setColor(QPalette::WindowText, palette::faultText);
    }
    m_warnings->setPalette(colours);
    if (!fresh.isEmpty())
        m_announcer->announce(fresh.join(QLatin1Char(' ')));
}

void WorkshopWindow::showTitle()
{
    const QString path = m_model.path();
    const QString name = !path.isEmpty()                   ? QFileInfo(path).fileName()
                         : !m_model.design().name.isEmpty() ? m_model.design().name
                                                            : tr("Untitled");
    setWindowTitle(tr("%1[*] – Kestrilon cam workshop").arg(name));
    setWindowModified(m_model.isModified());
}

void WorkshopWindow::showTurning()
{
    const double angle = m_model.angle();
    {
        const QSignalBlocker quiet(m_turnAngle);
        m_turnAngle->setValue(int(std::lround(angle)) % 360);
    }
    m_turnAngleText->setText(tr("%1°").arg(learnerNumber(angle)));
}

void WorkshopWindow::setPlaying(bool playing)
{
    if (playing == isPlaying())
        return;
    if (playing) {
        m_sincePlayed.start();
        m_playTimer.start();
    } else {
        m_playTimer.stop();
    }
    const QString text = playing ? tr("Pause") : tr("Play");
    m_play->setText(text);
    m_play->setAccessibleName(text);
    m_playAction->setText(playing ? tr("&Pause") : tr("&Play"));
}

void WorkshopWindow::advance()
{
    const double seconds = double(m_sincePlayed.restart()) / 1000;
    m_model.turnBy(m_turningRpm * 360 / 60 * seconds);
}

bool WorkshopWindow::keepChangesBeforeLosing(const QString &question)
{
    if (!m_model.isModified())
        return true;
    switch (m_dialogs.keepChanges(question)) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool WorkshopWindow::openDesign(const QString &path)
{
    const DesignReading reading = loadDesign(path);
    if (!reading.design) {
        m_dialogs.tell(tr("Cannot open the design"),
                       tr("%1 cannot be opened: %2").arg(QFileInfo(path).fileName(),
                                                         reading.error));
        return false;
    }
    if (!keepChangesBeforeLosing(tr("The design has changes that are not saved. Save them "
                                    "before opening %1?")
                                     .arg(QFileInfo(path).fileName())))
        return false;
    setPlaying(false);
    m_model.reset(*reading.design, QFileInfo(path).absoluteFilePath());
    return true;
}

bool WorkshopWindow::startFrom(StartingDesign which)
{
    if (!keepChangesBeforeLosing(tr("The design has changes that are not saved. Save them "
                                    "before starting another?")))
        return false;
    setPlaying(false);
    m_model.reset(startingDesign(which));
    return true;
}

bool WorkshopWindow::save()
{
    return m_model.path().isEmpty() ? saveAs() : write(m_model.path());
}

bool WorkshopWindow::saveAs()
{
    QString suggested = m_model.path();
    if (suggested.isEmpty()) {
        const QString name = m_model.design().name.isEmpty() ? tr("cam") : m_model.design().name;
        suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                    + QLatin1Char('/') + name + QLatin1Char('.') + QLatin1String(designSuffix);
    }
    const QString path = withEnding(m_dialogs.savePath(suggested), QLatin1String(designSuffix));
    return !path.isEmpty() && write(path);
}

bool WorkshopWindow::exportDesign()
{
    const QString name = m_model.design().name.isEmpty() ? tr("cam") : m_model.design().name;
    const QString folder = m_model.path().isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(m_model.path()).absolutePath();
    QString path = m_dialogs.exportPath(folder + QLatin1Char('/') + name + QLatin1String(".svg"));
    if (!QFileInfo(path).suffix().isEmpty())
        return exportTo(path);
    path = withEnding(path, QStringLiteral("svg"));
    return !path.isEmpty() && exportTo(path);
}

QString WorkshopWindow::withEnding(const QString &chosen, const QString &suffix)
{
    if (chosen.isEmpty()
        || QFileInfo(chosen).suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return chosen;
    // The file dialog asked about the name as typed, not about this one.
    const QString path = chosen + QLatin1Char('.') + suffix;
    if (QFileInfo::exists(path) && !m_dialogs.replaceExisting(path))
        return {};
    return path;
}

bool WorkshopWindow::exportTo(const QString &path)
{
    if (!m_model.path().isEmpty() && sameFile(path, m_model.path())) {
        m_dialogs.tell(tr("Cannot export the cam"),
                       tr("%1 is the design itself; exporting over it would lose the design. "
                          "Choose another name.")
                           .arg(QFileInfo(path).fileName()));
        return false;
    }
    ExportRequest request;
    request.constructionLines = m_constructionLines;
    if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
        request.pictureSize = m_dialogs.pictureSize();
        if (request.pictureSize.isEmpty())
            return false;
    }
    const ExportOutcome outcome = exportDesignFile(m_model.design(), path, request);
    if (!outcome.written()) {
        m_dialogs.tell(tr("Cannot export the cam"), outcome.refusal);
        return false;
    }
    // A steep pressure angle still cuts: the learner hears of it, and has the file.
    if (!outcome.warnings.isEmpty())
        m_dialogs.tell(tr("Exported, with a warning"),
                       tr("%1 is written. %2").arg(QFileInfo(path).fileName(),
                                                   outcome.warnings.join(QLatin1Char(' '))));
    return true;
}

bool WorkshopWindow::print()
{
    const CamDesign &design = m_model.design();
    const QPageLayout layout = camexport::templatePageLayout();
    const QString refused = camexport::templateRefusal(design, layout);
    if (!refused.isEmpty()) {
        m_dialogs.tell(tr("Cannot print the cam"), refused);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    printer.setDocName(design.name.isEmpty() ? tr("cam") : design.name);
    if (!m_dialogs.choosePrinter(printer))
        return false;
    // The learner may have chosen other paper: the cam must still fit it at true size.
    const QString stillRefused = camexport::templateRefusal(design, printer.pageLayout());
    if (!stillRefused.isEmpty()) {
        m_dialogs.tell(tr("Cannot print the cam"), stillRefused);
        return false;
    }
    // Printed to a file, the template is written as every export is: whole or not at all.
    if (!printer.outputFileName().isEmpty()) {
        const QString failed = camexport::writeTemplatePdf(design, printer.outputFileName(),
                                                           printer.pageLayout());
        if (!failed.isEmpty())
            m_dialogs.tell(tr("Cannot print the cam"), failed);
        return failed.isEmpty();
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_dialogs.tell(tr("Cannot print the cam"), tr("The printer could not be started."));
        return false;
    }
    const QString unpainted = camexport::paintTemplate(painter, design, printer.pageLayout());
    painter.end();
    if (!unpainted.isEmpty()) {
        m_dialogs.tell(tr("Cannot print the cam"), unpainted);
        return false;
    }
    return true;
}

bool WorkshopWindow::write(const QString &path)
{
    const QString refused = designError(m_model.design());
    if (!refused.isEmpty()) {
        m_dialogs.tell(tr("Cannot save the design"),
                       tr("This design cannot be saved yet: %1").arg(refused));
        return false;
    }
    const QString failed = saveDesign(m_model.design(), path);
    if (!failed.isEmpty()) {
        m_dialogs.tell(tr("Cannot save the design"),
                       tr("%1 could not be saved: %2").arg(QFileInfo(path).fileName(), failed));
        return false;
    }
    m_model.markSaved(QFileInfo(path).absoluteFilePath());
    return true;
}

void WorkshopWindow::closeEvent(QCloseEvent *event)
{
    if (!keepChangesBeforeLosing(tr("The design has changes that are not saved. Save them "
                                    "before closing?"))) {
        event->ignore();
        return;
    }
    setPlaying(false);
    event->accept();
}

WorkshopWindow::Controls WorkshopWindow::controls() const
{
    return {m_editors->editors(), m_cam,      m_play,     m_turnAngle, m_turningSpeed,
            m_useSmallestBase,     m_numbers,  m_warnings, m_graphs,    m_announcer,
            m_undo,                m_redo};
}

} // namespace workshop
