// The workshop window as a learner meets it: edits through its editors, what the drawing,
// graphs and warnings then show, undo, the keyboard, a screen reader's names, and files.
#include "workshop/announcer.h"
#include "workshop/camview.h"
#include "workshop/graphview.h"
#include "workshop/workshopwindow.h"

#include "camdesign/designfile.h"
#include "tests/fulldisk.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace workshop;
using camdesign::CamDesign;
using camdesign::Problem;

namespace {

// How many pixels of the image are near the colour.
int pixelsLike(const QImage &image, QColor colour, int tolerance = 12)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            if (std::abs(qRed(pixel) - colour.red()) <= tolerance
                && std::abs(qGreen(pixel) - colour.green()) <= tolerance
                && std::abs(qBlue(pixel) - colour.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}

QImage painted(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The cam's fill and the red of a failing place, as the view and graphs paint them.
const QColor camFill(203, 214, 231);
const QColor faultRed(200, 20, 20);

void setNumber(QDoubleSpinBox *box, double value)
{
    box->setValue(value);
}

} // namespace

class WorkshopWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTheNewDesign();
    void warningAppearsAndGoes_data();
    void warningAppearsAndGoes();
    void smallestBaseCircleIsOneUndoStep_data();
    void smallestBaseCircleIsOneUndoStep();
    void undoAndRedoRestoreEveryEditExactly();
    void segmentsAreAddedMovedAndFilled();
    void camThatCannotExistIsNotDrawn();
    void steepPlacesAreRedOnTheGraph();
    void graphTitleKeepsClearOfItsReadout_data();
    void graphTitleKeepsClearOfItsReadout();
    void everyControlHasAnAccessibleName();
    void readerHearsTheCamAndNewWarnings();
    void keysAndDragTurnTheCam();
    void numbersAreTypedAsTheLanguageWritesThem();
    void savesAndOpensDesigns();
    void refusesToSaveADesignThatIsNotWhole();
    void neverLosesTheLearnersWork_data();
    void neverLosesTheLearnersWork();
    void exportKeyWorksFromANumberBox();
    void badFileKeepsTheDesign();
    void asksBeforeLosingChanges_data();
    void asksBeforeLosingChanges();
    void choicesAreReadWithWhatIsChosen();
    void opensWithinTheScreen();
    void exportsForCutterPrinterAndWorksheet_data();
    void exportsForCutterPrinterAndWorksheet();
    void printsTheTemplateOrSaysWhyNot_data();
    void printsTheTemplateOrSaysWhyNot();

private:
    WorkshopWindow *m_window = nullptr;
    QStringList m_told;
    QStringList m_asked;
    QMessageBox::StandardButton m_answer = QMessageBox::Cancel;
    QString m_savePath;
};

void WorkshopWindowTest::init()
{
    m_window = new WorkshopWindow;
    m_told.clear();
    m_asked.clear();
    WorkshopWindow::Dialogs &dialogs = m_window->dialogs();
    dialogs.tell = [this](const QString &, const QString &message) { m_told << message; };
    dialogs.keepChanges = [this](const QString &question) {
        m_asked << question;
        return m_answer;
    };
    dialogs.savePath = [this](const QString &) { return m_savePath; };
    dialogs.openPath = [] { return QString(); };
    m_window->resize(1360, 860);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void WorkshopWindowTest::cleanup()
{
    m_window->model().reset(camdesign::newDesign());
    delete m_window;
    m_window = nullptr;
}

void WorkshopWindowTest::opensOnTheNewDesign()
{
    QVERIFY(m_window->model().design() == camdesign::newDesign());
    QVERIFY(!m_window->model().isModified());
    QCOMPARE(m_window->controls().segments->count(), 4);
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("Untitled")));
    QVERIFY(m_window->controls().warnings->text().startsWith(QStringLiteral("No warnings")));
}

