// A form timer: while enabled with a non-zero interval it calls its handler
// every interval milliseconds. An interval of 0 keeps it enabled but silent.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace forms {

class Timer final : public QObject
{
    Q_OBJECT

public:
    Timer(QString name, int interval, QObject *parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_interval; }
    void setInterval(int milliseconds);

    void setTickHandler(std::function<void()> handler) { m_onTick = std::move(handler); }
    // Runs the handler as a tick would; tests and benchmarks use it.
    void tick();

private:
    void apply();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval;
    std::function<void()> m_onTick;
};

} // namespace forms
