// The graphs are painted in two layers: the curve, axes, bands and boundaries once for each
// change into a pixmap at the screen's density, then the cursor over it as the cam turns,
// so playing costs one copy and a line.
#include "graphview.h"

#include "camdesign/units.h"

#include "wording.h"
#include "workshopmodel.h"

#include "camexport/palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace workshop {
namespace {

using namespace camdesign;

constexpr double nothing = std::numeric_limits<double>::quiet_NaN();

} // namespace

std::vector<double> graphValues(const WorkshopModel &model, Quantity quantity)
{
    const CamAnalysis &analysis = model.analysis();
    const CamDesign &design = model.design();
    std::vector<double> values(analysis.points.size(), nothing);
    if (analysis.motionCheck.fault == MotionFault::NoSegments)
        return values;
    if (quantity == Quantity::PressureAngle && !analysis.feasible)
        return values;
    const double omega = angularSpeed(design.speedRpm);
    // Segments short of a whole turn give values only as far as they reach.
    const double reach = std::min(analysis.motionCheck.angleSum, 360.0) * degree;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const CamPoint &point = analysis.points[i];
        if (point.angle >= reach - 1e-12)
            break;
        switch (quantity) {
        case Quantity::Lift:
            values[i] = point.motion.lift;
            break;
        case Quantity::Velocity:
            values[i] = point.motion.velocity * omega;
            break;
        case Quantity::Acceleration:
            values[i] = point.motion.acceleration * omega * omega;
            break;
        case Quantity::Jerk:
            values[i] = point.motion.jerk * omega * omega * omega;
            break;
        case Quantity::PressureAngle:
            values[i] = point.pressureAngle / degree;
            break;
        }
    }
    return values;
}

std::vector<QPolygonF> columnEnvelope(const std::vector<double> &values, int columns,
                                      double flatWithin)
{
    std::vector<QPolygonF> lines;
    if (values.empty() || columns <= 0)
        return lines;
    const std::size_t count = values.size();
    bool broken = true;
    for (int column = 0; column < columns; ++column) {
        const auto first = std::size_t(double(column) * double(count) / columns);
        const auto last = std::max(first + 1, std::size_t(double(column + 1) * double(count)
                                                          / columns));
        std::size_t low = first, high = first;
        bool any = false;
        for (std::size_t i = first; i < last && i < count; ++i) {
            if (std::isnan(values[i])) {
                broken = true;
                continue;
            }
            if (!any || values[i] < values[low])
                low = i;
            if (!any || values[i] > values[high])
                high = i;
            if (broken) {
                lines.emplace_back();
                broken = false;
                low = high = i;
            }
            any = true;
        }
        if (!any)
            continue;
        const double x = column + 0.5;
        std::size_t firstValid = first;
        while (std::isnan(values[firstValid]))
            ++firstValid;
        std::size_t lastValid = std::min(last, count) - 1;
        while (std::isnan(values[lastValid]))
            --lastValid;
        QPolygonF &line = lines.back();
        // A column whose values all fall within one pixel is one point of the curve.
        if (values[high] - values[low] <= flatWithin) {
            line << QPointF(x, values[firstValid]);
            continue;
        }
        line << QPointF(x, values[firstValid]);
        if (low != high) {
            line << QPointF(x, values[std::min(low, high)]);
            line << QPointF(x, values[std::max(low, high)]);
        }
        line << QPointF(x, values[lastValid]);
    }
    return lines;
}

std::vector<double> axisTicks(double low, double high, int wanted)
{
    if (!(high > low))
        return {low};
    const double rough = (high - low) / std::max(wanted, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough)
            break;
    }
    std::vector<double> ticks;
    for (double tick = std::floor(low / step + 1e-9) * step; tick <= high + step * 1e-9;
         tick += step)
        ticks.push_back(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    if (ticks.back() < high - step * 1e-9)
        ticks.push_back(ticks.back() + step);
    return ticks;
}

GraphView::GraphView(const WorkshopModel *model, Quantity quantity, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_quantity(quantity)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    connect(model, &WorkshopModel::designChanged, this, &GraphView::takeDesign);
    connect(model, &WorkshopModel::chosenSegmentChanged, this, [this] {
        m_background = QPixmap();
        update();
    });
    connect(model, &WorkshopModel::angleChanged, this, qOverload<>(&GraphView::update));
    switch (quantity) {
    case Quantity::Lift:
        setAccessibleName(tr("Lift graph"));
        break;
    case Quantity::Velocity:
        setAccessibleName(tr("Velocity graph"));
        break;
    case Quantity::Acceleration:
        setAccessibleName(tr("Acceleration graph"));
        break;
    case Quantity::Jerk:
        setAccessibleName(tr("Jerk graph"));
        break;
    case Quantity::PressureAngle:
        setAccessibleName(tr("Pressure angle graph"));
        break;
    }
    takeDesign();
}

