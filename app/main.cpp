// Kestrilon: cams turning under a follower, their lift traced on graphs,
// and a ten-question test on what the learner saw.
#include "form1.h"
#include "language.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrilon"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRILON_VERSION));

    language::use(language::choose(QLocale::system().uiLanguages()));

    Form1 simulation;
    simulation.show();
    return QApplication::exec();
}