void WorkshopWindowTest::warningAppearsAndGoes_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<double>("bad");
    QTest::addColumn<double>("good");
    QTest::addColumn<int>("followerType");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("words");
    QTest::addColumn<double>("base");
    // The new design needs a base circle of 27.02 mm for the 30° limit.
    QTest::newRow("base circle below the smallest")
        << "base" << 26.5 << 27.5 << int(camdesign::FollowerType::Roller)
        << Problem::PressureAngleTooSteep << "past the 30° limit" << 30.0;
    QTest::newRow("pressure angle limit below the largest")
        << "limit" << 28.0 << 29.0 << int(camdesign::FollowerType::Roller)
        << Problem::PressureAngleTooSteep << "past the 28° limit" << 30.0;
    // On a base circle of 10 mm its pitch curve bends as sharply as a roller of 37.8 mm.
    QTest::newRow("roller bigger than the sharpest bend")
        << "roller" << 38.0 << 30.0 << int(camdesign::FollowerType::Roller)
        << Problem::Undercut << "Undercut at" << 10.0;
    QTest::newRow("offset outside the prime circle")
        << "offset" << 38.5 << 37.5 << int(camdesign::FollowerType::Roller)
        << Problem::OffsetTooLarge << "does not lie inside the prime circle" << 30.0;
    QTest::newRow("segment angles short of a turn")
        << "angle" << 80.0 << 90.0 << int(camdesign::FollowerType::Roller)
        << Problem::AnglesDoNotAddUp << "add up to 350°" << 30.0;
    QTest::newRow("shaft hole too wide for the cam")
        << "hole" << 20.0 << 8.0 << int(camdesign::FollowerType::Roller)
        << Problem::ShaftHoleTooLarge << "leaves less than 1 mm" << 10.0;
    QTest::newRow("flat face on too small a base circle")
        << "base" << 10.0 << 40.0 << int(camdesign::FollowerType::FlatFaced)
        << Problem::Cusp << "Cusp at" << 30.0;
}

void WorkshopWindowTest::warningAppearsAndGoes()
{
    QFETCH(QString, editor);
    QFETCH(double, bad);
    QFETCH(double, good);
    QFETCH(int, followerType);
    QFETCH(Problem, problem);
    QFETCH(QString, words);
    QFETCH(double, base);
    const WorkshopWindow::Controls controls = m_window->controls();
    setNumber(controls.baseCircle, base);
    controls.followerType->setCurrentIndex(controls.followerType->findData(followerType));
    emit controls.followerType->activated(controls.followerType->currentIndex());
    QDoubleSpinBox *box = editor == "base"     ? controls.baseCircle
                          : editor == "limit"  ? controls.pressureLimit
                          : editor == "roller" ? controls.rollerRadius
                          : editor == "offset" ? controls.offset
                          : editor == "hole"   ? controls.holeDiameter
                                               : controls.angle;
    setNumber(box, good);
    QVERIFY(!m_window->model().analysis().has(problem));
    QVERIFY(!controls.warnings->text().contains(words));

    setNumber(box, bad);
    QVERIFY(m_window->model().analysis().has(problem));
    QVERIFY2(controls.warnings->text().contains(words), qPrintable(controls.warnings->text()));
    QTRY_VERIFY(controls.announcer->words().contains(words));
    QVERIFY(controls.warnings->palette().color(QPalette::WindowText).red() > 150);

    setNumber(box, good);
    QVERIFY(!m_window->model().analysis().has(problem));
    QVERIFY(!controls.warnings->text().contains(words));
}

void WorkshopWindowTest::smallestBaseCircleIsOneUndoStep_data()
{
    QTest::addColumn<int>("followerType");
    QTest::addColumn<double>("offset");
    QTest::newRow("roller") << int(camdesign::FollowerType::Roller) << 0.0;
    QTest::newRow("offset knife-edge") << int(camdesign::FollowerType::KnifeEdge) << 3.0;
    QTest::newRow("flat face") << int(camdesign::FollowerType::FlatFaced) << 0.0;
}

