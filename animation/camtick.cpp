// One tick of any cam, computed from its table alone.
#include "camtick.h"

namespace animation {

namespace {

// Whole twips, added as whole numbers: the drawing layer turns them into pixels with the one
// twips rule, so each point of the graph lands on the pixel its table row names, at every
// screen scale, and a cycle drawn on one page lines up with the same cycle on the next.
GraphStroke stroke(const GraphSegment &segment, PenOrigin pen, int graphOffset)
{
    return {pen.x + segment.from.dx + graphOffset, pen.y - segment.from.lift,
            pen.x + segment.to.dx + graphOffset, pen.y - segment.to.lift};
}

bool pageIsFull(const CamTable &cam, int graphOffset)
{
    return cam.eraseRule == EraseRule::CycleEndsOnLimit ? graphOffset == cam.eraseLimit
                                                        : graphOffset > cam.eraseLimit;
}

} // namespace

TickChanges tick(const CamTable &cam, PenOrigin pen, int step, int graphOffset)
{
    TickChanges changes;
    for (int k = cam.firstStep; k < cam.wrapValue(); ++k) {
        const CamStep &row = cam.step(k);
        changes.moveSlots[changes.moveCount++] = step == k
            ? PictureMove{row.picture, row.left, row.top}
            : PictureMove{row.picture, layout::parkingLeft, layout::parkingTop};
    }

    if (cam.hasStep(step))
        changes.strokeSlots[changes.strokeCount++] = stroke(cam.step(step).segment, pen,
                                                            graphOffset);

    step += 1;

    const auto eraseWhenFull = [&] {
        if (pageIsFull(cam, graphOffset)) {
            changes.erasesGraph = true;
            graphOffset = 0;
        }
    };
    if (cam.eraseRule == EraseRule::NextStepPastLimit)
        eraseWhenFull();

    if (step == cam.wrapValue()) {
        if (cam.hasClosingSegment)
            changes.strokeSlots[changes.strokeCount++] = stroke(cam.closingSegment, pen,
                                                                graphOffset);
        step = cam.firstStep;
        graphOffset += cam.cycleWidth;
    }

    if (cam.eraseRule != EraseRule::NextStepPastLimit)
        eraseWhenFull();

    changes.step = step;
    changes.graphOffset = graphOffset;
    return changes;
}

} // namespace animation
