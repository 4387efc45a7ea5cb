// One tick of a cam, the same for all three, as a value: which of the cam's pictures is shown
// where and which are parked, the pieces of lift graph drawn, whether the graph is erased,
// and the step and graph offset that follow. The simulation window applies it.
#pragma once

#include "camtables.h"

#include <array>
#include <cstddef>
#include <span>

namespace animation {

// A step picture, numbered as CamStep::picture, put at a place in twips.
struct PictureMove {
    int picture;
    int left;
    int top;
};

// A piece of lift graph in the window's twips.
struct GraphStroke {
    int x1;
    int y1;
    int x2;
    int y2;
};

struct TickChanges {
    // Every picture of the cam, in the table's order: the current step's at its place on the
    // stage, the others parked.
    std::array<PictureMove, maxCamSteps> moveSlots{};
    std::size_t moveCount = 0;
    // The step's piece of graph, then the cycle's closing piece where the cycle ends.
    std::array<GraphStroke, 2> strokeSlots{};
    std::size_t strokeCount = 0;
    // Whether the graphs are wiped after this tick's strokes are drawn.
    bool erasesGraph = false;
    int step = 0;
    int graphOffset = 0;

    std::span<const PictureMove> moves() const { return {moveSlots.data(), moveCount}; }
    std::span<const GraphStroke> strokes() const { return {strokeSlots.data(), strokeCount}; }
};

// The graph's origin in the window's twips: the first point of the cam's pen line.
struct PenOrigin {
    int x;
    int y;
};

// What ticking `cam` changes when the shared step is `step` and the graph's current cycle
// lies `graphOffset` twips right of the origin.
TickChanges tick(const CamTable &cam, PenOrigin pen, int step, int graphOffset);

} // namespace animation