// The button's base circle works, is the smallest that does to the box's hundredth of a
// millimetre, and is undone in one step.
void WorkshopWindowTest::smallestBaseCircleIsOneUndoStep()
{
    QFETCH(int, followerType);
    QFETCH(double, offset);
    const WorkshopWindow::Controls controls = m_window->controls();
    controls.followerType->setCurrentIndex(controls.followerType->findData(followerType));
    emit controls.followerType->activated(controls.followerType->currentIndex());
    setNumber(controls.offset, offset);
    setNumber(controls.baseCircle, 4);
    m_window->model().endMerging();
    const CamDesign before = m_window->model().design();
    QVERIFY(!m_window->model().analysis().findings.empty());

    QVERIFY(controls.useSmallestBase->isEnabled());
    controls.useSmallestBase->click();
    QVERIFY(m_window->model().analysis().findings.empty());
    QVERIFY(!controls.useSmallestBase->isEnabled());
    CamDesign smaller = m_window->model().design();
    smaller.baseCircleRadius -= 0.01;
    QVERIFY(!camdesign::analyse(smaller, WorkshopModel::samples).findings.empty());

    controls.undo->trigger();
    QVERIFY(m_window->model().design() == before);
}

void WorkshopWindowTest::undoAndRedoRestoreEveryEditExactly()
{
    const WorkshopWindow::Controls controls = m_window->controls();
    std::vector<CamDesign> seen{m_window->model().design()};
    const auto step = [&](const std::function<void()> &edit) {
        edit();
        m_window->model().endMerging();
        seen.push_back(m_window->model().design());
    };
    step([&] { setNumber(controls.angle, 75); });
    step([&] {
        controls.law->setCurrentIndex(controls.law->findData(int(camdesign::MotionLaw::ModifiedSine)));
        emit controls.law->activated(controls.law->currentIndex());
    });
    step([&] { controls.segments->setCurrentRow(1); setNumber(controls.angle, 105); });
    step([&] {
        controls.kind->setCurrentIndex(controls.kind->findData(int(camdesign::SegmentKind::Rise)));
        emit controls.kind->activated(controls.kind->currentIndex());
    });
    step([&] { setNumber(controls.height, 4.5); });
    step([&] { controls.addSegment->click(); });
    step([&] { controls.moveUp->click(); });
    step([&] { controls.removeSegment->click(); });
    step([&] {
        controls.rotation->setCurrentIndex(1);
        emit controls.rotation->activated(1);
    });
    step([&] { setNumber(controls.holeDiameter, 12); });
    step([&] { setNumber(controls.speed, 120); });
    for (std::size_t i = 1; i < seen.size(); ++i)
        QVERIFY2(!(seen[i] == seen[i - 1]), qPrintable(QString::number(i)));

    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY2(m_window->model().design() == seen[i - 1], qPrintable(QString::number(i)));
    }
    QVERIFY(!controls.undo->isEnabled());
    QVERIFY(!m_window->model().isModified());
    for (std::size_t i = 1; i < seen.size(); ++i) {
        QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(m_window->model().design() == seen[i]);
    }
    // The editors show the design redone, not what they last held.
    QCOMPARE(controls.speed->value(), 120.0);
    QCOMPARE(controls.holeDiameter->value(), 12.0);
}

void WorkshopWindowTest::segmentsAreAddedMovedAndFilled()
{
    const WorkshopWindow::Controls controls = m_window->controls();
    controls.segments->setCurrentRow(3);
    controls.removeSegment->click();
    QCOMPARE(controls.segments->count(), 3);
    QVERIFY(m_window->model().analysis().has(Problem::AnglesDoNotAddUp));
    QVERIFY(controls.fillWithDwell->isEnabled());
    controls.fillWithDwell->click();
    QVERIFY(!m_window->model().analysis().has(Problem::AnglesDoNotAddUp));
    QVERIFY(!controls.fillWithDwell->isEnabled());
    QCOMPARE(controls.segments->count(), 4);
    QCOMPARE(controls.segments->currentRow(), 3);
    QCOMPARE(controls.segments->item(3)->text(), QStringLiteral("4. Dwell over 90°"));

    // The first segment moved down keeps the turn whole and stays chosen.
    controls.segments->setCurrentRow(0);
    controls.moveDown->click();
    QCOMPARE(m_window->model().chosenSegment(), 1);
    QCOMPARE(m_window->model().design().segments[1].kind, camdesign::SegmentKind::Rise);
    QVERIFY(controls.moveDown->isEnabled());

    // A dwell added to a whole turn says plainly that the angles no longer add up.
    controls.addSegment->click();
    QCOMPARE(controls.segments->count(), 5);
    QVERIFY(controls.warnings->text().contains(QStringLiteral("add up to 390°")));
}

