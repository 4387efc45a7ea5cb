// kestrilon-pictures: draws every picture the program shows and writes them into one folder.
// Run at build time on Qt's offscreen platform: kestrilon-pictures <folder>
#include "assets/artwork.h"
#include "assets/bmpfile.h"
#include "assets/camgeometry.h"
#include "assets/scene.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

using namespace assets;

namespace {

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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrilon-pictures <output folder>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kestrilon-pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    if (!loadFonts()) {
        std::fprintf(stderr, "kestrilon-pictures: the DejaVu fonts are missing\n");
        return 1;
    }

    const QList<std::pair<QString, QImage>> bitmaps{
        {QStringLiteral("backdrop.bmp"), backdrop()},
        {QStringLiteral("cams-title.bmp"), titleLettering({96, 36}, QStringLiteral("Cams"))},
        {QStringLiteral("graph-title.bmp"),
         titleLettering({168, 36}, QStringLiteral("Time V Height"))},
        {QStringLiteral("label-pear.bmp"), labelLettering({62, 20}, {QStringLiteral("Pear")})},
        {QStringLiteral("label-double-lobe.bmp"),
         labelLettering({58, 38}, {QStringLiteral("Double"), QStringLiteral("Lobe")})},
        {QStringLiteral("label-snail.bmp"), labelLettering({48, 22}, {QStringLiteral("Snail")})},
        {QStringLiteral("icon-pear.bmp"), camIcon(Cam::Pear, {82, 96})},
        {QStringLiteral("icon-double-lobe.bmp"), camIcon(Cam::DoubleLobe, {82, 114})},
        {QStringLiteral("icon-snail.bmp"), camIcon(Cam::Snail, {84, 104})},
        {QStringLiteral("cover-pear.bmp"), tile({82, 94})},
        {QStringLiteral("cover-double-lobe.bmp"), tile({80, 110})},
        {QStringLiteral("cover-snail.bmp"), tile({84, 102})},
        {QStringLiteral("strip.bmp"), strip()},
        {QStringLiteral("hole.bmp"), hole()},
        {QStringLiteral("bird.bmp"), bird()},
        {QStringLiteral("quiz-backdrop.bmp"), quizBackdrop()},
    };
    bool ok = true;
    for (const auto &[name, image] : bitmaps)
        ok = write(folder, name, bmp24(image)) && ok;

    for (int frame = 0; frame < 20; ++frame) {
        const int picture = camTable(camOfStep(frame)).step(frame).picture;
        ok = write(folder, frameName(picture), bmp24(animationFrame(frame))) && ok;
    }

    ok = write(folder, QStringLiteral("kestrilon.ico"),
               icoFile({spanner(32, false), spanner(16, false)})) && ok;
    for (int size : {16, 32, 64}) {
        const QString name = QStringLiteral("kestrilon-%1.png").arg(size);
        if (!spanner(size, size > 32).save(folder.filePath(name))) {
            std::fprintf(stderr, "kestrilon-pictures: cannot write %s\n", qPrintable(name));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
