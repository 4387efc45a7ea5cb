// One graph against the cam angle, 0 to 360°: lift, velocity, acceleration or jerk at the
// design's speed, or the pressure angle with its limit. Each shows its unit, the segment
// boundaries, where the design fails, and a cursor at the angle the cam has turned to.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QPolygonF>
#include <QStaticText>
#include <QWidget>

#include <vector>

namespace workshop {

class WorkshopModel;

enum class Quantity { Lift, Velocity, Acceleration, Jerk, PressureAngle };

inline constexpr Quantity allQuantities[] = {Quantity::Lift, Quantity::Velocity,
                                             Quantity::Acceleration, Quantity::Jerk,
                                             Quantity::PressureAngle};

// The graph's values, one for each of the analysis' points in its unit; a point the graph
// has no value for (past the segments' end, or no cam to have a pressure angle) is NaN.
std::vector<double> graphValues(const WorkshopModel &model, Quantity quantity);

// The values as a polyline `columns` wide from x = 0: for each column the first, lowest,
// highest and last values in the order they come, so no peak between pixels is lost.
// NaN values break the line: each unbroken run is one polyline.
std::vector<QPolygonF> columnEnvelope(const std::vector<double> &values, int columns,
                                      double flatWithin = 0);

// Round numbers for an axis from low to high: about `wanted` steps of 1, 2 or 5 × 10ⁿ.
std::vector<double> axisTicks(double low, double high, int wanted = 4);

class GraphView final : public QWidget
{
    Q_OBJECT

public:
    GraphView(const WorkshopModel *model, Quantity quantity, QWidget *parent = nullptr);

    Quantity quantity() const { return m_quantity; }
    QString title() const;
    QString unit() const;

    QSize sizeHint() const override { return {460, 150}; }
    QSize minimumSizeHint() const override { return {240, 90}; }

signals:
    // The learner clicked or dragged on the graph at this cam angle.
    void angleChosen(double degrees);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void takeDesign();
    void drawLabel(QPainter &painter, const QRectF &box, Qt::Alignment alignment,
                   const QString &text) const;
    // The cursor's value at an angle, as the top right corner shows it, and the widest it gets.
    QString readout(double value, double angle) const;
    double readoutRoom() const;
    QRectF plotArea() const;
    double xOf(double degrees) const;
    double yOf(double value) const;
    // Everything but the cursor, drawn once a change and kept at the screen's density.
    void paintBackground(QPainter &painter) const;
    void paintCursor(QPainter &painter) const;
    QString describe() const;

    const WorkshopModel *m_model;
    Quantity m_quantity;
    std::vector<double> m_values;
    double m_low = 0;
    double m_high = 1;
    std::vector<double> m_ticks;
    mutable QHash<QString, QStaticText> m_labels;
    QPixmap m_background;
};

} // namespace workshop
