// The embedded pictures as the app will load them: file formats byte by byte, the housing
// where the window expects it, and every animation frame registered on the backdrop; the same
// for the set drawn at twice the size.
#include "painter/camgeometry.h"
#include "pictures/embedded.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QtEndian>

using namespace painter;
using namespace pictures;

namespace {

constexpr QRgb olive = 0xff708000;
constexpr QRgb camOutline = 0xff7f8000;
constexpr QRgb followerOutline = 0xff800080;

QByteArray bytesOf(const QString &name, int scale = 1)
{
    QFile file(picturePath(name, scale));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

QImage picture(const QString &name, int scale = 1)
{
    return QImage(picturePath(name, scale)).convertToFormat(QImage::Format_RGB32);
}

QString frameFile(int picture)
{
    return picture == 0 ? QStringLiteral("frame-start.bmp")
                        : QStringLiteral("frame-%1.bmp").arg(picture, 2, 10, QLatin1Char('0'));
}

QString frameName(int frame)
{
    return frameFile(camTable(camOfStep(frame)).step(frame).picture);
}

// What the window shows with no frame on the stage: the backdrop with the hole on the plate.
QImage stage(int scale)
{
    QImage backdrop = picture(QStringLiteral("backdrop.bmp"), scale);
    QPainter painter(&backdrop);
    painter.drawImage(holePosition * scale, picture(QStringLiteral("hole.bmp"), scale));
    return backdrop;
}

// The colour a pixel may take where `colour` is one of a check's two colours.
QRgb checkPartner(QRgb colour)
{
    static const std::pair<QRgb, QRgb> checks[] = {{0xffc0c0af, 0xffc0cfaf},
                                                    {0xff50403f, 0xff5f4f40}};
    for (const auto &[a, b] : checks) {
        if (colour == a)
            return b;
        if (colour == b)
            return a;
    }
    return colour;
}

const QStringList letteringFiles{"cams-title.bmp", "graph-title.bmp", "label-pear.bmp",
                                 "label-double-lobe.bmp", "label-snail.bmp"};
const QMap<QString, std::pair<int, int>> skyColumns{{"backdrop.bmp", {0, 180}},
                                                    {"quiz-backdrop.bmp", {560, 639}}};
const QPoint none(-1, -1);

// The first pixel of `area` where `bad` holds, or `none`.
template <typename Bad>
QPoint firstWhere(const QRect &area, Bad bad)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (bad(x, y))
                return QPoint(x, y);
    return none;
}

// The smallest rectangle holding every pixel that is not the black ground.
QRect ink(const QImage &image)
{
    QRect found;
    firstWhere(image.rect(), [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        if (qRed(p) + qGreen(p) + qBlue(p) > 60)
            found |= QRect(x, y, 1, 1);
        return false;
    });
    return found;
}

void namesAtScales(const QStringList &names)
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2})
        for (const QString &name : names)
            QTest::addRow("%s at %dx", qPrintable(name), scale) << name << scale;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void bitmapFiles_data();
    void bitmapFiles();
    void iconFile();
    void iconLoads();
    void pixels_data();
    void pixels();
    void housingAtTwiceTheSize_data();
    void housingAtTwiceTheSize();
    void framesLeaveTheBackdropAlone_data() { frames(); }
    void framesLeaveTheBackdropAlone();
    void framesRegisterTheFollower_data() { frames(); }
    void framesRegisterTheFollower();
    void rodRunsThroughTheGuide_data() { frames(); }
    void rodRunsThroughTheGuide();
    void framesHaveSmoothEdges_data() { frames(); }
    void framesHaveSmoothEdges();
    void shineStaysInsideTheLetters_data() { namesAtScales({"cams-title.bmp", "graph-title.bmp"}); }
    void shineStaysInsideTheLetters();
    void letteringIsWholeAndLegible_data();
    void letteringIsWholeAndLegible();
    void skyHasNoBands_data() { namesAtScales(skyColumns.keys()); }
    void skyHasNoBands();
    void quizFollowerInFrontOfTheWall_data() { namesAtScales({"quiz-backdrop.bmp"}); }
    void quizFollowerInFrontOfTheWall();

