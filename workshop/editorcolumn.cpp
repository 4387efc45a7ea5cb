// The editor column. Its editors' signals go straight to the model's edits; the model's
// signals set the editors back, with the editors' own signals held while they are set.
#include "editorcolumn.h"

#include "choicebox.h"
#include "wording.h"
#include "workshopmodel.h"

#include "camdesign/choices.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace workshop {
namespace {

using namespace camdesign;

// A choice box offering every row of a choice's table, by its learner's name.
template <typename Table>
QComboBox *choiceBox(const Table &table, const QString &accessible)
{
    auto *box = new ChoiceBox;
    for (const auto &row : table)
        box->addItem(nameOf(row.value), int(row.value));
    box->setAccessibleName(accessible);
    return box;
}

// A value set from the model only where it differs, so a box being typed into keeps the
// learner's half-typed text and cursor.
void showValue(QDoubleSpinBox *box, double value)
{
    const double shown = std::round(value * std::pow(10.0, box->decimals()))
                         / std::pow(10.0, box->decimals());
    if (box->value() == shown)
        return;
    const QSignalBlocker quiet(box);
    box->setValue(value);
}

void showValue(QComboBox *box, int value)
{
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(box->findData(value));
}

} // namespace

EditorColumn::EditorColumn(WorkshopModel *model, QWidget *parent)
    : QScrollArea(parent)
    , m_model(model)
{
    build();
    connectEditors();
    connect(m_model, &WorkshopModel::designChanged, this, &EditorColumn::showDesign);
    connect(m_model, &WorkshopModel::chosenSegmentChanged, this, &EditorColumn::showSegments);
    showDesign();
}

QString EditorColumn::suffixOf(Unit unit)
{
    switch (unit) {
    case Unit::Millimetre:
        return tr(" mm");
    case Unit::Degree:
        return tr(" °");
    case Unit::Rpm:
        return tr(" rpm");
    }
    return {};
}

QDoubleSpinBox *EditorColumn::numberBox(const Range &range, int decimals, double step,
                                        const QString &name)
{
    const QString suffix = suffixOf(range.unit);
    auto *box = new QDoubleSpinBox;
    box->setRange(range.lowest, range.highest);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setSuffix(suffix);
    box->setAccessibleName(name);
    box->setAccelerated(true);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return box;
}