QString GraphView::title() const
{
    switch (m_quantity) {
    case Quantity::Lift:
        return tr("Lift");
    case Quantity::Velocity:
        return tr("Velocity");
    case Quantity::Acceleration:
        return tr("Acceleration");
    case Quantity::Jerk:
        return tr("Jerk");
    case Quantity::PressureAngle:
        break;
    }
    return tr("Pressure angle");
}

QString GraphView::unit() const
{
    switch (m_quantity) {
    case Quantity::Lift:
        return tr("mm");
    case Quantity::Velocity:
        return tr("mm/s");
    case Quantity::Acceleration:
        return tr("mm/s²");
    case Quantity::Jerk:
        return tr("mm/s³");
    case Quantity::PressureAngle:
        break;
    }
    return tr("°");
}

void GraphView::takeDesign()
{
    m_values = graphValues(*m_model, m_quantity);
    double low = 0, high = 0;
    for (const double value : m_values) {
        if (std::isnan(value))
            continue;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    if (m_quantity == Quantity::PressureAngle) {
        const double limit = m_model->design().pressureAngleLimitDegrees;
        low = std::min(low, -limit);
        high = std::max(high, limit);
    }
    // A flat graph still needs an axis; tiny wobbles of rounding are no curve.
    const double span = high - low;
    if (span < 1e-9) {
        low -= 1;
        high += 1;
    }
    m_ticks = axisTicks(low, high, 4);
    m_low = m_ticks.front();
    m_high = m_ticks.back();
    m_background = QPixmap();
    setAccessibleDescription(describe());
    update();
}

QString GraphView::describe() const
{
    const CamAnalysis &analysis = m_model->analysis();
    double low = 0, high = 0, lowAt = 0, highAt = 0;
    bool any = false;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        const double value = m_values[i];
        if (std::isnan(value))
            continue;
        const double at = double(i) * 360.0 / double(m_values.size());
        if (!any || value < low) {
            low = value;
            lowAt = at;
        }
        if (!any || value > high) {
            high = value;
            highAt = at;
        }
        any = true;
    }
    if (!any) {
        const QString why = Wording::whyNoCam(m_model->design(), analysis);
        return tr("Nothing to show. %1").arg(why).trimmed();
    }
    const int decimals = m_quantity == Quantity::Lift || m_quantity == Quantity::PressureAngle
                             ? 1
                             : 0;
    QString text = tr("%1 in %2 against cam angle, from %3 at %4 degrees to %5 at %6 degrees.")
                       .arg(title(), unit(), learnerNumber(low, decimals),
                            learnerNumber(lowAt), learnerNumber(high, decimals),
                            learnerNumber(highAt));
    if (m_quantity == Quantity::PressureAngle) {
        const QString limit = learnerNumber(m_model->design().pressureAngleLimitDegrees);
        const Finding *steep = analysis.finding(Problem::PressureAngleTooSteep);
        text += QLatin1Char(' ')
                + (steep ? tr("Past the %1 degree limit at %2.")
                               .arg(limit, Wording::angleRanges(steep->where))
                         : tr("Within the %1 degree limit.").arg(limit));
    }
    return text;
}

QRectF GraphView::plotArea() const
{
    // One left edge for every graph, so their angles line up one above the other.
    const QFontMetricsF metrics(font());
    double labels = metrics.horizontalAdvance(learnerNumber(-888888, 0));
    for (const double tick : m_ticks)
        labels = std::max(labels, metrics.horizontalAdvance(learnerNumber(tick, 2)));
    const double line = metrics.height();
    const double lastLabel = metrics.horizontalAdvance(tr("%1°").arg(360)) / 2 + 4;
    return QRectF(QPointF(labels + 10, line + 6),
                  QPointF(width() - lastLabel, height() - line - 6));
}

double GraphView::xOf(double degrees) const
{
    const QRectF plot = plotArea();
    return plot.left() + plot.width() * degrees / 360;
}

double GraphView::yOf(double value) const
{
    const QRectF plot = plotArea();
    return plot.bottom() - plot.height() * (value - m_low) / (m_high - m_low);
}

