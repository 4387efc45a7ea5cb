// Where everything in the test window sits and how big it is, in twips, written once. Each
// answer picture is its cam's icon, at the icon's size (animation/camrecords.h).
#pragma once

#include "animation/layout.h"

namespace quiz::layout {

using animation::layout::LineEnds;
using animation::layout::Place;

inline constexpr int clientWidth = 9600;
inline constexpr int clientHeight = 5910;

inline constexpr Place button{3360, 120, 2055, 615};
inline constexpr Place questionBox{960, 840, 6855, 495};
// The score reads "You Scored  2 / 10": the caption, the score, a slash, the questions answered.
inline constexpr Place scoreCaption{1560, 4560, 2535, 555};
inline constexpr Place scoreBox{4680, 4560, 615, 555};
inline constexpr LineEnds scoreSlash{5880, 4320, 5400, 5280};
inline constexpr Place answeredBox{6000, 4560, 615, 555};

// The answer pictures stand in a column down the right-hand side.
inline constexpr int answersLeft = 8160;

} // namespace quiz::layout
