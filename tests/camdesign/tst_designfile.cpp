// Design files: what is written reads back the same, every bad file is refused with its own
// message, the motion table has its rows, and no mutated file can make the reader misbehave.
#include "camdesign/designfile.h"
#include "camdesign/motiontable.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace camdesign;

namespace {

// The example every learner starts from, as a teacher would write it by hand.
const char toyCam[] = R"({"format": "kestrilon-cam", "version": 1, "name": "Toy cam",
 "rotation": "anticlockwise", "baseCircleRadius": 30, "shaftHoleDiameter": 8,
 "follower": {"type": "roller", "radius": 8, "offset": 5},
 "segments": [
   {"kind": "rise", "angle": 90, "height": 20, "law": "cycloidal"},
   {"kind": "dwell", "angle": 90},
   {"kind": "return", "angle": 90, "height": 20, "law": "cycloidal"},
   {"kind": "dwell", "angle": 90}]})";

QByteArray replaced(const QByteArray &before, const QByteArray &after)
{
    QByteArray bytes(toyCam);
    return bytes.replace(before, after);
}

// A message shows in a one-line dialog and on a terminal: it must stay short and hold
// nothing that a terminal acts on or that breaks or reorders the line.
void verifyFitsOneLine(const QString &message)
{
    QVERIFY2(message.toUcs4().size() <= 300, qPrintable(message.left(300)));
    for (const char32_t c : message.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        QVERIFY2(category != QChar::Other_Control && category != QChar::Other_Format
                     && category != QChar::Separator_Line
                     && category != QChar::Separator_Paragraph
                     && category != QChar::Other_Surrogate,
                 qPrintable(QStringLiteral("U+%1 in: %2").arg(uint(c), 4, 16, QLatin1Char('0'))
                                .arg(message.left(300))));
    }
}

} // namespace

class DesignFiles : public QObject
{
    Q_OBJECT

private slots:
    void readsTheExample();
    void roundTrips();
    void badFiles_data();
    void badFiles();
    void valuesOutOfRange_data();
    void valuesOutOfRange();
    void readsTexts_data();
    void readsTexts();
    void readsNumbers_data();
    void readsNumbers();
    void readsFromPipe_data();
    void readsFromPipe();
    void largeFileIsRefusedUnread();
    void savingReplacesWhole();
    void motionTable();
    void mutatedFilesNeverMisbehave();
};

void DesignFiles::readsTheExample()
{
    const DesignReading reading = readDesign(toyCam);
    QVERIFY2(reading.design, qPrintable(reading.error));
    const CamDesign &design = *reading.design;
    QCOMPARE(design.name, QStringLiteral("Toy cam"));
    QCOMPARE(design.rotation, Rotation::Anticlockwise);
    QCOMPARE(design.follower.type, FollowerType::Roller);
    QCOMPARE(design.follower.rollerRadius, 8.0);
    QCOMPARE(design.follower.offset, 5.0);
    QCOMPARE(design.hole.diameter, 8.0);
    QCOMPARE(design.segments.size(), std::size_t(4));
    QCOMPARE(design.segments[2].kind, SegmentKind::Return);
    QCOMPARE(design.segments[2].law, MotionLaw::Cycloidal);
}

void DesignFiles::roundTrips()
{
    CamDesign design = newDesign();
    design.name = QStringLiteral("Nockenwelle für den Vogel");
    design.rotation = Rotation::Clockwise;
    design.follower = {FollowerType::FlatFaced, 8, -2.5};
    design.hole = {HoleShape::DFlat, 6.35, 0.6};
    design.segments[0].law = MotionLaw::ModifiedSine;
    design.segments[0].angleDegrees = 100.25;
    design.segments[1].angleDegrees = 79.75;
    design.kerf = 0.15;
    design.speedRpm = 12.5;
    const DesignReading reading = readDesign(writeDesign(design));
    QVERIFY2(reading.design, qPrintable(reading.error));
    QCOMPARE(*reading.design, design);
}

