// One door out of the workshop for a finished cam: an SVG or a DXF for a laser cutter, or a
// PDF template to print at true size, chosen by the file name's ending.
#pragma once

#include "exportoptions.h"

#include "camdesign/design.h"

#include <QByteArray>
#include <QLocale>
#include <QPageLayout>
#include <QString>

namespace camexport {

// Writes the design to path as .svg, .dxf or .pdf. Returns an empty string when the file is
// complete, or one sentence saying why there is no file; a file that could not be finished
// never replaces what was there.
QString exportDesign(const camdesign::CamDesign &design, const QString &path,
                     const ExportOptions &options = {});

// The paper template alone, on the page `layout` gives, as a printer's "print to file" wants
// it; exportDesign() chooses the page from the options' locale.
QString writeTemplatePdf(const camdesign::CamDesign &design, const QString &path,
                         const QPageLayout &layout, const ExportOptions &options = {});

} // namespace camexport
