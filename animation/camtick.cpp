#include "camtick.h"

#include "forms/linecontrol.h"
#include "forms/picture.h"
#include "forms/surface.h"

#include <cmath>

namespace animation {

namespace {

// The pen line's first point is read anew for every point, in single
// precision, and the offset is added to the sum of X1 and dx.
void drawSegment(const CamStage &stage, const GraphSegment &segment, int graphOffset)
{
    const auto x = [&](const GraphPoint &point) {
        const float shifted = float(stage.penLine.x1()) + float(point.dx);
        return int(std::lround(float(shifted + float(graphOffset))));
    };
    const auto y = [&](const GraphPoint &point) {
        return int(std::lround(float(stage.penLine.y1()) - float(point.lift)));
    };
    stage.window.Line(x(segment.from), y(segment.from), x(segment.to), y(segment.to), 0);
}

void eraseWhenFull(const CamTable &cam, const CamStage &stage, int &graphOffset)
{
    const bool full = cam.eraseRule == EraseRule::EqualAfterWrap ? graphOffset == cam.eraseLimit
                                                                 : graphOffset > cam.eraseLimit;
    if (full) {
        stage.window.Cls();
        graphOffset = 0;
    }
}

} // namespace

void runTick(const CamTable &cam, const CamStage &stage, int &frame, int &graphOffset)
{
    for (int k = cam.firstStep; k < cam.wrapValue(); ++k) {
        const CamStep &step = cam.step(k);
        forms::Picture *picture = stage.pictures[std::size_t(step.picture)];
        if (frame == k) {
            picture->setLeft(step.left);
            picture->setTop(step.top);
        } else {
            picture->setLeft(parkingLeft);
            picture->setTop(parkingTop);
        }
    }

    if (cam.hasStep(frame))
        drawSegment(stage, cam.step(frame).segment, graphOffset);

    frame += 1;

    if (cam.eraseRule == EraseRule::GreaterBeforeWrap)
        eraseWhenFull(cam, stage, graphOffset);

    if (frame == cam.wrapValue()) {
        if (cam.hasClosingSegment)
            drawSegment(stage, cam.closingSegment, graphOffset);
        frame = cam.firstStep;
        graphOffset += cam.cycleWidth;
    }

    if (cam.eraseRule != EraseRule::GreaterBeforeWrap)
        eraseWhenFull(cam, stage, graphOffset);
}

} // namespace animation
