// Reads the design as the workshop would, refuses what it refuses, and leaves the writing to
// the room that knows the format.
#include "designexport.h"

#include "startup.h"

#include "camdesign/designfile.h"
#include "camdesign/motiontable.h"
#include "camdesign/wholefile.h"
#include "camexport/cutoutline.h"
#include "camexport/exportdesign.h"
#include "workshop/designpicture.h"

#include <QFileInfo>
#include <QLocale>

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
    return {QStringLiteral("csv"), QStringLiteral("svg"), QStringLiteral("dxf"),
            QStringLiteral("pdf"), QStringLiteral("png")};
}

Outcome exportDesignFile(const QString &designPath, const QString &outputPath,
                         const Options &options)
{
    const QString suffix = QFileInfo(outputPath).suffix().toLower();
    if (!suffixes().contains(suffix))
        return failed(startup::exitUsage,
                      QStringLiteral("cannot export to '%1': the file name must end in .%2.")
                          .arg(outputPath, suffixes().join(QStringLiteral(", ."))));
    // Whatever the endings say, the design is never written over by its own export.
    if (camdesign::sameFile(designPath, outputPath))
        return failed(exitExportFailed,
                      QStringLiteral("cannot export to '%1': it is the design file itself.")
                          .arg(outputPath));
    const camdesign::DesignReading reading = camdesign::loadDesign(designPath);
    if (!reading.design)
        return failed(exitExportFailed, QStringLiteral("%1: %2").arg(designPath, reading.error));
    const camdesign::CamDesign &design = *reading.design;
    QString error;
    if (suffix == QLatin1String("csv")) {
        error = camdesign::saveMotionTable(design, outputPath);
    } else if (suffix == QLatin1String("png")) {
        error = workshop::saveDesignPicture(design, outputPath, options.pictureSize);
    } else {
        camexport::ExportOptions cut;
        cut.constructionLines = options.constructionLines;
        cut.locale = QLocale::system();
        error = camexport::exportDesign(design, outputPath, cut);
    }
    if (!error.isEmpty())
        return failed(exitExportFailed, error);
    // Worth knowing, but the file is written: a steep pressure angle still cuts.
    Outcome outcome;
    for (const QString &warning : camexport::cutWarnings(design))
        outcome.standardError += QStringLiteral("%1: warning: %2\n")
                                     .arg(QLatin1String(startup::executableName), warning);
    return outcome;
}

} // namespace designexport
