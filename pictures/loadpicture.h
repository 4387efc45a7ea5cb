// Opens the program's stored pictures. On a screen of twice the density the
// pictures drawn at twice the size are shown instead, when the program has
// them; only the set the screen needs is ever decoded. Pictures with words in
// them come in a set for each language, beside the English ones.
#pragma once

#include <QPixmap>
#include <QString>

namespace pictures {

// The scale of the picture set the screens need: 1 or 2.
int pictureScale();

// Pictures loaded from now on come from the set for `code` ("de") where it has
// the picture; an empty code is the English set.
void setPictureLanguage(const QString &code);

// A stored picture by its file name; its device-independent size is always
// the size of the ordinary picture.
QPixmap loadPicture(const QString &file);

} // namespace pictures