void DesignFiles::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString rotations =
        QStringLiteral("; it must be one of \"anticlockwise\", \"clockwise\".");
    const QByteArray forty(40, 'x');

    QTest::newRow("empty") << QByteArray() << "The file is empty.";
    QTest::newRow("blank") << QByteArray(" \n") << "The file is empty.";
    QTest::newRow("a list") << QByteArray("[1, 2]")
                            << "The file is not a design: it holds no JSON object.";
    QTest::newRow("another format")
        << replaced("kestrilon-cam", "svg-drawing")
        << "This is not a Kestrilon cam design (its format is \"svg-drawing\").";
    QTest::newRow("newer version")
        << replaced("\"version\": 1", "\"version\": 2")
        << "This design was saved by a newer Kestrilon (format version 2); this one reads "
           "version 1.";
    QTest::newRow("version as text") << replaced("\"version\": 1", "\"version\": \"1\"")
                                     << "\"version\" must be a whole number.";
    QTest::newRow("missing name") << replaced("\"name\": \"Toy cam\",", "")
                                  << "The field \"name\" is missing.";
    QTest::newRow("unknown field") << replaced("\"name\"", "\"colour\": \"red\", \"name\"")
                                   << "The field \"colour\" is not part of a design.";
    QTest::newRow("unknown rotation")
        << replaced("\"anticlockwise\"", "\"widdershins\"") << "\"rotation\" is \"widdershins\""
        + rotations;
    QTest::newRow("hole wider than the cam")
        << replaced("\"shaftHoleDiameter\": 8", "\"shaftHoleDiameter\": 70")
        << "The shaft hole (70 mm across) does not fit inside the base circle (radius 30 mm).";
    QTest::newRow("follower is a word")
        << replaced("{\"type\": \"roller\", \"radius\": 8, \"offset\": 5}", "\"roller\"")
        << "The follower: it must be an object with a type and an offset.";
    QTest::newRow("unknown follower") << replaced("\"roller\"", "\"mushroom\"")
                                      << "The follower: \"type\" is \"mushroom\"; it must be one "
                                         "of \"knife-edge\", \"roller\", \"flat-faced\".";
    QTest::newRow("roller without radius")
        << replaced("\"radius\": 8, ", "") << "The follower: the field \"radius\" is missing.";
    QTest::newRow("segments not a list")
        << replaced("\"segments\": [", "\"segments\": {\"a\": [").replace("}]}", "}]}}")
        << "\"segments\" must be a list of segments.";
    QTest::newRow("no segments")
        << QByteArray(toyCam).left(QByteArray(toyCam).indexOf("\"segments\""))
               + "\"segments\": []}"
        << "The design has no segments; a turn needs at least one.";
    QTest::newRow("unknown law")
        << replaced("\"law\": \"cycloidal\"}", "\"law\": \"parabolic\"}")
        << "Segment 1: \"law\" is \"parabolic\"; it must be one of \"constant-velocity\", "
           "\"simple-harmonic\", \"cycloidal\", \"polynomial-345\", \"polynomial-4567\", "
           "\"modified-trapezoid\", \"modified-sine\", \"double-harmonic\".";
    QTest::newRow("dwell with a height")
        << replaced("{\"kind\": \"dwell\", \"angle\": 90}",
                    "{\"kind\": \"dwell\", \"angle\": 90, \"height\": 3}")
        << "Segment 2: the field \"height\" is not part of a design.";
    QTest::newRow("segment without angle")
        << replaced("{\"kind\": \"dwell\", \"angle\": 90}]", "{\"kind\": \"dwell\"}]")
        << "Segment 4: the field \"angle\" is missing.";
    QTest::newRow("angles short of a turn")
        << replaced("{\"kind\": \"dwell\", \"angle\": 90}]",
                    "{\"kind\": \"dwell\", \"angle\": 80}]")
        << "The segments' angles add up to 350°; a turn is 360°.";
    QTest::newRow("does not close")
        << replaced("\"return\", \"angle\": 90, \"height\": 20",
                    "\"return\", \"angle\": 90, \"height\": 15")
        << "The rises and returns do not cancel: the follower ends 5 mm from where it started.";
    QTest::newRow("returns first")
        << replaced("\"rise\"", "\"spare\"").replace("\"return\"", "\"rise\"")
               .replace("\"spare\"", "\"return\"")
        << "Segment 1: the follower would return below where it started.";

    // What a file holds is quoted short, on one line, with its control characters escaped.
    QTest::newRow("line break in a value")
        << replaced("\"anticlockwise\"", "\"anti\\nclockwise\"")
        << "\"rotation\" is \"anti\\nclockwise\"" + rotations;
    QTest::newRow("terminal codes in a value")
        << replaced("\"anticlockwise\"", "\"\\u001b[2J\\u001b[31mred\\u0007\"")
        << "\"rotation\" is \"\\u001B[2J\\u001B[31mred\\u0007\"" + rotations;
    QTest::newRow("line break in the format")
        << replaced("kestrilon-cam", "svg\\r\\ndrawing")
        << "This is not a Kestrilon cam design (its format is \"svg\\r\\ndrawing\").";
    QTest::newRow("NUL in a key") << replaced("\"name\"", "\"col\\u0000our\": 1, \"name\"")
                                  << "The field \"col\\u0000our\" is not part of a design.";
    QTest::newRow("right-to-left override in a key")
        << replaced("\"name\"", "\"\\u202Eruoloc\\u2028\": 1, \"name\"")
        << "The field \"\\u202Eruoloc\\u2028\" is not part of a design.";
    QTest::newRow("forty characters") << replaced("anticlockwise", forty)
                                      << "\"rotation\" is \"" + forty + "\"" + rotations;
    QTest::newRow("forty-one characters")
        << replaced("anticlockwise", QByteArray(41, 'x'))
        << "\"rotation\" is \"" + forty + "…\"" + rotations;
    QTest::newRow("a rotation of 900,000 characters")
        << replaced("anticlockwise", QByteArray(900'000, 'x'))
        << "\"rotation\" is \"" + forty + "…\"" + rotations;
    QTest::newRow("a key of 900,000 characters")
        << replaced("\"name\"", "\"" + QByteArray(900'000, 'k') + "\": 1, \"name\"")
        << "The field \"" + QString(40, u'k') + "…\" is not part of a design.";
    QTest::newRow("an escape where it is cut")
        << replaced("anticlockwise", QByteArray(39, 'x') + "\\n")
        << "\"rotation\" is \"" + QString(39, u'x') + "…\"" + rotations;
    QTest::newRow("emoji where it is cut")
        << replaced("anticlockwise", QByteArray(39, 'x') + "😀😀")
        << "\"rotation\" is \"" + QString(39, u'x') + "😀…\"" + rotations;
    QTest::newRow("a name of 201 emoji")
        << replaced("Toy cam", QByteArray("😀").repeated(201))
        << "\"name\" is 201 characters long; at most 200 fit.";

    // Strict JSON, and where it went wrong as a text editor counts lines and columns.
    QTest::newRow("not JSON") << QByteArray("cam: pear")
                              << "Line 1, column 1: a value is expected here, not \"cam\".";
    QTest::newRow("cut short") << QByteArray(toyCam).left(120)
                               << "Line 2, column 60: the file ends before its JSON is complete.";
    QTest::newRow("text not closed") << QByteArray("{\"name\": \"Toy")
                                     << "Line 1, column 14: the file ends before its JSON is "
                                        "complete.";
    QTest::newRow("a key twice")
        << replaced("\n \"rotation\"", "\n \"name\": \"Again\", \"rotation\"")
        << "Line 2, column 2: the key \"name\" appears twice in one object.";
    QTest::newRow("a tab as it is") << replaced("Toy cam", "Toy\tcam")
                                    << "Line 1, column 55: a text holds a control character as "
                                       "it is; write it as an escape such as \\n or \\t.";
    QTest::newRow("a terminal code as it is")
        << QByteArray("{\"name\": \"\x1b[31m\"}")
        << "Line 1, column 11: a text holds a control character as it is; write it as an escape "
           "such as \\n or \\t.";
    QTest::newRow("unknown escape")
        << QByteArray("{\"name\": \"\\q\"}")
        << "Line 1, column 11: \"\\q\" is not an escape JSON knows; write a backslash as \\\\.";
    QTest::newRow("short \\u") << QByteArray("{\"name\": \"\\u12\"}")
                               << "Line 1, column 11: \\u must be followed by four hexadecimal "
                                  "digits.";
    QTest::newRow("5.") << QByteArray("{\"offset\": 5.}")
                        << "Line 1, column 12: a number needs a digit after its decimal point "
                           "(\"5.\").";
    QTest::newRow(".5") << QByteArray("{\"offset\": .5}")
                        << "Line 1, column 12: a number needs a digit before its decimal point "
                           "(\".5\").";
    QTest::newRow("leading zero") << QByteArray("{\"offset\": 05}")
                                  << "Line 1, column 12: a number may not begin with 0 followed "
                                     "by more digits (\"05\").";
    QTest::newRow("plus sign") << QByteArray("{\"offset\": +5}")
                               << "Line 1, column 12: a value is expected here, not \"+5\".";
    QTest::newRow("a minus alone") << QByteArray("[-]")
                                   << "Line 1, column 2: a number needs a digit after its minus "
                                      "sign (\"-\").";
    QTest::newRow("exponent without digits")
        << QByteArray("[1e+]")
        << "Line 1, column 2: a number needs a digit in its exponent (\"1e+\").";
    QTest::newRow("NaN") << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": NaN")
                         << "Line 2, column 51: a value is expected here, not \"NaN\".";
    QTest::newRow("beyond a double")
        << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": 1e999")
        << "Line 2, column 51: the number 1e999 is too large.";
    QTest::newRow("1e400") << replaced("\"offset\": 5", "\"offset\": 1e400")
                           << "Line 3, column 56: the number 1e400 is too large.";
    QTest::newRow("401 digits") << "[" + QByteArray("1") + QByteArray(400, '0') + "]"
                                << "Line 1, column 2: the number 1" + QString(39, u'0')
                                       + "… is too large.";
    QTest::newRow("byte-order mark")
        << "\xef\xbb\xbf" + QByteArray(toyCam)
        << "Line 1, column 1: the file starts with a byte-order mark; save it as UTF-8 without "
           "one.";
    QTest::newRow("something after the design")
        << QByteArray(toyCam) + "\nx"
        << "Line 9, column 1: the JSON has already ended here, yet \"x\" follows.";
    QTest::newRow("comma before a brace") << QByteArray("{\"a\": 1,}")
                                          << "Line 1, column 9: a key in double quotes is "
                                             "expected here, not \"}\".";
    QTest::newRow("single quotes") << QByteArray("{'a': 1}")
                                   << "Line 1, column 2: a key in double quotes is expected "
                                      "here, not \"'a'\".";
    QTest::newRow("no colon") << QByteArray("{\"a\" 1}")
                              << "Line 1, column 6: \":\" is expected after a key, not \"1\".";
    QTest::newRow("no comma in a list") << QByteArray("[1 2]")
                                        << "Line 1, column 4: \",\" or \"]\" is expected here, "
                                           "not \"2\".";
    QTest::newRow("a hundred thousand brackets")
        << QByteArray(100'000, '[')
        << "Line 1, column 65: lists and objects nest more than 64 deep here.";
    QTest::newRow("Latin-1") << QByteArray("{\"name\": \"f\xfcr\"}")
                             << "Line 1, column 12: the file is not UTF-8 text here; save it as "
                                "UTF-8.";
    QTest::newRow("surrogate in UTF-8") << QByteArray("{\"name\": \"\xed\xa0\x80\"}")
                                        << "Line 1, column 11: the file is not UTF-8 text here; "
                                           "save it as UTF-8.";
    QTest::newRow("columns count characters") << QByteArray("{\"ñ😀\": 1 x}")
                                              << "Line 1, column 10: \",\" or \"}\" is expected "
                                                 "here, not \"x\".";
}

void DesignFiles::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const DesignReading reading = readDesign(bytes);
    QVERIFY(!reading.design);
    QCOMPARE(reading.error, message);
    verifyFitsOneLine(reading.error);
}

// A value out of its range or of the wrong type, put in the field where the example holds it
// (the first segment's, for a segment's field).
void DesignFiles::valuesOutOfRange_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");

    const QString radius = QStringLiteral("\"baseCircleRadius\" is %1 mm; it must be from 1 to "
                                          "500 mm.");
    QTest::newRow("radius as text") << "baseCircleRadius" << "\"30\""
                                    << "\"baseCircleRadius\" must be a number.";
    QTest::newRow("negative radius") << "baseCircleRadius" << "-30" << radius.arg("-30");
    QTest::newRow("zero radius") << "baseCircleRadius" << "0" << radius.arg("0");
    QTest::newRow("a thousandth of a mm") << "baseCircleRadius" << "0.001" << radius.arg("0.001");
    QTest::newRow("ten kilometres") << "baseCircleRadius" << "1e7" << radius.arg("10000000");
    QTest::newRow("roller too small") << "radius" << "0.25"
                                      << "The follower: \"radius\" is 0.25 mm; it must be from "
                                         "0.5 to 200 mm.";
    QTest::newRow("offset too far") << "offset" << "-500.5"
                                    << "The follower: \"offset\" is -500.5 mm; it must be from "
                                       "-500 to 500 mm.";
    QTest::newRow("zero height")
        << "height" << "0" << "Segment 1: \"height\" is 0 mm; it must be from 0.1 to 500 mm.";
}

void DesignFiles::valuesOutOfRange()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    const QString before = QStringLiteral("\"%1\": [0-9]+").arg(field);
    QString text = QString::fromUtf8(toyCam);
    const qsizetype at = text.indexOf(QRegularExpression(before));
    QVERIFY(at >= 0);
    text.replace(at, text.indexOf(QRegularExpression(QStringLiteral("[,}]")), at) - at,
                 QStringLiteral("\"%1\": %2").arg(field, value));
    const DesignReading reading = readDesign(text.toUtf8());
    QVERIFY(!reading.design);
    QCOMPARE(reading.error, message);
}

