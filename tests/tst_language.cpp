// The program in each language it speaks: which language a desktop gets, every text the
// learner reads or hears, the whole test played and scored alike, and the lettering pictures.
#include "cams.h"
#include "spoken.h"
#include "animation/camrecords.h"
#include "app/liftgraph.h"
#include "app/simulationwindow.h"
#include "app/language.h"
#include "forms/picture.h"
#include "forms/textbox.h"
#include "pictures/loadpicture.h"
#include "quiz/testwindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QAccessible>
#include <QTest>

using animation::Cam;

namespace {

// What a reader hears of a slider's value.
QString spokenValue(QWidget *slider)
{
    return QAccessible::queryAccessibleInterface(slider)->textInterface()->text(0, -1);
}

const QStringList languages{QString(), QStringLiteral("de"), QStringLiteral("fr"),
                            QStringLiteral("es")};

void answer(TestWindow &quiz, QChar cam)
{
    forms::Picture *picture = quiz.answerPicture(camLettered(cam));
    QTest::mouseClick(quiz.surface(), Qt::LeftButton, {}, picture->area().center());
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(language::use(QString())); }
    void chosen_data();
    void chosen();
    void asked_data();
    void asked();
    void texts_data();
    void texts();
    void wholeTest_data();
    void wholeTest();
    void graphsTold_data();
    void graphsTold();
    void stepsCounted_data();
    void stepsCounted();
};

void TestLanguage::chosen_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("LANG=C, LANGUAGE=de") << QStringList{"de"} << "C" << QString();
    QTest::newRow("LANG=POSIX, LANGUAGE=fr") << QStringList{"fr"} << "POSIX" << QString();
    QTest::newRow("LANG=de_DE, LANGUAGE=fr") << QStringList{"fr", "de-DE"} << "de_DE" << "fr";
    QTest::newRow("en_US before German") << QStringList{"en-US", "de-DE"} << "" << QString();
    QTest::newRow("de_AT") << QStringList{"de-AT"} << QString() << "de";
    QTest::newRow("es_MX, capitals") << QStringList{"ES_mx"} << QString() << "es";
    QTest::newRow("pt, then fr") << QStringList{"pt-BR", "fr-FR"} << QString() << "fr";
    QTest::newRow("only Japanese") << QStringList{"ja-JP"} << QString() << QString();
    QTest::newRow("nothing") << QStringList{} << QString() << QString();
}

// The desktop's list, and --lang, whose name "C" or "pt" is refused.
void TestLanguage::chosen()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, locale);
    QFETCH(QString, chosen);
    QCOMPARE(language::choose(preferred, locale), chosen);
}

// A language asked for by name, as on the command line.
void TestLanguage::asked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("spoken");
    QTest::addColumn<QString>("code");
    QTest::newRow("en_GB") << "en_GB" << true << "";
    QTest::newRow("DE") << "DE" << true << "de";
    QTest::newRow("es-419") << "es-419" << true << "es";
    QTest::newRow("pt") << "pt" << false << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("C") << "C" << false << "";
}

void TestLanguage::asked()
{
    QFETCH(QString, name);
    QFETCH(bool, spoken);
    QString got = QStringLiteral("unset");
    QCOMPARE(language::asked(name, &got), spoken);
    if (spoken)
        QTEST(got, "code");
}

