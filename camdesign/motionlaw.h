// The motion laws a rise or a return can follow: the normalised displacement f(x) for x from
// 0 to 1 and its first three derivatives, each in closed form.
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace camdesign {

enum class MotionLaw {
    ConstantVelocity,
    SimpleHarmonic,
    Cycloidal,
    Polynomial345,
    Polynomial4567,
    ModifiedTrapezoid,
    ModifiedSine,
};

inline constexpr std::array allMotionLaws = {
    MotionLaw::ConstantVelocity, MotionLaw::SimpleHarmonic, MotionLaw::Cycloidal,
    MotionLaw::Polynomial345,    MotionLaw::Polynomial4567, MotionLaw::ModifiedTrapezoid,
    MotionLaw::ModifiedSine,
};

// f and its derivatives with respect to x, the fraction of the segment already turned.
struct LawValue {
    double f = 0;
    double df = 0;
    double d2f = 0;
    double d3f = 0;
};

// x is clamped to 0..1. At a point where a derivative jumps (the constant-velocity law's
// ends, the simple harmonic law's acceleration at its ends) the value just inside is given.
LawValue evaluateLaw(MotionLaw law, double x);

// The name a design file uses for the law ("cycloidal", "polynomial-345", ...).
QString lawKey(MotionLaw law);
std::optional<MotionLaw> lawFromKey(const QString &key);

// How many derivatives stay continuous where the law meets a dwell: 0 for s alone
// (constant velocity), 1 for s and v (simple harmonic), 2 up to the acceleration, 3 up to
// the jerk (4-5-6-7 polynomial).
int continuousDerivatives(MotionLaw law);

} // namespace camdesign
