// Kestrilon as a program started from a shell or a menu: what each command line answers, with
// or without a display, and whether the manual page, the menu entry and the AppStream
// description name the program as it names itself.
#include "app/startup.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString program = QStringLiteral(KESTRILON_EXECUTABLE);
const QString sourceDir = QStringLiteral(KESTRILON_SOURCE_DIR);

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QRegularExpression wholeText(const QString &pattern)
{
    return QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commandLine_data();
    void commandLine();
    void opensOnAPlatformWithoutDisplay();
    void manualNamesEveryOption_data();
    void manualNamesEveryOption();
    void desktopFilesNameTheProgram_data();
    void desktopFilesNameTheProgram();

private:
    struct Finished {
        QProcess::ExitStatus status;
        int exitCode;
        QString standardOutput;
        QString standardError;
    };
    // Runs the program with no display of any kind, plus the given environment variables.
    Finished run(const QStringList &arguments, const QStringList &environment = {});
    QProcessEnvironment displaylessEnvironment() const;

    QTemporaryDir m_runtimeDir; // stands in for XDG_RUNTIME_DIR
};

void TestStartup::initTestCase()
{
    QVERIFY(m_runtimeDir.isValid());
    QVERIFY2(QFileInfo::exists(program), qPrintable(program));
}

QProcessEnvironment TestStartup::displaylessEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
    return environment;
}

TestStartup::Finished TestStartup::run(const QStringList &arguments,
                                       const QStringList &environment)
{
    QProcessEnvironment processEnvironment = displaylessEnvironment();
    for (const QString &setting : environment) {
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        processEnvironment.insert(setting.left(equals), setting.mid(equals + 1));
    }
    QProcess process;
    process.setProcessEnvironment(processEnvironment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {QProcess::CrashExit, -1, QString(), QStringLiteral("still running")};
    }
    return {process.exitStatus(), process.exitCode(),
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("standardOutput"); // patterns for the whole text
    QTest::addColumn<QString>("standardError");

    const QString help = QStringLiteral("Usage: kestrilon \\[options\\]\n.*--help.*--version.*\n");
    const QString version = QStringLiteral("Kestrilon %1\n")
                                .arg(QRegularExpression::escape(QStringLiteral(KESTRILON_VERSION)));
    const QString noDisplay = QStringLiteral("kestrilon: no display[^\n]*xvfb-run -a kestrilon[^\n]*\n");
    const auto refused = [&help](const char *complaint) {
        return QStringLiteral("kestrilon: %1\n").arg(QRegularExpression::escape(
                   QLatin1String(complaint)))
            + help;
    };
    const QStringList none;

    QTest::newRow("--help") << QStringList{"--help"} << none << 0 << help << QString();
    QTest::newRow("-h") << QStringList{"-h"} << none << 0 << help << QString();
    QTest::newRow("-?") << QStringList{"-?"} << none << 0 << help << QString();
    QTest::newRow("--version") << QStringList{"--version"} << none << 0 << version << QString();
    QTest::newRow("-v") << QStringList{"-v"} << none << 0 << version << QString();
    QTest::newRow("--version after Qt's own options")
        << QStringList{"-platform", "xcb", "-style=Fusion", "-reverse", "--version"} << none << 0
        << version << QString();
    QTest::newRow("--version with a display that is not there")
        << QStringList{"--version"} << QStringList{"DISPLAY=:3987"} << 0 << version << QString();

    QTest::newRow("unknown option") << QStringList{"--bogus"} << none << 2 << QString()
                                    << refused("Unknown option 'bogus'.");
    QTest::newRow("unknown letter") << QStringList{"-x"} << none << 2 << QString()
                                    << refused("Unknown option 'x'.");
    QTest::newRow("letters run together") << QStringList{"-hv"} << none << 2 << QString()
                                          << refused("Unknown option 'hv'.");
    QTest::newRow("help beside an unknown option")
        << QStringList{"--help", "--bogus"} << none << 2 << QString()
        << refused("Unknown option 'bogus'.");
    QTest::newRow("an argument") << QStringList{"cams.txt"} << none << 2 << QString()
                                 << refused("Unexpected argument 'cams.txt'.");
    QTest::newRow("Qt's option without its value") << QStringList{"-platform"} << none << 2
                                                   << QString()
                                                   << refused("Missing value after '-platform'.");

    QTest::newRow("no display at all") << none << none << 1 << QString() << noDisplay;
    QTest::newRow("no display, X11 asked for")
        << QStringList{"-platform", "xcb"} << none << 1 << QString() << noDisplay;
    QTest::newRow("X11 display that is not there")
        << none << QStringList{"DISPLAY=:3987"} << 1 << QString() << noDisplay;
    QTest::newRow("Wayland compositor that is not there")
        << none << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=kestrilon-none"} << 1
        << QString() << noDisplay;
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, exitCode);
    QFETCH(QString, standardOutput);
    QFETCH(QString, standardError);

    const Finished finished = run(arguments, environment);
    QCOMPARE(finished.status, QProcess::NormalExit); // no abort, no core dump
    QCOMPARE(finished.exitCode, exitCode);
    QVERIFY2(wholeText(standardOutput).match(finished.standardOutput).hasMatch(),
             qPrintable(finished.standardOutput));
    QVERIFY2(wholeText(standardError).match(finished.standardError).hasMatch(),
             qPrintable(finished.standardError));
}