void WorkshopWindowTest::camThatCannotExistIsNotDrawn()
{
    const WorkshopWindow::Controls controls = m_window->controls();
    QVERIFY(pixelsLike(painted(controls.cam), camFill) > 5000);
    setNumber(controls.offset, 45);
    QVERIFY(!m_window->model().analysis().feasible);
    QCOMPARE(pixelsLike(painted(controls.cam), camFill), 0);
    QVERIFY(!controls.useSmallestBase->isEnabled());
    // The motion's graphs still stand; the pressure angle has no cam to belong to.
    const QImage lift = painted(controls.graphs.front());
    QVERIFY(pixelsLike(lift, QColor(25, 70, 160), 30) > 100);
    setNumber(controls.offset, 0);
    QVERIFY(pixelsLike(painted(controls.cam), camFill) > 5000);
}

void WorkshopWindowTest::steepPlacesAreRedOnTheGraph()
{
    const WorkshopWindow::Controls controls = m_window->controls();
    GraphView *pressure = controls.graphs.back();
    QCOMPARE(pressure->quantity(), Quantity::PressureAngle);
    // The dashed limit lines are red even when the curve keeps within them.
    const int withinLimit = pixelsLike(painted(pressure), faultRed, 30);
    setNumber(controls.baseCircle, 15);
    const int pastLimit = pixelsLike(painted(pressure), faultRed, 30);
    QVERIFY2(pastLimit > withinLimit + 50, qPrintable(QStringLiteral("%1 %2").arg(withinLimit).arg(pastLimit)));
    // ...and the outline is marked where it is too steep.
    QVERIFY(pixelsLike(painted(controls.cam), faultRed, 30) > 50);
}

void WorkshopWindowTest::graphTitleKeepsClearOfItsReadout_data()
{
    QTest::addColumn<int>("graph");
    QTest::addColumn<int>("width");
    QTest::newRow("lift, narrow") << 0 << 240;
    QTest::newRow("acceleration, narrow") << 2 << 240;
    QTest::newRow("jerk, very narrow") << 3 << 170;
    QTest::newRow("pressure angle, narrow") << 4 << 200;
}

// The title at the left and the cursor's value at the right of the row above a graph: seen as
// two runs of ink with clear paper between them, however narrow the graph.
void WorkshopWindowTest::graphTitleKeepsClearOfItsReadout()
{
    QFETCH(int, graph);
    QFETCH(int, width);
    m_window->model().setAngle(271.5);
    GraphView view(&m_window->model(), allQuantities[graph]);
    view.resize(width, 160);
    const QImage image = painted(&view);
    const int rowHeight = view.fontMetrics().height() + 4;
    std::vector<bool> ink(std::size_t(image.width()), false);
    for (int y = 0; y < rowHeight; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                ink[std::size_t(x)] = true;
    // The widest stretch of clear paper between the first ink and the last.
    const auto first = std::find(ink.begin(), ink.end(), true);
    const auto last = std::find(ink.rbegin(), ink.rend(), true).base();
    std::ptrdiff_t widestGap = 0;
    for (auto x = first; x < last;) {
        const auto nextInk = std::find(x, last, true);
        widestGap = std::max(widestGap, nextInk - x);
        x = std::find(nextInk, last, false);
    }
    QVERIFY2(widestGap >= 8, qPrintable(QStringLiteral("the title comes within %1 px of the "
                                                       "cursor's value")
                                            .arg(widestGap)));
}

void WorkshopWindowTest::everyControlHasAnAccessibleName()
{
    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QLineEdit *>(widget))
            continue;
        QAccessibleInterface *readable = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(!readable->text(QAccessible::Name).isEmpty(), widget->metaObject()->className());
    }
    for (GraphView *graph : m_window->controls().graphs) {
        QAccessibleInterface *readable = QAccessible::queryAccessibleInterface(graph);
        QVERIFY(readable->text(QAccessible::Name).endsWith(QStringLiteral("graph")));
        QVERIFY(readable->text(QAccessible::Description).contains(QStringLiteral("degrees")));
    }
}

