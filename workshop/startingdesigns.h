// The designs the workshop starts from: a new one, and the simulation window's three cams
// as designs whose lift follows the lift graph each draws there.
#pragma once

#include "camdesign/design.h"

#include <array>

namespace workshop {

enum class StartingDesign { New, Pear, DoubleLobe, Snail };

inline constexpr std::array simulationCams = {StartingDesign::Pear, StartingDesign::DoubleLobe,
                                              StartingDesign::Snail};

// The design, named in the program's language.
camdesign::CamDesign startingDesign(StartingDesign which);

// How a simulation cam's lift graph reads as a design's lift: the graph's lift in twips
// above its lowest point, divided by this, is the design's lift in mm...
inline constexpr double graphTwipsPerMillimetre = 25;
// ...and the design's angle is the graph's, each step 45° of the cam's turn, less this many
// degrees: a design starts where its follower is lowest.
double graphAngleOffsetDegrees(StartingDesign cam);

} // namespace workshop