private:
    static void frames();
};

void TestPictures::bitmapFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    const struct {
        const char *name;
        int width, height;
    } fixed[] = {
        {"cams-title.bmp", 96, 36},       {"graph-title.bmp", 168, 36},
        {"label-pear.bmp", 62, 20},       {"label-double-lobe.bmp", 58, 38},
        {"label-snail.bmp", 48, 22},      {"icon-pear.bmp", 82, 96},
        {"icon-double-lobe.bmp", 82, 114}, {"icon-snail.bmp", 84, 104},
        {"cover-pear.bmp", 82, 94},       {"cover-double-lobe.bmp", 80, 110},
        {"cover-snail.bmp", 84, 102},     {"bird.bmp", 120, 76},
        {"quiz-backdrop.bmp", 640, 397},
    };
    // The backdrop and the pictures that fill their controls measure what the layout gives them.
    QList<std::pair<QString, QSize>> placed{{QStringLiteral("backdrop.bmp"), backdropSize},
                                            {QStringLiteral("strip.bmp"), stripSize},
                                            {QStringLiteral("hole.bmp"), holeSize}};
    for (int picture = 0; picture < animation::layout::frameCount; ++picture)
        placed.append({frameFile(picture), frameSize(picture)});
    // Every bitmap also comes drawn at exactly twice its size, and the lettering in every
    // language at the English lettering's size.
    for (int scale : {1, 2}) {
        for (const auto &f : fixed)
            QTest::addRow("%s at %dx", f.name, scale)
                << QString::fromLatin1(f.name) << scale << f.width * scale << f.height * scale;
        for (const auto &[name, size] : placed)
            QTest::addRow("%s at %dx", qPrintable(name), scale)
                << name << scale << size.width() * scale << size.height() * scale;
        for (const auto &f : fixed) {
            if (!letteringFiles.contains(QLatin1String(f.name)))
                continue;
            for (const char *language : {"de", "fr", "es"}) {
                const QString name = QLatin1String(language) + QLatin1Char('/') + f.name;
                QTest::addRow("%s at %dx", qPrintable(name), scale)
                    << name << scale << f.width * scale << f.height * scale;
            }
        }
    }
}

void TestPictures::bitmapFiles()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(int, width);
    QFETCH(int, height);

    const QByteArray b = bytesOf(name, scale);
    QVERIFY2(b.size() >= 54, "missing from the resources");
    const int rowBytes = (3 * width + 3) / 4 * 4;
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(le32(b, 2), quint32(b.size()));
    QCOMPARE(b.size(), 54 + rowBytes * height);
    QCOMPARE(le32(b, 10), 54u);           // pixels right after the two headers
    QCOMPARE(le32(b, 14), 40u);           // BITMAPINFOHEADER
    QCOMPARE(int(le32(b, 18)), width);
    QCOMPARE(int(le32(b, 22)), height);   // positive: rows bottom-up
    QCOMPARE(le16(b, 26), quint16(1));
    QCOMPARE(le16(b, 28), quint16(24));
    QCOMPARE(le32(b, 30), 0u);            // uncompressed

    // Qt reads it back with the first stored row at the bottom.
    const QImage image = picture(name, scale);
    QCOMPARE(image.size(), QSize(width, height));
    const int lastRow = 54 + rowBytes * (height - 1);
    const QRgb stored = qRgb(uchar(b[lastRow + 2]), uchar(b[lastRow + 1]), uchar(b[lastRow]));
    QCOMPARE(image.pixel(0, 0), stored);
}

