// The one place that knows where the embedded pictures live.
#include "assets/pictures.h"

namespace assets {

QString picturePath(const QString &name, int scale)
{
    return (scale == 2 ? QStringLiteral(":/pictures@2x/") : QStringLiteral(":/pictures/")) + name;
}

} // namespace assets