void GraphView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_background = QPixmap();
}

void GraphView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        m_background = QPixmap();
        m_labels.clear();
    }
}

void GraphView::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_background.isNull() || m_background.devicePixelRatio() != ratio) {
        m_background = QPixmap(size() * ratio);
        m_background.setDevicePixelRatio(ratio);
        QPainter background(&m_background);
        paintBackground(background);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    paintCursor(painter);
}

// Axis labels come back edit after edit: laid out once and kept, they cost a copy each.
void GraphView::drawLabel(QPainter &painter, const QRectF &box, Qt::Alignment alignment,
                          const QString &text) const
{
    auto found = m_labels.find(text);
    if (found == m_labels.end()) {
        QStaticText label(text);
        label.setTextFormat(Qt::PlainText);
        label.prepare(QTransform(), painter.font());
        found = m_labels.insert(text, label);
    }
    const QSizeF size = found->size();
    double x = box.left();
    if (alignment & Qt::AlignRight)
        x = box.right() - size.width();
    else if (alignment & Qt::AlignHCenter)
        x = box.center().x() - size.width() / 2;
    double y = box.top();
    if (alignment & Qt::AlignVCenter)
        y = box.center().y() - size.height() / 2;
    painter.drawStaticText(QPointF(x, y), *found);
}