void TestPictures::iconFile()
{
    const QByteArray b = bytesOf(QStringLiteral("kestrilon.ico"));
    QCOMPARE(b.size(), 1078);
    QCOMPARE(le16(b, 0), quint16(0));
    QCOMPARE(le16(b, 2), quint16(1));
    QCOMPARE(le16(b, 4), quint16(2));

    quint32 expectedOffset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const int entry = 6 + 16 * i;
        const int side = i == 0 ? 32 : 16;
        QCOMPARE(int(uchar(b[entry])), side);
        QCOMPARE(int(uchar(b[entry + 1])), side);
        QCOMPARE(int(uchar(b[entry + 2])), 16);
        QCOMPARE(le16(b, entry + 6), quint16(4));
        const quint32 bytes = le32(b, entry + 8);
        const quint32 offset = le32(b, entry + 12);
        QCOMPARE(offset, expectedOffset);
        const int xorRow = (4 * side + 31) / 32 * 4, andRow = (side + 31) / 32 * 4;
        QCOMPARE(bytes, quint32(40 + 16 * 4 + (xorRow + andRow) * side));
        QCOMPARE(le32(b, int(offset)), 40u);
        QCOMPARE(int(le32(b, int(offset) + 4)), side);
        QCOMPARE(int(le32(b, int(offset) + 8)), 2 * side); // colours and mask together
        QCOMPARE(le16(b, int(offset) + 14), quint16(4));
        expectedOffset += bytes;
    }
    QCOMPARE(expectedOffset, quint32(b.size()));
}

void TestPictures::iconLoads()
{
    if (!QImageReader::supportedImageFormats().contains("ico"))
        QSKIP("this Qt has no icon reader");
    const QIcon icon(picturePath(QStringLiteral("kestrilon.ico")));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));

    const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);  // the spanner lies on the diagonal:
    QCOMPARE(qAlpha(image.pixel(31, 31)), 0); // the corners off it are see-through
    QCOMPARE(qAlpha(image.pixel(16, 16)), 255);
    int black = 0, grey = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = image.pixel(x, y);
            black += qAlpha(p) == 255 && qGray(p) == 0;
            grey += qAlpha(p) == 255 && qGray(p) >= 120 && qGray(p) <= 200;
        }
    }
    QVERIFY(black > 30 && grey > 60);
}

void TestPictures::pixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("colour");

    const QString backdrop = QStringLiteral("backdrop.bmp");
    QTest::newRow("plate top edge") << backdrop << QPoint(300, 93) << olive;
    QTest::newRow("plate front edge") << backdrop << QPoint(300, 121) << olive;
    QTest::newRow("plate bottom edge") << backdrop << QPoint(300, 128) << olive;
    QTest::newRow("plate light face") << backdrop << QPoint(300, 100) << QRgb(0xffc0c0af);
    QTest::newRow("plate light face, check") << backdrop << QPoint(301, 100) << QRgb(0xffc0cfaf);
    QTest::newRow("plate underside") << backdrop << QPoint(300, 125) << QRgb(0xffa0a08f);
    QTest::newRow("left post") << backdrop << QPoint(196, 250) << QRgb(0xff606040);
    QTest::newRow("right post") << backdrop << QPoint(442, 250) << QRgb(0xff606040);
    QTest::newRow("back panel") << backdrop << QPoint(208, 129) << QRgb(0xff909090);
    QTest::newRow("back panel, far corner") << backdrop << QPoint(430, 365) << QRgb(0xff909090);
    QTest::newRow("base between posts") << backdrop << QPoint(300, 366) << QRgb(0xff50403f);
    QTest::newRow("base full width") << backdrop << QPoint(188, 391) << QRgb(0xff5f4f40);

    const QString strip = QStringLiteral("strip.bmp");
    QTest::newRow("strip light face") << strip << QPoint(0, 0) << QRgb(0xffc0c0af);
    QTest::newRow("strip olive line") << strip << QPoint(100, 3) << olive;
    QTest::newRow("strip underside") << strip << QPoint(100, 9) << QRgb(0xffa0a08f);
    QTest::newRow("strip bottom line") << strip << QPoint(266, 10) << olive;

    QTest::newRow("hole, olive far rim") << QStringLiteral("hole.bmp") << QPoint(30, 1) << olive;
    QTest::newRow("hole, grey floor") << QStringLiteral("hole.bmp") << QPoint(30, 12)
                                      << QRgb(0xff808080);

    for (const char *name : {"cams-title.bmp", "graph-title.bmp", "label-pear.bmp",
                             "label-double-lobe.bmp", "label-snail.bmp"})
        QTest::addRow("%s on black", name) << QString::fromLatin1(name) << QPoint(0, 0)
                                           << QRgb(0xff000000);
    QTest::newRow("bird on white") << QStringLiteral("bird.bmp") << QPoint(0, 0)
                                   << QRgb(0xffffffff);
}

