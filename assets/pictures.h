// The pictures drawn at build time, embedded in every program that links kestrilon_pictures.
#pragma once

#include <QString>

namespace assets {

// ":/pictures/<name>", where Qt finds the embedded file of that name.
QString picturePath(const QString &name);

} // namespace assets
