// The exported cam read back by readers that owe nothing to Kestrilon (readback.py: Python's
// XML parser and svgelements, ezdxf, poppler) and held against the profile computed densely
// here, not through the exporter's own sampling.
#include "camexport/cutoutline.h"
#include "camexport/exportdesign.h"

#include "camdesign/camprofile.h"
#include "camdesign/choices.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineF>
#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>
#include <optional>
#include <random>

using namespace camdesign;

namespace {

constexpr double pi = std::numbers::pi;

struct Measures {
    double area = 0;
    double largestRadius = 0;
    double smallestRadius = 1e9;
};

CamDesign designOf(FollowerType follower, Rotation rotation, HoleShape hole, double offset = 0,
                   double kerf = 0)
{
    CamDesign design = newDesign();
    design.name = QStringLiteral("Test cam");
    design.follower.type = follower;
    design.follower.offset = offset;
    design.rotation = rotation;
    design.hole.shape = hole;
    design.hole.diameter = 10;
    design.hole.flatDepth = 1.5;
    design.kerf = kerf;
    // A flat face on the smaller circle would need a cusp at the steepest part of the rise.
    if (follower == FollowerType::FlatFaced)
        design.baseCircleRadius = 50;
    return design;
}

// The outline at 20000 evenly spaced angles, grown by `grow` along its normal.
std::vector<QPointF> denseOutline(const CamDesign &design, double grow)
{
    const CamGeometry geometry(design);
    std::vector<QPointF> points;
    const int count = 20000;
    for (int i = 0; i < count; ++i) {
        const CamPoint p = geometry.at(2 * pi * i / count);
        points.push_back(p.profile + grow * p.normal);
    }
    return points;
}

Measures measuresOf(const std::vector<QPointF> &points)
{
    Measures measures;
    double twice = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF a = points[i];
        const QPointF b = points[(i + 1) % points.size()];
        twice += a.x() * b.y() - b.x() * a.y();
        const double r = std::hypot(a.x(), a.y());
        measures.largestRadius = std::max(measures.largestRadius, r);
        measures.smallestRadius = std::min(measures.smallestRadius, r);
    }
    measures.area = std::abs(twice) / 2;
    return measures;
}

double distanceToPolygon(QPointF p, const QPolygonF &polygon)
{
    double nearest = 1e9;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF ab = polygon[(i + 1) % polygon.size()] - a;
        const double span = QPointF::dotProduct(ab, ab);
        const double t =
            span > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / span, 0.0, 1.0) : 0.0;
        const QPointF foot = a + t * ab;
        nearest = std::min(nearest, std::hypot(p.x() - foot.x(), p.y() - foot.y()));
    }
    return nearest;
}

// The hole's farthest and nearest edge from the centre, as designed less half the kerf.
std::pair<double, double> holeReachAndNearest(const CamDesign &design)
{
    const double r = design.hole.diameter / 2 - design.kerf / 2;
    switch (design.hole.shape) {
    case HoleShape::Round:
        return {r, r};
    case HoleShape::DFlat:
        return {r, r - design.hole.flatDepth};
    case HoleShape::Square:
        return {r * std::sqrt(2.0), r};
    }
    return {};
}

QJsonObject readBack(const QString &kind, const QString &path, const QString &work)
{
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(KESTRILON_READBACK), kind, path, work});
    if (!reader.waitForFinished(180000) || reader.exitCode() != 0) {
        qWarning().noquote() << reader.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

bool near(double measured, double expected, double relative)
{
    return std::abs(measured - expected) <= relative * std::abs(expected);
}

void compareOutline(const QJsonObject &read, const Measures &expected)
{
    const QJsonObject outline = read[QLatin1String("outline")].toObject();
    QVERIFY2(outline[QLatin1String("closed")].toBool(), "the outline is not closed");
    const double area = outline[QLatin1String("area")].toDouble();
    const double largest = outline[QLatin1String("rmax")].toDouble();
    const double smallest = outline[QLatin1String("rmin")].toDouble();
    QVERIFY2(near(area, expected.area, 0.005),
             qPrintable(QStringLiteral("area %1, computed %2").arg(area).arg(expected.area)));
    QVERIFY2(near(largest, expected.largestRadius, 0.005),
             qPrintable(QStringLiteral("largest radius %1, computed %2")
                            .arg(largest)
                            .arg(expected.largestRadius)));
    QVERIFY2(near(smallest, expected.smallestRadius, 0.005),
             qPrintable(QStringLiteral("smallest radius %1, computed %2")
                            .arg(smallest)
                            .arg(expected.smallestRadius)));
}

void compareHole(const QJsonObject &read, const CamDesign &design, double tolerance)
{
    const QJsonObject hole = read[QLatin1String("hole")].toObject();
    const auto [reach, nearest] = holeReachAndNearest(design);
    QVERIFY2(std::abs(hole[QLatin1String("reach")].toDouble() - reach) <= tolerance,
             qPrintable(QStringLiteral("hole reaches %1, designed %2")
                            .arg(hole[QLatin1String("reach")].toDouble())
                            .arg(reach)));
    QVERIFY2(std::abs(hole[QLatin1String("nearest")].toDouble() - nearest) <= tolerance,
             qPrintable(QStringLiteral("hole's edge comes within %1, designed %2")
                            .arg(hole[QLatin1String("nearest")].toDouble())
                            .arg(nearest)));
}

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list << item.toString();
    return list;
}


