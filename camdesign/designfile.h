// Design files: a versioned JSON document, read strictly so that a bad file is refused with
// one message naming the field and the segment at fault, and written whole or not at all.
// The format is described in the README.
#pragma once

#include "design.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace camdesign {

inline constexpr char designFormat[] = "kestrilon-cam";
inline constexpr int designVersion = 1;
// The file name's ending and the type the desktop knows such files by.
inline constexpr char designSuffix[] = "kcam";
inline constexpr char designMimeType[] = "application/x-kestrilon-cam";
// A design is a few kilobytes; anything past this is not one.
inline constexpr qint64 largestDesignFile = 1024 * 1024;

// The unit a value is kept in.
enum class Unit { Millimetre, Degree, Rpm };

// The unit as files and messages write it after a number.
constexpr const char *unitSymbol(Unit unit)
{
    switch (unit) {
    case Unit::Millimetre:
        return "mm";
    case Unit::Degree:
        return "°";
    case Unit::Rpm:
        return "rpm";
    }
    return "";
}

// The sensible range of each value and its unit, shared by the file and the editors.
struct Range {
    double lowest;
    double highest;
    Unit unit;
    bool contains(double value) const { return value >= lowest && value <= highest; }
};
namespace ranges {
inline constexpr Range baseCircleRadius{1, 500, Unit::Millimetre};
inline constexpr Range shaftHoleDiameter{1, 100, Unit::Millimetre};
inline constexpr Range flatDepth{0.1, 20, Unit::Millimetre};
inline constexpr Range rollerRadius{0.5, 200, Unit::Millimetre};
inline constexpr Range offset{-500, 500, Unit::Millimetre};
inline constexpr Range segmentAngle{0.1, 360, Unit::Degree};
inline constexpr Range height{0.1, 500, Unit::Millimetre};
inline constexpr Range speedRpm{0.1, 10000, Unit::Rpm};
inline constexpr Range pressureAngleLimit{5, 80, Unit::Degree};
inline constexpr Range kerf{0, 2, Unit::Millimetre};
inline constexpr int mostSegments = 100;
inline constexpr int longestName = 200;
} // namespace ranges

struct DesignReading {
    std::optional<CamDesign> design;
    QString error; // one sentence for the learner when design is empty
};

// Reads a design from the bytes of a file, which must be strict JSON. Refuses anything but a
// whole, closed motion of sensible sizes; the message names what is wrong and where, and
// quotes at most a short, printable excerpt of what the file holds.
DesignReading readDesign(const QByteArray &bytes);
// Reads the file at path, refusing one too large to be a design before reading it; from a
// pipe, which tells no size, it reads one byte more than a design can hold and then refuses.
DesignReading loadDesign(const QString &path);

QByteArray writeDesign(const CamDesign &design);
// Writes through a temporary file that replaces the old one only once complete. Returns an
// empty string, or the reason it could not.
QString saveDesign(const CamDesign &design, const QString &path);

// What is wrong with a design's values as the file would see them, or an empty string.
QString designError(const CamDesign &design);

} // namespace camdesign