void WorkshopWindowTest::readerHearsTheCamAndNewWarnings()
{
    const WorkshopWindow::Controls controls = m_window->controls();
    QAccessibleInterface *cam = QAccessible::queryAccessibleInterface(controls.cam);
    QCOMPARE(cam->text(QAccessible::Name), QStringLiteral("Cam"));
    const QString described = cam->text(QAccessible::Description);
    QVERIFY2(described.contains(QStringLiteral("Largest pressure angle 28.4 degrees at 41.2 "
                                               "degrees, within the 30 degree limit. No undercut.")),
             qPrintable(described));

    // The notification is named with its words once they are told, and shows only then.
    QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(controls.announcer);
    QCOMPARE(notification->role(), QAccessible::Notification);
    QVERIFY(notification->state().invisible);
    QSignalSpy told(controls.announcer, &Announcer::announced);
    setNumber(controls.baseCircle, 20);
    QTRY_COMPARE(told.size(), 1);
    QVERIFY(notification->text(QAccessible::Name).contains(QStringLiteral("past the 30° limit")));
    QVERIFY(!notification->state().invisible);
    // The same warning, still there after another edit, is not said again.
    setNumber(controls.baseCircle, 19);
    QTest::qWait(50);
    QCOMPARE(told.size(), 1);
    QVERIFY(QAccessible::queryAccessibleInterface(controls.cam)
                ->text(QAccessible::Description)
                .contains(QStringLiteral("past the 30 degree limit")));
}

void WorkshopWindowTest::keysAndDragTurnTheCam()
{
    const WorkshopWindow::Controls controls = m_window->controls();
    WorkshopModel &model = m_window->model();
    QTest::keyClick(controls.cam, Qt::Key_Right);
    QCOMPARE(model.angle(), 1.0);
    QTest::keyClick(controls.cam, Qt::Key_Left);
    QTest::keyClick(controls.cam, Qt::Key_Left);
    QCOMPARE(model.angle(), 359.0);
    QCOMPARE(controls.turnAngle->value(), 359);
    QTest::keyClick(controls.cam, Qt::Key_Home);
    QCOMPARE(model.angle(), 0.0);

    // A quarter turn of the pointer anticlockwise round the shaft turns this cam a quarter.
    const QPointF centre = controls.cam->followerToWidget().map(QPointF(0, 0));
    const QPoint right = (centre + QPointF(80, 0)).toPoint();
    const QPoint top = (centre + QPointF(0, -80)).toPoint();
    QTest::mousePress(controls.cam, Qt::LeftButton, {}, right);
    QMouseEvent move(QEvent::MouseMove, top, controls.cam->mapToGlobal(top), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(controls.cam, &move);
    QTest::mouseRelease(controls.cam, Qt::LeftButton, {}, top);
    QVERIFY(std::abs(model.angle() - 90) < 1);

    QVERIFY(!m_window->isPlaying());
    QTest::keyClick(controls.cam, Qt::Key_Space);
    QVERIFY(m_window->isPlaying());
    const double from = model.angle();
    QTRY_VERIFY(model.angle() != from);
    QTest::keyClick(controls.cam, Qt::Key_Space);
    QVERIFY(!m_window->isPlaying());
}

void WorkshopWindowTest::numbersAreTypedAsTheLanguageWritesThem()
{
    delete m_window;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_window = new WorkshopWindow;
    QLocale::setDefault(QLocale::c());
    m_window->show();
    QDoubleSpinBox *base = m_window->controls().baseCircle;
    base->setFocus();
    base->selectAll();
    QTest::keyClicks(base, QStringLiteral("32,5"));
    QCOMPARE(m_window->model().design().baseCircleRadius, 32.5);
    QVERIFY(base->text().startsWith(QStringLiteral("32,5")));
    // Typing one number is one step to undo, and Ctrl+Z there undoes the design.
    QTest::keyClick(base, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_window->model().design().baseCircleRadius, 30.0);
}

void WorkshopWindowTest::savesAndOpensDesigns()
{
    QTemporaryDir folder;
    m_savePath = folder.filePath(QStringLiteral("toy"));
    setNumber(m_window->controls().baseCircle, 33.25);
    QVERIFY(m_window->isWindowModified());
    const CamDesign edited = m_window->model().design();
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(m_savePath + QStringLiteral(".kcam")));
    QVERIFY(!m_window->isWindowModified());
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("toy.kcam")));

    QVERIFY(m_window->startFrom(StartingDesign::Snail));
    QVERIFY(m_window->openDesign(m_savePath + QStringLiteral(".kcam")));
    QVERIFY(m_window->model().design() == edited);
    QVERIFY(m_asked.isEmpty());
    QVERIFY(m_told.isEmpty());
}