// Two edges of a closed polygon that meet, other than neighbours at their shared corner, or
// none when it is simple; neighbours that double back over each other count as meeting. The
// edges are swept from left to right, so only those whose spans across overlap are compared.
std::optional<std::pair<qsizetype, qsizetype>> crossingIn(const QPolygonF &polygon)
{
    const qsizetype n = polygon.size();
    auto side = [](QPointF a, QPointF b, QPointF p) {
        return (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
    };
    auto between = [](QPointF a, QPointF b, QPointF p) {
        return std::min(a.x(), b.x()) <= p.x() && p.x() <= std::max(a.x(), b.x())
               && std::min(a.y(), b.y()) <= p.y() && p.y() <= std::max(a.y(), b.y());
    };
    auto corner = [&polygon, n](qsizetype i) { return polygon[(i % n + n) % n]; };
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF a = corner(i), b = corner(i + 1), c = corner(i + 2);
        if (side(a, b, c) == 0 && QPointF::dotProduct(b - a, c - b) < 0)
            return std::pair{i, (i + 1) % n};
    }
    QList<qsizetype> order(n);
    for (qsizetype i = 0; i < n; ++i)
        order[i] = i;
    auto leftOf = [&](qsizetype i) { return std::min(corner(i).x(), corner(i + 1).x()); };
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return leftOf(a) < leftOf(b);
    });
    for (qsizetype k = 0; k < n; ++k) {
        const qsizetype i = order[k];
        const QPointF a = corner(i), b = corner(i + 1);
        for (qsizetype m = k + 1; m < n && leftOf(order[m]) <= std::max(a.x(), b.x()); ++m) {
            const qsizetype j = order[m];
            if (std::abs(i - j) == 1 || std::abs(i - j) == n - 1)
                continue;
            const QPointF c = corner(j), d = corner(j + 1);
            const double d1 = side(c, d, a), d2 = side(c, d, b);
            const double d3 = side(a, b, c), d4 = side(a, b, d);
            if ((d1 * d2 < 0 && d3 * d4 < 0) || (d1 == 0 && between(c, d, a))
                || (d2 == 0 && between(c, d, b)) || (d3 == 0 && between(a, b, c))
                || (d4 == 0 && between(a, b, d)))
                return std::pair{std::min(i, j), std::max(i, j)};
        }
    }
    return std::nullopt;
}

// A design any learner could make, from a seeded generator whose numbers are the same on
// every platform: every follower, every law (constant velocity more often than the others,
// its corners being what folds), short and long segments, kerf from 0 to 2 mm, both
// rotations, offsets.
class DesignMaker
{
public:
    explicit DesignMaker(unsigned seed) : m_random(seed) { }

