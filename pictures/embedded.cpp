// The one place that knows where the embedded pictures live.
#include "pictures/embedded.h"

namespace pictures {

QString picturePath(const QString &name, int scale)
{
    return (scale == 2 ? QStringLiteral(":/pictures@2x/") : QStringLiteral(":/pictures/")) + name;
}

QIcon windowIcon()
{
    static const QIcon icon = [] {
        QIcon sizes;
        for (int size : {KESTRILON_ICON_SIZES})
            sizes.addFile(picturePath(QStringLiteral("kestrilon-%1.png").arg(size)),
                          QSize(size, size));
        return sizes;
    }();
    return icon;
}

} // namespace pictures
