// QSaveFile does the replacing; what it leaves to its caller is checked here. Through Qt's
// buffer a short file reaches the disk only at the flush, where a full disk's refusal is
// not reported by every Qt release: every write is made and checked here.
#include "wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace camdesign {
namespace {

class WholeFile
{
    Q_DECLARE_TR_FUNCTIONS(WholeFile)
};

bool statOf(const QString &path, struct stat &status)
{
    return ::stat(QFile::encodeName(path).constData(), &status) == 0;
}

} // namespace

QString replaceRefusal(const QString &path)
{
    struct stat status {};
    if (!statOf(path, status))
        return {}; // nothing there yet, or a folder QSaveFile will name when it cannot write
    if (S_ISDIR(status.st_mode))
        return WholeFile::tr("it is a folder");
    // A device, a pipe or a socket would be replaced by a plain file, or fed a half-written
    // one: neither is what the learner asked for.
    if (!S_ISREG(status.st_mode))
        return WholeFile::tr("it is not an ordinary file");
    // Checked by its mode too, so that a read-only file stays so even for the administrator,
    // whom access() lets write anything.
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0
        || ::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return WholeFile::tr("it is read-only");
    return {};
}

bool sameFile(const QString &first, const QString &second)
{
    struct stat a {};
    struct stat b {};
    return statOf(first, a) && statOf(second, b) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString writeWhole(const QString &path, const std::function<bool(QIODevice &)> &fill)
{
    // Gathered first, so that the file's own writes can be checked one by one below,
    // whatever the writer does with the results of its writes.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!fill(buffer))
        return WholeFile::tr("the file could not be finished");
    return writeWhole(path, buffer.data());
}

QString writeWhole(const QString &path, const QByteArray &bytes)
{
    const QString refused = replaceRefusal(path);
    if (!refused.isEmpty())
        return refused;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Written here rather than through the device, whose buffer and partial writes hide the
    // disk's reason for refusing (full, or the file too large) in some Qt releases.
    for (qint64 written = 0; written < bytes.size();) {
        const ssize_t now = ::write(file.handle(), bytes.constData() + written,
                                    std::size_t(bytes.size() - written));
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0) {
            const QString why = qt_error_string(now < 0 ? errno : ENOSPC);
            file.cancelWriting();
            return why;
        }
        written += now;
    }
    if (!file.flush() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace camdesign
