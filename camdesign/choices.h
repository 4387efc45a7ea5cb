// Every choice a design makes, one table a kind: the token a design file uses, the name a
// learner reads (marked here once for translation, in one context), and for a motion law its
// shape and how smoothly it meets a dwell at each end. The file reader and writer, the
// workshop's choice boxes, the template and every message read these tables; nothing else
// spells a token or a name. A value added to an enum without its row stops the build.
#pragma once

#include "design.h"
#include "motionlaw.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

namespace camdesign {

// The translation context of the learners' names.
inline constexpr char choiceContext[] = "camdesign::Choices";

template <typename Value>
struct Choice {
    Value value;
    const char *token; // in design files
    const char *name;  // the learner's word, untranslated: see nameOf()
};

// How far a law meets a dwell without a jump at one end: its lift always, then its
// velocity, its acceleration and its jerk for as long as each is zero there.
enum class Smoothness { Lift, Velocity, Acceleration, Jerk };

struct LawChoice : Choice<MotionLaw> {
    LawValue (*shape)(double x); // f(x) and its derivatives for a rise, x from 0 to 1
    Smoothness atStart;
    Smoothness atEnd;
};

inline constexpr std::array motionLaws{
    LawChoice{{MotionLaw::ConstantVelocity, "constant-velocity",
               QT_TRANSLATE_NOOP("camdesign::Choices", "constant velocity")},
              laws::constantVelocity, Smoothness::Lift, Smoothness::Lift},
    LawChoice{{MotionLaw::SimpleHarmonic, "simple-harmonic",
               QT_TRANSLATE_NOOP("camdesign::Choices", "simple harmonic")},
              laws::simpleHarmonic, Smoothness::Velocity, Smoothness::Velocity},
    LawChoice{{MotionLaw::Cycloidal, "cycloidal",
               QT_TRANSLATE_NOOP("camdesign::Choices", "cycloidal")},
              laws::cycloidal, Smoothness::Acceleration, Smoothness::Acceleration},
    LawChoice{{MotionLaw::Polynomial345, "polynomial-345",
               QT_TRANSLATE_NOOP("camdesign::Choices", "3-4-5 polynomial")},
              laws::polynomial345, Smoothness::Acceleration, Smoothness::Acceleration},
    LawChoice{{MotionLaw::Polynomial4567, "polynomial-4567",
               QT_TRANSLATE_NOOP("camdesign::Choices", "4-5-6-7 polynomial")},
              laws::polynomial4567, Smoothness::Jerk, Smoothness::Jerk},
    LawChoice{{MotionLaw::ModifiedTrapezoid, "modified-trapezoid",
               QT_TRANSLATE_NOOP("camdesign::Choices", "modified trapezoid")},
              laws::modifiedTrapezoid, Smoothness::Acceleration, Smoothness::Acceleration},
    LawChoice{{MotionLaw::ModifiedSine, "modified-sine",
               QT_TRANSLATE_NOOP("camdesign::Choices", "modified sine")},
              laws::modifiedSine, Smoothness::Acceleration, Smoothness::Acceleration},
    // Smooth into its top, with no dwell there: for a rise that turns straight into a return.
    LawChoice{{MotionLaw::DoubleHarmonic, "double-harmonic",
               QT_TRANSLATE_NOOP("camdesign::Choices", "double harmonic")},
              laws::doubleHarmonic, Smoothness::Jerk, Smoothness::Velocity},
};

inline constexpr std::array segmentKinds{
    Choice<SegmentKind>{SegmentKind::Rise, "rise", QT_TRANSLATE_NOOP("camdesign::Choices", "Rise")},
    Choice<SegmentKind>{SegmentKind::Dwell, "dwell",
                        QT_TRANSLATE_NOOP("camdesign::Choices", "Dwell")},
    Choice<SegmentKind>{SegmentKind::Return, "return",
                        QT_TRANSLATE_NOOP("camdesign::Choices", "Return")},
};

inline constexpr std::array followerTypes{
    Choice<FollowerType>{FollowerType::KnifeEdge, "knife-edge",
                         QT_TRANSLATE_NOOP("camdesign::Choices", "Knife-edge")},
    Choice<FollowerType>{FollowerType::Roller, "roller",
                         QT_TRANSLATE_NOOP("camdesign::Choices", "Roller")},
    Choice<FollowerType>{FollowerType::FlatFaced, "flat-faced",
                         QT_TRANSLATE_NOOP("camdesign::Choices", "Flat-faced")},
};

inline constexpr std::array holeShapes{
    Choice<HoleShape>{HoleShape::Round, "round", QT_TRANSLATE_NOOP("camdesign::Choices", "Round")},
    Choice<HoleShape>{HoleShape::DFlat, "d-flat", QT_TRANSLATE_NOOP("camdesign::Choices", "D flat")},
    Choice<HoleShape>{HoleShape::Square, "square",
                      QT_TRANSLATE_NOOP("camdesign::Choices", "Square")},
};

inline constexpr std::array rotations{
    Choice<Rotation>{Rotation::Anticlockwise, "anticlockwise",
                     QT_TRANSLATE_NOOP("camdesign::Choices", "Anticlockwise")},
    Choice<Rotation>{Rotation::Clockwise, "clockwise",
                     QT_TRANSLATE_NOOP("camdesign::Choices", "Clockwise")},
};

namespace detail {
// Each enum's values are 0 to its last, one row each, in the enum's order.
template <typename Table, typename Value>
constexpr bool rowsInEnumOrder(const Table &table, Value last)
{
    if (table.size() != std::size_t(last) + 1)
        return false;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (std::size_t(table[i].value) != i)
            return false;
    return true;
}
} // namespace detail

static_assert(detail::rowsInEnumOrder(motionLaws, lastMotionLaw));
static_assert(detail::rowsInEnumOrder(segmentKinds, SegmentKind::Return));
static_assert(detail::rowsInEnumOrder(followerTypes, FollowerType::FlatFaced));
static_assert(detail::rowsInEnumOrder(holeShapes, HoleShape::Square));
static_assert(detail::rowsInEnumOrder(rotations, Rotation::Clockwise));

constexpr const LawChoice &choiceOf(MotionLaw law) { return motionLaws[std::size_t(law)]; }
constexpr const Choice<SegmentKind> &choiceOf(SegmentKind kind)
{
    return segmentKinds[std::size_t(kind)];
}
constexpr const Choice<FollowerType> &choiceOf(FollowerType type)
{
    return followerTypes[std::size_t(type)];
}
constexpr const Choice<HoleShape> &choiceOf(HoleShape shape)
{
    return holeShapes[std::size_t(shape)];
}
constexpr const Choice<Rotation> &choiceOf(Rotation rotation)
{
    return rotations[std::size_t(rotation)];
}

// The token a design file writes for a value.
template <typename Value>
QString tokenOf(Value value)
{
    return QString::fromLatin1(choiceOf(value).token);
}

// The learner's name for a value, in the learner's language.
template <typename Value>
QString nameOf(Value value)
{
    return QCoreApplication::translate(choiceContext, choiceOf(value).name);
}

// The value a token stands for in `table`, if any.
template <typename Table>
auto fromToken(const Table &table, const QString &token)
    -> std::optional<decltype(table[0].value)>
{
    for (const auto &row : table)
        if (token == QLatin1String(row.token))
            return row.value;
    return std::nullopt;
}

} // namespace camdesign
