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

inline constexpr int clientWidth = 9540;
inline constexpr int clientHeight = 6270;

// Where step pictures wait out of sight: a tick parks there the pictures of its cam that are
// not current, and a start or a stop clears frames far to the right.
inline constexpr int parkingLeft = 13840;
inline constexpr int parkingTop = 11110;
inline constexpr int clearedLeft = 100000;

inline constexpr Place camsTitle{0, 120, 1500, 600};
inline constexpr Place graphTitle{6960, 120, 2520, 540};
inline constexpr Place bird{38040, 120, 1800, 1140}; // far off to the right, never seen
inline constexpr Place pearLabel{1680, 1440, 930, 300};
inline constexpr Place doubleLobeLabel{1680, 3120, 870, 570};
inline constexpr Place snailLabel{1800, 5160, 720, 330};
inline constexpr Place pearIcon{120, 840, 1290, 1500};
inline constexpr Place doubleLobeIcon{120, 2520, 1290, 1770};
inline constexpr Place snailIcon{120, 4440, 1320, 1620};
inline constexpr Place pearCover{120, 840, 1290, 1470};
inline constexpr Place doubleLobeCover{120, 2520, 1260, 1710};
inline constexpr Place snailCover{120, 4440, 1320, 1590};
// The slot across the housing's top plate, and the hole the follower's rod rises through.
inline constexpr Place strip{2790, 1800, 4005, 165};
inline constexpr Place hole{4440, 1440, 915, 285};
// Once loaded the strip's control is a little wider than its picture; nothing shows there.
inline constexpr int stripLoadedWidth = 4040;
inline constexpr Place speedBar{2760, 6120, 4095, 135};

// The step pictures, numbered as the cams' tables number them (0 is the pear's `startFrame`):
// where each waits when the window opens, and its size, which is its picture's size.
inline constexpr std::array<Place, 20> frames{{
    {10680, 3600, 1965, 4335},
    {11040, 3360, 1995, 4125},
    {10680, 3600, 2295, 4065},
    {10680, 645, 2085, 4095},
    {10680, 3600, 1905, 4305},
    {10800, 3600, 2085, 4035},
    {10680, 3600, 2175, 4035},
    {10800, 5280, 1965, 4125},
    {11040, 5760, 2055, 4605},
    {10920, 5640, 2055, 4215},
    {11400, 1080, 2445, 4005},
    {11040, 720, 2055, 4365},
    {9600, 600, 2145, 3795},
    {11760, 360, 1905, 4065},
    {11400, 5520, 1875, 4185},
    {11760, 4800, 1995, 4005},
    {11880, 3480, 2265, 3855},
    {11040, 720, 1815, 4005},
    {9720, 120, 1815, 4275},
    {11040, 7320, 2295, 3795},
}};

// Each lift graph's axes, and its hidden pen line whose first point is the graph's origin.
inline constexpr LineEnds pearTimeAxis{6960, 2160, 9360, 2160};
inline constexpr LineEnds pearLiftAxis{7080, 2280, 7080, 840};
inline constexpr LineEnds pearPen{7080, 2160, 7320, 1800};
inline constexpr LineEnds doubleLobeTimeAxis{6960, 4080, 9360, 4080};
inline constexpr LineEnds doubleLobeLiftAxis{7080, 4200, 7080, 2640};
inline constexpr LineEnds doubleLobePen{7080, 4080, 7560, 3720};
inline constexpr LineEnds snailTimeAxis{6960, 6000, 9360, 6000};
inline constexpr LineEnds snailLiftAxis{7080, 6120, 7080, 4560};
inline constexpr LineEnds snailPen{7080, 6000, 7560, 5640};

} // namespace animation::layout
