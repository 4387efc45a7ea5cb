// The cam as a DXF R12 drawing in mm, the version every cutter's software reads: the outline
// and the hole on layer CUT, the marks on ENGRAVE, construction lines on a layer named as
// not for cutting.
#pragma once

#include "exportoptions.h"

#include "camdesign/design.h"

#include <QByteArray>

namespace camexport {

inline constexpr char dxfCutLayer[] = "CUT";
inline constexpr char dxfEngraveLayer[] = "ENGRAVE";
inline constexpr char dxfConstructionLayer[] = "CONSTRUCTION_NOT_FOR_CUTTING";

// Only for a design that cutRefusal() lets through.
QByteArray dxfOf(const camdesign::CamDesign &design, const ExportOptions &options);

} // namespace camexport
