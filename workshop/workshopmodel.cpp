// The workshop's model and its one kind of undo command: the whole design before and after,
// which is a few hundred bytes and restores exactly.
#include "workshopmodel.h"

#include "camdesign/designfile.h"

#include <QUndoCommand>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace workshop {

class DesignEdit final : public QUndoCommand
{
public:
    DesignEdit(WorkshopModel *model, camdesign::CamDesign before, camdesign::CamDesign after,
               const QString &what, int mergeKey, int mergeRun)
        : QUndoCommand(what)
        , m_model(model)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_mergeKey(mergeKey)
        , m_mergeRun(mergeRun)
    {
    }

    void undo() override { m_model->apply(m_before); }
    void redo() override { m_model->apply(m_after); }
    int id() const override { return m_mergeKey < 0 ? -1 : 1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *later = static_cast<const DesignEdit *>(other);
        if (later->m_mergeKey != m_mergeKey || later->m_mergeRun != m_mergeRun)
            return false;
        m_after = later->m_after;
        // A value nudged back to where it was is no change at all.
        setObsolete(m_after == m_before);
        return true;
    }

private:
    WorkshopModel *m_model;
    camdesign::CamDesign m_before;
    camdesign::CamDesign m_after;
    int m_mergeKey;
    int m_mergeRun;
};

WorkshopModel::WorkshopModel(QObject *parent)
    : QObject(parent)
{
    // A lesson's worth of steps back; past that the oldest go, so a long session's memory
    // stays flat.
    m_undo.setUndoLimit(undoLimit);
    apply(camdesign::newDesign());
    connect(&m_undo, &QUndoStack::cleanChanged, this, &WorkshopModel::fileChanged);
}

WorkshopModel::~WorkshopModel()
{
    // The commands point back at the model: they go before it does.
    m_undo.clear();
}

void WorkshopModel::edit(const camdesign::CamDesign &changed, const QString &what, int mergeKey)
{
    if (changed == m_design)
        return;
    m_undo.push(new DesignEdit(this, m_design, changed, what, mergeKey, m_mergeRun));
}

void WorkshopModel::reset(const camdesign::CamDesign &design, const QString &path)
{
    m_undo.clear();
    ++m_mergeRun;
    m_path = path;
    m_chosenSegment = 0;
    apply(design);
    setAngle(0);
    emit chosenSegmentChanged();
    emit fileChanged();
}

void WorkshopModel::undo()
{
    endMerging();
    m_undo.undo();
}

void WorkshopModel::redo()
{
    endMerging();
    m_undo.redo();
}

int WorkshopModel::mergeKey(Field field, int segment)
{
    switch (field) {
    case Field::SegmentAngle:
    case Field::SegmentHeight:
        // Far apart enough for every segment a design may have.
        return int(field) * 1000 + segment;
    case Field::RollerRadius:
    case Field::Offset:
    case Field::BaseCircle:
    case Field::HoleDiameter:
    case Field::FlatDepth:
    case Field::Speed:
    case Field::PressureLimit:
        return int(field);
    }
    return -1;
}

void WorkshopModel::change(const std::function<void(camdesign::CamDesign &)> &how,
                           const QString &what, int mergeKey)
{
    camdesign::CamDesign design = m_design;
    how(design);
    edit(design, what, mergeKey);
}

void WorkshopModel::changeSegment(const std::function<void(camdesign::Segment &)> &how,
                                  const QString &what, std::optional<Field> field)
{
    const int chosen = m_chosenSegment;
    if (chosen < 0)
        return;
    change([&how, chosen](camdesign::CamDesign &design) {
        how(design.segments[std::size_t(chosen)]);
    }, what, field ? mergeKey(*field, chosen) : -1);
}

void WorkshopModel::setNumber(Field field, double value)
{
    using camdesign::CamDesign;
    const auto set = [this, field](void (*how)(CamDesign &, double), double to,
                                   const QString &what) {
        change([how, to](CamDesign &design) { how(design, to); }, what, mergeKey(field, -1));
    };
    switch (field) {
    case Field::SegmentAngle:
        changeSegment([value](camdesign::Segment &segment) { segment.angleDegrees = value; },
                      tr("Change the segment's angle"), field);
        return;
    case Field::SegmentHeight:
        changeSegment([value](camdesign::Segment &segment) { segment.height = value; },
                      tr("Change the segment's height"), field);
        return;
    case Field::RollerRadius:
        set([](CamDesign &design, double to) { design.follower.rollerRadius = to; }, value,
            tr("Change the roller's radius"));
        return;
    case Field::Offset:
        set([](CamDesign &design, double to) { design.follower.offset = to; }, value,
            tr("Change the follower's offset"));
        return;
    case Field::BaseCircle:
        set([](CamDesign &design, double to) { design.baseCircleRadius = to; }, value,
            tr("Change the base circle"));
        return;
    case Field::HoleDiameter:
        set([](CamDesign &design, double to) { design.hole.diameter = to; }, value,
            tr("Change the shaft hole"));
        return;
    case Field::FlatDepth:
        set([](CamDesign &design, double to) { design.hole.flatDepth = to; }, value,
            tr("Change the depth of the flat"));
        return;
    case Field::Speed:
        set([](CamDesign &design, double to) { design.speedRpm = to; }, value,
            tr("Change the cam speed"));
        return;
    case Field::PressureLimit:
        set([](CamDesign &design, double to) { design.pressureAngleLimitDegrees = to; }, value,
            tr("Change the pressure angle limit"));
        return;
    }
}

