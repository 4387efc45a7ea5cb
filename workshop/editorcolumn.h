// The workshop's left column: the list of segments with its buttons, the chosen segment, the
// follower, the cam, its speed and pressure angle limit. It shows the model's design and hands
// every edit to the model; it holds no design of its own, and showing a value never edits.
#pragma once

#include "camdesign/designfile.h"

#include <QScrollArea>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace workshop {

class WorkshopModel;

class EditorColumn final : public QScrollArea
{
    Q_OBJECT

public:
    explicit EditorColumn(WorkshopModel *model, QWidget *parent = nullptr);

    // The editors, for the window's tab order and its tests.
    struct Editors {
        QListWidget *segments;
        QPushButton *addSegment, *removeSegment, *moveUp, *moveDown, *fillWithDwell;
        QComboBox *kind, *law;
        QDoubleSpinBox *angle, *height;
        QComboBox *followerType, *rotation, *holeShape;
        QDoubleSpinBox *rollerRadius, *offset, *baseCircle, *holeDiameter, *flatDepth;
        QDoubleSpinBox *speed, *pressureLimit;
    };
    Editors editors() const;

    // A number box as every one in the workshop is: typed in the learner's language,
    // corrected to the nearest allowed value, quicker when held.
    static QDoubleSpinBox *numberBox(const camdesign::Range &range, int decimals, double step,
                                     const QString &name);
    // What a number box shows after its number, for a value kept in `unit`.
    static QString suffixOf(camdesign::Unit unit);

private:
    void build();
    void connectEditors();
    void showDesign();
    void showSegments();

    WorkshopModel *m_model;
    QListWidget *m_segments = nullptr;
    QPushButton *m_addSegment = nullptr;
    QPushButton *m_removeSegment = nullptr;
    QPushButton *m_moveUp = nullptr;
    QPushButton *m_moveDown = nullptr;
    QPushButton *m_fillWithDwell = nullptr;
    QGroupBox *m_segmentBox = nullptr;
    QComboBox *m_kind = nullptr;
    QDoubleSpinBox *m_angle = nullptr;
    QDoubleSpinBox *m_height = nullptr;
    QComboBox *m_law = nullptr;
    QComboBox *m_followerType = nullptr;
    QDoubleSpinBox *m_rollerRadius = nullptr;
    QDoubleSpinBox *m_offset = nullptr;
    QDoubleSpinBox *m_baseCircle = nullptr;
    QComboBox *m_rotation = nullptr;
    QComboBox *m_holeShape = nullptr;
    QDoubleSpinBox *m_holeDiameter = nullptr;
    QDoubleSpinBox *m_flatDepth = nullptr;
    QDoubleSpinBox *m_speed = nullptr;
    QDoubleSpinBox *m_pressureLimit = nullptr;
};

} // namespace workshop
