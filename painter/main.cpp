// kestrilon-pictures: draws every picture the program shows into one folder, and the same
// bitmaps at twice the size, for screens of twice the density, into a second one.
// Run at build time on Qt's offscreen platform: kestrilon-pictures <folder> <folder at 2x>
#include "painter/bmpfile.h"
#include "painter/camgeometry.h"
#include "painter/clipart.h"
#include "painter/lettering.h"
#include "painter/scene.h"
#include "painter/spanner.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <string_view>

using namespace painter;

namespace {

// The build embeds the files pictures/CMakeLists.txt names: the same cams, the same frames.
static_assert(KESTRILON_FRAME_COUNT == animation::layout::frameCount,
              "pictures/CMakeLists.txt embeds another number of frames");

consteval bool buildNamesEveryCam()
{
    std::string_view listed = KESTRILON_CAM_FILES;
    for (const animation::CamRecord &record : animation::camRecords) {
        const std::string_view file = record.file;
        const std::string_view next = listed.substr(0, listed.find(' '));
        if (next != file)
            return false;
        listed.remove_prefix(std::min(listed.size(), next.size() + 1));
    }
    return listed.empty();
}
static_assert(buildNamesEveryCam(), "pictures/CMakeLists.txt embeds other cams' pictures");

bool write(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QSaveFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "kestrilon-pictures: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

QString frameName(int picture)
{
    if (picture == animation::startPicture)
        return QStringLiteral("frame-start.bmp");
    return QStringLiteral("frame-%1.bmp").arg(picture, 2, 10, QLatin1Char('0'));
}

QDir outputFolder(const char *path)
{
    QDir folder(QString::fromLocal8Bit(path));
    if (!folder.mkpath(QStringLiteral(".")))
        std::fprintf(stderr, "kestrilon-pictures: cannot create %s\n", path);
    return folder;
}

// The words drawn into pictures, in one language. A line break sets a title on two lines; a
// cam's label has one line of lettering for each word in its list.
struct Lettering {
    const char *language; // the folder of its pictures; empty for English
    QString cams, graph;
    std::array<QStringList, std::size(allCams)> labels; // in the cams' order
};

// English first: its pictures are the ones every other language falls back on.
const Lettering letterings[] = {
    {"", QStringLiteral("Cams"), QStringLiteral("Time V Height"),
     {{{QStringLiteral("Pear")}, {QStringLiteral("Double"), QStringLiteral("Lobe")},
       {QStringLiteral("Snail")}}}},
    {"de", QStringLiteral("Kurven-\nscheiben"), QStringLiteral("Hub über Zeit"),
     {{{QStringLiteral("Birne")}, {QStringLiteral("Doppel-"), QStringLiteral("nocken")},
       {QStringLiteral("Schnecke")}}}},
    {"fr", QStringLiteral("Cames"), QStringLiteral("Courbe de levée"),
     {{{QStringLiteral("Poire")}, {QStringLiteral("Double"), QStringLiteral("lobe")},
       {QStringLiteral("Escargot")}}}},
    {"es", QStringLiteral("Levas"), QStringLiteral("Curva de elevación"),
     {{{QStringLiteral("Pera")}, {QStringLiteral("Doble"), QStringLiteral("lóbulo")},
       {QStringLiteral("Caracol")}}}},
};

QString camFile(const char *kind, Cam cam)
{
    return QString::fromLatin1(kind) + QLatin1Char('-') + QLatin1String(camRecord(cam).file)
           + QLatin1String(".bmp");
}

// The lettering pictures in one language, drawn `scale` times their size: the two titles and
// each cam's label, at its control's size. English words fit their pictures as they are; a
// longer word may be drawn narrower.
QList<std::pair<QString, QImage>> letteringPictures(const Lettering &words, int scale)
{
    const double narrowest = *words.language ? 0.7 : 1.0;
    QList<std::pair<QString, QImage>> pictures{
        {QStringLiteral("cams-title.bmp"), titleLettering({96, 36}, words.cams, scale)},
        {QStringLiteral("graph-title.bmp"), titleLettering({168, 36}, words.graph, scale)},
    };
    for (const Cam cam : allCams) {
        const animation::layout::Place &label = camRecord(cam).label.at;
        const QSize size(forms::toPixels(label.width), forms::toPixels(label.height));
        pictures.append({camFile("label", cam),
                         labelLettering(size, words.labels[std::size_t(cam)], scale,
                                        narrowest)});
    }
    return pictures;
}

// Every bitmap, drawn `scale` times its size, with the lettering of every language. The icon
// has sizes of its own and is not here.
bool writeBitmaps(const QDir &folder, int scale)
{
    QList<std::pair<QString, QImage>> bitmaps{
        {QStringLiteral("backdrop.bmp"), backdrop(scale)},
        {QStringLiteral("strip.bmp"), strip(scale)},
        {QStringLiteral("hole.bmp"), hole(scale)},
        {QStringLiteral("bird.bmp"), bird(scale)},
        {QStringLiteral("quiz-backdrop.bmp"), quizBackdrop(scale)},
    };
    for (const Cam cam : allCams) {
        const CamDrawing &drawing = camDrawing(cam);
        bitmaps.append({camFile("icon", cam), camIcon(cam, drawing.icon, scale)});
        bitmaps.append({camFile("cover", cam), tile(drawing.cover * scale)});
    }
    for (const Lettering &words : letterings) {
        const QString prefix = *words.language
                                   ? QLatin1String(words.language) + QLatin1Char('/')
                                   : QString();
        if (!prefix.isEmpty() && !folder.mkpath(prefix)) {
            std::fprintf(stderr, "kestrilon-pictures: cannot create %s\n", words.language);
            return false;
        }
        for (auto &[name, image] : letteringPictures(words, scale))
            bitmaps.append({prefix + name, image});
    }
    bool ok = true;
    for (const auto &[name, image] : bitmaps)
        ok = write(folder, name, bmp24(image)) && ok;

    for (const animation::CamRecord &record : animation::camRecords) {
        for (int step = record.table.firstStep; step < record.table.wrapValue(); ++step) {
            const int picture = record.table.step(step).picture;
            ok = write(folder, frameName(picture), bmp24(animationFrame(step, scale))) && ok;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kestrilon-pictures <output folder> <folder at 2x>\n");
        return 2;
    }
    const QDir folder = outputFolder(argv[1]);
    const QDir sharpFolder = outputFolder(argv[2]);
    if (!folder.exists() || !sharpFolder.exists())
        return 1;
    if (!loadFonts()) {
        std::fprintf(stderr, "kestrilon-pictures: the DejaVu fonts are missing\n");
        return 1;
    }

    bool ok = writeBitmaps(folder, 1);
    ok = writeBitmaps(sharpFolder, 2) && ok;
    ok = write(folder, QStringLiteral("kestrilon.ico"), icoFile({spanner(32), spanner(16)})) && ok;
    for (int size : {KESTRILON_ICON_SIZES}) {
        const QString name = QStringLiteral("kestrilon-%1.png").arg(size);
        if (!spanner(size).save(folder.filePath(name))) {
            std::fprintf(stderr, "kestrilon-pictures: cannot write %s\n", qPrintable(name));
            ok = false;
        }
    }
    ok = write(folder, QStringLiteral("kestrilon.svg"), spannerSvg()) && ok;
    return ok ? 0 : 1;
}
