// The cost of one tick of each cam with the repaint it causes, on Qt's
// offscreen platform with the simulation window shown, and how much of the
// client area each tick makes Qt paint again.
#include "animation/camrecords.h"
#include "app/simulationwindow.h"
#include "forms/picture.h"
#include "forms/surface.h"
#include "forms/timer.h"
#include "forms/twips.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

// Collects what the surface is asked to paint.
class PaintedArea final : public QObject
{
public:
    explicit PaintedArea(QWidget *watched) { watched->installEventFilter(this); }

    long long takePixels() { return std::exchange(m_pixels, 0); }
    QRegion takeRegion() { return std::exchange(m_region, QRegion()); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QRegion &region = static_cast<QPaintEvent *>(event)->region();
            for (const QRect &rect : region)
                m_pixels += static_cast<long long>(rect.width()) * rect.height();
            m_region += region;
        }
        return false;
    }

private:
    long long m_pixels = 0;
    QRegion m_region;
};

long long area(const QRegion &region)
{
    long long pixels = 0;
    for (const QRect &rect : region)
        pixels += static_cast<long long>(rect.width()) * rect.height();
    return pixels;
}

// Where the surface's controls are painted now; an empty rectangle for a hidden one.
std::vector<QRect> controlRects(const forms::Surface &surface)
{
    std::vector<QRect> rects;
    for (const auto &control : surface.controls())
        rects.push_back(control->isVisible() ? control->paintedRect() : QRect());
    return rects;
}

// Untimed ticks after the timed ones, each repaint held against what the tick
// changed: the old and new rectangles of the pictures it moved and the box of
// every segment it drew. Whatever else was painted is excess; an erase of the
// graph (clear) is counted apart, since it repaints the whole client area.
constexpr int checkedTicks = 3000;

void tick(benchmark::State &state, animation::Cam cam)
{
    SimulationWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    form.controlsOf(cam).icon->click();
    // The ticks come from this loop alone, not from the timer as well.
    forms::Timer *timer = form.controlsOf(cam).timer;
    timer->setEnabled(false);
    QCoreApplication::processEvents();

    forms::Surface &surface = *form.surface();
    PaintedArea painted(&surface);
    const long long wholeWindow = static_cast<long long>(surface.width()) * surface.height();
    long long pixels = 0;
    long long mostPixels = 0;
    for (auto _ : state) {
        timer->tick();
        QCoreApplication::processEvents();
        const long long thisTick = painted.takePixels();
        pixels += thisTick;
        mostPixels = std::max(mostPixels, thisTick);
    }

    QRegion drawn;
    int erases = 0;
    QObject::connect(&surface, &forms::Surface::lineDrawn, &surface,
                     [&](int x1, int y1, int x2, int y2) {
                         const QPoint from(forms::toPixels(x1), forms::toPixels(y1));
                         const QPoint to(forms::toPixels(x2), forms::toPixels(y2));
                         // The surface repaints a pixel of margin round a segment.
                         drawn += QRect(from, to).normalized().adjusted(-1, -1, 1, 1);
                     });
    QObject::connect(&surface, &forms::Surface::cleared, &surface, [&] { ++erases; });
    long long excess = 0;
    long long excessWithoutErase = 0;
    long long wholeRepaints = 0;
    painted.takeRegion();
    for (int t = 0; t < checkedTicks; ++t) {
        const std::vector<QRect> before = controlRects(surface);
        drawn = QRegion();
        const int erasesBefore = erases;
        timer->tick();
        QCoreApplication::processEvents();
        const std::vector<QRect> after = controlRects(surface);
        QRegion expected = drawn;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i] != after[i])
                expected += QRegion(before[i]) + after[i];
        }
        const QRegion region = painted.takeRegion();
        const long long outside = area(region - expected);
        excess += outside;
        if (erases == erasesBefore)
            excessWithoutErase += outside;
        wholeRepaints += area(region) >= wholeWindow ? 1 : 0;
    }

    using benchmark::Counter;
    state.counters["px/tick"] = Counter(double(pixels), Counter::kAvgIterations);
    state.counters["max_px"] = Counter(double(mostPixels));
    state.counters["excess_px/tick"] = Counter(double(excess) / checkedTicks);
    state.counters["excess_px_no_erase"] = Counter(double(excessWithoutErase));
    state.counters["whole"] = Counter(double(wholeRepaints));
    state.counters["erases"] = Counter(erases);
    state.counters["window_px"] = Counter(double(wholeWindow));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    for (const animation::CamRecord &record : animation::camRecords) {
        // Qt's painting fans work out to helper threads, so count the CPU of all of them.
        benchmark::RegisterBenchmark((std::string("tick/") + record.file).c_str(), tick,
                                     record.cam)
            ->Unit(benchmark::kMicrosecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime()
            ->MinTime(1.0);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
