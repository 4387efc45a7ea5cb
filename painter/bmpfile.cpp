// Writes the bitmaps byte by byte, so the header is exactly the classic 54-byte one.
#include "painter/bmpfile.h"

#include <climits>

namespace painter {

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray &out, qint64 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

int paddedRow(int bits)
{
    return (bits + 31) / 32 * 4;
}

void putInfoHeader(QByteArray &out, int width, int height, int bitsPerPixel, int imageBytes,
                   int colours)
{
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, bitsPerPixel);
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 3780); // 96 dots an inch, in dots a metre
    put32(out, 3780);
    put32(out, colours);
    put32(out, 0);
}

int nearestIndex(QRgb colour)
{
    const QVector<QRgb> &palette = iconPalette();
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(colour) - qRed(palette[i]);
        const int dg = qGreen(colour) - qGreen(palette[i]);
        const int db = qBlue(colour) - qBlue(palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QByteArray iconImage(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int xorRow = paddedRow(4 * w), andRow = paddedRow(w);

    QByteArray out;
    putInfoHeader(out, w, 2 * h, 4, (xorRow + andRow) * h, 16);
    for (QRgb colour : iconPalette()) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorRow, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int index = qAlpha(pixel) < 128 ? 0 : nearestIndex(pixel);
            row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andRow, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray bmp24(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const int row = paddedRow(24 * w);
    const int imageBytes = row * h;

    QByteArray out;
    out.reserve(54 + imageBytes);
    out.append("BM", 2);
    put32(out, 54 + imageBytes);
    put32(out, 0);
    put32(out, 54);
    putInfoHeader(out, w, h, 24, imageBytes, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(QByteArray(row - 3 * w, '\0'));
    }
    return out;
}

const QVector<QRgb> &iconPalette()
{
    static const QVector<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return palette;
}

QByteArray icoFile(const QVector<QImage> &images)
{
    QByteArray directory;
    put16(directory, 0);
    put16(directory, 1); // an icon, not a cursor
    put16(directory, int(images.size()));

    QByteArray data;
    qint64 offset = 6 + 16 * images.size();
    for (const QImage &image : images) {
        const QByteArray bytes = iconImage(image);
        directory.append(char(image.width() & 0xff));
        directory.append(char(image.height() & 0xff));
        directory.append(char(16));
        directory.append(char(0));
        put16(directory, 1);
        put16(directory, 4);
        put32(directory, bytes.size());
        put32(directory, offset);
        offset += bytes.size();
        data.append(bytes);
    }
    return directory + data;
}

} // namespace painter
