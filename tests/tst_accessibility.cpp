// What a screen reader finds on both windows, and that pressing a button
// through it does what a click does.
#include "cams.h"
#include "spoken.h"
#include "animation/camrecords.h"
#include "app/simulationwindow.h"
#include "forms/picture.h"
#include "quiz/testwindow.h"

#include <QAccessible>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using animation::Cam;

namespace {

QStringList buttons(QWidget *surface)
{
    QStringList names;
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(surface);
    for (int i = 0; i < client->childCount(); ++i) {
        QAccessibleInterface *child = client->child(i);
        if (child && child->role() == QAccessible::Button && !child->state().invisible)
            names << child->text(QAccessible::Name);
    }
    return names;
}

void press(QWidget *surface, const QString &name)
{
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(surface);
    for (int i = 0; i < client->childCount(); ++i) {
        QAccessibleInterface *child = client->child(i);
        if (child->text(QAccessible::Name) == name) {
            QCOMPARE(client->indexOfChild(child), i);
            QVERIFY(child->actionInterface());
            child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            return;
        }
    }
    QFAIL(qPrintable("no button " + name));
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void camButtonsFollowWhatAClickWouldReach_data();
    void camButtonsFollowWhatAClickWouldReach();
    void speedIsNamedWithItsValue();
    void graphIsReadAsATeacherWould_data();
    void graphIsReadAsATeacherWould();
    void testWindowReads();
};

void TestAccessibility::camButtonsFollowWhatAClickWouldReach_data()
{
    QTest::addColumn<QStringList>("pressed");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<int>("runningTimer");
    QTest::newRow("idle") << QStringList{}
                          << QStringList{"Start the snail cam", "Start the pear cam",
                                         "Start the double lobe cam"}
                          << 0;
    QTest::newRow("pear started") << QStringList{"Start the pear cam"}
                                  << QStringList{"Start the snail cam",
                                                 "Start the double lobe cam", "Stop the pear cam"}
                                  << 1;
    QTest::newRow("snail started and stopped")
        << QStringList{"Start the snail cam", "Stop the snail cam"}
        << QStringList{"Start the snail cam", "Start the pear cam", "Start the double lobe cam"}
        << 0;
    QTest::newRow("double lobe started") << QStringList{"Start the double lobe cam"}
                                         << QStringList{"Start the snail cam",
                                                        "Start the pear cam",
                                                        "Stop the double lobe cam"}
                                         << 2;
}

void TestAccessibility::camButtonsFollowWhatAClickWouldReach()
{
    QFETCH(QStringList, pressed);
    QFETCH(int, runningTimer);
    SimulationWindow form;
    form.show();
    for (const QString &name : pressed)
        press(form.surface(), name);
    QTEST(buttons(form.surface()), "offered");
    QCOMPARE(runningNumber(form), runningTimer);
}

void TestAccessibility::speedIsNamedWithItsValue()
{
    SimulationWindow form;
    form.show();
    QAccessibleInterface *speed = QAccessible::queryAccessibleInterface(form.speed());
    // Named for what it sets: a larger value is a slower cam.
    QCOMPARE(speed->text(QAccessible::Name), QString("Time between pictures"));
    // Read by its words, as Orca reads a spin button, where it reads a scroll bar's bare value.
    QCOMPARE(speed->role(), QAccessible::SpinBox);
    QVERIFY(speed->textInterface());
    QCOMPARE(speed->textInterface()->text(0, speed->textInterface()->characterCount()),
             QString("500 milliseconds"));
    QCOMPARE(speed->valueInterface()->currentValue().toInt(), 500);
    form.speed()->setValue(120);
    QCOMPARE(speed->textInterface()->text(0, -1), QString("120 milliseconds"));
    QCOMPARE(speed->valueInterface()->minimumValue().toInt(), 10);
    QCOMPARE(speed->valueInterface()->maximumValue().toInt(), 1000);
}

void TestAccessibility::graphIsReadAsATeacherWould_data()
{
    QTest::addColumn<QString>("cam");
    QTest::addColumn<int>("cycles");
    QTest::addColumn<QString>("told");
    QTest::newRow("pear, 1") << "pear" << 1 << spoken::graph(1, spoken::pearCycle);
    QTest::newRow("double lobe, 1")
        << "double lobe" << 1 << spoken::graph(1, spoken::doubleLobeCycle);
    QTest::newRow("snail, 1") << "snail" << 1 << spoken::graph(1, spoken::snailCycle);
    QTest::newRow("pear, 3") << "pear" << 3 << spoken::graph(3, spoken::pearCycle);
    QTest::newRow("double lobe, 3")
        << "double lobe" << 3 << spoken::graph(3, spoken::doubleLobeCycle);
    QTest::newRow("snail, 3") << "snail" << 3 << spoken::graph(3, spoken::snailCycle);
}

void TestAccessibility::graphIsReadAsATeacherWould()
{
    QFETCH(QString, cam);
    QFETCH(int, cycles);
    SimulationWindow form;
    form.show();
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(form.surface());
    QAccessibleInterface *graph = nullptr;
    for (int i = 0; i < client->childCount(); ++i) {
        if (client->child(i)->text(QAccessible::Name) == "Lift graph of the " + cam + " cam")
            graph = client->child(i);
    }
    QVERIFY(graph);
    QCOMPARE(graph->text(QAccessible::Description), spoken::nothingTraced);
    press(form.surface(), "Start the " + cam + " cam");
    const animation::Cam running = camNamed(cam);
    const animation::CamTable &table = animation::camTable(running);
    for (std::size_t step = 0; step < std::size_t(cycles) * table.steps.size(); ++step)
        form.tickCam(running);
    QTEST(graph->text(QAccessible::Description), "told");
}

void TestAccessibility::testWindowReads()
{
    TestWindow quiz;
    quiz.show();
    QCOMPARE(buttons(quiz.surface()),
             (QStringList{"Snail cam", "Double lobe cam", "Pear cam", "Click to Start"}));
    QAccessibleInterface *question =
        QAccessible::queryAccessibleInterface(quiz.controls().questionBox);
    QCOMPARE(question->role(), QAccessible::StaticText);
    QCOMPARE(question->text(QAccessible::Name),
             QString("Please click on the start button to begin the test"));
    QVERIFY(QAccessible::queryAccessibleInterface(quiz.controls().scoreCaption)
                ->state()
                .invisible);

    quiz.controls().button->click();
    press(quiz.surface(), "Snail cam");
    QCOMPARE(quiz.model().score(), 1);
    QCOMPARE(question->text(QAccessible::Name), QString("Click on the snail cam."));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
