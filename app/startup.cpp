// Kestrilon's start-up: identity, command line, and the word it gives when there is no display.
#include "startup.h"

#include "language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace startup {

namespace {

// Options every Qt program takes, documented with QGuiApplication and QApplication and used by
// session managers (-session) and testers (-platform). They are Qt's to act on, not ours.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},     {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true}, {"session", true},          {"display", true},
    {"geometry", true},   {"name", true},               {"style", true},
    {"stylesheet", true}, {"qmljsdebugger", true},      {"reverse", false},
    {"widgetcount", false}, {"nograb", false},          {"dograb", false},
};

QString usageLine()
{
    return QStringLiteral("Usage: %1 [options] [design.kcam]").arg(QLatin1String(executableName));
}

// Qt names the program in the usage line only when an application object exists.
QString helpText(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')), usageLine());
    return text;
}

CommandLineAnswer usageError(const QString &complaint, const QCommandLineParser &parser)
{
    CommandLineAnswer answer;
    answer.openWindow = false;
    answer.exitCode = exitUsage;
    answer.standardError =
        QStringLiteral("%1: %2\n").arg(QLatin1String(executableName), complaint)
        + helpText(parser);
    return answer;
}

CommandLineAnswer printed(const QString &text)
{
    CommandLineAnswer answer;
    answer.openWindow = false;
    answer.standardOutput = text;
    return answer;
}

const char noDisplayLine[] =
    "kestrilon: no display to open the window on; "
    "xvfb-run -a kestrilon gives it a virtual one\n";

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::mutex heldMutex;
std::vector<HeldMessage> heldMessages;
QtMessageHandler handlerBefore = nullptr;

// The application object's only fatal message at start-up is that no platform could be
// brought up: with the desktop platforms that means no display could be reached.
void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fflush(stdout);
        std::fputs(noDisplayLine, stderr);
        std::_Exit(exitNoDisplay);
    }
    const std::lock_guard lock(heldMutex);
    heldMessages.push_back({type, context.file, context.line, context.function,
                            context.category, text});
}

const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

} // namespace

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Kestrilon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRILON_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrilon"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kestrilon.org"));
    QGuiApplication::setDesktopFileName(QLatin1String(desktopId));
}

CommandLineAnswer readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform offscreen), never bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Cams turning under a follower, their lift traced on graphs, and a ten-question test;\n"
        "and the cam workshop, where a learner designs a cam from the motion it must give.\n"
        "Given a design file (.kcam), opens it in the cam workshop.\n"
        "Qt's own options, such as -platform and -display, are taken as well."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"),
                                   QStringLiteral("?")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Speak this language: en, de, fr or es, "
                                                 "instead of the desktop's."),
                                  QStringLiteral("code"));
    const QCommandLineOption workshop(QStringLiteral("workshop"),
                                      QStringLiteral("Open the cam workshop instead of the "
                                                     "simulation."));
    const QCommandLineOption exportTo(
        QStringLiteral("export"),
        QStringLiteral("Write the design file given after the options to <file>, as its ending "
                       "says: .csv (the motion table), .svg or .dxf (for a laser cutter), .pdf "
                       "(a template at true size) or .png (a picture), and end. Needs no "
                       "display."),
        QStringLiteral("file"));
    const QCommandLineOption construction(
        QStringLiteral("construction-lines"),
        QStringLiteral("With --export to .svg, .dxf or .pdf: add the base circle and the pitch "
                       "curve, on a layer that is not for cutting."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(lang);
    parser.addOption(workshop);
    parser.addOption(exportTo);
    const QCommandLineOption pictureSize(
        QStringLiteral("size"),
        QStringLiteral("With --export to .png: the picture's size in pixels, such as %1x%2 "
                       "(each side from %3 to %4).")
            .arg(workshop::defaultPictureSize.width())
            .arg(workshop::defaultPictureSize.height())
            .arg(workshop::smallestPictureSide)
            .arg(workshop::largestPictureSide),
        QStringLiteral("WxH"));
    parser.addOption(construction);
    parser.addOption(pictureSize);
    parser.addPositionalArgument(QStringLiteral("design.kcam"),
                                 QStringLiteral("A cam design to open in the workshop."),
                                 QStringLiteral("[design.kcam]"));
    for (const QtOption &qtOption : qtOptions) {
        QCommandLineOption option(QLatin1String(qtOption.name), QString(),
                                  qtOption.takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList withProgram = arguments;
    if (withProgram.isEmpty())
        withProgram.append(QLatin1String(executableName));
    if (!parser.parse(withProgram))
        return usageError(parser.errorText(), parser);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return usageError(QStringLiteral("Unexpected argument '%1'.").arg(positional.at(1)),
                          parser);
    if (parser.isSet(help))
        return printed(helpText(parser));
    if (parser.isSet(version))
        return printed(QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                     QCoreApplication::applicationVersion()));
    CommandLineAnswer answer;
    if (!positional.isEmpty()) {
        answer.task = Task::Workshop;
        answer.designPath = positional.constFirst();
    }
    if (parser.isSet(workshop))
        answer.task = Task::Workshop;
    if (parser.isSet(exportTo)) {
        if (positional.isEmpty())
            return usageError(QStringLiteral("--export needs the design file to export."), parser);
        answer.task = Task::Export;
        answer.exportPath = parser.value(exportTo);
        answer.constructionLines = parser.isSet(construction);
    }
    if (parser.isSet(pictureSize)) {
        const QStringList sides = parser.value(pictureSize).split(QLatin1Char('x'));
        bool wide = false, high = false;
        const int width = sides.size() == 2 ? sides.at(0).toInt(&wide) : 0;
        const int height = sides.size() == 2 ? sides.at(1).toInt(&high) : 0;
        const auto fits = [](int side) {
            return side >= workshop::smallestPictureSide && side <= workshop::largestPictureSide;
        };
        if (!wide || !high || !fits(width) || !fits(height))
            return usageError(QStringLiteral("--size takes a width and a height in pixels from "
                                             "%1 to %2, such as %3x%4, not '%5'.")
                                  .arg(workshop::smallestPictureSide)
                                  .arg(workshop::largestPictureSide)
                                  .arg(workshop::defaultPictureSize.width())
                                  .arg(workshop::defaultPictureSize.height())
                                  .arg(parser.value(pictureSize)),
                              parser);
        answer.pictureSize = QSize(width, height);
    }
    if (parser.isSet(lang)) {
        answer.languageAsked = true;
        if (!language::asked(parser.value(lang), &answer.language))
            return usageError(QStringLiteral("Kestrilon does not speak '%1'; it speaks en, de, "
                                             "fr and es.")
                                  .arg(parser.value(lang)),
                              parser);
    }
    return answer;
}

void holdStartupMessages()
{
    handlerBefore = qInstallMessageHandler(holdMessage);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(handlerBefore);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(heldMutex);
        held.swap(heldMessages);
    }
    for (const HeldMessage &message : held) {
        const QMessageLogger logger(orNull(message.file), message.line,
                                    orNull(message.function), orNull(message.category));
        const QByteArray text = message.text.toUtf8();
        switch (message.type) {
        case QtDebugMsg:
            logger.debug("%s", text.constData());
            break;
        case QtInfoMsg:
            logger.info("%s", text.constData());
            break;
        case QtWarningMsg:
            logger.warning("%s", text.constData());
            break;
        case QtCriticalMsg:
        case QtFatalMsg:
            logger.critical("%s", text.constData());
            break;
        }
    }
}

} // namespace startup