void TestLanguage::texts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");
    // SimulationWindow's caption, menu, spoken scroll bar and its count; TestWindow's caption,
    // opening line, the button's three captions, "You Scored", the score said as a sentence.
    QTest::newRow("en") << QString() << QStringList{
        "Cam Simulation by the Kestrilon team", "Test", "Exit", "Time between pictures",
        "500 milliseconds", "Kestrilon Test by the Kestrilon team",
        "Please click on the start button to begin the test", "Click to Start",
        "Next Question", "Another Go ?", "You Scored", spoken::score(5, 10)};
    QTest::newRow("de") << "de" << QStringList{
        "Kurvenscheiben-Simulation vom Kestrilon-Team", "Test", "Beenden",
        "Zeit zwischen den Bildern", "500 Millisekunden", "Kestrilon-Test vom Kestrilon-Team",
        "Klicke auf „Test starten“, um den Test zu beginnen.", "Test starten",
        "Nächste Frage", "Noch einmal?", "Ergebnis", "Du hast 5 von 10 Punkten erreicht"};
    QTest::newRow("fr") << "fr" << QStringList{
        "Simulation de cames par l’équipe Kestrilon", "Test", "Quitter",
        "Temps entre les images", "500 millisecondes", "Test Kestrilon par l’équipe Kestrilon",
        "Cliquez sur «\u202FCommencer\u202F» pour lancer le test.", "Commencer",
        "Continuer", "Recommencer", "Votre score", "Vous avez obtenu 5 sur 10"};
    QTest::newRow("es") << "es" << QStringList{
        "Simulación de levas del equipo Kestrilon", "Prueba", "Salir", "Tiempo entre imágenes",
        "500 milisegundos", "Prueba Kestrilon del equipo Kestrilon",
        "Haz clic en «Empezar» para comenzar la prueba.", "Empezar",
        "Siguiente", "¿Otra vez?", "Tu nota", "Has obtenido 5 de 10"};
}

// What the learner reads at each moment; every question is its own translation; Qt's own
// texts and the lettering pictures follow the language.
void TestLanguage::texts()
{
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    QVERIFY(language::use(code));

    SimulationWindow simulation;
    TestWindow quiz;
    quiz.show();
    QStringList seen{simulation.windowTitle(), simulation.testAction()->text(),
                     simulation.exitAction()->text(), simulation.speed()->accessibleName(),
                     spokenValue(simulation.speed()), quiz.windowTitle(),
                     quiz.controls().questionBox->text(), quiz.controls().button->text()};
    QSet<QString> asked;
    for (int i = 0; i < quiz::questionCount; ++i) {
        QTest::mouseClick(quiz.controls().button, Qt::LeftButton);
        const QString question = quiz.controls().questionBox->text();
        QCOMPARE(question == QLatin1String(quiz::questions[std::size_t(i)].text), code.isEmpty());
        asked.insert(question);
        answer(quiz, 'S');
        if (i == 0)
            seen << quiz.controls().button->text();
    }
    QCOMPARE(asked.size(), quiz::questionCount);
    QTest::mouseClick(quiz.controls().button, Qt::LeftButton);
    seen << quiz.controls().button->text() << quiz.controls().scoreCaption->text()
         << quiz.controls().scoreCaption->accessibleName();
    QCOMPARE(seen, expected);

    if (code.isEmpty())
        return;
    for (const char *file : {"cams-title.bmp", "graph-title.bmp", "label-pear.bmp",
                             "label-double-lobe.bmp", "label-snail.bmp"}) {
        QVERIFY(language::use(QString()));
        const QImage english = pictures::loadPicture(QString::fromLatin1(file)).toImage();
        QVERIFY(language::use(code));
        const QImage own = pictures::loadPicture(QString::fromLatin1(file)).toImage();
        QCOMPARE(own.size(), english.size());
        QVERIFY2(own != english, file);
    }
    QCOMPARE(pictures::loadPicture(QStringLiteral("icon-pear.bmp")).toImage(),
             QImage(QStringLiteral(":/pictures/icon-pear.bmp")));
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                      + QStringLiteral("/qtbase_%1.qm").arg(code)))
        QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QLatin1String("&Undo"));
}

void TestLanguage::wholeTest_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("score");
    for (const QString &code : languages) {
        const QByteArray name = code.isEmpty() ? "en" : code.toLatin1();
        QTest::addRow("%s, right", name.constData()) << code << "SDPSDSPSDS" << 10;
        QTest::addRow("%s, all pears", name.constData()) << code << "PPPPPPPPPP" << 2;
    }
}

// The test plays and scores the same in every language, and another go starts it afresh.
void TestLanguage::wholeTest()
{
    QFETCH(QString, code);
    QFETCH(QString, answers);
    QFETCH(int, score);
    QVERIFY(language::use(code));
    TestWindow quiz;
    quiz.show();
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(quiz.controls().button, Qt::LeftButton);
        for (const QChar cam : answers) {
            answer(quiz, cam);
            QTest::mouseClick(quiz.controls().button, Qt::LeftButton);
        }
        QCOMPARE(quiz.controls().scoreBox->text(), QString::number(score));
        QCOMPARE(quiz.controls().answeredBox->text(), QString::number(quiz::questionCount));
        QCOMPARE(quiz.controls().button->text(), TestWindow::tr("Another Go ?"));
    }
}

