#include "pictures.h"

#include <QFile>
#include <QGuiApplication>

namespace forms {

namespace {

QString pictureLanguage;

// The picture for the program's language where it has one (the lettering), else the
// picture every language shares.
QString storedPath(const QString &folder, const QString &file)
{
    if (!pictureLanguage.isEmpty()) {
        const QString own = folder + pictureLanguage + QLatin1Char('/') + file;
        if (QFile::exists(own))
            return own;
    }
    return folder + file;
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
        const QString sharp = storedPath(QStringLiteral(":/pictures@2x/"), file);
        if (QFile::exists(sharp)) {
            QPixmap pixmap(sharp);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(storedPath(QStringLiteral(":/pictures/"), file));
}

} // namespace forms
