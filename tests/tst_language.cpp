// The program in each language it speaks: which language a desktop gets, every text the
// learner reads, the whole test played and scored alike, every text inside its box, and the
// lettering pictures of the language.
#include "app/form1.h"
#include "app/language.h"
#include "forms/picture.h"
#include "forms/pictures.h"
#include "forms/textbox.h"
#include "quiz/form2.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

const QStringList languages{QString(), QStringLiteral("de"), QStringLiteral("fr"),
                            QStringLiteral("es")};

QString rowName(const QString &code)
{
    return code.isEmpty() ? QStringLiteral("en") : code;
}

void clickPicture(Form2 &quiz, forms::Picture *picture)
{
    QTest::mouseClick(quiz.surface(), Qt::LeftButton, {}, picture->area().center());
}

forms::Picture *pictureFor(Form2 &quiz, QChar cam)
{
    return cam == 'S' ? quiz.Image5 : cam == 'D' ? quiz.Image3 : quiz.Image4;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void chosenFromTheDesktop_data();
    void chosenFromTheDesktop();
    void askedByName_data();
    void askedByName();
    void qtsOwnTexts_data();
    void qtsOwnTexts();
    void texts_data();
    void texts();
    void everyQuestionIsTranslated_data();
    void everyQuestionIsTranslated();
    void wholeTest_data();
    void wholeTest();
    void letteringForTheLanguage_data();
    void letteringForTheLanguage();
};

void TestLanguage::cleanup()
{
    QVERIFY(language::use(QString()));
}

void TestLanguage::chosenFromTheDesktop_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("LANG=C") << QStringList{"C"} << "C" << QString();
    QTest::newRow("LANG=C, LANGUAGE=de") << QStringList{"de"} << "C" << QString();
    QTest::newRow("LANG=POSIX, LANGUAGE=fr") << QStringList{"fr"} << "POSIX" << QString();
    QTest::newRow("LANG=de_DE, LANGUAGE=fr") << QStringList{"fr", "de-DE"} << "de_DE" << "fr";
    QTest::newRow("en_GB") << QStringList{"en-GB", "en"} << QString() << QString();
    QTest::newRow("en_US before German")
        << QStringList{"en-US", "de-DE"} << QString() << QString();
    QTest::newRow("de_DE") << QStringList{"de-DE", "de", "en-US"} << QString() << "de";
    QTest::newRow("de_AT") << QStringList{"de-AT"} << QString() << "de";
    QTest::newRow("fr_CA") << QStringList{"fr-CA", "fr"} << QString() << "fr";
    QTest::newRow("es_MX written with _") << QStringList{"es_MX"} << QString() << "es";
    QTest::newRow("capitals") << QStringList{"FR-fr"} << QString() << "fr";
    QTest::newRow("Portuguese, then French")
        << QStringList{"pt-BR", "fr-FR"} << QString() << "fr";
    QTest::newRow("only Japanese") << QStringList{"ja-JP", "ja"} << QString() << QString();
    QTest::newRow("nothing") << QStringList{} << QString() << QString();
}

void TestLanguage::chosenFromTheDesktop()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, locale);
    QFETCH(QString, chosen);
    QCOMPARE(language::choose(preferred, locale), chosen);
}

void TestLanguage::askedByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("spoken");
    QTest::addColumn<QString>("code");
    QTest::newRow("en") << "en" << true << QString();
    QTest::newRow("en_GB") << "en_GB" << true << QString();
    QTest::newRow("de") << "de" << true << "de";
    QTest::newRow("DE") << "DE" << true << "de";
    QTest::newRow("fr_CA") << "fr_CA" << true << "fr";
    QTest::newRow("es-419") << "es-419" << true << "es";
    QTest::newRow("pt") << "pt" << false << QString();
    QTest::newRow("nothing") << "" << false << QString();
    QTest::newRow("C") << "C" << false << QString();
}

void TestLanguage::askedByName()
{
    QFETCH(QString, name);
    QFETCH(bool, spoken);
    QFETCH(QString, code);
    QString chosen = QStringLiteral("unset");
    QCOMPARE(language::asked(name, &chosen), spoken);
    if (spoken)
        QCOMPARE(chosen, code);
}

void TestLanguage::qtsOwnTexts_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : languages.mid(1))
        QTest::newRow(qPrintable(code)) << code;
}

// Qt's own texts, such as a text box's context menu, follow the language where the system
// has Qt's translations, and are English again after English is chosen.
void TestLanguage::qtsOwnTexts()
{
    QFETCH(QString, code);
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                         + QStringLiteral("/qtbase_%1.qm").arg(code);
    if (!QFile::exists(file))
        QSKIP("Qt's translations are not installed");
    QVERIFY(language::use(code));
    QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QLatin1String("&Undo"));
    QVERIFY(language::use(QString()));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
}

