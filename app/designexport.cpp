// Reads the design as the workshop would, refuses what it refuses, and leaves the writing to
// the room that knows the format.
#include "designexport.h"

#include "startup.h"

#include "camdesign/designfile.h"
#include "camdesign/wholefile.h"
#include "workshop/exportfile.h"

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

Outcome exportDesignFile(const QString &designPath, const QString &outputPath,
                         const Options &options)
{
    const QString suffix = QFileInfo(outputPath).suffix().toLower();
    if (!workshop::exportSuffixes().contains(suffix))
        return failed(startup::exitUsage,
                      QStringLiteral("cannot export to '%1': the file name must end in .%2.")
                          .arg(outputPath, workshop::exportSuffixes().join(QStringLiteral(", ."))));
    // Whatever the endings say, the design is never written over by its own export.
    if (camdesign::sameFile(designPath, outputPath))
        return failed(exitExportFailed,
                      QStringLiteral("cannot export to '%1': it is the design file itself.")
                          .arg(outputPath));
    const camdesign::DesignReading reading = camdesign::loadDesign(designPath);
    if (!reading.design)
        return failed(exitExportFailed, QStringLiteral("%1: %2").arg(designPath, reading.error));
    workshop::ExportRequest request;
    request.constructionLines = options.constructionLines;
    request.pictureSize = options.pictureSize;
    request.paper = QLocale::system();
    const workshop::ExportOutcome written =
        workshop::exportDesignFile(*reading.design, outputPath, request);
    if (!written.written())
        return failed(exitExportFailed, written.refusal);
    // Worth knowing, but the file is written: a steep pressure angle still cuts.
    Outcome outcome;
    for (const QString &warning : written.warnings)
        outcome.standardError += QStringLiteral("%1: warning: %2\n")
                                     .arg(QLatin1String(startup::executableName), warning);
    return outcome;
}

} // namespace designexport