    CamDesign make(int index)
    {
        CamDesign design = newDesign();
        design.name = QStringLiteral("Sweep %1").arg(index);
        design.follower.type = followerTypes[std::size_t(index) % followerTypes.size()].value;
        const bool clockwise = (index / int(followerTypes.size())) % 2;
        design.rotation = clockwise ? Rotation::Clockwise : Rotation::Anticlockwise;
        design.baseCircleRadius = between(5, 200);
        design.follower.rollerRadius = chance(0.5) ? between(0.5, 3) : between(3, 30);
        design.follower.offset = chance(0.5) ? between(-0.6, 0.6) * design.baseCircleRadius : 0;
        design.kerf = chance(0.7) ? between(0, 2) : 0;
        design.hole.diameter = 4;
        design.segments.clear();
        const int lobes = 1 + int(between(0, 3));
        std::vector<double> weights;
        // A flat face needs gentle motion to be free of cusps: no short segments, low lifts.
        const bool flat = design.follower.type == FollowerType::FlatFaced;
        for (int i = 0; i < 4 * lobes; ++i)
            weights.push_back(chance(flat ? 0 : 0.2) ? between(0.005, 0.03) : between(0.1, 1));
        double total = 0;
        for (const double weight : weights)
            total += weight;
        double angles = 0;
        for (int i = 0; i < 4 * lobes; ++i) {
            Segment segment;
            segment.angleDegrees = i + 1 == 4 * lobes ? 360 - angles : 360 * weights[i] / total;
            angles += segment.angleDegrees;
            segment.kind = i % 4 == 0 ? SegmentKind::Rise
                           : i % 4 == 2 ? SegmentKind::Return
                                        : SegmentKind::Dwell;
            // A flat face refuses every constant-velocity corner, so it gets fewer.
            const auto anyLaw = std::size_t(between(0, double(motionLaws.size())));
            segment.law = chance(flat ? 0.05 : 0.4) ? MotionLaw::ConstantVelocity
                                                   : motionLaws[anyLaw].value;
            design.segments.push_back(segment);
        }
        for (int lobe = 0; lobe < lobes; ++lobe) {
            // Each within the design file's ranges: at least 0.1 mm, and 0.1° above.
            const double height =
                std::max(0.1, (flat ? between(0.005, 0.04) : between(0.05, 0.8))
                                  * design.baseCircleRadius);
            design.segments[std::size_t(4 * lobe)].height = height;
            design.segments[std::size_t(4 * lobe + 2)].height = height;
        }
        return design;
    }

private:
    // std::mt19937's numbers are the standard's; its distributions' are not.
    double between(double from, double to)
    {
        return from + (to - from) * (double(m_random()) / 4294967296.0);
    }
    bool chance(double p) { return between(0, 1) < p; }

    std::mt19937 m_random;
};

} // namespace

class CamExport : public QObject
{
    Q_OBJECT

private slots:
    void readsBackAtTrueSize_data();
    void readsBackAtTrueSize();
    void kerfMovesTheCut_data();
    void kerfMovesTheCut();
    void outlineKeepsToTheProfile_data();
    void outlineKeepsToTheProfile();
    void cornersAreClosedNotCrossed_data();
    void cornersAreClosedNotCrossed();
    void flatFaceAtAConstantVelocityCornerIsACusp();
    void kerfLoopAtACornerIsTrimmed();
    void cutOutlinesNeverCrossThemselves();
    void refusals_data();
    void refusals();
    void steepPressureAngleOnlyWarns();
};

void CamExport::readsBackAtTrueSize_data()
{
    QTest::addColumn<CamDesign>("design");
    QTest::addColumn<bool>("construction");
    QTest::addColumn<QLocale>("locale");

    const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("knife-edge, anticlockwise, round hole")
        << designOf(FollowerType::KnifeEdge, Rotation::Anticlockwise, HoleShape::Round, 5)
        << false << britain;
    QTest::newRow("knife-edge, clockwise, square hole, construction, Letter")
        << designOf(FollowerType::KnifeEdge, Rotation::Clockwise, HoleShape::Square, -5, 0.3)
        << true << us;
    QTest::newRow("roller, anticlockwise, D flat, construction")
        << designOf(FollowerType::Roller, Rotation::Anticlockwise, HoleShape::DFlat, 0, 0.2)
        << true << britain;
    CamDesign roller = designOf(FollowerType::Roller, Rotation::Clockwise, HoleShape::Square, 6);
    roller.segments[0].law = MotionLaw::ConstantVelocity;
    roller.segments[2].law = MotionLaw::Polynomial345;
    QTest::newRow("roller, clockwise, square hole, constant velocity, Letter")
        << roller << false << us;
    QTest::newRow("flat face, anticlockwise, D flat, Letter")
        << designOf(FollowerType::FlatFaced, Rotation::Anticlockwise, HoleShape::DFlat)
        << false << QLocale(QLocale::Spanish, QLocale::Mexico);
    CamDesign flat = designOf(FollowerType::FlatFaced, Rotation::Clockwise, HoleShape::Round,
                              0, 0.5);
    flat.segments[0].law = MotionLaw::ModifiedSine;
    QTest::newRow("flat face, clockwise, round hole, construction")
        << flat << true << QLocale(QLocale::German, QLocale::Germany);
}

