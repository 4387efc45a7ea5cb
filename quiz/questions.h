// The ten questions of the test and the picture that answers each one right.
#pragma once

#include "animation/cam.h"

#include <QtGlobal>

#include <array>

namespace quiz {

using animation::Cam;

struct Question {
    const char *text;
    Cam answer;
};

inline constexpr int questionCount = 10;

// The texts are English; TestWindow shows each in the learner's language (context "TestWindow").
inline constexpr std::array<Question, questionCount> questions{{
    //: Question 1. The learner must pick the snail cam by its shape (a spiral with one step).
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the snail cam."), Cam::Snail},
    //: Question 2. The learner must pick the double lobe cam by its shape (two equal bumps).
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the double lobe cam."), Cam::DoubleLobe},
    //: Question 3. The learner must pick the pear shaped cam by its shape.
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the Pear shaped cam."), Cam::Pear},
    //: Question 4. Which cam raises its follower slowly and then lets it fall suddenly?
    //: (The snail: a long gradual rise, then a sudden drop at its step.)
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the cam which gives a slow lift and a fast drop."),
     Cam::Snail},
    //: Question 5. Which cam makes the follower go up and down most often per turn?
    //: (The double lobe: two lifts every turn.)
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the cam which produces the fastest cycle."),
     Cam::DoubleLobe},
    //: Question 6. Which cam may only be turned one way round, not backwards?
    //: (The snail: its step would jam the follower if it turned the other way.)
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the cam which can only go in one direction."),
     Cam::Snail},
    //: Question 7. Which cam leaves the follower resting, not lifted at all, for the longest
    //: part of a turn? (The pear: a long circular part where the follower stays down.)
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the cam with the longest time with no lift."),
     Cam::Pear},
    //: Question 8. On the lift graphs, which cam's trace starts lowest? (The snail.)
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the cam with the lowest start."), Cam::Snail},
    //: Question 9. Which cam moves its follower up and down the most, so does the most work?
    //: (The double lobe: two lifts every turn.)
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the cam which works hardest."), Cam::DoubleLobe},
    //: Question 10. Which cam lifts its follower most gently, without sudden changes?
    //: (The snail: its rise is steady all the way round.)
    {QT_TRANSLATE_NOOP("TestWindow", "Click on the cam which gives the smoothest lift."),
     Cam::Snail},
}};

} // namespace quiz
