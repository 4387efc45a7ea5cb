// Kestrilon started from a shell or a menu: what each command line answers without a display,
// and whether the manual page and the desktop files name the program as it names itself.
#include "app/startup.h"
#include "camdesign/designfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

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
    void exportAtAShell_data();
    void exportAtAShell();
    void exportNeverLosesAFile_data();
    void exportNeverLosesAFile();
    void exportOnAFullDisk_data();
    void exportOnAFullDisk();
    void manualAndDesktopFiles();
};

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("standardOutput"); // patterns for the whole text
    QTest::addColumn<QString>("standardError");
    const QString help = QStringLiteral(
        "Usage: kestrilon \\[options\\] \\[design.kcam\\]\n.*--help.*--version.*--workshop.*"
        "--export.*\n");
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
    QTest::newRow("two designs") << QStringList{"a.kcam", "b.kcam"} << none << 2 << QString()
                                 << refused("Unexpected argument 'b.kcam'.");
    QTest::newRow("export without a design")
        << QStringList{"--export", "out.csv"} << none << 2 << QString()
        << refused("--export needs the design file to export.");
    QTest::newRow("a design, no display") << QStringList{"toy.kcam"} << none << 1 << QString()
                                          << noDisplay;
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

void TestStartup::exportAtAShell_data()
{
    QTest::addColumn<QByteArray>("design");
    QTest::addColumn<QString>("output"); // in the temporary folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("standardError"); // a pattern; DIR stands for the folder
    QTest::addColumn<QByteArray>("firstLine");  // of the file written, when one is

    const QByteArray good = R"({"format": "kestrilon-cam", "version": 1, "name": "Toy cam",
        "rotation": "clockwise", "baseCircleRadius": 12, "shaftHoleDiameter": 8,
        "follower": {"type": "knife-edge", "offset": 0}, "segments": [
        {"kind": "rise", "angle": 180, "height": 20, "law": "simple-harmonic"},
        {"kind": "return", "angle": 180, "height": 20, "law": "simple-harmonic"}]})";
    QByteArray open = good;
    open.replace(R"("height": 20, "law": "simple-harmonic"}])", R"("height": 5, "law": "simple-harmonic"}])");
    const QByteArray header = "angle_deg,lift_mm,velocity_mm_per_rad,acceleration_mm_per_rad2,"
                              "jerk_mm_per_rad3,pressure_angle_deg,pitch_radius_of_curvature_mm";

    const QByteArray undercut = R"({"format": "kestrilon-cam", "version": 1, "name": "Big roller",
        "rotation": "anticlockwise", "baseCircleRadius": 10, "shaftHoleDiameter": 8,
        "follower": {"type": "roller", "radius": 25}, "segments": [
        {"kind": "rise", "angle": 45, "height": 20, "law": "cycloidal"},
        {"kind": "dwell", "angle": 135},
        {"kind": "return", "angle": 90, "height": 20, "law": "cycloidal"},
        {"kind": "dwell", "angle": 90}]})";
    const QString steep = "kestrilon: warning: The pressure angle reaches [0-9.]+°, past the "
                          "limit of 30°, so the follower may stick\\.\n";

    // A steep pressure angle is a warning, written all the same.
    QByteArray tight = good;
    tight.replace(R"("baseCircleRadius": 12)", R"("baseCircleRadius": 6)");
    QTest::newRow("motion table") << good << "table.csv" << 0 << QString() << header;
    QTest::newRow("laser cut, SVG") << good << "cam.svg" << 0 << QString()
                                    << QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>)");
    QTest::newRow("laser cut, DXF") << good << "cam.dxf" << 0 << QString() << QByteArray("0");
    QTest::newRow("paper template") << good << "cam.pdf" << 0 << QString()
                                    << QByteArray("%PDF-1.4");
    QTest::newRow("steep, cut all the same") << tight << "cam.dxf" << 0 << steep
                                             << QByteArray("0");
    QTest::newRow("undercut")
        << undercut << "cam.svg" << 1
        << "kestrilon: The roller is larger than the sharpest bend of its path \\(from [^)]*\\), "
           "so the cam would be undercut there\\.\n"
        << QByteArray();
    QTest::newRow("undercut, motion table still written")
        << undercut << "table.csv" << 0 << steep << header;
    QTest::newRow("ending in capitals") << good << "TABLE.CSV" << 0 << QString() << header;
    QTest::newRow("unknown ending")
        << good << "table.xls" << 2
        << "kestrilon: cannot export to 'DIR/table.xls': the file name must end in \\.csv[^\n]*\n"
        << QByteArray();
    QTest::newRow("not a design") << QByteArray("cam: pear") << "table.csv" << 1
                                  << "kestrilon: DIR/design.kcam: Line 1, column 1: a value is "
                                     "expected here, not \"cam\"\\.\n"
                                  << QByteArray();
    QTest::newRow("does not close")
        << open << "table.csv" << 1
        << "kestrilon: DIR/design.kcam: The rises and returns do not cancel: the follower ends "
           "15 mm from where it started\\.\n"
        << QByteArray();
    QTest::newRow("folder that is not there")
        << good << "missing/table.csv" << 1
        << "kestrilon: The motion table cannot be written to DIR/missing/table.csv: [^\n]*\n"
        << QByteArray();
}