void TestPictures::pixels()
{
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QRgb, colour);
    QCOMPARE(picture(name).pixel(at), colour);
}

void TestPictures::housingAtTwiceTheSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("area"); // in pixels of the ordinary picture

    using namespace housing;
    QTest::newRow("backdrop, the housing")
        << QStringLiteral("backdrop.bmp") << QRect(QPoint(left, top), QPoint(right, bottom));
    QTest::newRow("strip") << QStringLiteral("strip.bmp") << QRect(QPoint(0, 0), stripSize);
}

// Drawn from the same geometry, the housing's every pixel becomes two by two device pixels of
// its colour: a one-pixel outline is two device pixels wide, never one, never blurred. Only
// the checks may be dithered on device pixels, in their own two colours.
void TestPictures::housingAtTwiceTheSize()
{
    QFETCH(QString, name);
    QFETCH(QRect, area);
    const QImage ordinary = picture(name);
    const QImage sharp = picture(name, 2);
    QCOMPARE(sharp.size(), ordinary.size() * 2);

    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb colour = ordinary.pixel(x, y);
            for (const QPoint device : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y),
                                        QPoint(2 * x, 2 * y + 1), QPoint(2 * x + 1, 2 * y + 1)}) {
                const QRgb p = sharp.pixel(device);
                if (p != colour && p != checkPartner(colour))
                    QFAIL(qPrintable(QStringLiteral("device pixel %1,%2 is %3, not %4")
                                         .arg(device.x()).arg(device.y())
                                         .arg(p, 8, 16).arg(colour, 8, 16)));
            }
        }
    }
}

void TestPictures::frames()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2}) {
        for (int frame = 0; frame < animation::layout::frameCount; ++frame)
            QTest::addRow("step %d, %s at %dx", frame, qPrintable(frameName(frame)), scale)
                << frame << scale;
    }
}

void TestPictures::framesLeaveTheBackdropAlone()
{
    QFETCH(int, frame);
    QFETCH(int, scale);
    const QImage image = picture(frameName(frame), scale);
    const QRect at = frameRect(frame);
    QCOMPARE(image.size(), at.size() * scale);

    // In device pixels: the twice-size frame is cut out at twice the position.
    const QPoint origin = at.topLeft() * scale;
    // The follower stands at most a device pixel off its ordinary height, inside the margin.
    const QRect moving = camPixelBounds(camOfStep(frame), framePose(frame))
                             .united(followerBounds(frame))
                             .adjusted(-1, -1, 1, 1);
    const QRect movingDevice(moving.topLeft() * scale, moving.size() * scale);
    const QImage backdrop = stage(scale);
    int camPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint device = origin + QPoint(x, y);
            camPixels += image.pixel(x, y) == camOutline;
            const bool edge = x == 0 || y == 0 || x == image.width() - 1
                              || y == image.height() - 1;
            if (movingDevice.contains(device) && !edge)
                continue;
            if (image.pixel(x, y) != backdrop.pixel(device))
                QFAIL(qPrintable(QStringLiteral("differs from the backdrop at device pixel %1,%2")
                                     .arg(device.x()).arg(device.y())));
        }
    }
    QVERIFY2(camPixels > 200 * scale, "no cam outline in the frame");
}