void TestStartup::opensOnAPlatformWithoutDisplay()
{
    // Qt's -platform reaches Qt: the window opens offscreen and the program keeps running.
    QProcess process;
    process.setProcessEnvironment(displaylessEnvironment());
    process.start(program, {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(process.waitForStarted());
    const bool ended = process.waitForFinished(3000);
    const QString standardError = QString::fromLocal8Bit(process.readAllStandardError());
    process.kill();
    process.waitForFinished();
    QVERIFY2(!ended, qPrintable(QStringLiteral("ended with %1: %2")
                                    .arg(process.exitCode())
                                    .arg(standardError)));
}

void TestStartup::manualNamesEveryOption_data()
{
    QTest::addColumn<QString>("option");
    const Finished help = run({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    const QRegularExpression optionLine(QStringLiteral("^  (-.*?)  "),
                                        QRegularExpression::MultilineOption);
    int options = 0;
    for (const QRegularExpressionMatch &line : optionLine.globalMatch(help.standardOutput)) {
        for (const QString &spelling : line.captured(1).split(QStringLiteral(", "))) {
            const QString option = spelling.section(QLatin1Char(' '), 0, 0);
            QTest::newRow(qPrintable(option)) << option;
            ++options;
        }
    }
    QCOMPARE(options, 5);
}

void TestStartup::manualNamesEveryOption()
{
    QFETCH(QString, option);
    const QString manual = readText(sourceDir + QStringLiteral("/packaging/kestrilon.1.in"));
    QVERIFY(!manual.isEmpty());
    QString roff = option;
    roff.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    QVERIFY2(manual.contains(roff), qPrintable(roff));
}

void TestStartup::desktopFilesNameTheProgram_data()
{
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("expected");

    const QString id = QLatin1String(startup::desktopId);
    const QString executable = QLatin1String(startup::executableName);
    const QString entryPath = sourceDir + QStringLiteral("/packaging/") + id
                              + QStringLiteral(".desktop");
    const QString entry = readText(entryPath);
    const QString metainfo = readText(sourceDir + QStringLiteral("/packaging/") + id
                                      + QStringLiteral(".metainfo.xml.in"));
    QVERIFY2(!entry.isEmpty(), qPrintable(entryPath));
    QVERIFY(!metainfo.isEmpty());

    const auto key = [&entry](const char *name) {
        const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QLatin1String(name)),
                                      QRegularExpression::MultilineOption);
        return line.match(entry).captured(1);
    };
    const auto element = [&metainfo](const char *pattern) {
        return QRegularExpression(QLatin1String(pattern)).match(metainfo).captured(1);
    };

    // X11 window managers see the executable's file name as the WM_CLASS instance.
    QTest::newRow("built program") << QFileInfo(program).fileName() << executable;
    QTest::newRow("entry Exec") << key("Exec") << executable;
    QTest::newRow("entry StartupWMClass") << key("StartupWMClass") << executable;
    QTest::newRow("entry StartupNotify") << key("StartupNotify") << QStringLiteral("true");
    QTest::newRow("entry Icon") << key("Icon") << id;
    QTest::newRow("metainfo id") << element("<id>(.*)</id>") << id;
    QTest::newRow("metainfo launchable")
        << element("<launchable type=\"desktop-id\">(.*)</launchable>")
        << id + QStringLiteral(".desktop");
    QTest::newRow("metainfo binary") << element("<binary>(.*)</binary>") << executable;
    QTest::newRow("metainfo developer id")
        << element("<developer id=\"(.*)\">")
        << id.section(QLatin1Char('.'), 0, 1);
}

void TestStartup::desktopFilesNameTheProgram()
{
    QFETCH(QString, found);
    QFETCH(QString, expected);
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