// The export runs at a shell with no display at all, and leaves no file behind when it fails.
void TestStartup::exportAtAShell()
{
    QFETCH(QByteArray, design);
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    QFETCH(QString, standardError);
    QFETCH(QByteArray, firstLine);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("design.kcam")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(design);
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(env);
    const QString outputPath = dir.filePath(output);
    process.start(program, {QStringLiteral("--export"), outputPath, file.fileName()});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), exitCode);
    const QString pattern = QString(standardError).replace(
        QStringLiteral("DIR"), QRegularExpression::escape(dir.path()));
    QVERIFY2(QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(pattern)).match(error).hasMatch(),
             qPrintable(error));
    QFile written(outputPath);
    QCOMPARE(written.exists(), !firstLine.isEmpty());
    if (written.open(QIODevice::ReadOnly))
        QCOMPARE(written.readLine().trimmed(), firstLine);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), firstLine.isEmpty() ? 1 : 2);
}

void TestStartup::exportNeverLosesAFile_data()
{
    QTest::addColumn<QString>("designName");
    QTest::addColumn<QString>("output");      // as given on the command line, from the folder
    QTest::addColumn<QString>("keptFile");    // what must come through unchanged
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("standardError");
    for (const char *ending : {"csv", "svg", "dxf", "pdf", "png"}) {
        const QString output = QStringLiteral("good.") + QLatin1String(ending);
        QTest::addRow("full disk, %s", ending)
            << "design.kcam" << output << output << true
            << "kestrilon: [^\n]*(?:File too large|could not)[^\n]*\n";
    }
    const QString itself = "kestrilon: cannot export to '%1': it is the design file itself\\.\n";
    QTest::newRow("over its own design") << "same.csv" << "same.csv" << "same.csv" << false
                                         << itself.arg("same\\.csv");
    QTest::newRow("over its own design, ./") << "same.svg" << "./same.svg" << "same.svg" << false
                                             << itself.arg("\\./same\\.svg");
    QTest::newRow("through a link to its design")
        << "keepme.kcam" << "alias.csv" << "keepme.kcam" << false << itself.arg("alias\\.csv");
}

// A failed export says so, exits 1 and leaves what was there as it was: a full disk, or an
// output that is, by some road, the design being exported.
void TestStartup::exportNeverLosesAFile()
{
    QFETCH(QString, designName);
    QFETCH(QString, output);
    QFETCH(QString, keptFile);
    QFETCH(bool, fullDisk);
    QFETCH(QString, standardError);
    const QByteArray design = R"({"format": "kestrilon-cam", "version": 1, "name": "Toy cam",
        "rotation": "clockwise", "baseCircleRadius": 20, "shaftHoleDiameter": 8,
        "follower": {"type": "roller", "radius": 5, "offset": 0}, "segments": [
        {"kind": "rise", "angle": 180, "height": 10, "law": "cycloidal"},
        {"kind": "return", "angle": 180, "height": 10, "law": "cycloidal"}]})";
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto put = [&dir](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(put(designName, design));
    if (output == QLatin1String("alias.csv"))
        QVERIFY(QFile::link(designName, dir.filePath(output)));
    else if (output != designName && output != QLatin1String("./") + designName)
        QVERIFY(put(output, "the learner's earlier file\n"));
    QFile kept(dir.filePath(keptFile));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const QByteArray before = kept.readAll();
    kept.close();

    QProcess process;
    process.setWorkingDirectory(dir.path());
    if (fullDisk) {
        // Files may not grow past 200 bytes in the export, and fail as on a full disk.
        process.setChildProcessModifier([] {
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 200;
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN);
        });
    }
    process.start(program, {QStringLiteral("--export"), output, designName});
    QVERIFY(process.waitForFinished(60000));
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(standardError))
                 .match(error).hasMatch(),
             qPrintable(error));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), before);
}

