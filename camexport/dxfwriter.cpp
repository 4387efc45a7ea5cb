// A small writer of our own: group codes and values on alternate lines, a header naming the
// version and the units, the line type and layer tables older readers look for, and then the
// entities with no handles, as R12 allows. DXF's y points up, as the cam frame's does; the
// drawing is moved so it lies just inside the positive quadrant, where a laser bed's origin
// is.
#include "dxfwriter.h"

#include "camdesign/units.h"

#include "cutoutline.h"
#include "engraving.h"

#include <QRectF>

#include <cmath>
#include <numbers>

namespace camexport {
namespace {

using camdesign::fileNumber;

using camdesign::degree;

constexpr double margin = 5; // mm between the drawing and the origin's axes

// AutoCAD's colour numbers.
constexpr int red = 1;
constexpr int green = 3;
constexpr int blue = 5;
constexpr int white = 7;

class DxfWriter
{
public:
    explicit DxfWriter(QPointF centre) : m_centre(centre) {}

    QByteArray bytes() const { return m_bytes; }

    void group(int code, const QByteArray &value)
    {
        m_bytes += QByteArray::number(code).rightJustified(3) + "\r\n" + value + "\r\n";
    }
    void group(int code, const char *value) { group(code, QByteArray(value)); }
    void group(int code, int value) { group(code, QByteArray::number(value)); }
    void number(int code, double value) { group(code, fileNumber(value)); }

    // A point of the cam frame, moved onto the sheet.
    void point(int code, QPointF cam)
    {
        number(code, cam.x() + m_centre.x());
        number(code + 10, cam.y() + m_centre.y());
        number(code + 20, 0);
    }

    void beginSection(const char *name)
    {
        group(0, "SECTION");
        group(2, name);
    }
    void endSection() { group(0, "ENDSEC"); }

    void beginTable(const char *name, int entries)
    {
        group(0, "TABLE");
        group(2, name);
        group(70, entries);
    }
    void endTable() { group(0, "ENDTAB"); }

    void layer(const char *name, int colour)
    {
        group(0, "LAYER");
        group(2, name);
        group(70, 0);
        group(62, colour);
        group(6, "CONTINUOUS");
    }

    void line(const char *layer, QLineF cam)
    {
        group(0, "LINE");
        group(8, layer);
        point(10, cam.p1());
        point(11, cam.p2());
    }

    void circle(const char *layer, double radius)
    {
        group(0, "CIRCLE");
        group(8, layer);
        point(10, {0, 0});
        number(40, radius);
    }

    // Anticlockwise from `from` to `to`, in degrees, round the shaft.
    void arc(const char *layer, double radius, double from, double to)
    {
        group(0, "ARC");
        group(8, layer);
        point(10, {0, 0});
        number(40, radius);
        number(50, from);
        number(51, to);
    }

