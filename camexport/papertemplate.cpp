// The page is worked in millimetres: one world transform from mm to the device's dots, so
// the cam is drawn with the very numbers of its outline. Text is set without that transform,
// in points at the device's own resolution, so it keeps its size on any printer.
#include "papertemplate.h"

#include "camdesign/units.h"
#include "camexporttext.h"

#include "cutoutline.h"
#include "engraving.h"
#include "palette.h"

#include "camdesign/camprofile.h"
#include "camdesign/choices.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace camexport {
namespace {

using namespace camdesign;

// Bands of the printable area, mm: the values above the cam, the check bar below it.
constexpr double headerHeight = 44;
constexpr double footerHeight = 16;
// The header's rows of text, mm from the top of the printable area.
struct Row {
    double top;
    double height;
    QRectF across(double width) const { return {0, top, width, height}; }
};
constexpr Row nameRow{0, 8};
constexpr Row motionRow{9, 9};
constexpr Row valuesRow{18.5, 5};
constexpr Row followerRow{23, 9};
constexpr Row warningRow{32, 9};
// Room wished for above the cam, for the follower standing on it.
constexpr double followerRoom = 30;


QString motionText(const CamDesign &design)
{
    QStringList parts;
    for (const Segment &segment : design.segments) {
        switch (segment.kind) {
        case SegmentKind::Rise:
            parts << CamExportText::tr("rise %1 mm over %2° (%3)")
                         .arg(learnerNumber(segment.height), learnerNumber(segment.angleDegrees),
                              nameOf(segment.law));
            break;
        case SegmentKind::Return:
            parts << CamExportText::tr("return %1 mm over %2° (%3)")
                         .arg(learnerNumber(segment.height), learnerNumber(segment.angleDegrees),
                              nameOf(segment.law));
            break;
        case SegmentKind::Dwell:
            parts << CamExportText::tr("dwell %1°").arg(learnerNumber(segment.angleDegrees));
            break;
        }
    }
    return CamExportText::tr("Motion: %1").arg(parts.join(QStringLiteral(", ")));
}

QString followerText(const CamDesign &design)
{
    const Follower &follower = design.follower;
    switch (follower.type) {
    case FollowerType::KnifeEdge:
        return CamExportText::tr("knife-edge follower, offset %1 mm").arg(learnerNumber(follower.offset));
    case FollowerType::Roller:
        return CamExportText::tr("roller follower of radius %1 mm, offset %2 mm")
            .arg(learnerNumber(follower.rollerRadius), learnerNumber(follower.offset));
    case FollowerType::FlatFaced:
        return CamExportText::tr("flat-faced follower");
    }
    return {};
}

QString holeText(const ShaftHole &hole)
{
    switch (hole.shape) {
    case HoleShape::Round:
        return CamExportText::tr("round shaft hole of %1 mm").arg(learnerNumber(hole.diameter));
    case HoleShape::DFlat:
        return CamExportText::tr("shaft hole of %1 mm with a flat %2 mm deep")
            .arg(learnerNumber(hole.diameter), learnerNumber(hole.flatDepth));
    case HoleShape::Square:
        return CamExportText::tr(
            "square shaft hole of %1 mm across the flats").arg(learnerNumber(hole.diameter));
    }
    return {};
}

QRectF camArea(const QPageLayout &layout)
{
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    return {0, headerHeight, printable.width(),
            std::max(0.0, printable.height() - headerHeight - footerHeight)};
}

// Draws in mm on the printable area and sets text in points, from one painter.
class Sheet
{
public:
    explicit Sheet(QPainter &painter) : m_painter(painter), m_device(painter.worldTransform())
    {
        const QPaintDevice *device = painter.device();
        m_mm = QTransform::fromScale(device->logicalDpiX() / 25.4, device->logicalDpiY() / 25.4)
               * m_device;
        m_painter.setWorldTransform(m_mm);
        m_painter.setRenderHint(QPainter::Antialiasing);
    }
    ~Sheet() { m_painter.setWorldTransform(m_device); }

    QPainter &painter() { return m_painter; }

    void pen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine)
    {
        QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
    }