void WorkshopWindowTest::refusesToSaveADesignThatIsNotWhole()
{
    QTemporaryDir folder;
    m_savePath = folder.filePath(QStringLiteral("short.kcam"));
    setNumber(m_window->controls().angle, 60);
    QVERIFY(!m_window->save());
    QCOMPARE(m_told.size(), 1);
    QVERIFY2(m_told.front().contains(QStringLiteral("add up to 330")), qPrintable(m_told.front()));
    QVERIFY(!QFile::exists(m_savePath));
    QVERIFY(m_window->model().isModified());
    QCOMPARE(m_window->model().design().segments[0].angleDegrees, 60.0);
}

void WorkshopWindowTest::neverLosesTheLearnersWork_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("replace");     // the answer to "replace it?", where asked
    QTest::addColumn<int>("asked");        // how often it was asked
    QTest::addColumn<bool>("fileKept");    // mycam.kcam as it was before
    QTest::addColumn<QString>("told");     // a part of what the learner is told, if anything
    QTest::newRow("Save on a full disk") << "save full" << false << 0 << true << "File too large";
    QTest::newRow("Save As, the ending added, kept")
        << "save as" << false << 1 << true << QString();
    QTest::newRow("Save As, the ending added, replaced")
        << "save as" << true << 1 << false << QString();
    QTest::newRow("Export, the ending added, kept")
        << "export" << false << 1 << true << QString();
    QTest::newRow("Export over the design itself")
        << "export over itself" << false << 0 << true << "is the design itself";
}

