#include "simulationmodel.h"

#include "animation/camrecords.h"

SimulationModel::SimulationModel()
{
    for (const animation::CamRecord &record : animation::camRecords)
        m_graphs.emplace_back(QPoint(record.pen.ends.x1, record.pen.ends.y1),
                              record.table.cycleWidth);
}

bool SimulationModel::start(animation::Cam cam)
{
    if (!canStart(cam))
        return false;
    const animation::CamTable &table = animation::camTable(cam);
    if (table.startResetsGraph)
        m_graphOffset = 0;
    m_step = table.firstStep;
    m_running = cam;
    return true;
}

void SimulationModel::stop(animation::Cam cam)
{
    if (m_running == cam)
        m_running.reset();
}

SimulationModel::Tick SimulationModel::tick(animation::Cam cam)
{
    const animation::CamRecord &record = animation::camRecord(cam);
    Tick result;
    result.changes = animation::tick(record.table, {record.pen.ends.x1, record.pen.ends.y1},
                                     m_step, m_graphOffset);
    LiftGraph &own = m_graphs[std::size_t(cam)];
    for (const animation::GraphStroke &stroke : result.changes.strokes())
        result.graphGrew = own.take(stroke.x1, stroke.y1, stroke.x2, stroke.y2)
                           || result.graphGrew;
    if (result.changes.erasesGraph) {
        // The drawing layer is one for all graphs: an erase empties every one.
        for (std::size_t i = 0; i < m_graphs.size(); ++i) {
            result.wiped[i] = m_graphs[i].cycles() > 0;
            m_graphs[i].clear();
        }
    }
    m_step = result.changes.step;
    m_graphOffset = result.changes.graphOffset;
    return result;
}
