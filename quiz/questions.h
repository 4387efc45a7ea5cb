// The ten questions of the test and the picture that answers each one right.
#pragma once

#include <array>

namespace quiz {

enum class Cam { DoubleLobe, Pear, Snail }; // the pictures Image3, Image4, Image5

struct Question {
    const char *text;
    Cam answer;
};

inline constexpr int questionCount = 10;

inline constexpr std::array<Question, questionCount> questions{{
    {"Click on the snail cam.", Cam::Snail},
    {"Click on the double lobe cam.", Cam::DoubleLobe},
    {"Click on the Pear shaped cam.", Cam::Pear},
    {"Click on the cam which gives a slow lift and a fast drop.", Cam::Snail},
    {"Click on the cam which produces the fastest cycle.", Cam::DoubleLobe},
    {"Click on the cam which can only go in one direction.", Cam::Snail},
    {"Click on the cam with the longest time with no lift.", Cam::Pear},
    {"Click on the cam with the lowest start.", Cam::Snail},
    {"Click on the cam which works hardest.", Cam::DoubleLobe},
    {"Click on the cam which gives the smoothest lift.", Cam::Snail},
}};

} // namespace quiz
