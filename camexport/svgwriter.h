// The cam as an SVG a laser cutter's software places at true size: one user unit is one mm,
// the cut, the engraving and any construction lines each on a layer of their own.
#pragma once

#include "exportoptions.h"

#include "camdesign/design.h"

#include <QByteArray>

namespace camexport {

inline constexpr char svgCutColour[] = "#FF0000";
inline constexpr char svgEngraveColour[] = "#0000FF";
inline constexpr char svgConstructionColour[] = "#00A000";

// Only for a design that cutRefusal() lets through.
QByteArray svgOf(const camdesign::CamDesign &design, const ExportOptions &options);

} // namespace camexport
