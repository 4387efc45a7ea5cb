// The printed template's text keeps to its rows and its page, however long the design's name
// and motion: every word's box as poppler's pdftotext reads it from the PDF.
#include "camexport/exportdesign.h"
#include "camexport/papertemplate.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace camdesign;

namespace {

constexpr double pointsPerMm = 72 / 25.4;

struct Word {
    QRectF mm; // on the printable area, from its top left corner
    QString text;
};

CamDesign manySegments()
{
    CamDesign design = newDesign();
    design.baseCircleRadius = 60;
    design.follower.type = FollowerType::KnifeEdge;
    design.segments.clear();
    for (int i = 0; i < 50; ++i) {
        design.segments.push_back({SegmentKind::Rise, 3.6, 0.1, MotionLaw::ModifiedSine});
        design.segments.push_back({SegmentKind::Return, 3.6, 0.1, MotionLaw::Polynomial4567});
    }
    return design;
}

} // namespace

class PaperTemplate : public QObject
{
    Q_OBJECT

private slots:
    void textKeepsToItsRowsAndPage_data();
    void textKeepsToItsRowsAndPage();
    void aFlatFaceStemStandsAtItsOffset_data();
    void aFlatFaceStemStandsAtItsOffset();
};

void PaperTemplate::textKeepsToItsRowsAndPage_data()
{
    QTest::addColumn<CamDesign>("design");
    QTest::addColumn<bool>("shortened"); // the motion ends in an ellipsis
    CamDesign named = newDesign();
    named.name = QString(200, QLatin1Char('W'));
    QTest::newRow("a name of 200 wide letters") << named << false;
    QTest::newRow("a hundred segments") << manySegments() << true;
    CamDesign both = manySegments();
    both.name = QStringLiteral("A cam with a long name ").repeated(8).trimmed();
    QTest::newRow("both") << both << true;
}

void PaperTemplate::textKeepsToItsRowsAndPage()
{
    QFETCH(CamDesign, design);
    QFETCH(bool, shortened);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("template.pdf"));
    camexport::ExportOptions options;
    options.locale = QLocale(QLocale::German, QLocale::Germany);
    QCOMPARE(camexport::exportDesign(design, pdf, options), QString());
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY2(reader.waitForFinished(60000) && reader.exitCode() == 0,
             "pdftotext (poppler-utils) reads the template");
    const QString boxes = QString::fromUtf8(reader.readAllStandardOutput());

    const QPageLayout layout = camexport::templatePageLayout(options.locale);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    const QRegularExpression wordPattern(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    QList<Word> header; // the name and the motion, above the lift's row at 18.5 mm
    for (const QRegularExpressionMatch &match : wordPattern.globalMatch(boxes)) {
        const auto mm = [&](int group, double origin) {
            return match.captured(group).toDouble() / pointsPerMm - origin;
        };
        const Word word{QRectF(QPointF(mm(1, printable.left()), mm(2, printable.top())),
                               QPointF(mm(3, printable.left()), mm(4, printable.top()))),
                        match.captured(5)};
        QVERIFY2(word.mm.right() <= printable.width() + 0.1,
                 qPrintable(word.text + QStringLiteral(" runs off the printable area")));
        if (word.mm.top() < 18)
            header << word;
    }
    QVERIFY(!header.isEmpty());
    for (const Word &word : header) {
        // The name's row ends at 8 mm and the motion's at 18 mm.
        const double rowEnd = word.mm.top() < 8 ? 8 : 18;
        QVERIFY2(word.mm.bottom() <= rowEnd + 0.1,
                 qPrintable(QStringLiteral("\"%1\" reaches %2 mm, past its row's end at %3 mm")
                                .arg(word.text)
                                .arg(word.mm.bottom())
                                .arg(rowEnd)));
    }
    const QString lastOfTheMotion = header.last().text;
    QCOMPARE(lastOfTheMotion.endsWith(QChar(0x2026)), shortened);
}

void PaperTemplate::aFlatFaceStemStandsAtItsOffset_data()
{
    QTest::addColumn<double>("offset");
    QTest::newRow("15 mm to the right") << 15.0;
    QTest::newRow("8 mm to the left") << -8.0;
}

// A flat face's outline does not depend on its offset, so the cam stays where it is on the
// sheet while the stem, drawn above it, moves by the offset.
void PaperTemplate::aFlatFaceStemStandsAtItsOffset()
{
    QFETCH(double, offset);
    constexpr double pixelsPerMm = 10;
    const auto stemColumn = [](double e) {
        CamDesign design = newDesign();
        design.follower.type = FollowerType::FlatFaced;
        design.follower.offset = e;
        design.baseCircleRadius = 50; // free of cusps
        const QPageLayout layout = camexport::templatePageLayout(QLocale(QLocale::German));
        const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
        QImage page(QSize(int(printable.width() * pixelsPerMm),
                          int(printable.height() * pixelsPerMm)),
                    QImage::Format_RGB32);
        page.setDotsPerMeterX(int(pixelsPerMm * 1000));
        page.setDotsPerMeterY(int(pixelsPerMm * 1000));
        page.fill(Qt::white);
        QPainter painter(&page);
        camexport::paintTemplate(painter, design, layout);
        painter.end();
        // The stem's dashes are the only grey ink in a row just under the header.
        const int row = int(46 * pixelsPerMm);
        double sum = 0;
        int count = 0;
        for (int y = row; y < row + int(8 * pixelsPerMm); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb pixel = page.pixel(x, y);
                if (qAbs(qRed(pixel) - qBlue(pixel)) < 12 && qGray(pixel) < 200) {
                    sum += x;
                    ++count;
                }
            }
        return count > 0 ? sum / count / pixelsPerMm : -1000.0;
    };
    const double centred = stemColumn(0);
    QVERIFY(centred > 0);
    QVERIFY2(std::abs(stemColumn(offset) - centred - offset) < 0.3,
             qPrintable(QStringLiteral("the stem moved %1 mm").arg(stemColumn(offset) - centred)));
}

QTEST_MAIN(PaperTemplate)
#include "tst_papertemplate.moc"
