// Numbers are written with a decimal point in every language, fixed to a micrometre's
// precision, so a spreadsheet anywhere reads the same table.
#include "motiontable.h"
#include "units.h"

#include "camprofile.h"
#include "designfile.h"
#include "wholefile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>
#include <numbers>

namespace camdesign {
namespace {

class MotionTableText
{
    Q_DECLARE_TR_FUNCTIONS(MotionTableText)
};

QByteArray cell(double value)
{
    if (std::isinf(value))
        return value > 0 ? QByteArrayLiteral("inf") : QByteArrayLiteral("-inf");
    if (std::abs(value) < 5e-7)
        value = 0; // no "-0.000000"
    return QByteArray::number(value, 'f', 6);
}

} // namespace

MotionTable motionTable(const CamDesign &design)
{
    const QString error = designError(design);
    if (!error.isEmpty())
        return {{}, error};
    const CamGeometry geometry(design);
    if (!geometry.feasible())
        return {{},
                MotionTableText::tr("The follower's offset (%1 mm) does not fit inside the "
                                    "prime circle (radius %2 mm).")
                    .arg(design.follower.offset)
                    .arg(geometry.primeRadius())};

    QByteArray csv = QByteArray(motionTableHeader) + '\n';
    for (int row = 0; row < 720; ++row) {
        const double angle = row * 0.5;
        const CamPoint point = geometry.at(angle * degree);
        const MotionValue &m = point.motion;
        csv += cell(angle) + ',' + cell(m.lift) + ',' + cell(m.velocity) + ','
               + cell(m.acceleration) + ',' + cell(m.jerk) + ','
               + cell(point.pressureAngle / degree) + ',' + cell(point.pitchRadius) + '\n';
    }
    return {csv, {}};
}

QString saveMotionTable(const CamDesign &design, const QString &path)
{
    const MotionTable table = motionTable(design);
    if (table.csv.isEmpty())
        return table.error;
    const QString failed = writeWhole(path, table.csv);
    if (!failed.isEmpty())
        return MotionTableText::tr("The motion table cannot be written to %1: %2.")
            .arg(QFileInfo(path).filePath(), failed);
    return {};
}

} // namespace camdesign
