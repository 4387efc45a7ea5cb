#include "pictures.h"

#include <QFile>
#include <QGuiApplication>

namespace forms {

int pictureScale()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

QPixmap loadPicture(const QString &file)
{
    if (pictureScale() == 2) {
        const QString sharp = QStringLiteral(":/pictures@2x/") + file;
        if (QFile::exists(sharp)) {
            QPixmap pixmap(sharp);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(QStringLiteral(":/pictures/") + file);
}

} // namespace forms