    // Sets text within its box, whatever its length: smaller down to `smallest` points, then
    // cut short with an ellipsis, so no line runs into the next one or off the page.
    void text(const QRectF &mm, int flags, const QString &text, double points,
              const QColor &colour = Qt::black, bool bold = false, double smallest = 0)
    {
        m_painter.save();
        m_painter.setWorldTransform(m_device);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        const QRectF box = m_mm.mapRect(mm);
        QString shown = text;
        const auto fits = [&] {
            const QFontMetricsF metrics(font, m_painter.device());
            const QRectF needed = metrics.boundingRect(box, flags, shown);
            return needed.height() <= box.height() + 0.5 && needed.width() <= box.width() + 0.5;
        };
        smallest = smallest > 0 ? smallest : points;
        while (!fits() && font.pointSizeF() - 0.5 >= smallest)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        if (!fits()) {
            // The longest start of the text, cut at a space where it can be, that fits.
            qsizetype low = 0;
            qsizetype high = text.size();
            while (low < high) {
                const qsizetype middle = (low + high + 1) / 2;
                shown = text.left(middle).trimmed() + QChar(0x2026);
                if (fits())
                    low = middle;
                else
                    high = middle - 1;
            }
            const qsizetype space = text.lastIndexOf(QLatin1Char(' '), low);
            const qsizetype cut = space > low / 2 ? space : low;
            // Never between the two halves of a character outside the basic plane.
            const qsizetype whole = cut > 0 && text.at(cut - 1).isHighSurrogate() ? cut - 1 : cut;
            shown = text.left(whole).trimmed() + QChar(0x2026);
        }
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(box, flags, shown);
        m_painter.restore();
    }

private:
    QPainter &m_painter;
    QTransform m_device;
    QTransform m_mm;
};

// Maps the cam frame (y up, centred on the shaft) onto the sheet's mm (y down).
QTransform camToSheet(QPointF centre)
{
    return QTransform(1, 0, 0, -1, centre.x(), centre.y());
}

void drawFollower(Sheet &sheet, const CamDesign &design, const QTransform &cam, double top)
{
    const CamGeometry geometry(design);
    const Follower &follower = design.follower;
    // The stem stands at the offset for every follower; a flat face's outline is the same
    // wherever its stem stands, and its face reaches from the stem as far as the cam needs.
    const double e = follower.offset;
    QPainterPath path;
    QPointF stemFoot;
    switch (follower.type) {
    case FollowerType::KnifeEdge: {
        const QPointF tip(e, geometry.axisDistance());
        path.moveTo(tip);
        path.lineTo(tip + QPointF(-2, 6));
        path.lineTo(tip + QPointF(2, 6));
        path.closeSubpath();
        stemFoot = tip + QPointF(0, 6);
        break;
    }
    case FollowerType::Roller: {
        const QPointF centre(e, geometry.axisDistance());
        const double r = follower.rollerRadius;
        path.addEllipse(centre, r, r);
        stemFoot = centre + QPointF(0, r);
        break;
    }
    case FollowerType::FlatFaced: {
        const CamAnalysis analysis = analyse(design, 720);
        const double y = design.baseCircleRadius;
        path.moveTo(e - analysis.faceLeft - 5, y);
        path.lineTo(e + analysis.faceRight + 5, y);
        stemFoot = {e, y};
        break;
    }
    }
    const QPointF foot = cam.map(stemFoot);
    sheet.pen(palette::printedFollower, 0.3, Qt::DashLine);
    sheet.painter().drawPath(cam.map(path));
    if (foot.y() > top)
        sheet.painter().drawLine(foot, QPointF(foot.x(), top));
    if (foot.y() > top + 4)
        sheet.text(QRectF(foot.x() + 2, top, 60, 5), Qt::AlignLeft | Qt::AlignTop,
                   CamExportText::tr("Follower at the start"), 8, palette::printedFollower);
}

QPolygonF mapped(const QTransform &transform, const QPolygonF &polygon)
{
    return transform.map(polygon);
}

} // namespace

