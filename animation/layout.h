// Where everything in the simulation window sits and how big it is, in twips, written once:
// the window places its controls by it, and the picture program cuts each frame and draws the
// hole and the strip by it, so a picture lands on the very pixels it was drawn for.
#pragma once

#include <array>

namespace animation::layout {

struct Place {
    int left;
    int top;
    int width;
    int height;
};

struct LineEnds {
    int x1;
    int y1;
    int x2;
    int y2;
};

// A control's place in the stacking order: 1 is the top, and no two controls share one.
struct Placed {
    Place at;
    int z;
};

struct PlacedLine {
    LineEnds ends;
    int z;
};

// The client area, and the backdrop painted from its top left corner, a little larger than
// the client area as it has always been drawn.
inline constexpr int clientWidth = 9540;
inline constexpr int clientHeight = 6270;
inline constexpr int backdropWidth = 9615;
inline constexpr int backdropHeight = 6285;

// The stacking order: 1 is the top. The scroll bar and the timers kept places 1 to 4, above
// every windowless control; they are not windowless here, so those places stay theirs and a
// new cam's timer needs none. The pictures that belong to no cam hold these; each cam's
// controls and each step picture hold theirs in its record and in `frames`, and
// camrecords.h refuses a tie or a step picture outside the strip and the hole.
inline constexpr int firstWindowlessZ = 5;
inline constexpr int graphTitleZ = 5;
inline constexpr int birdZ = 15;
inline constexpr int camsTitleZ = 19;
inline constexpr int stripZ = 21;
// Under everything: the step pictures show the rod rising through it.
inline constexpr int holeZ = 99;

// Where step pictures wait out of sight: a tick parks there the pictures of its cam that are
// not current, and a start or a stop clears frames far to the right.
inline constexpr int parkingLeft = 13840;
inline constexpr int parkingTop = 11110;
inline constexpr int clearedLeft = 100000;

inline constexpr Place camsTitle{0, 120, 1500, 600};
inline constexpr Place graphTitle{6960, 120, 2520, 540};
// Far off to the right, never seen: the one picture of the window no learner meets.
inline constexpr Place bird{38040, 120, 1800, 1140};
// The slot across the housing's top plate, and the hole the follower's rod rises through.
inline constexpr Place strip{2790, 1800, 4005, 165};
inline constexpr Place hole{4440, 1440, 915, 285};
// Once loaded the strip's control is a little wider than its picture; nothing shows there.
inline constexpr int stripLoadedWidth = 4040;
inline constexpr Place speedBar{2760, 6120, 4095, 135};

// The step pictures, numbered as the cams' tables number them (0 is the pear's `startFrame`):
// where each waits when the window opens, its size, which is its picture's size, and its place
// in the stacking order, under the strip and above the hole (between stripZ and holeZ). A
// cam's own places are in its record (camrecords.h).
inline constexpr auto frames = std::to_array<Placed>({
    {{10680, 3600, 1965, 4335}, 36},
    {{11040, 3360, 1995, 4125}, 42},
    {{10680, 3600, 2295, 4065}, 41},
    {{10680, 645, 2085, 4095}, 40},
    {{10680, 3600, 1905, 4305}, 39},
    {{10800, 3600, 2085, 4035}, 38},
    {{10680, 3600, 2175, 4035}, 37},
    {{10800, 5280, 1965, 4125}, 35},
    {{11040, 5760, 2055, 4605}, 34},
    {{10920, 5640, 2055, 4215}, 33},
    {{11400, 1080, 2445, 4005}, 32},
    {{11040, 720, 2055, 4365}, 31},
    {{9600, 600, 2145, 3795}, 28},
    {{11760, 360, 1905, 4065}, 27},
    {{11400, 5520, 1875, 4185}, 26},
    {{11760, 4800, 1995, 4005}, 25},
    {{11880, 3480, 2265, 3855}, 24},
    {{11040, 720, 1815, 4005}, 23},
    {{9720, 120, 1815, 4275}, 43},
    {{11040, 7320, 2295, 3795}, 22},
});
// Counted here once: the cams' steps show each of these pictures exactly once (camrecords.h).
inline constexpr int frameCount = int(frames.size());

} // namespace animation::layout