// Texts as JSON may write them: a lone half of a surrogate pair, which no UTF-8 can carry
// and no SVG or XML allows, reads as U+FFFD, and every name reads back as it was written.
void DesignFiles::readsTexts_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("name");

    QTest::newRow("lone high half") << QByteArray("\\ud800") << QStringLiteral("\uFFFD");
    QTest::newRow("lone low half then a letter") << QByteArray("\\udc00x")
                                                 << QStringLiteral("\uFFFDx");
    QTest::newRow("high half at the end") << QByteArray("a\\ud83d") << QStringLiteral("a\uFFFD");
    QTest::newRow("two high halves and a low") << QByteArray("\\uD83D\\uD83D\\uDE00")
                                               << QStringLiteral("\uFFFD😀");
    QTest::newRow("a pair") << QByteArray("\\ud83d\\ude00") << QStringLiteral("😀");
    QTest::newRow("every short escape") << QByteArray("\\\"\\\\\\/\\b\\f\\n\\r\\t")
                                        << QStringLiteral("\"\\/\b\f\n\r\t");
    QTest::newRow("101 emoji fit") << QByteArray("😀").repeated(101)
                                   << QStringLiteral("😀").repeated(101);
}

void DesignFiles::readsTexts()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, name);
    const DesignReading reading = readDesign(replaced("Toy cam", json));
    QVERIFY2(reading.design, qPrintable(reading.error));
    QCOMPARE(reading.design->name, name);
    const DesignReading again = readDesign(writeDesign(*reading.design));
    QVERIFY2(again.design, qPrintable(again.error));
    QCOMPARE(*again.design, *reading.design);
}