void TestLanguage::graphsTold_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("cam");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told"); // after one cycle
    const int pear = int(animation::Cam::Pear), snail = int(animation::Cam::Snail);
    QTest::newRow("en, pear")
        << QString() << pear << "Lift graph of the pear cam"
        << spoken::graph(1, spoken::pearCycle);
    QTest::newRow("en, snail")
        << QString() << snail << "Lift graph of the snail cam"
        << spoken::graph(1, spoken::snailCycle);
    QTest::newRow("de, pear")
        << "de" << pear << "Hubdiagramm der Birnen-Kurvenscheibe"
        << "1 Zyklus gezeichnet. Jeder Zyklus hat 8 Schritte. Der Stößel beginnt in seiner "
           "höchsten Stellung. Er fällt schnell in 2 Schritten auf 17 Prozent des maximalen "
           "Hubs. Er ruht 4 Schritte lang. Er steigt schnell in 2 Schritten bis zum maximalen "
           "Hub.";
    QTest::newRow("de, snail")
        << "de" << snail << "Hubdiagramm der Schnecken-Kurvenscheibe"
        << "1 Zyklus gezeichnet. Jeder Zyklus hat 7 Schritte. Der Stößel beginnt bei 14 "
           "Prozent des maximalen Hubs. Er steigt langsam in 6 Schritten bis zum maximalen "
           "Hub. Er fällt schnell in einem Schritt auf 14 Prozent des maximalen Hubs.";
    QTest::newRow("fr, pear")
        << "fr" << pear << "Courbe de levée de la came en poire"
        << "1 cycle tracé. Chaque cycle compte 8 pas. Le poussoir part de sa levée maximale. "
           "Il descend rapidement en 2 pas jusqu’à 17 pour cent de sa levée maximale. Il reste "
           "immobile pendant 4 pas. Il monte rapidement en 2 pas jusqu’à sa levée maximale.";
    QTest::newRow("fr, snail")
        << "fr" << snail << "Courbe de levée de la came en escargot"
        << "1 cycle tracé. Chaque cycle compte 7 pas. Le poussoir part à 14 pour cent de sa "
           "levée maximale. Il monte lentement en 6 pas jusqu’à sa levée maximale. Il descend "
           "rapidement en 1 pas jusqu’à 14 pour cent de sa levée maximale.";
    QTest::newRow("es, pear")
        << "es" << pear << "Curva de elevación de la leva de pera"
        << "1 ciclo trazado. Cada ciclo tiene 8 pasos. El seguidor empieza en su elevación "
           "máxima. Baja rápidamente en 2 pasos hasta el 17 por ciento de su elevación máxima. "
           "Se queda quieto durante 4 pasos. Sube rápidamente en 2 pasos hasta su elevación "
           "máxima.";
    QTest::newRow("es, snail")
        << "es" << snail << "Curva de elevación de la leva de caracol"
        << "1 ciclo trazado. Cada ciclo tiene 7 pasos. El seguidor empieza al 14 por ciento de "
           "su elevación máxima. Sube lentamente en 6 pasos hasta su elevación máxima. Baja "
           "rápidamente en 1 paso hasta el 14 por ciento de su elevación máxima.";
}

// A reader speaks a graph's name and then its description: the cam's graph is told in the
// learner's language, and no graph's words say its name again, traced or not.
void TestLanguage::graphsTold()
{
    QFETCH(QString, code);
    QFETCH(int, cam);
    QFETCH(QString, name);
    QVERIFY(language::use(code));
    SimulationWindow form;
    form.show();
    const auto turning = animation::Cam(cam);
    form.startCam(turning);
    for (std::size_t step = 0; step < animation::camTable(turning).steps.size(); ++step)
        form.tickCam(turning);
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(form.surface());
    int graphs = 0;
    QString told;
    for (int i = 0; i < client->childCount(); ++i) {
        const QAccessibleInterface *graph = client->child(i);
        if (graph->role() != QAccessible::Graphic)
            continue;
        ++graphs;
        const QString description = graph->text(QAccessible::Description);
        QVERIFY2(!description.contains(graph->text(QAccessible::Name)), qPrintable(description));
        for (const animation::CamRecord &record : animation::camRecords)
            QVERIFY2(!description.contains(SimulationWindow::tr(record.table.name)),
                     qPrintable(description));
        if (graph->text(QAccessible::Name) == name)
            told = description;
    }
    QCOMPARE(graphs, int(std::size(animation::allCams)));
    QTEST(told, "told");
}

