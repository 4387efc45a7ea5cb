// The two file formats the app is given: plain 24-bit bitmaps and the 16-colour window icon.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QVector>

namespace painter {

// A 24-bit uncompressed bitmap: 54-byte header, rows bottom-up, each padded to 4 bytes.
QByteArray bmp24(const QImage &image);

// The sixteen colours every icon image uses, in the order their 4-bit indices name them.
const QVector<QRgb> &iconPalette();

// An icon file holding the given images, each stored with 4 bits a pixel against iconPalette()
// and a 1-bit mask taken from the alpha channel (alpha below 128 is transparent).
QByteArray icoFile(const QVector<QImage> &images);

} // namespace painter