void EditorColumn::build()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);

    auto *motion = new QGroupBox(tr("Motion"));
    auto *motionLayout = new QVBoxLayout(motion);
    m_segments = new QListWidget;
    m_segments->setAccessibleName(tr("Segments"));
    m_segments->setMinimumHeight(120);
    m_segments->setWordWrap(true);
    m_segments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    motionLayout->addWidget(m_segments);
    auto *buttons = new QGridLayout;
    m_addSegment = new QPushButton(tr("Add"));
    m_addSegment->setAccessibleName(tr("Add a segment"));
    m_removeSegment = new QPushButton(tr("Remove"));
    m_removeSegment->setAccessibleName(tr("Remove the segment"));
    m_moveUp = new QPushButton(tr("Move up"));
    m_moveUp->setAccessibleName(tr("Move the segment up"));
    m_moveDown = new QPushButton(tr("Move down"));
    m_moveDown->setAccessibleName(tr("Move the segment down"));
    buttons->addWidget(m_addSegment, 0, 0);
    buttons->addWidget(m_removeSegment, 0, 1);
    buttons->addWidget(m_moveUp, 1, 0);
    buttons->addWidget(m_moveDown, 1, 1);
    motionLayout->addLayout(buttons);
    m_fillWithDwell = new QPushButton(tr("Fill the rest of the turn with a dwell"));
    motionLayout->addWidget(m_fillWithDwell);

    m_segmentBox = new QGroupBox;
    auto *segmentForm = new QFormLayout(m_segmentBox);
    m_kind = choiceBox(segmentKinds, tr("Segment kind"));
    m_angle = numberBox(ranges::segmentAngle, 2, 5, tr("Segment angle"));
    m_height = numberBox(ranges::height, 2, 1, tr("Segment height"));
    m_law = choiceBox(motionLaws, tr("Motion law"));
    segmentForm->addRow(tr("Kind"), m_kind);
    segmentForm->addRow(tr("Angle"), m_angle);
    segmentForm->addRow(tr("Height"), m_height);
    segmentForm->addRow(tr("Law"), m_law);
    motionLayout->addWidget(m_segmentBox);
    layout->addWidget(motion);

    auto *follower = new QGroupBox(tr("Follower"));
    auto *followerForm = new QFormLayout(follower);
    m_followerType = choiceBox(followerTypes, tr("Follower type"));
    m_rollerRadius = numberBox(ranges::rollerRadius, 2, 1, tr("Roller radius"));
    m_offset = numberBox(ranges::offset, 2, 1, tr("Follower offset"));
    followerForm->addRow(tr("Type"), m_followerType);
    followerForm->addRow(tr("Roller radius"), m_rollerRadius);
    followerForm->addRow(tr("Offset"), m_offset);
    layout->addWidget(follower);

    auto *cam = new QGroupBox(tr("Cam"));
    auto *camForm = new QFormLayout(cam);
    m_baseCircle = numberBox(ranges::baseCircleRadius, 2, 1, tr("Base circle radius"));
    m_rotation = choiceBox(rotations, tr("Direction of rotation"));
    m_holeShape = choiceBox(holeShapes, tr("Shaft hole shape"));
    m_holeDiameter = numberBox(ranges::shaftHoleDiameter, 2, 0.5, tr("Shaft hole diameter"));
    m_flatDepth = numberBox(ranges::flatDepth, 2, 0.1, tr("Depth of the flat"));
    camForm->addRow(tr("Base circle radius"), m_baseCircle);
    camForm->addRow(tr("Rotation"), m_rotation);
    camForm->addRow(tr("Shaft hole"), m_holeShape);
    camForm->addRow(tr("Hole diameter"), m_holeDiameter);
    camForm->addRow(tr("Depth of the flat"), m_flatDepth);
    layout->addWidget(cam);

    auto *running = new QGroupBox(tr("Speed and limit"));
    auto *runningForm = new QFormLayout(running);
    m_speed = numberBox(ranges::speedRpm, 1, 10, tr("Cam speed"));
    m_pressureLimit = numberBox(ranges::pressureAngleLimit, 1, 1, tr("Pressure angle limit"));
    runningForm->addRow(tr("Cam speed"), m_speed);
    runningForm->addRow(tr("Pressure angle limit"), m_pressureLimit);
    layout->addWidget(running);
    layout->addStretch();

    setWidget(column);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(std::max(column->sizeHint().width(), 330) + 24);
}

void EditorColumn::connectEditors()
{
    using Field = WorkshopModel::Field;
    connect(m_segments, &QListWidget::currentRowChanged, m_model, &WorkshopModel::chooseSegment);
    connect(m_addSegment, &QPushButton::clicked, m_model, &WorkshopModel::addSegment);
    connect(m_removeSegment, &QPushButton::clicked, m_model, &WorkshopModel::removeSegment);
    connect(m_moveUp, &QPushButton::clicked, this, [this] { m_model->moveSegment(-1); });
    connect(m_moveDown, &QPushButton::clicked, this, [this] { m_model->moveSegment(1); });
    connect(m_fillWithDwell, &QPushButton::clicked, m_model, &WorkshopModel::fillWithDwell);

    // A choice is taken when the learner makes it, not when the model's design is shown.
    connect(m_kind, &QComboBox::activated, this, [this](int index) {
        m_model->setSegmentKind(SegmentKind(m_kind->itemData(index).toInt()));
    });
    connect(m_law, &QComboBox::activated, this, [this](int index) {
        m_model->setMotionLaw(MotionLaw(m_law->itemData(index).toInt()));
    });
    connect(m_followerType, &QComboBox::activated, this, [this](int index) {
        m_model->setFollowerType(FollowerType(m_followerType->itemData(index).toInt()));
    });
    connect(m_rotation, &QComboBox::activated, this, [this](int index) {
        m_model->setRotation(Rotation(m_rotation->itemData(index).toInt()));
    });
    connect(m_holeShape, &QComboBox::activated, this, [this](int index) {
        m_model->setHoleShape(HoleShape(m_holeShape->itemData(index).toInt()));
    });

    const std::pair<QDoubleSpinBox *, Field> numbers[] = {
        {m_angle, Field::SegmentAngle},        {m_height, Field::SegmentHeight},
        {m_rollerRadius, Field::RollerRadius}, {m_offset, Field::Offset},
        {m_baseCircle, Field::BaseCircle},     {m_holeDiameter, Field::HoleDiameter},
        {m_flatDepth, Field::FlatDepth},       {m_speed, Field::Speed},
        {m_pressureLimit, Field::PressureLimit},
    };
    for (const auto &[box, field] : numbers)
        connect(box, &QDoubleSpinBox::valueChanged, this,
                [this, field](double value) { m_model->setNumber(field, value); });
}

