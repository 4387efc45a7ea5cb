// What the simulation window says of each cam, in the order of the records, in English: the
// window translates them, and the build writes them out for the Orca suite to listen for.
#pragma once

#include "animation/cam.h"

#include <QtGlobal>

#include <iterator>

struct CamWords {
    const char *start;
    const char *stop;
    const char *name; // in "Lift graph of the %1 cam"
};

inline constexpr CamWords camWords[] = {
    {QT_TRANSLATE_NOOP("SimulationWindow", "Start the pear cam"),
     QT_TRANSLATE_NOOP("SimulationWindow", "Stop the pear cam"),
     QT_TRANSLATE_NOOP("SimulationWindow", "pear")},
    {QT_TRANSLATE_NOOP("SimulationWindow", "Start the double lobe cam"),
     QT_TRANSLATE_NOOP("SimulationWindow", "Stop the double lobe cam"),
     QT_TRANSLATE_NOOP("SimulationWindow", "double lobe")},
    {QT_TRANSLATE_NOOP("SimulationWindow", "Start the snail cam"),
     QT_TRANSLATE_NOOP("SimulationWindow", "Stop the snail cam"),
     QT_TRANSLATE_NOOP("SimulationWindow", "snail")},
};
static_assert(std::size(camWords) == std::size(animation::allCams), "words for every cam");