void WorkshopModel::setSegmentKind(camdesign::SegmentKind kind)
{
    changeSegment(
        [kind](camdesign::Segment &segment) {
            segment.kind = kind;
            // A dwell keeps whatever height it had; a rise or return from it needs a real one.
            if (kind != camdesign::SegmentKind::Dwell
                && !camdesign::ranges::height.contains(segment.height))
                segment.height = newSegmentHeight;
        },
        tr("Change the segment's kind"));
}

void WorkshopModel::setMotionLaw(camdesign::MotionLaw law)
{
    changeSegment([law](camdesign::Segment &segment) { segment.law = law; },
                  tr("Change the motion law"));
}

void WorkshopModel::setFollowerType(camdesign::FollowerType type)
{
    change([type](camdesign::CamDesign &design) { design.follower.type = type; },
           tr("Change the follower"));
}

void WorkshopModel::setRotation(camdesign::Rotation rotation)
{
    change([rotation](camdesign::CamDesign &design) { design.rotation = rotation; },
           tr("Change the direction of rotation"));
}

void WorkshopModel::setHoleShape(camdesign::HoleShape shape)
{
    change([shape](camdesign::CamDesign &design) { design.hole.shape = shape; },
           tr("Change the shaft hole"));
}

void WorkshopModel::addSegment()
{
    if (int(m_design.segments.size()) >= camdesign::ranges::mostSegments)
        return;
    const double left = 360 - m_analysis.motionCheck.angleSum;
    const double angle = camdesign::ranges::segmentAngle.contains(left) ? left : newSegmentAngle;
    const int at = m_chosenSegment + 1;
    change(
        [at, angle](camdesign::CamDesign &changed) {
            changed.segments.insert(changed.segments.begin() + at,
                                    camdesign::Segment{camdesign::SegmentKind::Dwell, angle,
                                                       newSegmentHeight, newSegmentLaw});
        },
        tr("Add a segment"));
    chooseSegment(at);
}

void WorkshopModel::removeSegment()
{
    const int chosen = m_chosenSegment;
    if (chosen < 0)
        return;
    change(
        [chosen](camdesign::CamDesign &design) {
            design.segments.erase(design.segments.begin() + chosen);
        },
        tr("Remove a segment"));
}

void WorkshopModel::moveSegment(int by)
{
    const int chosen = m_chosenSegment;
    const int to = chosen + by;
    if (chosen < 0 || to < 0 || to >= int(m_design.segments.size()))
        return;
    change(
        [chosen, to](camdesign::CamDesign &design) {
            std::swap(design.segments[std::size_t(chosen)], design.segments[std::size_t(to)]);
        },
        by < 0 ? tr("Move a segment up") : tr("Move a segment down"));
    chooseSegment(to);
}

void WorkshopModel::fillWithDwell()
{
    const double left = 360 - m_analysis.motionCheck.angleSum;
    if (left <= camdesign::angleTolerance)
        return;
    const bool grow = !m_design.segments.empty()
                      && (m_design.segments.back().kind == camdesign::SegmentKind::Dwell
                          || left < camdesign::ranges::segmentAngle.lowest
                          || int(m_design.segments.size()) >= camdesign::ranges::mostSegments);
    change(
        [left, grow](camdesign::CamDesign &changed) {
            if (grow)
                changed.segments.back().angleDegrees += left;
            else
                changed.segments.push_back(
                    {camdesign::SegmentKind::Dwell, left, 0, newSegmentLaw});
        },
        tr("Fill the turn with a dwell"));
    chooseSegment(int(m_design.segments.size()) - 1);
}

double WorkshopModel::workingBase() const
{
    const double smallest = m_analysis.smallestBaseRadius;
    double base = std::ceil(smallest * 100 - 1e-7) / 100;
    if (m_design.follower.type == camdesign::FollowerType::FlatFaced && base <= smallest)
        base += 0.01;
    return std::clamp(base, camdesign::ranges::baseCircleRadius.lowest,
                      camdesign::ranges::baseCircleRadius.highest);
}

void WorkshopModel::useSmallestBase()
{
    if (!m_analysis.feasible)
        return;
    const double base = workingBase();
    change([base](camdesign::CamDesign &design) { design.baseCircleRadius = base; },
           tr("Use the smallest base circle"));
}

void WorkshopModel::apply(const camdesign::CamDesign &design)
{
    m_design = design;
    m_analysis = camdesign::analyse(m_design, samples);
    m_geometry = std::make_unique<camdesign::CamGeometry>(m_design);
    const int last = int(m_design.segments.size()) - 1;
    const int chosen = std::clamp(m_chosenSegment, std::min(last, 0), last);
    emit designChanged();
    if (chosen != m_chosenSegment) {
        m_chosenSegment = chosen;
        emit chosenSegmentChanged();
    }
}

void WorkshopModel::setAngle(double degrees)
{
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped < 0)
        wrapped += 360;
    // fmod of a tiny negative number gives 360 back after the addition.
    if (wrapped >= 360)
        wrapped = 0;
    if (wrapped == m_angle)
        return;
    m_angle = wrapped;
    emit angleChanged();
}

camdesign::CamPoint WorkshopModel::pointNow() const
{
    return m_geometry->at(m_angle * std::numbers::pi / 180);
}

void WorkshopModel::chooseSegment(int index)
{
    const int last = int(m_design.segments.size()) - 1;
    index = std::clamp(index, std::min(last, 0), last);
    if (index == m_chosenSegment)
        return;
    m_chosenSegment = index;
    emit chosenSegmentChanged();
}

void WorkshopModel::markSaved(const QString &path)
{
    m_path = path;
    m_undo.setClean();
    emit fileChanged();
}

} // namespace workshop
