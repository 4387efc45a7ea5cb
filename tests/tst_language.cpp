// The program in each language it speaks: which language a desktop gets, every text the
// learner reads, the whole test played and scored alike, and the lettering pictures.
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
    forms::Picture *picture = cam == 'S' ? quiz.snailAnswer : cam == 'D' ? quiz.doubleLobeAnswer
                              : quiz.pearAnswer;
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
    void texts_data();
    void texts();
    void wholeTest_data();
    void wholeTest();
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
    for (const auto &[name, spoken, code] :
         {std::tuple{"en_GB", true, ""}, {"DE", true, "de"}, {"es-419", true, "es"},
          {"pt", false, ""}, {"", false, ""}, {"C", false, ""}}) {
        QString got = QStringLiteral("unset");
        QCOMPARE(language::asked(QString::fromUtf8(name), &got), spoken);
        if (spoken)
            QCOMPARE(got, QString::fromUtf8(code));
    }
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
        "Next Question", "Another Go ?", "You Scored", "You scored 5 out of 10"};
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
    QStringList seen{simulation.windowTitle(), simulation.testAction->text(),
                     simulation.exitAction->text(), simulation.speed->accessibleName(),
                     spokenValue(simulation.speed), quiz.windowTitle(),
                     quiz.questionBox->text(), quiz.button->text()};
    QSet<QString> asked;
    for (int i = 0; i < quiz::questionCount; ++i) {
        QTest::mouseClick(quiz.button, Qt::LeftButton);
        const QString question = quiz.questionBox->text();
        QCOMPARE(question == QLatin1String(quiz::questions[std::size_t(i)].text), code.isEmpty());
        asked.insert(question);
        answer(quiz, 'S');
        if (i == 0)
            seen << quiz.button->text();
    }
    QCOMPARE(asked.size(), quiz::questionCount);
    QTest::mouseClick(quiz.button, Qt::LeftButton);
    seen << quiz.button->text() << quiz.scoreCaption->text()
         << quiz.scoreCaption->accessibleName();
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
        QTest::mouseClick(quiz.button, Qt::LeftButton);
        for (const QChar cam : answers) {
            answer(quiz, cam);
            QTest::mouseClick(quiz.button, Qt::LeftButton);
        }
        QCOMPARE(quiz.scoreBox->text(), QString::number(score));
        QCOMPARE(quiz.answeredBox->text(), QString::number(quiz::questionCount));
        QCOMPARE(quiz.button->text(), TestWindow::tr("Another Go ?"));
    }
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