// Numbers as JSON writes them, read to the nearest double; one too small for a double is 0.
void DesignFiles::readsNumbers_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<double>("offset");

    QTest::newRow("1e-400") << QByteArray("1e-400") << 0.0;
    QTest::newRow("-1e-400") << QByteArray("-1e-400") << 0.0;
    QTest::newRow("401 decimals") << "0." + QByteArray(400, '0') + "1" << 0.0;
    QTest::newRow("401 digits and an exponent") << "1" + QByteArray(400, '0') + "e-400" << 1.0;
    QTest::newRow("smallest double") << QByteArray("4.9406564584124654e-324") << 5e-324;
    QTest::newRow("exponent with plus") << QByteArray("2.5E+1") << 25.0;
    QTest::newRow("negative zero") << QByteArray("-0") << 0.0;
    QTest::newRow("zero to a huge power") << QByteArray("0.000e99999999999") << 0.0;
}

void DesignFiles::readsNumbers()
{
    QFETCH(QByteArray, json);
    QFETCH(double, offset);
    const DesignReading reading = readDesign(replaced("\"offset\": 5", "\"offset\": " + json));
    QVERIFY2(reading.design, qPrintable(reading.error));
    QCOMPARE(reading.design->follower.offset, offset);
}

// A pipe tells no size: the reader takes what comes up to one byte past the largest design.
void DesignFiles::readsFromPipe_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray oneMegabyte = QByteArray(toyCam).leftJustified(largestDesignFile, ' ');
    const QString tooLarge = QStringLiteral("The file holds more than 1048576 bytes; a design is "
                                            "never that large.");
    QTest::newRow("the example") << QByteArray(toyCam) << QString();
    QTest::newRow("a megabyte") << oneMegabyte << QString();
    QTest::newRow("a megabyte and a byte") << oneMegabyte + ' ' << tooLarge;
    QTest::newRow("three megabytes")
        << "{\"name\": \"" + QByteArray(3 * 1024 * 1024, 'a') << tooLarge;
}

