// What the simulation window shows, with no widgets: which cam runs, the step its next tick
// shows, how far right its graph's current cycle lies, and each cam's lift graph as its ticks
// have traced it. The window asks the model and draws what it says.
#pragma once

#include "liftgraph.h"

#include "animation/cam.h"
#include "animation/camtick.h"

#include <array>
#include <iterator>
#include <optional>
#include <vector>

class SimulationModel
{
public:
    SimulationModel();

    std::optional<animation::Cam> running() const { return m_running; }
    // A start is refused while another cam runs; starting the running cam begins it again.
    bool canStart(animation::Cam cam) const { return !m_running || *m_running == cam; }
    // The one step all cams share, and where the current cycle of the graph lies.
    int step() const { return m_step; }
    int graphOffset() const { return m_graphOffset; }
    const LiftGraph &graph(animation::Cam cam) const { return m_graphs[std::size_t(cam)]; }

    void reset() { m_step = 0; }
    // As the cam's table says; false, with nothing changed, where the start is refused.
    bool start(animation::Cam cam);
    void stop(animation::Cam cam);

    struct Tick {
        animation::TickChanges changes;
        bool graphGrew = false; // the ticked cam's graph gained a cycle
        std::array<bool, std::size(animation::allCams)> wiped{}; // graphs the erase emptied
    };
    // One tick of `cam`: the step computed, its strokes traced on the cam's own graph.
    Tick tick(animation::Cam cam);

private:
    std::optional<animation::Cam> m_running;
    int m_step = 0;
    int m_graphOffset = 0;
    std::vector<LiftGraph> m_graphs; // in the cams' order
};
