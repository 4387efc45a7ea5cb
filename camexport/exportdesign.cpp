// Every format goes out whole or not at all, and a write the disk refused is reported rather
// than committed.
#include "exportdesign.h"
#include "camexporttext.h"

#include "cutoutline.h"
#include "dxfwriter.h"
#include "papertemplate.h"
#include "svgwriter.h"

#include "camdesign/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace camexport {
namespace {

QString cannotWrite(const QString &path, const QString &why)
{
    return CamExportText::tr("Could not write %1: %2.").arg(QDir::toNativeSeparators(path), why);
}

QString writeBytes(const QString &path, const QByteArray &bytes)
{
    const QString failed = camdesign::writeWhole(path, bytes);
    return failed.isEmpty() ? QString() : cannotWrite(path, failed);
}

} // namespace

QString writeTemplatePdf(const camdesign::CamDesign &design, const QString &path,
                         const QPageLayout &layout, const ExportOptions &options)
{
    const QString refusal = templateRefusal(design, layout);
    if (!refusal.isEmpty())
        return refusal;
    const QString failed = camdesign::writeWhole(path, [&](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setPageLayout(layout);
        writer.setTitle(design.name);
        writer.setCreator(QStringLiteral("Kestrilon"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const bool painted = paintTemplate(painter, design, layout, options).isEmpty();
        return painter.end() && painted;
    });
    return failed.isEmpty() ? QString() : cannotWrite(path, failed);
}

QString exportDesign(const camdesign::CamDesign &design, const QString &path,
                     const ExportOptions &options)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("dxf")
        && suffix != QLatin1String("pdf"))
        return CamExportText::tr(
            "Cannot export to \"%1\": the name must end in .svg, .dxf or .pdf.")
            .arg(QFileInfo(path).fileName());

    const QString refusal = cutRefusal(design);
    if (!refusal.isEmpty())
        return refusal;
    if (suffix == QLatin1String("svg"))
        return writeBytes(path, svgOf(design, options));
    if (suffix == QLatin1String("dxf"))
        return writeBytes(path, dxfOf(design, options));
    return writeTemplatePdf(design, path, templatePageLayout(options.locale), options);
}

} // namespace camexport