void DesignFiles::readsFromPipe()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    std::signal(SIGPIPE, SIG_IGN); // the writer learns from write() that the reader has gone
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("stream.kcam")));
    QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    std::thread writer([&path, &bytes] {
        const int fd = ::open(path.constData(), O_WRONLY);
        for (qsizetype at = 0; fd >= 0 && at < bytes.size();) {
            const ssize_t written = ::write(fd, bytes.constData() + at,
                                            size_t(bytes.size() - at));
            if (written <= 0)
                break;
            at += written;
        }
        if (fd >= 0)
            ::close(fd);
    });
    const DesignReading reading = loadDesign(QFile::decodeName(path));
    // Frees the writer should the reader never have opened the pipe.
    const int release = ::open(path.constData(), O_RDONLY | O_NONBLOCK);
    if (release >= 0)
        ::close(release);
    writer.join();
    QCOMPARE(reading.error, message);
    QCOMPARE(bool(reading.design), message.isEmpty());
}

void DesignFiles::largeFileIsRefusedUnread()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.kcam"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(100 * 1024 * 1024)); // sparse: 100 MB of nothing
    file.close();
    const DesignReading reading = loadDesign(path);
    QVERIFY(!reading.design);
    QCOMPARE(reading.error, QStringLiteral("The file is 104857600 bytes; a design is never "
                                           "larger than 1048576 bytes."));
    QVERIFY(loadDesign(dir.filePath(QStringLiteral("absent.kcam"))).error.startsWith(
        QStringLiteral("The file cannot be read: ")));
}

