// The cams as the suites' data tables name them, read off the cams' records rather than spelled
// out in every suite: by number from the top of the window (1 the pear, 0 for none), by the
// first letter of a learner's script ("SDP"), and each cam's timer in a window.
#pragma once

#include "animation/camrecords.h"
#include "app/simulationwindow.h"

#include <QChar>
#include <QList>

inline animation::Cam camNumbered(int number)
{
    return animation::allCams[std::size_t(number - 1)];
}

inline animation::Cam camLettered(QChar letter)
{
    for (const animation::CamRecord &record : animation::camRecords) {
        if (QChar::fromLatin1(record.key[0]).toUpper() == letter.toUpper())
            return record.cam;
    }
    qFatal("no cam begins with %c", letter.toLatin1());
}

// By the name its table gives it: "pear", "double lobe", "snail".
inline animation::Cam camNamed(const QString &name)
{
    for (const animation::CamRecord &record : animation::camRecords) {
        if (name == QLatin1String(record.table.name))
            return record.cam;
    }
    qFatal("no cam is named %s", qPrintable(name));
}

inline QList<forms::Timer *> timersOf(const SimulationWindow &form)
{
    QList<forms::Timer *> timers;
    for (const animation::Cam cam : animation::allCams)
        timers.append(form.controlsOf(cam).timer);
    return timers;
}

// The number of the cam whose timer runs, or 0.
inline int runningNumber(const SimulationWindow &form)
{
    const QList<forms::Timer *> timers = timersOf(form);
    for (int t = 0; t < timers.size(); ++t) {
        if (timers[t]->isEnabled())
            return t + 1;
    }
    return 0;
}
