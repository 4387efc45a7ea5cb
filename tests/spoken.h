// What a reader hears, as several suites expect it in English: each cam's lift graph told once
// its first cycle is whole (after how many cycles are traced), and the test's spoken score.
#pragma once

#include <QString>

namespace spoken {

inline const QString nothingTraced = QStringLiteral("Nothing traced yet.");

inline QString cyclesTraced(int cycles)
{
    return cycles == 1 ? QStringLiteral("1 cycle traced.")
                       : QStringLiteral("%1 cycles traced.").arg(cycles);
}

inline const QString pearCycle = QStringLiteral(
    "Each cycle has 8 steps. The follower starts at its highest lift. It falls quickly over 2 "
    "steps to 17 percent of its highest lift. It rests for 4 steps. It rises quickly over 2 "
    "steps to its highest lift.");
inline const QString doubleLobeCycle = QStringLiteral(
    "Each cycle has 4 steps. The follower starts at its highest lift. It falls quickly over 2 "
    "steps to 33 percent of its highest lift. It rises quickly over 2 steps to its highest "
    "lift.");
inline const QString snailCycle = QStringLiteral(
    "Each cycle has 7 steps. The follower starts at 14 percent of its highest lift. It rises "
    "slowly over 6 steps to its highest lift. It falls quickly over 1 step to 14 percent of its "
    "highest lift.");

// A graph after `cycles` cycles, the first of them whole.
inline QString graph(int cycles, const QString &cycle)
{
    return cyclesTraced(cycles) + QLatin1Char(' ') + cycle;
}

inline QString score(int score, int answered)
{
    return QStringLiteral("You scored %1 out of %2").arg(score).arg(answered);
}

} // namespace spoken
