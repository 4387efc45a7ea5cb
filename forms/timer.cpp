#include "timer.h"

namespace forms {

Timer::Timer(QString name, int interval, QObject *parent)
    : QObject(parent)
    , m_interval(interval)
{
    setObjectName(name);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void Timer::setInterval(int milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    apply();
}

void Timer::tick()
{
    if (m_onTick)
        m_onTick();
}

void Timer::apply()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

} // namespace forms