QPageLayout templatePageLayout(const QLocale &locale)
{
    static constexpr QLocale::Territory letterTerritories[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,     QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,  QLocale::CostaRica,  QLocale::Guatemala,
        QLocale::Panama,       QLocale::PuertoRico, QLocale::ElSalvador, QLocale::Nicaragua,
        QLocale::Venezuela,    QLocale::Belize,
    };
    const bool letter = std::find(std::begin(letterTerritories), std::end(letterTerritories),
                                  locale.territory())
                        != std::end(letterTerritories);
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                       QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QString templateRefusal(const CamDesign &design, const QPageLayout &layout)
{
    const QString refusal = cutRefusal(design);
    if (!refusal.isEmpty())
        return refusal;
    const QRectF cam = cutOf(design, false).outline.boundingRect();
    const QRectF area = camArea(layout);
    if (cam.width() <= area.width() && cam.height() <= area.height())
        return {};
    return CamExportText::tr(
        "The cam measures %1 × %2 mm, more than the %3 × %4 mm a %5 page has room for; "
        "a template is printed only at true size, so export it as SVG or DXF instead.")
        .arg(learnerNumber(cam.width()), learnerNumber(cam.height()), learnerNumber(area.width()),
             learnerNumber(area.height()), layout.pageSize().name());
}

QString paintTemplate(QPainter &painter, const CamDesign &design, const QPageLayout &layout,
                      const ExportOptions &options)
{
    const QString refusal = templateRefusal(design, layout);
    if (!refusal.isEmpty())
        return refusal;

    // Paper is cut along the line itself, so the template keeps the design's own sizes.
    const CamCut cut = cutOf(design, false);
    const Engraving marks = engravingOf(design, cut);
    const CamAnalysis analysis = analyse(design);
    const QRectF area = camArea(layout);
    const QRectF bounds = cut.outline.boundingRect();

    // Centred across; as far down as leaves the follower its room above, if the page has it.
    const double slack = area.height() - bounds.height();
    const double above = std::min(slack, std::max(slack / 2, followerRoom));
    const QPointF centre(area.center().x() - bounds.center().x(),
                         area.top() + above + bounds.bottom());
    const QTransform cam = camToSheet(centre);

    Sheet sheet(painter);
    const double width = area.width();

    const QString name = design.name.isEmpty() ? CamExportText::tr("Untitled cam") : design.name;
    sheet.text(nameRow.across(width), Qt::AlignLeft | Qt::AlignTop, name, 14, Qt::black, true,
               9);
    sheet.text(motionRow.across(width), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               motionText(design), 9, Qt::black, false, 6);
    const bool steep = analysis.has(Problem::PressureAngleTooSteep);
    sheet.text(valuesRow.across(width), Qt::AlignLeft | Qt::AlignTop,
               CamExportText::tr("Lift %1 mm, base circle radius %2 mm, largest pressure "
                                 "angle %3° (limit %4°).")
                   .arg(learnerNumber(analysis.largestLift), learnerNumber(design.baseCircleRadius),
                        learnerNumber(std::abs(analysis.largestPressureAngle) / degree),
                        learnerNumber(design.pressureAngleLimitDegrees)),
               9, steep ? palette::faultText : QColor(Qt::black), false, 7);
    const QString turns = design.rotation == Rotation::Clockwise ? CamExportText::tr(
        "turns clockwise")
                                                                 : CamExportText::tr(
                                                                     "turns anticlockwise");
    sheet.text(followerRow.across(width), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               CamExportText::tr(
                   "A %1; the cam %2 and has a %3. It is drawn as it stands at the start, with "
                   "the 0° mark under the follower.")
                   .arg(followerText(design), turns, holeText(design.hole)),
               9, Qt::black, false, 7);
    if (steep)
        sheet.text(warningRow.across(width), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   cutWarnings(design).join(QLatin1Char(' ')), 9, palette::faultText, false, 7);

    if (options.constructionLines) {
        sheet.pen(palette::printedConstruction, 0.15, Qt::DashLine);
        const double r = design.baseCircleRadius;
        painter.drawEllipse(centre, r, r);
        painter.drawPolygon(mapped(cam, pitchCurveOf(design)));
    }

    drawFollower(sheet, design, cam, area.top());

    sheet.pen(palette::cut, 0.3);
    painter.drawPolygon(mapped(cam, cut.outline));
    painter.drawPolygon(mapped(cam, cut.hole.polygon()));

    sheet.pen(palette::engraving, 0.25);
    painter.drawLine(cam.map(marks.crossHorizontal));
    painter.drawLine(cam.map(marks.crossVertical));
    painter.drawLine(cam.map(marks.zeroMark));
    painter.drawPolyline(mapped(cam, marks.arrowArc));
    painter.drawPolyline(mapped(cam, marks.arrowHead));
    const QPointF zeroLabel = cam.map(marks.zeroMark.p1());
    sheet.text(QRectF(zeroLabel.x() - 10, zeroLabel.y(), 20, 4), Qt::AlignHCenter | Qt::AlignTop,
               CamExportText::tr("0°"), 7, palette::engraving);

    // The check bar: solid, so a ruler's ends meet clean edges.
    const double barTop = area.bottom() + footerHeight - 9;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(0, barTop, checkBarLength, 4));
    sheet.text(QRectF(checkBarLength + 4, barTop - 1, width - checkBarLength - 4, 6),
               Qt::AlignLeft | Qt::AlignVCenter,
               CamExportText::tr("Print at 100 %: this bar must measure %1 mm")
                   .arg(learnerNumber(checkBarLength)),
               9);
    return {};
}

} // namespace camexport