void GraphView::paintBackground(QPainter &painter) const
{
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = plotArea();
    const QColor text = palette().color(QPalette::Text);
    const CamAnalysis &analysis = m_model->analysis();
    const CamDesign &design = m_model->design();

    painter.setPen(text);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    // The title keeps clear of the room the cursor's readout takes at the right.
    const double titleRoom = std::max(0.0, plot.width() - readoutRoom() - 8);
    painter.drawText(QRectF(plot.left(), 2, titleRoom, plot.top() - 4),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(bold).elidedText(tr("%1 (%2)").arg(title(), unit()),
                                                    Qt::ElideRight, titleRoom));
    painter.setFont(font());

    // Bands first: where the design fails, and the segment the editors show.
    const Motion motion(design.segments);
    const std::vector<double> starts = motion.boundariesDegrees();
    const int chosen = m_model->chosenSegment();
    if (chosen >= 0 && std::size_t(chosen) < starts.size()) {
        const double from = starts[std::size_t(chosen)];
        const double to = std::min(360.0, from + design.segments[std::size_t(chosen)].angleDegrees);
        painter.fillRect(QRectF(QPointF(xOf(std::min(from, 360.0)), plot.top()),
                                QPointF(xOf(to), plot.bottom())),
                         palette::chosenBand);
    }
    for (const Finding &finding : analysis.findings) {
        for (const AngleRange &range : finding.where) {
            // A range over 0° is drawn at both ends.
            for (const double shift : {0.0, 360.0}) {
                const double from = std::clamp(range.from + shift, 0.0, 360.0);
                const double to = std::clamp(range.to + shift, 0.0, 360.0);
                if (to > from)
                    painter.fillRect(QRectF(QPointF(xOf(from), plot.top()),
                                            QPointF(xOf(to), plot.bottom())),
                                     palette::faultBand);
            }
        }
    }

    const QFontMetricsF metrics(font());
    for (const double tick : m_ticks) {
        const double y = yOf(tick);
        painter.setPen(QPen(tick == 0 ? palette::frame : palette::grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        drawLabel(painter, QRectF(0, y - metrics.height() / 2, plot.left() - 6, metrics.height()),
                  Qt::AlignRight | Qt::AlignVCenter, learnerNumber(tick, 2));
    }
    for (int degrees = 0; degrees <= 360; degrees += 90) {
        const double x = xOf(degrees);
        painter.setPen(QPen(palette::grid, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(text);
        drawLabel(painter, QRectF(x - 30, plot.bottom() + 2, 60, metrics.height() + 2),
                  Qt::AlignHCenter | Qt::AlignTop, tr("%1°").arg(learnerNumber(degrees, 0)));
    }
    painter.setPen(QPen(palette::boundary, 1, Qt::DashLine));
    for (const double start : starts) {
        if (start > 0 && start < 360)
            painter.drawLine(QPointF(xOf(start), plot.top()), QPointF(xOf(start), plot.bottom()));
    }
    painter.setPen(QPen(palette::frame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    const bool flat = design.follower.type == FollowerType::FlatFaced;
    if (m_quantity == Quantity::PressureAngle && !flat) {
        const double limit = design.pressureAngleLimitDegrees;
        painter.setPen(QPen(palette::fault, 1.2, Qt::DashLine));
        for (const double y : {yOf(limit), yOf(-limit)})
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.drawText(QRectF(plot.left() + 4, yOf(limit) - metrics.height() - 1,
                                plot.width() - 8, metrics.height()),
                         Qt::AlignRight | Qt::AlignBottom,
                         tr("limit %1°").arg(learnerNumber(limit)));
    }

    const bool anything = std::any_of(m_values.begin(), m_values.end(),
                                      [](double value) { return !std::isnan(value); });
    if (!anything) {
        painter.setPen(text);
        painter.drawText(plot.adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap,
                         m_quantity == Quantity::PressureAngle && !analysis.feasible
                             ? tr("No pressure angle without a cam.")
                             : tr("No motion to show."));
        return;
    }

    // The curve, one device pixel a column; past the limit it turns red.
    const qreal ratio = painter.device()->devicePixelRatioF();
    const int columns = std::max(1, int(std::round(plot.width() * ratio)));
    const double scaleY = -plot.height() / (m_high - m_low);
    const QTransform map = QTransform::fromScale(1 / ratio, scaleY)
                           * QTransform::fromTranslate(plot.left(), plot.bottom() - scaleY * m_low);
    // Half a device pixel of height, in the graph's own units.
    const double flatWithin = 0.5 * (m_high - m_low) / std::max(1.0, plot.height() * ratio);
    const std::vector<QPolygonF> lines = columnEnvelope(m_values, columns, flatWithin);
    painter.setClipRect(plot.adjusted(-1, -2, 1, 2));
    painter.setPen(QPen(palette::curve, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    for (const QPolygonF &line : lines)
        painter.drawPolyline(map.map(line));
    if (m_quantity == Quantity::PressureAngle && !flat) {
        const double limit = design.pressureAngleLimitDegrees;
        QRegion beyond = QRegion(QRectF(QPointF(plot.left(), plot.top() - 2),
                                        QPointF(plot.right(), yOf(limit)))
                                     .toAlignedRect());
        beyond += QRegion(QRectF(QPointF(plot.left(), yOf(-limit)),
                                 QPointF(plot.right(), plot.bottom() + 2))
                              .toAlignedRect());
        painter.setClipRegion(beyond);
        painter.setPen(QPen(palette::fault, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        for (const QPolygonF &line : lines)
            painter.drawPolyline(map.map(line));
    }
}

void GraphView::paintCursor(QPainter &painter) const
{
    const QRectF plot = plotArea();
    const double angle = m_model->angle();
    const double x = xOf(angle);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    if (m_values.empty())
        return;
    const auto index = std::min(m_values.size() - 1,
                                std::size_t(std::lround(angle / 360 * double(m_values.size())))
                                    % m_values.size());
    const double value = m_values[index];
    if (std::isnan(value))
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawEllipse(QPointF(x, std::clamp(yOf(value), plot.top(), plot.bottom())), 3.0, 3.0);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(plot.left(), 2, plot.width(), plot.top() - 4),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QFontMetricsF(font()).elidedText(readout(value, angle), Qt::ElideRight,
                                                      plot.width()));
}

QString GraphView::readout(double value, double angle) const
{
    const int decimals = m_quantity == Quantity::Lift || m_quantity == Quantity::PressureAngle
                             ? 2
                             : 1;
    const QString shown = learnerNumber(value, decimals);
    const QString at = learnerNumber(angle);
    return m_quantity == Quantity::PressureAngle ? tr("%1° at %2°").arg(shown, at)
                                                 : tr("%1 %2 at %3°").arg(shown, unit(), at);
}

double GraphView::readoutRoom() const
{
    // The widest the readout gets: the graph's largest value, negative, at a wide angle.
    const double widest = -std::max(std::abs(m_low), std::abs(m_high));
    return QFontMetricsF(font()).horizontalAdvance(readout(widest, 359.5));
}

void GraphView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QRectF plot = plotArea();
    emit angleChosen(std::clamp((event->position().x() - plot.left()) / plot.width(), 0.0, 1.0)
                     * 360);
}

void GraphView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    const QRectF plot = plotArea();
    emit angleChosen(std::clamp((event->position().x() - plot.left()) / plot.width(), 0.0, 1.0)
                     * 360);
}

} // namespace workshop
