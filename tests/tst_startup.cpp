// Kestrilon started from a shell or a menu: what each command line answers without a display,
// and whether the manual page and the desktop files name the program as it names itself.
#include "app/startup.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString program = QStringLiteral(KESTRILON_EXECUTABLE);

QString readText(const QString &name)
{
    QFile file(QStringLiteral(KESTRILON_SOURCE_DIR "/packaging/") + name);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll())
                                                           : QString();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void manualAndDesktopFiles();
};

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
        return QStringLiteral("kestrilon: %1\n")
                   .arg(QRegularExpression::escape(QLatin1String(complaint)))
               + help;
    };
    const QStringList none, absentX{"DISPLAY=:3987"};
    QTest::newRow("--help") << QStringList{"--help"} << none << 0 << help << QString();
    QTest::newRow("-?") << QStringList{"-?"} << none << 0 << help << QString();
    QTest::newRow("-v, absent X") << QStringList{"-v"} << absentX << 0 << version << QString();
    QTest::newRow("--version after Qt's options")
        << QStringList{"-platform", "xcb", "-style=Fusion", "-reverse", "--lang", "de", "--version"}
        << none << 0 << version << QString();
    QTest::newRow("unknown option") << QStringList{"--help", "--bogus"} << none << 2 << QString()
                                    << refused("Unknown option 'bogus'.");
    QTest::newRow("letters together") << QStringList{"-hv"} << none << 2 << QString()
                                      << refused("Unknown option 'hv'.");
    QTest::newRow("an argument") << QStringList{"cams.txt"} << none << 2 << QString()
                                 << refused("Unexpected argument 'cams.txt'.");
    QTest::newRow("-platform alone") << QStringList{"-platform"} << none << 2 << QString()
                                     << refused("Missing value after '-platform'.");
    QTest::newRow("--lang pt") << QStringList{"--lang", "pt"} << none << 2 << QString()
        << refused("Kestrilon does not speak 'pt'; it speaks en, de, fr and es.");
    QTest::newRow("--lang alone") << QStringList{"--lang"} << none << 2 << QString()
                                  << refused("Missing value after '--lang'.");
    QTest::newRow("no display, French") << QStringList{"--lang=fr"} << none << 1 << QString()
                                        << noDisplay;
    QTest::newRow("no display, xcb") << QStringList{"-platform", "xcb"} << none << 1 << QString()
                                     << noDisplay;
    QTest::newRow("absent X") << QStringList() << absentX << 1 << QString() << noDisplay;
    QTest::newRow("absent Wayland")
        << QStringList() << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=kestrilon-none"}
        << 1 << QString() << noDisplay;
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, exitCode);
    QFETCH(QString, standardOutput);
    QFETCH(QString, standardError);
    QTemporaryDir runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    for (const QString &setting : environment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    QCOMPARE(process.exitCode(), exitCode);
    for (const auto &[pattern, text] :
         {std::pair{standardOutput, QString::fromLocal8Bit(process.readAllStandardOutput())},
          {standardError, QString::fromLocal8Bit(process.readAllStandardError())}}) {
        const QRegularExpression whole(QStringLiteral("\\A(?:%1)\\z").arg(pattern),
                                       QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(whole.match(text).hasMatch(), qPrintable(text));
    }
}

// The manual page names each option --help lists; the desktop files use the program's names.
void TestStartup::manualAndDesktopFiles()
{
    QProcess help;
    help.start(program, {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(60000));
    const QString manual = readText(QStringLiteral("kestrilon.1.in"));
    const QRegularExpression optionLine(QStringLiteral("^  (-.*?)  "),
                                        QRegularExpression::MultilineOption);
    int options = 0;
    for (const QRegularExpressionMatch &line : optionLine.globalMatch(help.readAllStandardOutput())) {
        for (const QString &spelling : line.captured(1).split(QStringLiteral(", "))) {
            const QString roff = spelling.section(QLatin1Char(' '), 0, 0).replace('-', "\\-");
            QVERIFY2(manual.contains(roff), qPrintable(roff));
            ++options;
        }
    }
    QCOMPARE(options, 6);

    const QString id = QLatin1String(startup::desktopId);
    const QString exe = QLatin1String(startup::executableName);
    const QString entry = readText(id + QStringLiteral(".desktop"));
    const QString metainfo = readText(id + QStringLiteral(".metainfo.xml.in"));
    const auto found = [](const QString &text, const QString &pattern) {
        return QRegularExpression(pattern, QRegularExpression::MultilineOption)
            .match(text).captured(1);
    };
    QCOMPARE(QFileInfo(program).fileName(), exe); // X11's WM_CLASS instance
    QCOMPARE(found(entry, QStringLiteral("^Exec=(.*)$")), exe);
    QCOMPARE(found(entry, QStringLiteral("^StartupWMClass=(.*)$")), exe);
    QCOMPARE(found(entry, QStringLiteral("^StartupNotify=(.*)$")), QStringLiteral("true"));
    QCOMPARE(found(entry, QStringLiteral("^Icon=(.*)$")), id);
    QCOMPARE(found(metainfo, QStringLiteral("<id>(.*)</id>")), id);
    QCOMPARE(found(metainfo, QStringLiteral("<launchable type=\"desktop-id\">(.*)</launchable>")),
             id + QStringLiteral(".desktop"));
    QCOMPARE(found(metainfo, QStringLiteral("<binary>(.*)</binary>")), exe);
    QCOMPARE(found(metainfo, QStringLiteral("<developer id=\"(.*)\">")),
             id.section(QLatin1Char('.'), 0, 1));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