    void polyline(const char *layer, const QPolygonF &points, bool closed)
    {
        group(0, "POLYLINE");
        group(8, layer);
        group(66, 1); // vertices follow
        // The polyline's own point only carries its elevation.
        number(10, 0);
        number(20, 0);
        number(30, 0);
        group(70, closed ? 1 : 0);
        for (const QPointF &p : points) {
            group(0, "VERTEX");
            group(8, layer);
            point(10, p);
        }
        group(0, "SEQEND");
        group(8, layer);
    }

private:
    QByteArray m_bytes;
    QPointF m_centre;
};

void writeHeader(DxfWriter &dxf, QSizeF sheet)
{
    dxf.beginSection("HEADER");
    dxf.group(9, "$ACADVER");
    dxf.group(1, "AC1009");
    dxf.group(9, "$INSBASE");
    dxf.number(10, 0);
    dxf.number(20, 0);
    dxf.number(30, 0);
    dxf.group(9, "$EXTMIN");
    dxf.number(10, 0);
    dxf.number(20, 0);
    dxf.number(30, 0);
    dxf.group(9, "$EXTMAX");
    dxf.number(10, sheet.width());
    dxf.number(20, sheet.height());
    dxf.number(30, 0);
    dxf.group(9, "$LIMMIN");
    dxf.number(10, 0);
    dxf.number(20, 0);
    dxf.group(9, "$LIMMAX");
    dxf.number(10, sheet.width());
    dxf.number(20, sheet.height());
    // Millimetres, for the readers that look; R12 itself has no unit of its own.
    dxf.group(9, "$INSUNITS");
    dxf.group(70, 4);
    dxf.group(9, "$MEASUREMENT");
    dxf.group(70, 1);
    dxf.endSection();
}

void writeTables(DxfWriter &dxf, bool construction)
{
    dxf.beginSection("TABLES");
    dxf.beginTable("LTYPE", 1);
    dxf.group(0, "LTYPE");
    dxf.group(2, "CONTINUOUS");
    dxf.group(70, 0);
    dxf.group(3, "Solid line");
    dxf.group(72, 65);
    dxf.group(73, 0);
    dxf.number(40, 0);
    dxf.endTable();

    dxf.beginTable("LAYER", construction ? 4 : 3);
    dxf.layer("0", white);
    dxf.layer(dxfCutLayer, red);
    dxf.layer(dxfEngraveLayer, blue);
    if (construction)
        dxf.layer(dxfConstructionLayer, green);
    dxf.endTable();

    dxf.beginTable("STYLE", 1);
    dxf.group(0, "STYLE");
    dxf.group(2, "STANDARD");
    dxf.group(70, 0);
    dxf.number(40, 0);
    dxf.number(41, 1);
    dxf.number(50, 0);
    dxf.group(71, 0);
    dxf.number(42, 2.5);
    dxf.group(3, "txt");
    dxf.group(4, "");
    dxf.endTable();

    dxf.beginTable("APPID", 1);
    dxf.group(0, "APPID");
    dxf.group(2, "ACAD");
    dxf.group(70, 0);
    dxf.endTable();
    dxf.endSection();
}

void writeHole(DxfWriter &dxf, const HoleCut &hole)
{
    switch (hole.shape) {
    case camdesign::HoleShape::Round:
        dxf.circle(dxfCutLayer, hole.radius);
        return;
    case camdesign::HoleShape::DFlat: {
        const double h = hole.flatDistance;
        const double w = hole.flatHalfLength();
        const double end = std::atan2(h, w) / degree;
        dxf.arc(dxfCutLayer, hole.radius, 180 - end, end < 0 ? 360 + end : end);
        dxf.line(dxfCutLayer, QLineF(-w, h, w, h));
        return;
    }
    case camdesign::HoleShape::Square:
        dxf.polyline(dxfCutLayer, hole.polygon(), true);
        return;
    }
}

} // namespace

QByteArray dxfOf(const camdesign::CamDesign &design, const ExportOptions &options)
{
    const CamCut cut = cutOf(design);
    const Engraving marks = engravingOf(design, cut);
    QRectF drawing = cut.outline.boundingRect();
    QPolygonF pitch;
    if (options.constructionLines) {
        pitch = pitchCurveOf(design);
        const double r = design.baseCircleRadius;
        drawing = drawing.united(pitch.boundingRect()).united(QRectF(-r, -r, 2 * r, 2 * r));
    }
    const QPointF centre(margin - drawing.left(), margin - drawing.top());
    const QSizeF sheet(drawing.width() + 2 * margin, drawing.height() + 2 * margin);

    DxfWriter dxf(centre);
    writeHeader(dxf, sheet);
    writeTables(dxf, options.constructionLines);
    dxf.beginSection("BLOCKS");
    dxf.endSection();

    dxf.beginSection("ENTITIES");
    dxf.polyline(dxfCutLayer, cut.outline, true);
    writeHole(dxf, cut.hole);

    dxf.line(dxfEngraveLayer, marks.crossHorizontal);
    dxf.line(dxfEngraveLayer, marks.crossVertical);
    dxf.line(dxfEngraveLayer, marks.zeroMark);
    const double from = std::min(marks.arrowFromDegrees, marks.arrowToDegrees);
    const double to = std::max(marks.arrowFromDegrees, marks.arrowToDegrees);
    dxf.arc(dxfEngraveLayer, marks.arrowRadius, from, to);
    dxf.polyline(dxfEngraveLayer, marks.arrowHead, false);

    if (options.constructionLines) {
        dxf.circle(dxfConstructionLayer, design.baseCircleRadius);
        dxf.polyline(dxfConstructionLayer, pitch, true);
    }
    dxf.endSection();
    dxf.group(0, "EOF");
    return dxf.bytes();
}

} // namespace camexport
