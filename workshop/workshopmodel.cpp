// The workshop's model and its one kind of undo command: the whole design before and after,
// which is a few hundred bytes and restores exactly.
#include "workshopmodel.h"

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
