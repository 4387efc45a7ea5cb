// The pictures drawn at build time, embedded in every program that links kestrilon_pictures.
#pragma once

#include <QIcon>
#include <QString>

namespace pictures {

// ":/pictures/<name>", where Qt finds the embedded file of that name; with `scale` 2,
// ":/pictures@2x/<name>", the same picture drawn at twice the size.
QString picturePath(const QString &name, int scale = 1);

// The spanner at all its sizes, for both windows: decoded on the first call, shared after.
QIcon windowIcon();

} // namespace pictures
