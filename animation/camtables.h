// The three cams as data: which picture each step shows and where, the lift
// graph's segment for each step, and how a cycle ends and a page is erased.
// Plain constexpr data with no toolkit behind it, so the picture program can
// read the same display positions when it cuts the frames out of a scene.
//
// Three things look like faults and are meant, each kept as the learner has always seen it:
// - the bird (layout::bird) is placed far to the right of the window, where no one sees it;
// - the snail's second step, step 13, shows frame(19), not frame(13) (snailSteps);
// - all cams share one step counter (SimulationModel::step): a start sets it to the cam's
//   first step, and a tick of a cam whose table has no such step only parks its pictures.
#pragma once

#include "cam.h"
#include "layout.h"

#include <cstddef>
#include <span>

namespace animation {

// A point of a lift graph, measured from the origin of the current cycle:
// dx twips to the right, lift twips upwards.
struct GraphPoint {
    int dx;
    int lift;
};

struct GraphSegment {
    GraphPoint from;
    GraphPoint to;
};

// The picture a step shows: the window's frame(k), or 0 for the pear's
// separate first picture `startFrame`.
inline constexpr int startPicture = 0;

struct CamStep {
    int picture;
    int left; // display position, twips
    int top;
    GraphSegment segment;
};

// When a page of lift graph is full and wiped, with the graph starting again at its origin.
enum class EraseRule {
    // Wiped in the tick that draws the end of the cycle taking the graph past the limit: that
    // cycle never shows whole.
    CycleEndsPastLimit,
    // Wiped in the tick that draws the end of the cycle ending exactly on the limit: with
    // cycles that divide it, the page holds limit / cycleWidth cycles, the last never whole.
    CycleEndsOnLimit,
    // Wiped a tick later, at the first step of the cycle that would start past the limit:
    // the last cycle shows whole for one tick, and the new cycle's first point goes with it.
    NextStepPastLimit,
};

// No cam has more steps than this; a tick's value has room for every picture of one cam.
inline constexpr std::size_t maxCamSteps = 8;

struct CamTable {
    const char *name;
    int firstStep;
    std::span<const CamStep> steps; // steps firstStep, firstStep + 1, ...
    bool hasClosingSegment;
    GraphSegment closingSegment;
    int cycleWidth;
    EraseRule eraseRule;
    int eraseLimit;
    // A start draws a dot at the graph's origin: the pear's graph shows where it begins
    // before the first tick; the others' begin with their first tick.
    bool startDrawsOriginDot;
    // A start puts the graph back at its origin, so every run's trace begins at the lift
    // axis, not wherever the last run of any cam left off.
    bool startResetsGraph;
    // A stop moves the first step's picture out of sight too: the pear's `startFrame` is not
    // one of the frames from frame(1) on, and would otherwise stay on the stage after a stop in
    // step 0.
    bool stopParksFirstPicture;
    // A stop clears the cam's own frames only, the others having waited out of sight since
    // its start (the snail); otherwise it clears frame(1) to the last, every cam's.
    bool stopClearsOnlyItsOwn;

    constexpr int wrapValue() const { return firstStep + int(steps.size()); }
    constexpr bool hasStep(int number) const { return number >= firstStep && number < wrapValue(); }
    constexpr const CamStep &step(int number) const
    {
        return steps[std::size_t(number - firstStep)];
    }
    // What a tick's value can carry: every picture of the cam, and the page wiped after every
    // piece of graph the tick draws.
    constexpr bool fitsOneTick() const
    {
        return steps.size() <= maxCamSteps
            && !(eraseRule == EraseRule::NextStepPastLimit && hasClosingSegment);
    }
};

inline constexpr CamStep pearSteps[] = {
    {startPicture, 3840, 110, {{0, 600}, {0, 600}}},
    {1, 3840, 330, {{0, 600}, {100, 200}}},
    {2, 3810, 390, {{100, 200}, {200, 100}}},
    {3, 3840, 390, {{200, 100}, {300, 100}}},
    {4, 3840, 390, {{300, 100}, {400, 100}}},
    {5, 3690, 420, {{400, 100}, {500, 100}}},
    {6, 3600, 390, {{500, 100}, {600, 100}}},
    {7, 3840, 300, {{600, 100}, {700, 200}}},
};

inline constexpr CamStep doubleLobeSteps[] = {
    {8, 3800, 140, {{0, 600}, {0, 600}}},
    {9, 3800, 340, {{0, 600}, {100, 300}}},
    {10, 3580, 440, {{100, 300}, {200, 200}}},
    {11, 3800, 220, {{200, 200}, {300, 300}}},
};

// The snail's pictures are not in index order: step 13 shows frame(19).
inline constexpr CamStep snailSteps[] = {
    {12, 3940, 740, {{0, 100}, {0, 100}}},
    {19, 3860, 740, {{0, 100}, {100, 200}}},
    {13, 3800, 645, {{100, 200}, {200, 300}}},
    {14, 3740, 525, {{200, 300}, {300, 400}}},
    {15, 3520, 390, {{300, 400}, {400, 500}}},
    {16, 3460, 305, {{400, 500}, {500, 600}}},
    {17, 3880, 180, {{500, 600}, {600, 700}}},
    {18, 4040, 120, {{600, 700}, {700, 100}}},
};

inline constexpr CamTable pear{
    .name = "pear",
    .firstStep = 0,
    .steps = pearSteps,
    .hasClosingSegment = true,
    .closingSegment = {{700, 200}, {800, 600}},
    .cycleWidth = 800,
    .eraseRule = EraseRule::CycleEndsPastLimit,
    .eraseLimit = 2700,
    .startDrawsOriginDot = true,
    .startResetsGraph = true,
    .stopParksFirstPicture = true,
    .stopClearsOnlyItsOwn = false,
};

inline constexpr CamTable doubleLobe{
    .name = "double lobe",
    .firstStep = 8,
    .steps = doubleLobeSteps,
    .hasClosingSegment = true,
    .closingSegment = {{300, 300}, {400, 600}},
    .cycleWidth = 400,
    .eraseRule = EraseRule::CycleEndsOnLimit,
    .eraseLimit = 4000,
    .startDrawsOriginDot = false,
    .startResetsGraph = true,
    .stopParksFirstPicture = false,
    .stopClearsOnlyItsOwn = false,
};

inline constexpr CamTable snail{
    .name = "snail",
    .firstStep = 12,
    .steps = snailSteps,
    .hasClosingSegment = false,
    .closingSegment = {},
    .cycleWidth = 700,
    .eraseRule = EraseRule::NextStepPastLimit,
    .eraseLimit = 2700,
    .startDrawsOriginDot = false,
    .startResetsGraph = true,
    .stopParksFirstPicture = false,
    .stopClearsOnlyItsOwn = true,
};

} // namespace animation
