// The motion table: one row every half degree of the lift, its derivatives per radian, the
// pressure angle and the radius of curvature, as CSV for spreadsheets and scripts.
#pragma once

#include "design.h"

#include <QByteArray>
#include <QString>

namespace camdesign {

inline constexpr char motionTableHeader[] =
    "angle_deg,lift_mm,velocity_mm_per_rad,acceleration_mm_per_rad2,jerk_mm_per_rad3,"
    "pressure_angle_deg,pitch_radius_of_curvature_mm";

struct MotionTable {
    QByteArray csv;  // empty when the design has no motion to tabulate
    QString error;   // why, then
};

// Refuses a motion that does not make one closed turn and a follower that cannot stand on
// the cam; a steep pressure angle, an undercut or a cusp is still tabulated.
MotionTable motionTable(const CamDesign &design);

// Writes the table through a temporary file; an empty string, or the reason it could not.
QString saveMotionTable(const CamDesign &design, const QString &path);

} // namespace camdesign