// A full disk, a name the program completes, or an export onto the design's own file: the
// learner's saved work and their edits both survive.
void WorkshopWindowTest::neverLosesTheLearnersWork()
{
    QFETCH(QString, scenario);
    QFETCH(bool, replace);
    QFETCH(int, asked);
    QFETCH(bool, fileKept);
    QFETCH(QString, told);
    QTemporaryDir folder;
    // The design is saved as it may be named, to be exported over by mistake.
    const QString saved = folder.filePath(scenario == QLatin1String("export over itself")
                                              ? QStringLiteral("mycam.svg")
                                              : QStringLiteral("mycam.kcam"));
    const QString svg = folder.filePath(QStringLiteral("mycam.svg"));
    QCOMPARE(camdesign::saveDesign(camdesign::newDesign(), saved), QString());
    if (scenario == QLatin1String("export"))
        QCOMPARE(camdesign::saveDesign(camdesign::newDesign(), svg), QString());
    QFile file(scenario == QLatin1String("export") ? svg : saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY(m_window->openDesign(saved));
    setNumber(m_window->controls().baseCircle, 33.25);

    int asks = 0;
    m_window->dialogs().replaceExisting = [&](const QString &) {
        ++asks;
        return replace;
    };
    // Typed without the ending, as a learner would.
    m_savePath = folder.filePath(QStringLiteral("mycam"));
    m_window->dialogs().exportPath = [&](const QString &) {
        return scenario == QLatin1String("export") ? m_savePath : saved;
    };
    if (scenario == QLatin1String("save full")) {
        const FullDisk full(100);
        QVERIFY(!m_window->save());
    } else if (scenario == QLatin1String("save as")) {
        QCOMPARE(m_window->saveAs(), replace);
    } else {
        QVERIFY(!m_window->exportDesign());
    }
    QCOMPARE(asks, asked);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == before, fileKept);
    QCOMPARE(m_window->model().isModified(), fileKept);
    QCOMPARE(m_window->isWindowModified(), fileKept);
    if (told.isEmpty()) {
        QVERIFY2(m_told.isEmpty(), qPrintable(m_told.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(m_told.size(), 1);
        QVERIFY2(m_told.front().contains(told), qPrintable(m_told.front()));
    }
}

// Ctrl+E exports wherever the focus is, though a line edit takes it as "end of line".
void WorkshopWindowTest::exportKeyWorksFromANumberBox()
{
    int asked = 0;
    m_window->dialogs().exportPath = [&asked](const QString &) {
        ++asked;
        return QString();
    };
    QDoubleSpinBox *box = m_window->controls().baseCircle;
    box->setFocus();
    QVERIFY(QTest::qWaitFor([box] { return box->hasFocus(); }));
    QTest::keyClick(box->findChild<QLineEdit *>(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(asked, 1);
}

void WorkshopWindowTest::badFileKeepsTheDesign()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bad.kcam"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "kestrilon-cam", "version": 1, "segments": "many"})");
    file.close();
    setNumber(m_window->controls().baseCircle, 31);
    const CamDesign kept = m_window->model().design();
    QVERIFY(!m_window->openDesign(path));
    QCOMPARE(m_told.size(), 1);
    QVERIFY(m_told.front().startsWith(QStringLiteral("bad.kcam cannot be opened: ")));
    QVERIFY(m_told.front().size() > 30);
    QVERIFY(m_window->model().design() == kept);
    QVERIFY(m_window->model().isModified());
    QVERIFY(m_asked.isEmpty());
}

void WorkshopWindowTest::asksBeforeLosingChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("discard") << int(QMessageBox::Discard) << true << false;
    QTest::newRow("save") << int(QMessageBox::Save) << true << true;
}

void WorkshopWindowTest::asksBeforeLosingChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    m_savePath = folder.filePath(QStringLiteral("kept.kcam"));
    m_answer = QMessageBox::StandardButton(answer);
    QVERIFY(m_window->close());
    m_window->show();
    QVERIFY(m_asked.isEmpty());

    setNumber(m_window->controls().speed, 45);
    QCOMPARE(m_window->close(), closes);
    QCOMPARE(m_asked.size(), 1);
    QCOMPARE(QFile::exists(m_savePath), saved);
    QCOMPARE(m_window->model().isModified(), !saved);

    // Starting another design asks the same way.
    if (!saved) {
        m_window->show();
        QCOMPARE(m_window->startFrom(StartingDesign::Pear), closes);
        QCOMPARE(m_asked.size(), 2);
    }
}

QTEST_MAIN(WorkshopWindowTest)
#include "tst_workshopwindow.moc"

void WorkshopWindowTest::exportsForCutterPrinterAndWorksheet_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("baseCircle");
    QTest::addColumn<double>("rollerRadius");
    QTest::addColumn<QByteArray>("begins");  // empty: no file may be written
    QTest::addColumn<QString>("told");       // the start of what the learner is told, if anything

    const QString steep = QStringLiteral("cam.dxf is written. The pressure angle reaches");
    QTest::newRow("SVG") << "cam.svg" << 30.0 << 8.0 << QByteArray("<?xml") << QString();
    QTest::newRow("DXF, steep") << "cam.dxf" << 20.0 << 8.0 << QByteArray("  0") << steep;
    QTest::newRow("PDF") << "cam.pdf" << 30.0 << 8.0 << QByteArray("%PDF-") << QString();
    QTest::newRow("PNG") << "cam.png" << 30.0 << 8.0 << QByteArray("\x89PNG") << QString();
    // A worksheet's picture of a steep cam is worth the same word as its cut file.
    QTest::newRow("PNG, steep") << "cam.png" << 20.0 << 8.0 << QByteArray("\x89PNG")
                                << QStringLiteral("cam.png is written. The pressure angle reaches");
    QTest::newRow("CSV") << "cam.csv" << 30.0 << 8.0 << QByteArray("angle_deg,") << QString();
    QTest::newRow("undercut, not cut") << "cam.svg" << 4.0 << 30.0 << QByteArray()
                                       << QStringLiteral("The roller is larger than");
    QTest::newRow("too big for the page") << "cam.pdf" << 160.0 << 8.0 << QByteArray()
                                          << QStringLiteral("The cam measures");
}

