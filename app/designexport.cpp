// Reads the design as the workshop would, refuses what it refuses, and leaves the writing to
// the room that knows the format.
#include "designexport.h"

#include "startup.h"

#include "camdesign/designfile.h"
#include "camdesign/motiontable.h"

#include <QFileInfo>

namespace designexport {
namespace {

Outcome failed(int exitCode, const QString &message)
{
    return {exitCode, QStringLiteral("%1: %2\n").arg(QLatin1String(startup::executableName),
                                                     message)};
}

} // namespace

QStringList suffixes()
{
    return {QStringLiteral("csv")};
}

Outcome exportDesignFile(const QString &designPath, const QString &outputPath)
{
    const QString suffix = QFileInfo(outputPath).suffix().toLower();
    if (!suffixes().contains(suffix))
        return failed(startup::exitUsage,
                      QStringLiteral("cannot export to '%1': the file name must end in .%2.")
                          .arg(outputPath, suffixes().join(QStringLiteral(", ."))));
    const camdesign::DesignReading reading = camdesign::loadDesign(designPath);
    if (!reading.design)
        return failed(exitExportFailed, QStringLiteral("%1: %2").arg(designPath, reading.error));
    QString error;
    if (suffix == QLatin1String("csv"))
        error = camdesign::saveMotionTable(*reading.design, outputPath);
    if (!error.isEmpty())
        return failed(exitExportFailed, error);
    return {};
}

} // namespace designexport
