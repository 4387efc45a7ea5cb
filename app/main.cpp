// Kestrilon: cams turning under a follower, their lift traced on graphs, and a ten-question
// test on what the learner saw; or the cam workshop, where a learner designs a cam.
#include "simulationwindow.h"
#include "designexport.h"
#include "language.h"
#include "startup.h"

#include "workshop/workshopwindow.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char *argv[])
{
    startup::setIdentity();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const startup::CommandLineAnswer answer = startup::readCommandLine(arguments);
    if (!answer.openWindow) {
        std::fputs(answer.standardOutput.toLocal8Bit().constData(), stdout);
        std::fputs(answer.standardError.toLocal8Bit().constData(), stderr);
        return answer.exitCode;
    }

    if (answer.task == startup::Task::Export) {
        // Exports are written at a shell with no display, as on a build server; what the
        // toolkit says of that shell (no runtime folder, no fonts configured) is not the
        // learner's business, only whether the file was written.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        QApplication app(argc, argv);
        // Its messages and templates are in English, so their numbers are written as English
        // writes them, whatever the shell's language; the paper still follows its country.
        QLocale::setDefault(QLocale::c());
        const designexport::Outcome outcome =
            designexport::exportDesignFile(answer.designPath, answer.exportPath,
                                           {answer.constructionLines, answer.pictureSize});
        std::fputs(outcome.standardError.toLocal8Bit().constData(), stderr);
        return outcome.exitCode;
    }

    // The workshop's window belongs to its own menu entry, so a dock shows it as the workshop.
    if (answer.task == startup::Task::Workshop)
        QGuiApplication::setDesktopFileName(QLatin1String(startup::workshopDesktopId));
    startup::holdStartupMessages();
    QApplication app(argc, argv);
    startup::releaseStartupMessages();

    language::use(answer.languageAsked ? answer.language : language::fromDesktop());

    if (answer.task == startup::Task::Workshop) {
        workshop::WorkshopWindow workshop;
        workshop.show();
        if (!answer.designPath.isEmpty())
            workshop.openDesign(answer.designPath);
        return QApplication::exec();
    }
    SimulationWindow simulation;
    simulation.show();
    return QApplication::exec();
}
