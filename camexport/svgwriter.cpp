// Width and height carry "mm" and the viewBox the same numbers, which is what makes a reader
// at 72, 90 or 96 pixels an inch still place one user unit at one millimetre. The layers are
// Inkscape's, which laser software reads as layers too; y runs down, so the cam frame is
// mirrored top to bottom on the way in.
#include "svgwriter.h"

#include "camdesign/units.h"

#include "cutoutline.h"
#include "engraving.h"

#include <QRectF>
#include <QXmlStreamWriter>

#include <cmath>

namespace camexport {
namespace {

using camdesign::fileNumber;

constexpr double margin = 5; // mm of sheet round the drawing
constexpr char hairline[] = "0.01";
constexpr char inkscapeNamespace[] = "http://www.inkscape.org/namespaces/inkscape";

class SvgPage
{
public:
    SvgPage(QXmlStreamWriter &xml, QPointF centre) : m_xml(xml), m_centre(centre) {}

    QByteArray x(double cam) const { return fileNumber(m_centre.x() + cam); }
    QByteArray y(double cam) const { return fileNumber(m_centre.y() - cam); }
    QByteArray point(QPointF cam) const { return x(cam.x()) + ',' + y(cam.y()); }

    QByteArray polyline(const QPolygonF &points, bool closed) const
    {
        QByteArray d;
        for (qsizetype i = 0; i < points.size(); ++i)
            d += (i == 0 ? "M" : " L") + point(points[i]);
        return closed ? d + " Z" : d;
    }

    void beginLayer(const char *id, const QString &label)
    {
        m_xml.writeStartElement("g");
        m_xml.writeAttribute("id", id);
        m_xml.writeAttribute(inkscapeNamespace, "groupmode", "layer");
        m_xml.writeAttribute(inkscapeNamespace, "label", label);
    }

    void path(const char *id, const QByteArray &d, const char *colour)
    {
        m_xml.writeStartElement("path");
        m_xml.writeAttribute("id", id);
        m_xml.writeAttribute("d", QString::fromLatin1(d));
        stroke(colour);
        m_xml.writeEndElement();
    }

    void circle(const char *id, double radius, const char *colour)
    {
        m_xml.writeStartElement("circle");
        m_xml.writeAttribute("id", id);
        m_xml.writeAttribute("cx", x(0));
        m_xml.writeAttribute("cy", y(0));
        m_xml.writeAttribute("r", fileNumber(radius));
        stroke(colour);
        m_xml.writeEndElement();
    }

private:
    void stroke(const char *colour)
    {
        m_xml.writeAttribute("fill", "none");
        m_xml.writeAttribute("stroke", colour);
        m_xml.writeAttribute("stroke-width", hairline);
    }

    QXmlStreamWriter &m_xml;
    QPointF m_centre;
};

QByteArray holePath(const SvgPage &page, const HoleCut &hole)
{
    if (hole.shape == camdesign::HoleShape::Square)
        return page.polyline(hole.polygon(), true);
    // From the flat's left end to its right, then round the far side back: more than half a
    // circle when the flat lies beyond the centre's near side.
    const double h = hole.flatDistance;
    const double w = hole.flatHalfLength();
    const QByteArray r = fileNumber(hole.radius);
    return "M" + page.point({-w, h}) + " L" + page.point({w, h}) + " A" + r + ',' + r + " 0 "
           + (h > 0 ? "1" : "0") + ",1 " + page.point({-w, h}) + " Z";
}

// A text as XML 1.0 allows it: control characters and halves of characters that a design's
// name could hold become U+FFFD, the character that stands for one that cannot be shown.
QString xmlText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            clean += c;
            clean += text.at(++i);
        } else if (c.isSurrogate() || (c.unicode() < 0x20 && c != u'\t' && c != u'\n')
                   || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF) {
            clean += QChar::ReplacementCharacter;
        } else {
            clean += c;
        }
    }
    return clean;
}

QRectF boundsOf(const QPolygonF &polygon)
{
    return polygon.boundingRect();
}

} // namespace

QByteArray svgOf(const camdesign::CamDesign &design, const ExportOptions &options)
{
    const CamCut cut = cutOf(design);
    const Engraving marks = engravingOf(design, cut);
    QRectF drawing = boundsOf(cut.outline);
    QPolygonF pitch;
    if (options.constructionLines) {
        pitch = pitchCurveOf(design);
        const double r = design.baseCircleRadius;
        drawing = drawing.united(boundsOf(pitch)).united(QRectF(-r, -r, 2 * r, 2 * r));
    }
    // Whole millimetres, so the sheet's size reads plainly in any program.
    const double width = std::ceil(drawing.width() + 2 * margin);
    const double height = std::ceil(drawing.height() + 2 * margin);
    const QPointF centre(width / 2 - drawing.center().x(), height / 2 + drawing.center().y());

    QByteArray svg;
    QXmlStreamWriter xml(&svg);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeNamespace(inkscapeNamespace, "inkscape");
    xml.writeDefaultNamespace("http://www.w3.org/2000/svg");
    xml.writeStartElement("svg");
    xml.writeAttribute("version", "1.1");
    xml.writeAttribute("width", fileNumber(width) + "mm");
    xml.writeAttribute("height", fileNumber(height) + "mm");
    xml.writeAttribute("viewBox", "0 0 " + fileNumber(width) + ' ' + fileNumber(height));
    xml.writeTextElement("title",
                         design.name.isEmpty() ? QStringLiteral("Cam") : xmlText(design.name));

    SvgPage page(xml, centre);
    page.beginLayer("cut", QStringLiteral("Cut"));
    page.path("outline", page.polyline(cut.outline, true), svgCutColour);
    if (cut.hole.shape == camdesign::HoleShape::Round)
        page.circle("shaft-hole", cut.hole.radius, svgCutColour);
    else
        page.path("shaft-hole", holePath(page, cut.hole), svgCutColour);
    xml.writeEndElement();

    page.beginLayer("engrave", QStringLiteral("Engrave"));
    page.path("centre-mark",
              "M" + page.point(marks.crossHorizontal.p1()) + " L"
                  + page.point(marks.crossHorizontal.p2()) + " M"
                  + page.point(marks.crossVertical.p1()) + " L"
                  + page.point(marks.crossVertical.p2()),
              svgEngraveColour);
    page.path("zero-mark",
              "M" + page.point(marks.zeroMark.p1()) + " L" + page.point(marks.zeroMark.p2()),
              svgEngraveColour);
    page.path("rotation-arrow",
              page.polyline(marks.arrowArc, false) + ' ' + page.polyline(marks.arrowHead, false),
              svgEngraveColour);
    xml.writeEndElement();

    if (options.constructionLines) {
        page.beginLayer("construction-not-for-cutting",
                        QStringLiteral("Construction (not for cutting)"));
        page.circle("base-circle", design.baseCircleRadius, svgConstructionColour);
        page.path("pitch-curve", page.polyline(pitch, true), svgConstructionColour);
        xml.writeEndElement();
    }

    xml.writeEndElement();
    xml.writeEndDocument();
    return svg;
}

} // namespace camexport
