// The cam as a paper template printed at true size, to glue on card or wood and cut out by
// hand: the outline, the hole and the marks, where the follower stands at the start, the
// design's values, and a bar that tells whether the printer kept the scale. One painting
// serves both a PDF file (QPdfWriter) and a printer (QPrinter).
#pragma once

#include "exportoptions.h"

#include "camdesign/design.h"

#include <QLocale>
#include <QPageLayout>
#include <QString>

class QPainter;

namespace camexport {

// The bar's length, mm: a ruler on the printed sheet tells the learner the scale was kept.
inline constexpr double checkBarLength = 50;

// Letter where that is the custom (the United States, Canada, Mexico, the Philippines and
// several countries of the Americas), A4 elsewhere; portrait, with margins most printers
// can reach.
QPageLayout templatePageLayout(const QLocale &locale = QLocale());

// Why the design makes no template on this page, in one sentence, or an empty string: a cam
// that cannot be cut, or one larger than the page leaves room for, naming both sizes. The
// cam is never shrunk to fit.
QString templateRefusal(const camdesign::CamDesign &design, const QPageLayout &layout);

// Paints the template on a painter begun on a device whose page layout is `layout`, with its
// origin at the top left of the page's printable area (as a QPdfWriter or a QPrinter that is
// not in full-page mode gives it). Paints nothing and returns templateRefusal()'s sentence
// when there is one; otherwise returns an empty string.
QString paintTemplate(QPainter &painter, const camdesign::CamDesign &design,
                      const QPageLayout &layout, const ExportOptions &options = {});

} // namespace camexport