void TestStartup::exportOnAFullDisk_data()
{
    QTest::addColumn<QString>("output");
    for (const char *ending : {"csv", "svg", "dxf", "pdf", "png"})
        QTest::newRow(ending) << QStringLiteral("good.") + QLatin1String(ending);
}

// A real full disk: a 1 MB memory file system of its own, in a mount namespace of its own
// where the system allows one. The export that finds no room says so, exits 1 and leaves the
// file it was to replace as it was.
void TestStartup::exportOnAFullDisk()
{
    QFETCH(QString, output);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile design(dir.filePath(QStringLiteral("design.kcam")));
    QVERIFY(design.open(QIODevice::WriteOnly));
    design.write(R"({"format": "kestrilon-cam", "version": 1, "name": "Toy cam",
        "rotation": "clockwise", "baseCircleRadius": 20, "shaftHoleDiameter": 8,
        "follower": {"type": "roller", "radius": 5, "offset": 0}, "segments": [
        {"kind": "rise", "angle": 180, "height": 10, "law": "cycloidal"},
        {"kind": "return", "angle": 180, "height": 10, "law": "cycloidal"}]})");
    design.close();
    const QString disk = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("disk")));
    // Inside the namespace: mount, export once, keep a copy, fill the disk, export again.
    // What the copy and the complaint are kept in lies off the full disk.
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=1m tmpfs \"$1\" || exit 77; cd \"$1\" || exit 2; "
        "cp \"$2\" design.kcam && \"$3\" --export \"$4\" design.kcam || exit 3; "
        "cp \"$4\" \"$5\" || exit 4; "
        "dd if=/dev/zero of=fill bs=4096 2>/dev/null; "
        "\"$3\" --export \"$4\" design.kcam 2>\"$5.err\"; echo \"status $?\"; "
        "cmp -s \"$4\" \"$5\" && echo kept; cat \"$5.err\"");
    QProcess process;
    process.start(QStringLiteral("unshare"),
                  {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                   QStringLiteral("sh"), disk, design.fileName(), program, output,
                   dir.filePath(QStringLiteral("before"))});
    if (!process.waitForStarted(60000))
        QSKIP("unshare is not installed here");
    QVERIFY(process.waitForFinished(120000));
    if (process.exitCode() == 77 || process.exitCode() == 1)
        QSKIP("this system lets no test mount a file system of its own");
    const QString said = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(said.startsWith(QStringLiteral("status 1\nkept\nkestrilon: ")),
             qPrintable(said + QString::fromLocal8Bit(process.readAllStandardError())));
    QVERIFY2(said.contains(QStringLiteral("No space left on device")), qPrintable(said));
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
    QCOMPARE(options, 10);

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
    // The workshop's own menu entry opens design files, by the type the package installs.
    const QString workshop = readText(id + QStringLiteral(".Workshop.desktop"));
    QCOMPARE(found(workshop, QStringLiteral("^Exec=(.*)$")), exe + QStringLiteral(" --workshop %f"));
    QCOMPARE(found(workshop, QStringLiteral("^MimeType=(.*)$")),
             QLatin1String(camdesign::designMimeType) + QLatin1Char(';'));
    QVERIFY(readText(id + QStringLiteral(".mime.xml"))
                .contains(QStringLiteral("<mime-type type=\"%1\">")
                              .arg(QLatin1String(camdesign::designMimeType))));
    QVERIFY(readText(id + QStringLiteral(".mime.xml"))
                .contains(QStringLiteral("<glob pattern=\"*.%1\"/>")
                              .arg(QLatin1String(camdesign::designSuffix))));
    QCOMPARE(found(metainfo, QStringLiteral("<id>(.*)</id>")), id);
    QCOMPARE(found(metainfo, QStringLiteral("<launchable type=\"desktop-id\">(.*)</launchable>")),
             id + QStringLiteral(".desktop"));
    QCOMPARE(found(metainfo, QStringLiteral("<binary>(.*)</binary>")), exe);
    QCOMPARE(found(metainfo, QStringLiteral("<developer id=\"(.*)\">")),
             id.section(QLatin1Char('.'), 0, 1));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
