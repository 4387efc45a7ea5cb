// Every format goes out through QSaveFile: the file appears whole at the end or not at all,
// and a write the disk refused is reported rather than committed.
#include "exportdesign.h"
#include "camexporttext.h"

#include "cutoutline.h"
#include "dxfwriter.h"
#include "papertemplate.h"
#include "svgwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace camexport {
namespace {


QString cannotWrite(const QString &path, const QString &why)
{
    return CamExportText::tr("Could not write %1: %2.").arg(QDir::toNativeSeparators(path), why);
}

QString writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return cannotWrite(path, file.errorString());
    return {};
}

QString writePdf(const camdesign::CamDesign &design, const QString &path,
                 const ExportOptions &options)
{
    const QPageLayout layout = templatePageLayout(options.locale);
    const QString refusal = templateRefusal(design, layout);
    if (!refusal.isEmpty())
        return refusal;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    QPdfWriter writer(&file);
    writer.setPageLayout(layout);
    writer.setTitle(design.name);
    writer.setCreator(QStringLiteral("Kestrilon"));
    QPainter painter;
    if (!painter.begin(&writer))
        return cannotWrite(path, CamExportText::tr("the PDF could not be started"));
    const QString painted = paintTemplate(painter, design, layout, options);
    painter.end();
    if (!painted.isEmpty())
        return painted;
    if (file.error() != QFileDevice::NoError || !file.commit())
        return cannotWrite(path, file.errorString());
    return {};
}

} // namespace

QByteArray fileNumber(double value)
{
    QByteArray text = QByteArray::number(value, 'f', 4);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text == "-0" ? QByteArray("0") : text;
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
        return writeWhole(path, svgOf(design, options));
    if (suffix == QLatin1String("dxf"))
        return writeWhole(path, dxfOf(design, options));
    return writePdf(design, path, options);
}

} // namespace camexport
