// What the simulation window's layout and the cams' records promise the rest of the house: the
// compiler's check on the stacking order refuses each fault it is there for, and the scripts
// that click in the window read the same sizes the window is built with.
#include "animation/camrecords.h"
#include "animation/layout.h"
#include "forms/twips.h"

#include <QProcess>
#include <QTest>

#include <array>
#include <utility>

namespace {

namespace layout = animation::layout;

using Records = std::array<animation::CamRecord, std::size(animation::allCams)>;
using Frames = std::array<layout::Placed, layout::frames.size()>;

// The places of the pictures that belong to no cam, as the window holds them.
constexpr std::array<int, 5> fixedPlaces{layout::graphTitleZ, layout::birdZ, layout::camsTitleZ,
                                         layout::stripZ, layout::holeZ};

struct Fault {
    const char *name;
    void (*apply)(Records &records, Frames &frames);
};

// Each a fault a new cam's data could bring, alone: the rest of the order stays whole.
const Fault faults[] = {
    {"two cams' icons in one place",
     [](Records &records, Frames &) { records[1].icon.z = records[0].icon.z; }},
    {"a label in a step picture's place",
     [](Records &records, Frames &frames) { records[2].label.z = frames[5].z; }},
    {"a pen in the bird's place",
     [](Records &records, Frames &) { records[0].pen.z = layout::birdZ; }},
    {"a cover in the hole's place",
     [](Records &records, Frames &) { records[0].cover.z = layout::holeZ; }},
    {"an axis among the places kept for the scroll bar and the timers",
     [](Records &records, Frames &) { records[1].timeAxis.z = layout::firstWindowlessZ - 1; }},
    {"a cover over its icon",
     [](Records &records, Frames &) { std::swap(records[0].icon.z, records[0].cover.z); }},
    {"a step picture over the strip",
     [](Records &records, Frames &frames) {
         // The snail's icon holds the one place just above the strip: they change places.
         std::swap(records[2].icon.z, frames[3].z);
     }},
    {"a step picture under the hole", [](Records &, Frames &frames) { frames[7].z = 100; }},
};

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void stackingOrder_data();
    void stackingOrder();
    void scriptsReadTheWindowsSizes_data();
    void scriptsReadTheWindowsSizes();
};

void TestLayout::stackingOrder_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("whole");
    QTest::newRow("as the window has it") << -1 << true;
    for (int k = 0; k < int(std::size(faults)); ++k)
        QTest::newRow(faults[k].name) << k << false;
}

void TestLayout::stackingOrder()
{
    QFETCH(int, fault);
    QFETCH(bool, whole);
    Records records = animation::camRecords;
    Frames frames = layout::frames;
    if (fault >= 0)
        faults[fault].apply(records, frames);
    QCOMPARE(animation::stackingIsWhole(fixedPlaces, frames, records), whole);
}

// A size rewritten in a form the scripts cannot read would move their clicks off the icons.
void TestLayout::scriptsReadTheWindowsSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixels"); // -1: the scripts must refuse it
    QTest::newRow("clientHeight") << "clientHeight" << forms::toPixels(layout::clientHeight);
    QTest::newRow("clientWidth") << "clientWidth" << forms::toPixels(layout::clientWidth);
    QTest::newRow("backdropHeight") << "backdropHeight"
                                    << forms::toPixels(layout::backdropHeight);
    QTest::newRow("a name the layout lacks") << "menuHeight" << -1;
}

void TestLayout::scriptsReadTheWindowsSizes()
{
    QFETCH(QString, name);
    QFETCH(int, pixels);
    QProcess bash;
    bash.start("bash", {"-c", R"(source "$1/scripts/layout.sh" && layoutPixels "$2")", "bash",
                        KESTRILON_SOURCE_DIR, name});
    QVERIFY(bash.waitForFinished(30000));
    if (pixels < 0) {
        QVERIFY(bash.exitCode() != 0);
        QVERIFY(bash.readAllStandardError().contains(name.toLatin1()));
        return;
    }
    QCOMPARE(bash.exitCode(), 0);
    QCOMPARE(bash.readAllStandardOutput().trimmed().toInt(), pixels);
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