void TestPictures::framesRegisterTheFollower()
{
    QFETCH(int, frame);
    QFETCH(int, scale);
    const QImage image = picture(frameName(frame), scale);
    const QPoint origin = frameRect(frame).topLeft() * scale;

    // The foot is the lowest long run of the follower's outline colour.
    int footRow = -1, first = -1, last = -1, rodTop = -1;
    for (int y = 0; y < image.height(); ++y) {
        int runStart = -1;
        for (int x = 0; x <= image.width(); ++x) {
            const bool on = x < image.width() && image.pixel(x, y) == followerOutline;
            if (on && rodTop < 0)
                rodTop = y;
            if (on && runStart < 0)
                runStart = x;
            if (!on && runStart >= 0) {
                if (x - runStart > 50 * scale) {
                    footRow = y;
                    first = runStart;
                    last = x - 1;
                }
                runStart = -1;
            }
        }
    }
    QVERIFY2(footRow >= 0, "no foot found");

    // A window pixel's column covers `scale` device pixels; the height is found at each scale.
    const Columns foot = footColumns(camOfStep(frame));
    const int expectedFirst = camOfStep(frame) == Cam::Snail ? 280 : 284;
    QVERIFY(std::abs(origin.x() + first - expectedFirst * scale) <= 2 * scale);
    QVERIFY(std::abs(origin.x() + last - (expectedFirst + 80) * scale) <= 2 * scale);
    QCOMPARE(origin.x() + first, foot.first * scale);
    QCOMPARE(origin.x() + last, foot.last * scale + scale - 1);
    QCOMPARE(origin.y() + footRow, footBottomRow(frame, scale));
    QCOMPARE(origin.y() + rodTop, rodTopRow(frame, scale));

    // The foot rests on the rim: the cam's outline is on the very next row, under the foot.
    bool touches = false;
    for (int x = first; x <= last; ++x)
        touches = touches || image.pixel(x, footRow + 1) == camOutline;
    QVERIFY2(touches, "the foot does not rest on the cam");
}

// The rod's middle shows unbroken to the hole's near rim and again under the plate; no end
// line or hole floor shows across it.
void TestPictures::rodRunsThroughTheGuide()
{
    QFETCH(int, frame);
    QFETCH(int, scale);
    const QImage image = picture(frameName(frame), scale);
    const QPoint origin = frameRect(frame).topLeft() * scale;
    const QImage backdrop = stage(scale);
    const Columns rod = rodColumns(camOfStep(frame));
    const int middle = rod.first * scale + rod.width() * scale / 2;
    const int top = rodTopRow(frame, scale);
    const int footTop = footBottomRow(frame, scale) - follower::footRows * scale + 1;
    QList<std::pair<int, int>> shown; // runs of rows where the frame differs from the stage
    for (int y = top; y < footTop; ++y) {
        if (image.pixel(middle - origin.x(), y - origin.y()) == backdrop.pixel(middle, y))
            continue;
        if (shown.isEmpty() || shown.last().second != y - 1)
            shown.append({y, y});
        shown.last().second = y;
    }
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown[0].second >= (holePosition.y() + holeSize.height() - 4) * scale);
    QVERIFY(shown[0].second < (holePosition.y() + holeSize.height()) * scale);
    QCOMPARE(shown[1].first, (housing::plateBottom + 1) * scale);
    const QRect inHole(QPoint((rod.first + 1) * scale, top + (follower::rodEndRows + 1) * scale),
                       QPoint(rod.last * scale - 1, shown[0].second));
    const QPoint crossing = firstWhere(inHole, [&](int x, int y) {
        const QRgb p = image.pixel(x - origin.x(), y - origin.y());
        return p == followerOutline || p == 0xff808080; // an end line, the floor
    });
    QCOMPARE(crossing, none);
}