void CamExport::readsBackAtTrueSize()
{
    QFETCH(CamDesign, design);
    QFETCH(bool, construction);
    QFETCH(QLocale, locale);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    camexport::ExportOptions options;
    options.constructionLines = construction;
    options.locale = locale;
    const Measures cut = measuresOf(denseOutline(design, design.kerf / 2));
    const int constructionElements = construction ? 2 : 0;

    const QString svgPath = work.filePath(QStringLiteral("cam.svg"));
    QCOMPARE(camexport::exportDesign(design, svgPath, options), QString());
    const QJsonObject svg = readBack(QStringLiteral("svg"), svgPath, work.path());
    QVERIFY(!svg.isEmpty());
    QVERIFY2(svg[QLatin1String("units_ok")].toBool(), "width and height not in mm as the viewBox");
    const QJsonArray page = svg[QLatin1String("page_mm")].toArray();
    const QJsonArray raster = svg[QLatin1String("png_px")].toArray();
    QCOMPARE(raster[0].toInt(), qRound(page[0].toDouble() * 10));
    QCOMPARE(raster[1].toInt(), qRound(page[1].toDouble() * 10));
    compareOutline(svg, cut);
    compareHole(svg, design, 0.0005);
    const QJsonObject layers = svg[QLatin1String("layers")].toObject();
    QCOMPARE(strings(layers[QLatin1String("cut")][QLatin1String("strokes")]),
             QStringList{QStringLiteral("#FF0000")});
    QCOMPARE(strings(layers[QLatin1String("cut")][QLatin1String("fills")]),
             QStringList{QStringLiteral("none")});
    QCOMPARE(strings(layers[QLatin1String("engrave")][QLatin1String("strokes")]),
             QStringList{QStringLiteral("#0000FF")});
    QCOMPARE(svg[QLatin1String("construction")].toInt(), constructionElements);
    if (construction)
        QVERIFY(layers[QLatin1String("construction-not-for-cutting")][QLatin1String("label")]
                    .toString()
                    .contains(QLatin1String("not for cutting")));

    const QString dxfPath = work.filePath(QStringLiteral("cam.dxf"));
    QCOMPARE(camexport::exportDesign(design, dxfPath, options), QString());
    const QJsonObject dxf = readBack(QStringLiteral("dxf"), dxfPath, work.path());
    QVERIFY(!dxf.isEmpty());
    QCOMPARE(dxf[QLatin1String("version")].toString(), QStringLiteral("AC1009"));
    QCOMPARE(strings(dxf[QLatin1String("audit_errors")]), QStringList());
    QCOMPARE(dxf[QLatin1String("insunits")].toInt(), 4);
    compareOutline(dxf, cut);
    compareHole(dxf, design, 0.0005);
    QCOMPARE(dxf[QLatin1String("construction")].toInt(), constructionElements);
    const QStringList cutEntities =
        strings(dxf[QLatin1String("entities")][QLatin1String("CUT")]);
    const QStringList expectedCut = design.hole.shape == HoleShape::Round
                                        ? QStringList{"CIRCLE", "POLYLINE"}
                                    : design.hole.shape == HoleShape::DFlat
                                        ? QStringList{"ARC", "LINE", "POLYLINE"}
                                        : QStringList{"POLYLINE", "POLYLINE"};
    QCOMPARE(cutEntities, expectedCut);

    const QString pdfPath = work.filePath(QStringLiteral("cam.pdf"));
    QCOMPARE(camexport::exportDesign(design, pdfPath, options), QString());
    const QJsonObject pdf = readBack(QStringLiteral("pdf"), pdfPath, work.path());
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(pdf[QLatin1String("pages")].toInt(), 1);
    // PDF pages are whole points: A4 is 595 × 842 pt in Qt, a tenth of a millimetre over.
    const bool letter = locale.territory() == QLocale::UnitedStates
                        || locale.territory() == QLocale::Mexico;
    const QPageSize paper(letter ? QPageSize::Letter : QPageSize::A4);
    const QJsonArray sheet = pdf[QLatin1String("page_mm")].toArray();
    QVERIFY(std::abs(sheet[0].toDouble() - paper.sizePoints().width() * 25.4 / 72) < 0.01);
    QVERIFY(std::abs(sheet[1].toDouble() - paper.sizePoints().height() * 25.4 / 72) < 0.01);
    const QSizeF nominal = paper.size(QPageSize::Millimeter);
    QVERIFY(std::abs(sheet[0].toDouble() - nominal.width()) < 0.2);
    QVERIFY(std::abs(sheet[1].toDouble() - nominal.height()) < 0.2);
    const double bar = pdf[QLatin1String("bar_mm")].toDouble();
    QVERIFY2(std::abs(bar - 50) <= 0.2, qPrintable(QStringLiteral("the bar is %1 mm").arg(bar)));
    const int barRows = pdf[QLatin1String("bar_rows")].toInt();
    QVERIFY2(barRows >= 38 && barRows <= 42, qPrintable(QString::number(barRows)));
    const QString text = pdf[QLatin1String("text")].toString();
    QVERIFY(text.contains(QLatin1String("Print at 100 %: this bar must measure 50 mm")));
    QVERIFY(text.contains(design.name));
    // Paper is cut along the line, so the template keeps the design's own size.
    compareOutline(pdf, measuresOf(denseOutline(design, 0)));
    CamDesign noKerf = design;
    noKerf.kerf = 0;
    compareHole(pdf, noKerf, 0.02);
    QCOMPARE(pdf[QLatin1String("construction")].toInt(), constructionElements);
}