void EditorColumn::showDesign()
{
    const CamDesign &design = m_model->design();
    showSegments();
    showValue(m_followerType, int(design.follower.type));
    showValue(m_rollerRadius, design.follower.rollerRadius);
    m_rollerRadius->setEnabled(design.follower.type == FollowerType::Roller);
    showValue(m_offset, design.follower.offset);
    showValue(m_baseCircle, design.baseCircleRadius);
    showValue(m_rotation, int(design.rotation));
    showValue(m_holeShape, int(design.hole.shape));
    showValue(m_holeDiameter, design.hole.diameter);
    showValue(m_flatDepth, design.hole.flatDepth);
    m_flatDepth->setEnabled(design.hole.shape == HoleShape::DFlat);
    showValue(m_speed, design.speedRpm);
    showValue(m_pressureLimit, design.pressureAngleLimitDegrees);
}

void EditorColumn::showSegments()
{
    const CamDesign &design = m_model->design();
    const int count = int(design.segments.size());
    const int chosen = m_model->chosenSegment();
    {
        const QSignalBlocker quiet(m_segments);
        while (m_segments->count() > count)
            delete m_segments->takeItem(m_segments->count() - 1);
        while (m_segments->count() < count)
            m_segments->addItem(QString());
        for (int i = 0; i < count; ++i)
            m_segments->item(i)->setText(Wording::segmentLine(design, i));
        m_segments->setCurrentRow(chosen);
    }
    const double sum = m_model->analysis().motionCheck.angleSum;
    m_addSegment->setEnabled(count < ranges::mostSegments);
    m_removeSegment->setEnabled(chosen >= 0);
    m_moveUp->setEnabled(chosen > 0);
    m_moveDown->setEnabled(chosen >= 0 && chosen < count - 1);
    m_fillWithDwell->setEnabled(count > 0 && 360 - sum > angleTolerance);

    m_segmentBox->setEnabled(chosen >= 0);
    if (chosen < 0) {
        m_segmentBox->setTitle(tr("No segment"));
        return;
    }
    m_segmentBox->setTitle(tr("Segment %1 of %2").arg(chosen + 1).arg(count));
    const Segment &segment = design.segments[std::size_t(chosen)];
    showValue(m_kind, int(segment.kind));
    showValue(m_angle, segment.angleDegrees);
    if (segment.kind == SegmentKind::Dwell) {
        // A dwell has no height: the box is empty rather than showing a height unused.
        const QSignalBlocker quiet(m_height);
        m_height->clear();
    } else if (m_height->cleanText().isEmpty()) {
        const QSignalBlocker quiet(m_height);
        m_height->setValue(segment.height);
    } else {
        showValue(m_height, segment.height);
    }
    showValue(m_law, int(segment.law));
    m_height->setEnabled(segment.kind != SegmentKind::Dwell);
    m_law->setEnabled(segment.kind != SegmentKind::Dwell);
}

EditorColumn::Editors EditorColumn::editors() const
{
    return {m_segments,     m_addSegment,   m_removeSegment, m_moveUp,   m_moveDown,
            m_fillWithDwell, m_kind,        m_law,           m_angle,    m_height,
            m_followerType, m_rotation,     m_holeShape,     m_rollerRadius, m_offset,
            m_baseCircle,   m_holeDiameter, m_flatDepth,     m_speed,    m_pressureLimit};
}

} // namespace workshop
