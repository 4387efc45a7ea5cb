// One tick of a cam, the same for all three: show the current step's picture
// and park the others, draw the step's piece of the lift graph, advance the
// step counter, and at the end of a cycle move the graph on or erase it.
#pragma once

#include "camtables.h"

#include <span>

namespace forms {
class LineControl;
class Picture;
class Surface;
} // namespace forms

namespace animation {

// What a tick uses of the window: the cam's pictures, indexed as CamStep::picture
// (0 is `start`, k is Image1(k)), the pen line whose first point is the graph's
// origin, and the surface that Line and Cls draw on.
struct CamStage {
    std::span<forms::Picture *const> pictures;
    const forms::LineControl &penLine;
    forms::Surface &window;
};

void runTick(const CamTable &cam, const CamStage &stage, int &frame, int &graphOffset);

} // namespace animation