void CamExport::kerfMovesTheCut_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<HoleShape>("hole");
    QTest::newRow("SVG, round hole") << QStringLiteral("svg") << HoleShape::Round;
    QTest::newRow("SVG, D flat") << QStringLiteral("svg") << HoleShape::DFlat;
    QTest::newRow("DXF, square hole") << QStringLiteral("dxf") << HoleShape::Square;
    QTest::newRow("DXF, D flat") << QStringLiteral("dxf") << HoleShape::DFlat;
}

void CamExport::kerfMovesTheCut()
{
    QFETCH(QString, kind);
    QFETCH(HoleShape, hole);
    QTemporaryDir work;
    const CamDesign plain = designOf(FollowerType::Roller, Rotation::Anticlockwise, hole, 3);
    CamDesign burnt = plain;
    burnt.kerf = 0.4;
    const QString plainPath = work.filePath(QStringLiteral("plain.") + kind);
    const QString burntPath = work.filePath(QStringLiteral("burnt.") + kind);
    QCOMPARE(camexport::exportDesign(plain, plainPath), QString());
    QCOMPARE(camexport::exportDesign(burnt, burntPath), QString());
    const QJsonObject before = readBack(kind, plainPath, work.path());
    const QJsonObject after = readBack(kind, burntPath, work.path());
    QVERIFY(!before.isEmpty() && !after.isEmpty());

    auto grown = [&](const char *group, const char *key) {
        return after[QLatin1String(group)][QLatin1String(key)].toDouble()
               - before[QLatin1String(group)][QLatin1String(key)].toDouble();
    };
    // Half the kerf outward all round the outline, and inward all round the hole.
    QVERIFY(std::abs(grown("outline", "rmax") - 0.2) < 0.003);
    QVERIFY(std::abs(grown("outline", "rmin") - 0.2) < 0.003);
    QVERIFY(std::abs(grown("hole", "nearest") + 0.2) < 0.0005);
    const double cornerFactor = hole == HoleShape::Square ? std::sqrt(2.0) : 1.0;
    QVERIFY(std::abs(grown("hole", "reach") + 0.2 * cornerFactor) < 0.0005);
}

void CamExport::outlineKeepsToTheProfile_data()
{
    QTest::addColumn<CamDesign>("design");
    QTest::addColumn<int>("mostPoints");

    // A plain disc of radius R needs π / acos(1 − 0.01 / R) chords; allow half as many again.
    CamDesign disc = designOf(FollowerType::KnifeEdge, Rotation::Anticlockwise,
                              HoleShape::Round);
    disc.segments = {{SegmentKind::Dwell, 360, 0, MotionLaw::Cycloidal}};
    const int discPoints = int(std::ceil(pi / std::acos(1 - 0.01 / 30)));
    QTest::newRow("a disc") << disc << discPoints * 3 / 2;
    QTest::newRow("knife-edge, offset") << designOf(FollowerType::KnifeEdge,
                                                    Rotation::Clockwise, HoleShape::Round, 7)
                                        << 600;
    QTest::newRow("roller, kerf") << designOf(FollowerType::Roller, Rotation::Anticlockwise,
                                              HoleShape::Round, -4, 0.3)
                                  << 600;
    CamDesign flat = designOf(FollowerType::FlatFaced, Rotation::Clockwise, HoleShape::Round);
    flat.segments[0].law = MotionLaw::Polynomial4567;
    flat.segments[2].law = MotionLaw::ModifiedTrapezoid;
    QTest::newRow("flat face, two laws") << flat << 600;
}

void CamExport::outlineKeepsToTheProfile()
{
    QFETCH(CamDesign, design);
    QFETCH(int, mostPoints);
    QCOMPARE(camexport::cutRefusal(design), QString());
    const QPolygonF outline = camexport::cutOf(design).outline;
    QVERIFY2(outline.size() <= mostPoints, qPrintable(QString::number(outline.size())));
    QVERIFY(camexport::signedArea(outline) > 0);
    double worst = 0;
    for (const QPointF &p : denseOutline(design, design.kerf / 2))
        worst = std::max(worst, distanceToPolygon(p, outline));
    QVERIFY2(worst < camexport::chordTolerance, qPrintable(QString::number(worst)));
}

