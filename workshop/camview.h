// The cam at true proportions, turned to the model's angle under its follower: the outline,
// the base and prime circles and the pitch curve as construction lines, the shaft, the
// follower in its guide, a 0° mark and the direction of rotation. Places where the cam fails
// are marked on its outline. Dragging the cam or the arrow keys turn it.
#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QWidget>

namespace workshop {

class WorkshopModel;

class CamView final : public QWidget
{
    Q_OBJECT

public:
    explicit CamView(const WorkshopModel *model, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {520, 520}; }
    QSize minimumSizeHint() const override { return {260, 260}; }

    // From the cam's frame in mm (y up) to the widget's logical pixels, at `angle` degrees.
    QTransform camToWidget(double angle) const;
    // From the follower's frame in mm to the widget's logical pixels.
    QTransform followerToWidget() const { return m_followerToWidget; }

signals:
    // The learner turned the cam by this many degrees, in its own direction.
    void turnRequested(double degrees);
    void playToggleRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void takeDesign();
    void fitScene();
    void paintCam(QPainter &painter, const QTransform &cam) const;
    void paintFollower(QPainter &painter) const;
    void paintMarks(QPainter &painter, const QTransform &cam) const;
    void paintScaleBar(QPainter &painter) const;
    // Degrees the pointer stands around the shaft, anticlockwise from the right.
    double pointerAngle(QPointF position) const;

    const WorkshopModel *m_model;
    // The cam's frame, in mm, fixed while it turns: every sample, and as few as the view's
    // scale needs to draw the same curve.
    QPolygonF m_fullOutline;
    QPolygonF m_fullPitchCurve;
    QPolygonF m_outline;
    QPolygonF m_pitchCurve;
    std::vector<QPolygonF> m_faults; // stretches of the outline where a check fails
    QPainterPath m_faultClip;        // a band along the outline drawn, where they may show
    // The scene in mm, follower frame: everything the cam and follower can cover.
    QRectF m_scene;
    double m_pixelsPerMm = 1;
    QTransform m_followerToWidget;
    double m_guideBottom = 0; // mm, follower frame
    double m_stemTop = 0;
    bool m_dragging = false;
    double m_dragAngle = 0;
};

} // namespace workshop