void DesignFiles::savingReplacesWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("toy.kcam"));
    CamDesign design = newDesign();
    QCOMPARE(saveDesign(design, path), QString());
    design.baseCircleRadius = 42;
    QCOMPARE(saveDesign(design, path), QString());
    QCOMPARE(loadDesign(path).design->baseCircleRadius, 42.0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("toy.kcam")});
    const QString refused =
        saveDesign(design, dir.filePath(QStringLiteral("no/such/folder.kcam")));
    QVERIFY2(refused.startsWith(QStringLiteral("The design cannot be saved as folder.kcam: ")),
             qPrintable(refused));
}

// Worked by hand: the new design's row at 45° has s = 10, s′ = 80/π = 25.464791, s″ = 0 and
// s‴ = −20·4π²/(π/2)³ = −203.718327; its roller of 8 on a 30 mm base circle, with no
// offset, stands 38 + 10 mm up, so tan φ = 25.464791/48 = 0.530517 and φ = 27.946°.
void DesignFiles::motionTable()
{
    const MotionTable table = camdesign::motionTable(newDesign());
    QVERIFY(table.error.isEmpty());
    const QList<QByteArray> rows = table.csv.trimmed().split('\n');
    QCOMPARE(rows.size(), 721);
    QCOMPARE(rows.first(), QByteArray(motionTableHeader));
    QVERIFY(rows.at(1).startsWith("0.000000,0.000000,0.000000,0.000000,"));
    QVERIFY(rows.last().startsWith("359.500000,"));
    const QList<QByteArray> at45 = rows.at(91).split(',');
    QCOMPARE(at45.at(0), QByteArray("45.000000"));
    QCOMPARE(at45.at(1), QByteArray("10.000000"));
    QCOMPARE(at45.at(2), QByteArray("25.464791"));
    QCOMPARE(at45.at(3), QByteArray("0.000000"));
    QCOMPARE(at45.at(4), QByteArray("-203.718327"));
    QCOMPARE(at45.at(5), QByteArray("27.946687"));

    CamDesign open = newDesign();
    open.segments[2].height = 10;
    QVERIFY(camdesign::motionTable(open).csv.isEmpty());
    CamDesign flat = newDesign();
    flat.follower.type = FollowerType::FlatFaced;
    const QList<QByteArray> flatRow =
        camdesign::motionTable(flat).csv.split('\n').at(91).split(',');
    QCOMPARE(flatRow.at(5), QByteArray("0.000000"));
    QCOMPARE(flatRow.at(6), QByteArray("40.000000")); // Rb + s + s″
}

