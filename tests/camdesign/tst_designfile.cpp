// Design files: what is written reads back the same, every bad file is refused with its own
// message, the motion table has its rows, and no mutated file can make the reader misbehave.
#include "camdesign/designfile.h"
#include "camdesign/motiontable.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

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

QByteArray replaced(const char *before, const char *after)
{
    QByteArray bytes(toyCam);
    return bytes.replace(before, after);
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

    QTest::newRow("empty") << QByteArray() << "The file is empty.";
    QTest::newRow("blank") << QByteArray(" \n") << "The file is empty.";
    QTest::newRow("not JSON") << QByteArray("cam: pear") << "The file is not a design: it is not JSON";
    QTest::newRow("cut short") << QByteArray(toyCam).left(120)
                               << "The file is not a design: it is not JSON";
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
        << replaced("\"anticlockwise\"", "\"widdershins\"")
        << "\"rotation\" is \"widdershins\"; it must be one of \"clockwise\", \"anticlockwise\".";
    QTest::newRow("radius as text") << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": \"30\"")
                                    << "\"baseCircleRadius\" must be a number.";
    QTest::newRow("negative radius") << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": -30")
                                     << "\"baseCircleRadius\" is -30 mm; it must be from 1 to 500 mm.";
    QTest::newRow("zero radius") << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": 0")
                                 << "\"baseCircleRadius\" is 0 mm; it must be from 1 to 500 mm.";
    QTest::newRow("a thousandth of a mm")
        << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": 0.001")
        << "\"baseCircleRadius\" is 0.001 mm; it must be from 1 to 500 mm.";
    QTest::newRow("ten kilometres")
        << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": 1e7")
        << "\"baseCircleRadius\" is 10000000 mm; it must be from 1 to 500 mm.";
    QTest::newRow("NaN") << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": NaN")
                         << "The file is not a design: it is not JSON";
    QTest::newRow("beyond a double")
        << replaced("\"baseCircleRadius\": 30", "\"baseCircleRadius\": 1e999")
        << "The file is not a design: it is not JSON";
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
        << QByteArray(toyCam).left(QByteArray(toyCam).indexOf("\"segments\"")) + "\"segments\": []}"
        << "The design has no segments; a turn needs at least one.";
    QTest::newRow("unknown law") << replaced("\"law\": \"cycloidal\"}", "\"law\": \"parabolic\"}")
                                 << "Segment 1: \"law\" is \"parabolic\"; it must be one of";
    QTest::newRow("dwell with a height")
        << replaced("{\"kind\": \"dwell\", \"angle\": 90}",
                    "{\"kind\": \"dwell\", \"angle\": 90, \"height\": 3}")
        << "Segment 2: the field \"height\" is not part of a design.";
    QTest::newRow("segment without angle")
        << replaced("{\"kind\": \"dwell\", \"angle\": 90}]", "{\"kind\": \"dwell\"}]")
        << "Segment 4: the field \"angle\" is missing.";
    QTest::newRow("zero height")
        << replaced("\"angle\": 90, \"height\": 20, \"law\": \"cycloidal\"},\n   {\"kind\": \"dwell\"",
                    "\"angle\": 90, \"height\": 0, \"law\": \"cycloidal\"},\n   {\"kind\": \"dwell\"")
        << "Segment 1: \"height\" is 0 mm; it must be from 0.1 to 500 mm.";
    QTest::newRow("angles short of a turn")
        << replaced("{\"kind\": \"dwell\", \"angle\": 90}]", "{\"kind\": \"dwell\", \"angle\": 80}]")
        << "The segments' angles add up to 350°; a turn is 360°.";
    QTest::newRow("does not close")
        << replaced("\"return\", \"angle\": 90, \"height\": 20", "\"return\", \"angle\": 90, \"height\": 15")
        << "The rises and returns do not cancel: the follower ends 5 mm from where it started.";
    QTest::newRow("returns first")
        << replaced("\"rise\"", "\"spare\"").replace("\"return\"", "\"rise\"").replace("\"spare\"", "\"return\"")
        << "Segment 1: the follower would return below where it started.";
}

void DesignFiles::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const DesignReading reading = readDesign(bytes);
    QVERIFY(!reading.design);
    QVERIFY2(reading.error.startsWith(message), qPrintable(reading.error));
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
    const QString refused = saveDesign(design, dir.filePath(QStringLiteral("no/such/folder.kcam")));
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
    const QList<QByteArray> flatRow = camdesign::motionTable(flat).csv.split('\n').at(91).split(',');
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
