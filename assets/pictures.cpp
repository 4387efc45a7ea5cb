// The one place that knows where the embedded pictures live.
#include "assets/pictures.h"

namespace assets {

QString picturePath(const QString &name)
{
    return QStringLiteral(":/pictures/") + name;
}

} // namespace assets
