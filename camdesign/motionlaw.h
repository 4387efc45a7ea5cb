// The motion laws a rise or a return can follow: the normalised displacement f(x) for x from
// 0 to 1 and its first three derivatives, each in closed form.
#pragma once

namespace camdesign {

// Each has its row, token, name and smoothness in choices.h.
enum class MotionLaw {
    ConstantVelocity,
    SimpleHarmonic,
    Cycloidal,
    Polynomial345,
    Polynomial4567,
    ModifiedTrapezoid,
    ModifiedSine,
    DoubleHarmonic,
};
inline constexpr MotionLaw lastMotionLaw = MotionLaw::DoubleHarmonic;

// f and its derivatives with respect to x, the fraction of the segment already turned.
struct LawValue {
    double f = 0;
    double df = 0;
    double d2f = 0;
    double d3f = 0;
};

// The laws' shapes for a rise, x from 0 to 1. At a point where a derivative jumps (the
// constant-velocity law's ends, the simple harmonic law's acceleration at its ends) the value
// just inside is given.
namespace laws {
LawValue constantVelocity(double x);
LawValue simpleHarmonic(double x);
LawValue cycloidal(double x);
LawValue polynomial345(double x);
LawValue polynomial4567(double x);
LawValue modifiedTrapezoid(double x);
LawValue modifiedSine(double x);
LawValue doubleHarmonic(double x);
} // namespace laws

// x is clamped to 0..1.
LawValue evaluateLaw(MotionLaw law, double x);

} // namespace camdesign