// Smoothed edges blend colours found neither in the stage nor on the drawing's flat fills.
void TestPictures::framesHaveSmoothEdges()
{
    QFETCH(int, frame);
    QFETCH(int, scale);
    const QImage image = picture(frameName(frame), scale);
    const QPoint origin = frameRect(frame).topLeft() * scale;
    const QImage backdrop = stage(scale);
    QSet<QRgb> flat{camOutline, followerOutline, 0xffafaf60, 0xffafb06f, 0xffa0af60, 0xffc0b0bf};
    QSet<QRgb> blended;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            flat.insert(backdrop.pixel(origin + QPoint(x, y)));
    firstWhere(image.rect(), [&](int x, int y) {
        if (!flat.contains(image.pixel(x, y)))
            blended.insert(image.pixel(x, y));
        return false;
    });
    QVERIFY2(blended.size() > 100, qPrintable(QString::number(blended.size())));
}

void TestPictures::letteringIsWholeAndLegible_data()
{
    QStringList names;
    for (const char *language : {"de", "fr", "es"})
        for (const QString &file : letteringFiles)
            names << QLatin1String(language) + QLatin1Char('/') + file;
    namesAtScales(names);
}

// Another language's word is its own, clear of the edges, and at least two thirds as tall.
void TestPictures::letteringIsWholeAndLegible()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    const QImage own = picture(name, scale);
    const QImage english = picture(name.section(QLatin1Char('/'), 1), scale);
    QVERIFY(!own.isNull() && own != english);
    const QRect word = ink(own);
    QVERIFY2(QRect(QPoint(scale, scale), own.size() - QSize(2, 2) * scale).contains(word),
             "the word touches the picture's edge");
    QVERIFY2(3 * word.height() >= 2 * ink(english).height(),
             qPrintable(QStringLiteral("%1 px tall, English %2").arg(word.height())
                            .arg(ink(english).height())));
}

// Shine has the outside within two pixels up or left: it never crosses or bridges strokes.
void TestPictures::shineStaysInsideTheLetters()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    const QImage image = picture(name, scale);
    auto shine = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        return qGreen(p) > 60 && qGreen(p) - std::max(qRed(p), qBlue(p)) > qGreen(p) / 7;
    };
    auto outside = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        const bool face = qRed(p) > 170 && qBlue(p) > 170
                          && qGreen(p) < std::min(qRed(p), qBlue(p)) - 25;
        return x < 0 || y < 0 || (!face && !shine(x, y));
    };
    int shone = 0;
    const QPoint inStroke = firstWhere(image.rect(), [&](int x, int y) {
        if (!shine(x, y))
            return false;
        ++shone;
        for (int k = 1; k <= 2 * scale; ++k)
            if (outside(x - k, y) || outside(x, y - k) || outside(x - k, y - k))
                return false;
        return true;
    });
    QCOMPARE(inStroke, none);
    QVERIFY2(shone > 40 * scale, "no shine on the letters");
}

// Row sums of the dithered sky change every few rows all the way down from pale cream.
void TestPictures::skyHasNoBands()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    const QImage image = picture(name, scale);
    QCOMPARE(image.pixel(0, 0), QRgb(0xfffff0df));
    int run = 0, longest = 0;
    qint64 previous = -1;
    for (int y = 0; y < image.height(); ++y) {
        qint64 sum = 0;
        for (int x = skyColumns[name].first * scale; x < (skyColumns[name].second + 1) * scale; ++x)
            sum += qint64(qRed(image.pixel(x, y))) << 40 | qint64(qGreen(image.pixel(x, y))) << 20
                   | qBlue(image.pixel(x, y));
        run = sum == previous ? run + 1 : 1;
        longest = std::max(longest, run);
        previous = sum;
    }
    QVERIFY2(longest <= 4 * scale, qPrintable(QStringLiteral("%1 rows alike").arg(longest)));
}

// Across the quiz box's left wall's top edge the follower rod's mauve shows, not the olive wall.
void TestPictures::quizFollowerInFrontOfTheWall()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    const QImage image = picture(name, scale);
    const QRect wallTop(QPoint(50, 229) * scale, QPoint(80, 239) * scale);
    const QPoint notRod = firstWhere(wallTop, [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        return qRed(p) - qGreen(p) < 10 || qBlue(p) - qGreen(p) < 10;
    });
    QCOMPARE(notRod, none);
}

QTEST_MAIN(TestPictures)

#include "tst_pictures.moc"