void CamExport::cornersAreClosedNotCrossed_data()
{
    QTest::addColumn<CamDesign>("design");
    // Constant velocity jumps the follower's speed at each end of a rise: a corner in the
    // path, which a roller rounds on one side and cuts short on the other.
    for (const FollowerType type : {FollowerType::KnifeEdge, FollowerType::Roller})
        for (const double kerf : {0.0, 1.0}) {
            CamDesign design = designOf(type, Rotation::Anticlockwise, HoleShape::Round, 0, kerf);
            for (Segment &segment : design.segments)
                segment.law = MotionLaw::ConstantVelocity;
            const char *name = type == FollowerType::Roller ? "roller" : "knife-edge";
            QTest::addRow("%s, kerf %g", name, kerf) << design;
        }
}

void CamExport::cornersAreClosedNotCrossed()
{
    QFETCH(CamDesign, design);
    const QPolygonF outline = camexport::cutOf(design).outline;
    const qsizetype n = outline.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QLineF a(outline[i], outline[(i + 1) % n]);
        for (qsizetype j = i + 2; j < n; ++j) {
            if ((j + 1) % n == i)
                continue;
            const QLineF b(outline[j], outline[(j + 1) % n]);
            QVERIFY2(a.intersects(b, nullptr) != QLineF::BoundedIntersection,
                     qPrintable(QStringLiteral("edges %1 and %2 cross").arg(i).arg(j)));
        }
    }
    // Closing the corners moves the outline only there: its area stays the profile's.
    const Measures expected = measuresOf(denseOutline(design, design.kerf / 2));
    QVERIFY(near(camexport::signedArea(outline), expected.area, 0.005));
}

void CamExport::flatFaceAtAConstantVelocityCornerIsACusp()
{
    // The new design's rise and return at constant velocity: the speed drops at once at 90°,
    // where the rise stops, and at 180°, where the return starts.
    CamDesign design = newDesign();
    design.follower.type = FollowerType::FlatFaced;
    for (Segment &segment : design.segments)
        segment.law = MotionLaw::ConstantVelocity;
    QCOMPARE(analyse(design).has(Problem::Cusp), false);
    const QString refusal = camexport::cutRefusal(design);
    QVERIFY2(refusal.contains(QLatin1String("cusp")) && refusal.contains(QStringLiteral("90°"))
                 && refusal.contains(QStringLiteral("180°"))
                 && refusal.contains(QLatin1String("constant-velocity")),
             qPrintable(refusal));
    QVERIFY(!refusal.contains(QLatin1Char('\n')) && refusal.endsWith(QLatin1Char('.')));
    // Without the jumps the larger base circle the smooth laws need is enough.
    design.baseCircleRadius = 50;
    design.segments[0].law = MotionLaw::Cycloidal;
    design.segments[2].law = MotionLaw::Cycloidal;
    QCOMPARE(camexport::cutRefusal(design), QString());
    // With them none is: the cut's reason stays the same.
    design.segments[0].law = MotionLaw::ConstantVelocity;
    design.segments[2].law = MotionLaw::ConstantVelocity;
    QVERIFY(camexport::cutRefusal(design).contains(QLatin1String("cusp")));
}

