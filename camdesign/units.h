// The units the program works in, and the one way a number is written for a learner and for
// a drawing file.
#pragma once

#include <QByteArray>
#include <QString>

#include <numbers>

namespace camdesign {

// Angles are kept in radians and shown in degrees.
inline constexpr double degree = std::numbers::pi / 180;

// A number as the learner's language writes it, to at most `decimals` places, without
// trailing zeros, and never "-0".
QString learnerNumber(double value, int decimals = 1);

// A number for a cut file: a point before the decimals whatever the language, no exponent,
// to a ten-thousandth of a millimetre, without trailing zeros.
QByteArray fileNumber(double value);

} // namespace camdesign
