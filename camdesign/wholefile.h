// Writing a file whole or not at all: every write and the final flush checked, the old file
// left as it was when anything fails, and nothing written over what a write must not replace.
// Every file the program writes (designs, cut files, templates, pictures, tables) goes
// through here.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace camdesign {

// Why the file at path must not be replaced, as a short phrase to follow "cannot be written
// to …: " ("it is a folder", "it is read-only"), or an empty string. A link is judged by the
// file it names, which is the file that gets written.
QString replaceRefusal(const QString &path);

// True when both paths name one existing file, by whatever route: "./" in front, a symbolic
// link, a hard link.
bool sameFile(const QString &first, const QString &second);

// Writes what `fill` puts into the device to path through a temporary file that replaces
// the old one only once complete. `fill` returns false when it could not finish. Returns an
// empty string, or the reason as a short phrase.
QString writeWhole(const QString &path, const std::function<bool(QIODevice &)> &fill);
QString writeWhole(const QString &path, const QByteArray &bytes);

} // namespace camdesign