// Random bytes changed, dropped, doubled or swapped for JSON's own punctuation: whatever the
// reader makes of them, it answers with a design or a message, and a design it answers with
// is one it would write and read again unchanged.
void DesignFiles::mutatedFilesNeverMisbehave()
{
    const quint32 seed = qEnvironmentVariableIsSet("KESTRILON_MUTATION_SEED")
                             ? quint32(qEnvironmentVariableIntValue("KESTRILON_MUTATION_SEED"))
                             : 20261210u;
    QRandomGenerator random(seed);
    const QByteArray original = writeDesign(*readDesign(toyCam).design);
    static const char alphabet[] = "{}[]\":,.-+eE0123456789 \n\\tfnu";
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        QByteArray bytes = original;
        const int changes = 1 + int(random.bounded(4));
        for (int c = 0; c < changes && !bytes.isEmpty(); ++c) {
            const int at = int(random.bounded(quint32(bytes.size())));
            switch (random.bounded(4)) {
            case 0:
                bytes[at] = alphabet[random.bounded(quint32(sizeof alphabet - 1))];
                break;
            case 1:
                bytes.remove(at, 1 + int(random.bounded(8)));
                break;
            case 2:
                bytes.insert(at, bytes.mid(at, 1 + int(random.bounded(16))));
                break;
            default:
                bytes[at] = char(random.bounded(256));
                break;
            }
        }
        const DesignReading reading = readDesign(bytes);
        if (reading.design) {
            ++accepted;
            const DesignReading again = readDesign(writeDesign(*reading.design));
            QVERIFY2(again.design && *again.design == *reading.design,
                     qPrintable(QStringLiteral("seed %1, file %2").arg(seed).arg(i)));
        } else {
            QVERIFY2(!reading.error.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, file %2").arg(seed).arg(i)));
        }
    }
    qInfo("%d of 100000 mutated files still made a design", accepted);
}

QTEST_APPLESS_MAIN(DesignFiles)
#include "tst_designfile.moc"