// Whatever the learner chooses, the file is whole or absent, and the reason is said.
void WorkshopWindowTest::exportsForCutterPrinterAndWorksheet()
{
    QFETCH(QString, file);
    QFETCH(double, baseCircle);
    QFETCH(double, rollerRadius);
    QFETCH(QByteArray, begins);
    QFETCH(QString, told);
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    m_window->dialogs().exportPath = [&path](const QString &suggested) {
        return suggested.endsWith(QStringLiteral(".svg")) ? path : QString();
    };
    m_window->dialogs().pictureSize = [] { return QSize(800, 500); };
    setNumber(m_window->controls().rollerRadius, rollerRadius);
    setNumber(m_window->controls().baseCircle, baseCircle);
    QCOMPARE(m_window->exportDesign(), !begins.isEmpty());
    QFile written(path);
    QCOMPARE(written.exists(), !begins.isEmpty());
    if (written.open(QIODevice::ReadOnly))
        QVERIFY(written.read(begins.size()) == begins);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), begins.isEmpty() ? 0 : 1);
    QCOMPARE(m_told.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty())
        QVERIFY2(m_told.front().startsWith(told), qPrintable(m_told.front()));
    if (file.endsWith(QStringLiteral(".png")))
        QCOMPARE(QImage(path).size(), QSize(800, 500));
}

void WorkshopWindowTest::printsTheTemplateOrSaysWhyNot_data()
{
    QTest::addColumn<double>("baseCircle");
    QTest::addColumn<bool>("printed");
    QTest::newRow("fits the page") << 30.0 << true;
    QTest::newRow("larger than the page") << 160.0 << false;
}

// Printing to a file stands in for the printer the learner would choose.
void WorkshopWindowTest::printsTheTemplateOrSaysWhyNot()
{
    QFETCH(double, baseCircle);
    QFETCH(bool, printed);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("printed.pdf"));
    bool asked = false;
    m_window->dialogs().choosePrinter = [&](QPrinter &printer) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    setNumber(m_window->controls().baseCircle, baseCircle);
    QCOMPARE(m_window->print(), printed);
    QCOMPARE(asked, printed);
    QCOMPARE(QFile::exists(path), printed);
    QCOMPARE(m_told.size(), printed ? 0 : 1);
}

// A reader asks a choice for its value and its text before its list was ever opened.
void WorkshopWindowTest::choicesAreReadWithWhatIsChosen()
{
    const WorkshopWindow::Controls controls = m_window->controls();
    for (QComboBox *box : {controls.kind, controls.law, controls.followerType, controls.rotation,
                           controls.holeShape}) {
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
        QVERIFY(reader);
        QCOMPARE(reader->role(), QAccessible::ComboBox);
        QCOMPARE(reader->text(QAccessible::Value), box->currentText());
        QVERIFY(!reader->text(QAccessible::Name).isEmpty());
        QAccessibleTextInterface *text = reader->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), box->currentText());
    }
    controls.law->setCurrentIndex(0);
    controls.law->setCurrentIndex(2);
    QAccessibleInterface *law = QAccessible::queryAccessibleInterface(controls.law);
    QCOMPARE(law->text(QAccessible::Value), controls.law->itemText(2));
}

// On a screen it can fit, the window opens within it, the warnings below the cam in sight: a
// school laptop's 1366 × 768 is tried by a run of its own.
void WorkshopWindowTest::opensWithinTheScreen()
{
    WorkshopWindow window;
    const QRect room = window.screen()->availableGeometry();
    if (room.width() < window.minimumSizeHint().width()
        || room.height() < window.minimumSizeHint().height() + 40)
        QSKIP("This screen is smaller than the workshop can be.");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(window.width() <= room.width() && window.height() <= room.height(),
             qPrintable(QStringLiteral("%1 × %2").arg(window.width()).arg(window.height())));
    const QLabel *warnings = window.controls().warnings;
    const QRect shown(warnings->mapTo(&window, QPoint(0, 0)), warnings->size());
    QVERIFY(window.rect().contains(shown));
}