void TestLanguage::stepsCounted_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QList<QList<int>>>("cycles"); // one graph's cycle each, lifts in twips
    QTest::addColumn<QStringList>("told");
    // A fall, a rest and a rise of a step each; a cycle of a single rising step.
    const QList<QList<int>> singleSteps{{600, 100, 100, 600}, {100, 600}};
    QTest::newRow("en, single steps")
        << QString() << singleSteps
        << QStringList{"1 cycle traced. Each cycle has 3 steps. The follower starts at its "
                       "highest lift. It falls quickly over 1 step to 17 percent of its highest "
                       "lift. It rests for 1 step. It rises quickly over 1 step to its highest "
                       "lift.",
                       "1 cycle traced. Each cycle has 1 step. The follower starts at 17 "
                       "percent of its highest lift. It rises quickly over 1 step to its "
                       "highest lift."};
    // A single step is said in words, in the case its sentence asks for.
    QTest::newRow("de, single steps")
        << "de" << singleSteps
        << QStringList{"1 Zyklus gezeichnet. Jeder Zyklus hat 3 Schritte. Der Stößel beginnt "
                       "in seiner höchsten Stellung. Er fällt schnell in einem Schritt auf 17 "
                       "Prozent des maximalen Hubs. Er ruht einen Schritt lang. Er steigt "
                       "schnell in einem Schritt bis zum maximalen Hub.",
                       "1 Zyklus gezeichnet. Jeder Zyklus hat einen Schritt. Der Stößel "
                       "beginnt bei 17 Prozent des maximalen Hubs. Er steigt schnell in einem "
                       "Schritt bis zum maximalen Hub."};
    QTest::newRow("fr, single steps")
        << "fr" << singleSteps
        << QStringList{"1 cycle tracé. Chaque cycle compte 3 pas. Le poussoir part de sa levée "
                       "maximale. Il descend rapidement en 1 pas jusqu’à 17 pour cent de sa "
                       "levée maximale. Il reste immobile pendant 1 pas. Il monte rapidement "
                       "en 1 pas jusqu’à sa levée maximale.",
                       "1 cycle tracé. Chaque cycle compte 1 pas. Le poussoir part à 17 pour "
                       "cent de sa levée maximale. Il monte rapidement en 1 pas jusqu’à sa "
                       "levée maximale."};
    QTest::newRow("es, single steps")
        << "es" << singleSteps
        << QStringList{"1 ciclo trazado. Cada ciclo tiene 3 pasos. El seguidor empieza en su "
                       "elevación máxima. Baja rápidamente en 1 paso hasta el 17 por ciento de "
                       "su elevación máxima. Se queda quieto durante 1 paso. Sube rápidamente "
                       "en 1 paso hasta su elevación máxima.",
                       "1 ciclo trazado. Cada ciclo tiene 1 paso. El seguidor empieza al 17 por "
                       "ciento de su elevación máxima. Sube rápidamente en 1 paso hasta su "
                       "elevación máxima."};
}

// Counts of one, which no cam of the program draws, said as each language says them: each
// graph is traced one whole cycle, a step 100 twips wide, from a dot at its first lift.
void TestLanguage::stepsCounted()
{
    QFETCH(QString, code);
    QFETCH(QList<QList<int>>, cycles);
    QVERIFY(language::use(code));
    const QPoint origin(1000, 3000);
    QStringList told;
    for (const QList<int> &lifts : cycles) {
        LiftGraph graph(origin, 100 * int(lifts.size() - 1));
        graph.take(origin.x(), origin.y() - lifts[0], origin.x(), origin.y() - lifts[0]);
        for (int i = 1; i < lifts.size(); ++i) {
            graph.take(origin.x() + 100 * (i - 1), origin.y() - lifts[i - 1],
                       origin.x() + 100 * i, origin.y() - lifts[i]);
        }
        told << graph.description();
    }
    QTEST(told, "told");
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
