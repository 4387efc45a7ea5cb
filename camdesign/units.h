// The units the program works in, and the one way a number is written for a learner; files
// write theirs with a point whatever the language (camexport's fileNumber, the motion table).
#pragma once

#include <QString>

#include <numbers>

namespace camdesign {

// Angles are kept in radians and shown in degrees.
inline constexpr double degree = std::numbers::pi / 180;

// A number as the learner's language writes it, to at most `decimals` places, without
// trailing zeros, and never "-0".
QString learnerNumber(double value, int decimals = 1);

} // namespace camdesign
