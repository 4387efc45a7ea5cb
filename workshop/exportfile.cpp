// Each format is written by the room that knows it; what this adds is the choice by ending
// and the one list of warnings, which does not depend on the format: a steep pressure angle
// is worth knowing whether the cam goes to a cutter, to paper or onto a worksheet.
#include "exportfile.h"

#include "camdesign/motiontable.h"
#include "camexport/cutoutline.h"
#include "camexport/exportdesign.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace workshop {
namespace {

class ExportText
{
    Q_DECLARE_TR_FUNCTIONS(workshop::ExportText)
};

} // namespace

QStringList exportSuffixes()
{
    return {QStringLiteral("csv"), QStringLiteral("svg"), QStringLiteral("dxf"),
            QStringLiteral("pdf"), QStringLiteral("png")};
}

ExportOutcome exportDesignFile(const camdesign::CamDesign &design, const QString &path,
                               const ExportRequest &request)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    ExportOutcome outcome;
    if (suffix == QLatin1String("csv")) {
        outcome.refusal = camdesign::saveMotionTable(design, path);
    } else if (suffix == QLatin1String("png")) {
        outcome.refusal = saveDesignPicture(design, path, request.pictureSize);
    } else if (suffix == QLatin1String("svg") || suffix == QLatin1String("dxf")
               || suffix == QLatin1String("pdf")) {
        camexport::ExportOptions options;
        options.constructionLines = request.constructionLines;
        options.locale = request.paper;
        outcome.refusal = camexport::exportDesign(design, path, options);
    } else {
        outcome.refusal = ExportText::tr("Cannot export to \"%1\": the name must end in .%2.")
                              .arg(QFileInfo(path).fileName(),
                                   exportSuffixes().join(QStringLiteral(", .")));
    }
    if (outcome.written())
        outcome.warnings = camexport::cutWarnings(design);
    return outcome;
}

} // namespace workshop
