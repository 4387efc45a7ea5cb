// A picture of a design for worksheets: the cam beside its five graphs, drawn by the same
// views the workshop shows, at a size of the learner's choosing.
#pragma once

#include "camdesign/design.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace workshop {

inline constexpr QSize defaultPictureSize{1600, 1000};
inline constexpr int smallestPictureSide = 400;
inline constexpr int largestPictureSide = 8000;

// The cam at the start of its turn on the left, its graphs stacked on the right, on white.
QImage designPicture(const camdesign::CamDesign &design, QSize size = defaultPictureSize);

// Writes the picture as PNG through a temporary file; an empty string, or why not.
QString saveDesignPicture(const camdesign::CamDesign &design, const QString &path,
                          QSize size = defaultPictureSize);

} // namespace workshop
