// What a screen reader finds on both windows, and that pressing a button
// through it does what a click does.
#include "app/form1.h"
#include "forms/picture.h"
#include "quiz/form2.h"

#include <QAccessible>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

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
    Form1 form;
    form.show();
    for (const QString &name : pressed)
        press(form.surface(), name);
    QTEST(buttons(form.surface()), "offered");
    const QList<forms::Timer *> timers{form.Timer1, form.Timer2, form.Timer3};
    for (int t = 1; t <= 3; ++t)
        QCOMPARE(timers[t - 1]->isEnabled(), t == runningTimer);
}

void TestAccessibility::speedIsNamedWithItsValue()
{
    Form1 form;
    form.show();
    QAccessibleInterface *speed = QAccessible::queryAccessibleInterface(form.speed);
    // Named for what it sets: a larger value is a slower cam.
    QCOMPARE(speed->text(QAccessible::Name), QString("Time between pictures"));
    // Read by its words, as Orca reads a spin button, where it reads a scroll bar's bare value.
    QCOMPARE(speed->role(), QAccessible::SpinBox);
    QVERIFY(speed->textInterface());
    QCOMPARE(speed->textInterface()->text(0, speed->textInterface()->characterCount()),
             QString("500 milliseconds"));
    QCOMPARE(speed->valueInterface()->currentValue().toInt(), 500);
    form.speed->setValue(120);
    QCOMPARE(speed->textInterface()->text(0, -1), QString("120 milliseconds"));
    QCOMPARE(speed->valueInterface()->minimumValue().toInt(), 10);
    QCOMPARE(speed->valueInterface()->maximumValue().toInt(), 1000);
}

void TestAccessibility::testWindowReads()
{
    Form2 quiz;
    quiz.show();
    QCOMPARE(buttons(quiz.surface()),
             (QStringList{"Snail cam", "Double lobe cam", "Pear cam", "Click to Start"}));
    QAccessibleInterface *question = QAccessible::queryAccessibleInterface(quiz.Text1);
    QCOMPARE(question->role(), QAccessible::StaticText);
    QCOMPARE(question->text(QAccessible::Name),
             QString("Please click on the start button to begin the test"));
    QVERIFY(QAccessible::queryAccessibleInterface(quiz.Text4)->state().invisible);

    quiz.Command1->click();
    press(quiz.surface(), "Snail cam");
    QCOMPARE(quiz.score, 1);
    QCOMPARE(question->text(QAccessible::Name), QString("Click on the snail cam."));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
