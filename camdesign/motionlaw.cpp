// Each law written out with its derivatives; the modified trapezoid and the modified sine are
// given over their first half and mirrored, since their acceleration is odd about x = 1/2.
// Their tokens, names and smoothness are in the laws' table, choices.h.
#include "motionlaw.h"

#include "choices.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace camdesign {
namespace {

constexpr double pi = std::numbers::pi;

// The first eighth of both modified laws: a quarter sine wave of acceleration.
LawValue sineRamp(double x, double peak)
{
    const double k = 4 * pi;
    return {peak * (x / k - std::sin(k * x) / (k * k)), peak * (1 - std::cos(k * x)) / k,
            peak * std::sin(k * x), peak * k * std::cos(k * x)};
}

// Over 0..1/2: a sine ramp to the peak acceleration over 1/8, constant acceleration over
// 1/4, then a cosine fall to zero at 1/2. The peak 8π/(2 + π) makes f(1/2) = 1/2.
LawValue modifiedTrapezoidFirstHalf(double x)
{
    const double peak = 8 * pi / (2 + pi);
    if (x <= 1.0 / 8)
        return sineRamp(x, peak);
    const LawValue ramp = sineRamp(1.0 / 8, peak);
    if (x <= 3.0 / 8) {
        const double u = x - 1.0 / 8;
        return {ramp.f + ramp.df * u + peak * u * u / 2, ramp.df + peak * u, peak, 0};
    }
    const double u0 = 1.0 / 4;
    const double f0 = ramp.f + ramp.df * u0 + peak * u0 * u0 / 2;
    const double v0 = ramp.df + peak * u0;
    const double k = 4 * pi;
    const double u = x - 3.0 / 8;
    return {f0 + v0 * u + peak * (1 - std::cos(k * u)) / (k * k),
            v0 + peak * std::sin(k * u) / k, peak * std::cos(k * u),
            -peak * k * std::sin(k * u)};
}

// Over 0..1/2: the same sine ramp, then one cosine of a third of its frequency falling to
// zero at 1/2. The peak 4π²/(π + 4) makes f(1/2) = 1/2.
LawValue modifiedSineFirstHalf(double x)
{
    const double peak = 4 * pi * pi / (pi + 4);
    if (x <= 1.0 / 8)
        return sineRamp(x, peak);
    const LawValue ramp = sineRamp(1.0 / 8, peak);
    const double k = 4 * pi / 3;
    const double u = x - 1.0 / 8;
    return {ramp.f + ramp.df * u + peak * (1 - std::cos(k * u)) / (k * k),
            ramp.df + peak * std::sin(k * u) / k, peak * std::cos(k * u),
            -peak * k * std::sin(k * u)};
}

// f(x) = 1 − f(1 − x): velocity and jerk mirror, acceleration mirrors with its sign turned.
LawValue mirrored(LawValue (*firstHalf)(double), double x)
{
    if (x <= 0.5)
        return firstHalf(x);
    const LawValue m = firstHalf(1 - x);
    return {1 - m.f, m.df, -m.d2f, m.d3f};
}

} // namespace

namespace laws {

LawValue constantVelocity(double x)
{
    return {x, 1, 0, 0};
}

LawValue simpleHarmonic(double x)
{
    const double c = std::cos(pi * x);
    const double s = std::sin(pi * x);
    return {(1 - c) / 2, pi / 2 * s, pi * pi / 2 * c, -pi * pi * pi / 2 * s};
}

LawValue cycloidal(double x)
{
    const double c = std::cos(2 * pi * x);
    const double s = std::sin(2 * pi * x);
    return {x - s / (2 * pi), 1 - c, 2 * pi * s, 4 * pi * pi * c};
}

LawValue polynomial345(double x)
{
    const double x2 = x * x;
    const double x3 = x2 * x;
    return {10 * x3 - 15 * x3 * x + 6 * x3 * x2, 30 * x2 - 60 * x3 + 30 * x2 * x2,
            60 * x - 180 * x2 + 120 * x3, 60 - 360 * x + 360 * x2};
}

LawValue polynomial4567(double x)
{
    const double x2 = x * x;
    const double x3 = x2 * x;
    const double x4 = x2 * x2;
    return {35 * x4 - 84 * x4 * x + 70 * x3 * x3 - 20 * x4 * x3,
            140 * x3 - 420 * x4 + 420 * x4 * x - 140 * x3 * x3,
            420 * x2 - 1680 * x3 + 2100 * x4 - 840 * x4 * x,
            840 * x - 5040 * x2 + 8400 * x3 - 4200 * x4};
}

LawValue modifiedTrapezoid(double x)
{
    return mirrored(modifiedTrapezoidFirstHalf, x);
}

LawValue modifiedSine(double x)
{
    return mirrored(modifiedSineFirstHalf, x);
}

// ½[(1 − cos πx) − ¼(1 − cos 2πx)]: no acceleration at its start, its greatest at its end.
LawValue doubleHarmonic(double x)
{
    const double c1 = std::cos(pi * x);
    const double s1 = std::sin(pi * x);
    const double c2 = std::cos(2 * pi * x);
    const double s2 = std::sin(2 * pi * x);
    return {((1 - c1) - (1 - c2) / 4) / 2, pi / 2 * (s1 - s2 / 2), pi * pi / 2 * (c1 - c2),
            pi * pi * pi / 2 * (2 * s2 - s1)};
}

} // namespace laws

LawValue evaluateLaw(MotionLaw law, double x)
{
    return choiceOf(law).shape(std::clamp(x, 0.0, 1.0));
}

} // namespace camdesign
