// The beat of each cam in the real event loop, on Qt's offscreen platform:
// its timer at 200 ms and at the fastest 10 ms for a few seconds, every tick
// time-stamped, then ticks per second against the asked rate and the 99th
// percentile of the gap between ticks. Prints one line a run:
//   <cam> <interval ms> <ticks a second> <asked a second> <p99 gap ms> <ticks>
#include "animation/camrecords.h"
#include "app/simulationwindow.h"
#include "forms/picture.h"
#include "forms/timer.h"

#include <QApplication>
#include <QEventLoop>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    int interval;
    int seconds;
};

const Run runs[] = {{200, 4}, {10, 3}};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(fraction * double(values.size()))) - 1;
    return values.at(std::min(rank, values.size() - 1));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    SimulationWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "kestrilon-bench-beat: the window was never exposed\n");
        return 2;
    }

    for (const animation::CamRecord &record : animation::camRecords) {
        const animation::Cam cam = record.cam;
        for (const Run &run : runs) {
            std::vector<Clock::time_point> stamps;
            stamps.reserve(std::size_t(run.seconds * 1000 / run.interval + 100));
            const SimulationWindow::CamControls controls = form.controlsOf(cam);
            forms::Timer *timer = controls.timer;
            timer->setTickHandler([&] {
                stamps.push_back(Clock::now());
                form.tickCam(cam);
            });
            form.speed()->setValue(run.interval);
            controls.icon->click();

            QEventLoop loop;
            QTimer::singleShot(run.seconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
            loop.exec();
            controls.cover->click();

            if (stamps.size() < 3) {
                std::fprintf(stderr, "kestrilon-bench-beat: %s ticked %zu times\n",
                             record.file, stamps.size());
                return 2;
            }
            std::vector<double> gaps;
            for (std::size_t i = 1; i < stamps.size(); ++i) {
                const std::chrono::duration<double, std::milli> gap = stamps[i] - stamps[i - 1];
                gaps.push_back(gap.count());
            }
            const std::chrono::duration<double> span = stamps.back() - stamps.front();
            const double rate = double(gaps.size()) / span.count();
            std::printf("%s %d %.3f %.3f %.2f %zu\n", record.file, run.interval, rate,
                        1000.0 / run.interval, percentile(gaps, 0.99), stamps.size());
            std::fflush(stdout);
        }
    }
    return 0;
}