void CamExport::kerfLoopAtACornerIsTrimmed()
{
    for (const Rotation rotation : {Rotation::Anticlockwise, Rotation::Clockwise})
        for (const double offset : {0.0, 20.0}) {
            CamDesign design = newDesign();
            design.follower.type = FollowerType::KnifeEdge;
            design.follower.offset = offset;
            design.rotation = rotation;
            design.baseCircleRadius = 196.3;
            design.kerf = 2;
            for (Segment &segment : design.segments)
                segment.law = MotionLaw::ConstantVelocity;
            QCOMPARE(camexport::cutRefusal(design), QString());
            for (const bool withKerf : {true, false}) {
                const QPolygonF outline = camexport::cutOf(design, withKerf).outline;
                const auto crossing = crossingIn(outline);
                QVERIFY2(!crossing, qPrintable(QStringLiteral("edges %1 and %2 meet")
                                                   .arg(crossing ? crossing->first : 0)
                                                   .arg(crossing ? crossing->second : 0)));
                QVERIFY(camexport::signedArea(outline) > 0);
                const Measures expected =
                    measuresOf(denseOutline(design, withKerf ? design.kerf / 2 : 0));
                QVERIFY(near(camexport::signedArea(outline), expected.area, 0.005));
            }
        }
    // Steep lobes on the same base circle, clockwise: the loop a constant-velocity return
    // leaves with the short rise after it, at 0°, reached past the short dwell between them.
    CamDesign steep = newDesign();
    steep.follower.type = FollowerType::KnifeEdge;
    steep.rotation = Rotation::Clockwise;
    steep.baseCircleRadius = 196.3;
    steep.kerf = 2;
    steep.segments = {{SegmentKind::Rise, 3.3, 118.9, MotionLaw::Polynomial4567},
                      {SegmentKind::Dwell, 46.8, 0, MotionLaw::Polynomial4567},
                      {SegmentKind::Return, 95.2, 118.9, MotionLaw::Polynomial4567},
                      {SegmentKind::Dwell, 59.1, 0, MotionLaw::Cycloidal},
                      {SegmentKind::Rise, 66.6, 118.9, MotionLaw::SimpleHarmonic},
                      {SegmentKind::Dwell, 3, 0, MotionLaw::ModifiedTrapezoid},
                      {SegmentKind::Return, 82, 118.9, MotionLaw::ConstantVelocity},
                      {SegmentKind::Dwell, 4, 0, MotionLaw::ConstantVelocity}};
    QCOMPARE(camexport::cutRefusal(steep), QString());
    QVERIFY(!crossingIn(camexport::cutOf(steep).outline));
    // A hollow sharper than half the kerf: a rise of 10 mm over 3° into a long dwell.
    CamDesign hollow = newDesign();
    hollow.follower.type = FollowerType::KnifeEdge;
    hollow.baseCircleRadius = 20;
    hollow.kerf = 2;
    hollow.segments = {{SegmentKind::Rise, 3, 10, MotionLaw::Cycloidal},
                       {SegmentKind::Dwell, 177, 0, MotionLaw::Cycloidal},
                       {SegmentKind::Return, 90, 10, MotionLaw::ConstantVelocity},
                       {SegmentKind::Dwell, 90, 0, MotionLaw::Cycloidal}};
    QCOMPARE(camexport::cutRefusal(hollow), QString());
    QVERIFY(!crossingIn(camexport::cutOf(hollow).outline));
}

// Seeded random designs, each exported to SVG and DXF and read back from the file by
// readback.py: the outline as the file gives it must be simple, or the export refused with
// its reason. The outline cutOf() gives, with the kerf and without, is held the same way.
void CamExport::cutOutlinesNeverCrossThemselves()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    DesignMaker maker(20261211);
    QStringList files;
    int refused = 0;
    std::array<int, 3> exported{};
    QSet<QString> seen;
    for (int index = 0; index < 120; ++index) {
        const CamDesign design = maker.make(index);
        const QString name = QStringLiteral("cam%1.").arg(index);
        const QString refusal = camexport::cutRefusal(design);
        if (!refusal.isEmpty()) {
            QVERIFY2(!refusal.contains(QLatin1Char('\n')) && refusal.endsWith(QLatin1Char('.')),
                     qPrintable(refusal));
            // The trimming, not this last refusal, is what keeps these outlines simple.
            QVERIFY2(!refusal.contains(QLatin1String("cross itself")),
                     qPrintable(QStringLiteral("%1: %2").arg(index).arg(refusal)));
            QCOMPARE(camexport::exportDesign(design, work.filePath(name + QLatin1String("svg"))),
                     refusal);
            ++refused;
            continue;
        }
        for (const bool withKerf : {true, false}) {
            const auto crossing = crossingIn(camexport::cutOf(design, withKerf).outline);
            QVERIFY2(!crossing, qPrintable(QStringLiteral("design %1: edges %2 and %3 meet")
                                               .arg(index)
                                               .arg(crossing ? crossing->first : 0)
                                               .arg(crossing ? crossing->second : 0)));
        }
        for (const char *kind : {"svg", "dxf"}) {
            const QString path = work.filePath(name + QLatin1String(kind));
            QCOMPARE(camexport::exportDesign(design, path), QString());
            files << path;
        }
        seen << QStringLiteral("follower %1").arg(int(design.follower.type));
        ++exported[int(design.follower.type)];
        for (const Segment &segment : design.segments)
            if (segment.kind != SegmentKind::Dwell)
                seen << QStringLiteral("law %1").arg(int(segment.law));
        if (design.kerf > 1 && design.follower.type == FollowerType::KnifeEdge
            && std::any_of(design.segments.begin(), design.segments.end(), [](const Segment &s) {
                   return s.kind != SegmentKind::Dwell && s.law == MotionLaw::ConstantVelocity;
               }))
            seen << QStringLiteral("knife-edge, kerf, constant velocity");
    }
    // Every follower and every law went out to a file, and the case the kerf's loops were
    // found in.
    QCOMPARE(seen.size(), int(followerTypes.size() + motionLaws.size()) + 1);
    QVERIFY2(files.size() >= 100, qPrintable(QString::number(files.size())));

    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(KESTRILON_READBACK), QStringLiteral("crossings")}
                     + files);
    QVERIFY(reader.waitForFinished(180000));
    QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
    const QJsonArray read = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    QCOMPARE(read.size(), files.size());
    for (const QJsonValue &file : read) {
        const QJsonObject outline = file.toObject();
        QVERIFY(outline[QLatin1String("vertices")].toInt() >= 3);
        QVERIFY2(outline[QLatin1String("crossing")].isNull(),
                 qPrintable(QStringLiteral("%1: edges %2 meet")
                                .arg(outline[QLatin1String("path")].toString(),
                                     QString::fromUtf8(QJsonDocument(
                                         outline[QLatin1String("crossing")].toArray())
                                                           .toJson(QJsonDocument::Compact)))));
    }
    qInfo("%lld files read back simple (knife-edge %d, roller %d, flat face %d designs); %d "
          "designs refused with their reason",
          qsizetype(files.size()), exported[0], exported[1], exported[2], refused);
}

