// Opens the program's stored pictures. On a screen of twice the density the
// pictures drawn at twice the size are shown instead, when the program has
// them; only the set the screen needs is ever decoded.
#pragma once

#include <QPixmap>
#include <QString>

namespace forms {

// The scale of the picture set the screens need: 1 or 2.
int pictureScale();

// A stored picture by its file name; its device-independent size is always
// the size of the ordinary picture.
QPixmap loadPicture(const QString &file);

} // namespace forms
