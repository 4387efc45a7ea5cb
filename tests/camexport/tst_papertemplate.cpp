// The printed template's text keeps to its rows and its page, however long the design's name
// and motion: every word's box as poppler's pdftotext reads it from the PDF.
#include "camexport/exportdesign.h"
#include "camexport/papertemplate.h"

#include <QGuiApplication>
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

QTEST_MAIN(PaperTemplate)
#include "tst_papertemplate.moc"
