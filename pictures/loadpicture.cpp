#include "pictures/loadpicture.h"

#include "pictures/embedded.h"

#include <QFile>
#include <QGuiApplication>

namespace pictures {

namespace {

QString pictureLanguage;

// The picture for the program's language where it has one (the lettering), else the
// picture every language shares.
QString storedPath(const QString &file, int scale)
{
    if (!pictureLanguage.isEmpty()) {
        const QString own = pictures::picturePath(pictureLanguage + QLatin1Char('/') + file, scale);
        if (QFile::exists(own))
            return own;
    }
    return pictures::picturePath(file, scale);
}

} // namespace

int pictureScale()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

void setPictureLanguage(const QString &code)
{
    pictureLanguage = code;
}

QPixmap loadPicture(const QString &file)
{
    if (pictureScale() == 2) {
        const QString sharp = storedPath(file, 2);
        if (QFile::exists(sharp)) {
            QPixmap pixmap(sharp);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(storedPath(file, 1));
}

} // namespace pictures