void CamExport::refusals_data()
{
    QTest::addColumn<CamDesign>("design");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");

    const CamDesign good = newDesign();
    CamDesign none = good;
    none.segments.clear();
    QTest::newRow("no segments") << none << "cam.svg" << "has no segments";
    CamDesign short_ = good;
    short_.segments[1].angleDegrees = 80;
    QTest::newRow("angles short of a turn") << short_ << "cam.dxf" << "add up to 350°";
    CamDesign open = good;
    open.segments[2].height = 15;
    QTest::newRow("does not close") << open << "cam.pdf" << "does not close";
    CamDesign below = good;
    std::swap(below.segments[0], below.segments[2]);
    QTest::newRow("below the base circle") << below << "cam.svg" << "below where it started";
    CamDesign beside = good;
    beside.follower.type = FollowerType::KnifeEdge;
    beside.follower.offset = 45;
    QTest::newRow("offset too large") << beside << "cam.dxf" << "outside the prime circle";
    CamDesign undercut = good;
    undercut.follower.rollerRadius = 40;
    undercut.baseCircleRadius = 10;
    undercut.segments[0].angleDegrees = 40;
    undercut.segments[1].angleDegrees = 140;
    QTest::newRow("undercut") << undercut << "cam.svg" << "undercut";
    CamDesign cusp = good;
    cusp.follower.type = FollowerType::FlatFaced;
    cusp.baseCircleRadius = 5;
    cusp.segments[0].angleDegrees = 30;
    cusp.segments[1].angleDegrees = 150;
    QTest::newRow("cusp") << cusp << "cam.pdf" << "fold over itself";
    CamDesign hole = good;
    hole.hole.diameter = 60;
    QTest::newRow("hole larger than the cam") << hole << "cam.svg" << "less than 1 mm";
    CamDesign eaten = good;
    eaten.hole.diameter = 1;
    eaten.kerf = 1.5;
    QTest::newRow("kerf eats the hole") << eaten << "cam.dxf" << "leaves nothing";
    CamDesign large = good;
    large.baseCircleRadius = 120;
    QTest::newRow("too large for the page") << large << "cam.pdf" << "only at true size";
    QTest::newRow("unknown ending") << good << "cam.png" << "must end in .svg, .dxf or .pdf";
    QTest::newRow("no such folder") << good << "missing/cam.svg" << "Could not write";
    QTest::newRow("a folder in the way") << good << "folder.dxf" << "Could not write";
}

void CamExport::refusals()
{
    QFETCH(CamDesign, design);
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("folder.dxf")));
    const QString path = work.filePath(fileName);
    const QString said = camexport::exportDesign(design, path);
    QVERIFY2(said.contains(message), qPrintable(said));
    QVERIFY2(!said.contains(QLatin1Char('\n')) && said.endsWith(QLatin1Char('.')),
             "one sentence");
    // Nothing is left behind: no file, no temporary beside it.
    QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void CamExport::steepPressureAngleOnlyWarns()
{
    CamDesign steep = newDesign();
    steep.pressureAngleLimitDegrees = 20;
    QTemporaryDir work;
    QVERIFY(!camexport::cutWarnings(steep).isEmpty());
    QVERIFY(camexport::cutWarnings(newDesign()).isEmpty());
    for (const char *name : {"cam.svg", "cam.dxf", "cam.pdf"}) {
        const QString path = work.filePath(QLatin1String(name));
        QCOMPARE(camexport::exportDesign(steep, path), QString());
        QVERIFY(QFile::exists(path));
    }
}

QTEST_MAIN(CamExport)
#include "tst_camexport.moc"
