// The pictures drawn at build time, embedded in every program that links kestrilon_pictures.
#pragma once

#include <QString>

namespace assets {

// ":/pictures/<name>", where Qt finds the embedded file of that name; with `scale` 2,
// ":/pictures@2x/<name>", the same picture drawn at twice the size.
QString picturePath(const QString &name, int scale = 1);

} // namespace assets