void TestLanguage::texts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");
    // Form1's caption, its menu, the scroll bar's spoken name, Form2's caption, the opening
    // line, the button's three captions, "You Scored", the score said as a sentence.
    QTest::newRow("en") << QString()
                        << QStringList{"Cam Simulation by the Kestrilon team", "Test", "Exit",
                                       "Time between pictures",
                                       "Kestrilon Test by the Kestrilon team",
                                       "Please click on the start button to begin the test",
                                       "Click to Start", "Next Question", "Another Go ?",
                                       "You Scored", "You scored 5 out of 10"};
    QTest::newRow("de") << "de"
                        << QStringList{"Kurvenscheiben-Simulation vom Kestrilon-Team", "Test",
                                       "Beenden", "Zeit zwischen den Bildern",
                                       "Kestrilon-Test vom Kestrilon-Team",
                                       "Klicke auf den Startknopf, um den Test zu beginnen",
                                       "Zum Starten klicken", "Nächste Frage", "Noch einmal?",
                                       "Ergebnis", "Du hast 5 von 10 Punkten erreicht"};
    QTest::newRow("fr") << "fr"
                        << QStringList{"Simulation de cames par l’équipe Kestrilon", "Test",
                                       "Quitter", "Temps entre les images",
                                       "Test Kestrilon par l’équipe Kestrilon",
                                       "Cliquez sur le bouton de départ pour lancer le test",
                                       "Commencer le test", "Question suivante",
                                       "Encore une fois ?", "Votre score",
                                       "Vous avez obtenu 5 sur 10"};
    QTest::newRow("es") << "es"
                        << QStringList{"Simulación de levas del equipo Kestrilon", "Prueba",
                                       "Salir", "Tiempo entre imágenes",
                                       "Prueba Kestrilon del equipo Kestrilon",
                                       "Haz clic en el botón de inicio para empezar la prueba",
                                       "Clic para empezar", "Siguiente pregunta", "¿Otra vez?",
                                       "Tu nota", "Has obtenido 5 de 10"};
}

// What the learner reads at each moment, in the windows as they are built.
void TestLanguage::texts()
{
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    QVERIFY(language::use(code));

    Form1 simulation;
    Form2 quiz;
    quiz.show();
    QStringList seen{simulation.windowTitle(), simulation.Test->text(),
                     simulation.exit->text(), simulation.speed->accessibleName(),
                     quiz.windowTitle(), quiz.Text1->text(), quiz.Command1->text()};
    QTest::mouseClick(quiz.Command1, Qt::LeftButton);
    clickPicture(quiz, quiz.Image5);
    seen << quiz.Command1->text();
    for (int i = 1; i < quiz::questionCount; ++i) {
        QTest::mouseClick(quiz.Command1, Qt::LeftButton);
        clickPicture(quiz, quiz.Image5);
    }
    QTest::mouseClick(quiz.Command1, Qt::LeftButton);
    seen << quiz.Command1->text() << quiz.Text4->text() << quiz.Text4->accessibleName();
    QCOMPARE(seen, expected);
}

void TestLanguage::everyQuestionIsTranslated_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : languages.mid(1))
        QTest::newRow(qPrintable(code)) << code;
}

// Each question is shown in the language, and none is left in English.
void TestLanguage::everyQuestionIsTranslated()
{
    QFETCH(QString, code);
    QVERIFY(language::use(code));
    Form2 quiz;
    QSet<QString> asked;
    for (int i = 0; i < quiz::questionCount; ++i) {
        QTest::mouseClick(quiz.Command1, Qt::LeftButton);
        const QString question = quiz.Text1->text();
        QVERIFY2(question != QLatin1String(quiz::questions[std::size_t(i)].text),
                 qPrintable(question));
        QCOMPARE(question, Form2::tr(quiz::questions[std::size_t(i)].text));
        asked.insert(question);
        clickPicture(quiz, quiz.Image4);
    }
    QCOMPARE(asked.size(), quiz::questionCount);
}

void TestLanguage::wholeTest_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("score");
    for (const QString &code : languages) {
        QTest::addRow("%s, right answers", qPrintable(rowName(code)))
            << code << "SDPSDSPSDS" << 10;
        QTest::addRow("%s, all pears", qPrintable(rowName(code))) << code << "PPPPPPPPPP" << 2;
    }
}

// The test plays and scores the same in every language, and another go starts it afresh.
void TestLanguage::wholeTest()
{
    QFETCH(QString, code);
    QFETCH(QString, answers);
    QFETCH(int, score);
    QVERIFY(language::use(code));
    Form2 quiz;
    quiz.show();
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(quiz.Command1, Qt::LeftButton);
        for (const QChar cam : answers) {
            clickPicture(quiz, pictureFor(quiz, cam));
            QVERIFY(quiz.Command1->isVisible());
            QTest::mouseClick(quiz.Command1, Qt::LeftButton);
        }
        QVERIFY(quiz.Text4->isVisible());
        QCOMPARE(quiz.Text2->text(), QString::number(score));
        QCOMPARE(quiz.Text3->text(), QString::number(quiz::questionCount));
        QCOMPARE(quiz.Command1->text(), Form2::tr("Another Go ?"));
    }
}

void TestLanguage::letteringForTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");
    for (const QString &code : languages.mid(1)) {
        for (const char *file : {"cams-title.bmp", "graph-title.bmp", "label-pear.bmp",
                                 "label-double-lobe.bmp", "label-snail.bmp"})
            QTest::addRow("%s %s", qPrintable(code), file) << code << QString::fromLatin1(file);
    }
}

// The lettering of a language is its own picture, of the English picture's size; the
// pictures without words are the English ones.
void TestLanguage::letteringForTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, file);
    const QImage english = forms::loadPicture(file).toImage();
    QVERIFY(language::use(code));
    const QImage own = forms::loadPicture(file).toImage();
    QVERIFY(!own.isNull());
    QCOMPARE(own.size(), english.size());
    QVERIFY(own != english);
    QCOMPARE(forms::loadPicture(QStringLiteral("icon-pear.bmp")).toImage(),
             QImage(QStringLiteral(":/pictures/icon-pear.bmp")));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
