// The workshop's costs after an edit: the analysis at 3600 samples, and the edit with the
// repaint it causes at twice the density, each also given as a ratio against a bare QPainter drawing
// the same polylines (the outline, the pitch curve and five graphs) into an image.
#include "workshop/workshopmodel.h"
#include "workshop/workshopwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

// Microseconds a bare QPainter takes for the polylines the workshop draws, at 2×.
double barePolylines(const camdesign::CamAnalysis &analysis, QSize window, int rounds)
{
    QPolygonF outline, pitch;
    std::vector<QPolygonF> graphs(5);
    const double count = double(analysis.points.size());
    for (std::size_t i = 0; i < analysis.points.size(); ++i) {
        const camdesign::CamPoint &point = analysis.points[i];
        outline << QPointF(300 + 5 * point.profile.x(), 400 - 5 * point.profile.y());
        pitch << QPointF(300 + 5 * point.pitch.x(), 400 - 5 * point.pitch.y());
        const double x = 900 + 400 * double(i) / count;
        const double values[] = {point.motion.lift, point.motion.velocity,
                                 point.motion.acceleration, point.motion.jerk,
                                 point.pressureAngle};
        for (std::size_t g = 0; g < graphs.size(); ++g)
            graphs[g] << QPointF(x, values[g]);
    }
    // Each graph fills a band 150 pixels high, as the window's do.
    for (std::size_t g = 0; g < graphs.size(); ++g) {
        double largest = 1e-9;
        for (const QPointF &point : graphs[g])
            largest = std::max(largest, std::abs(point.y()));
        for (QPointF &point : graphs[g])
            point.setY(90 + 160 * double(g) - 70 * point.y() / largest);
    }
    QImage image(window * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < rounds; ++round) {
        QPainter painter(&image);
        painter.fillRect(QRect(QPoint(0, 0), window), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.6));
        painter.setBrush(QColor(203, 214, 231));
        painter.drawPolygon(outline);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::blue, 1, Qt::DashDotLine));
        painter.drawPolygon(pitch);
        painter.setPen(QPen(Qt::darkBlue, 1.6));
        for (const QPolygonF &graph : graphs)
            painter.drawPolyline(graph);
    }
    return double(clock.nsecsElapsed()) / 1000 / rounds;
}

double bareMicroseconds = 0;

// Every run carries the same counters, as the CSV report needs; those that do not apply are 0.
void setCounters(benchmark::State &state, double dpr, double firstKib, double lastKib)
{
    state.counters["bare_us"] = bareMicroseconds;
    state.counters["dpr"] = dpr;
    state.counters["kib_after_1000"] = firstKib;
    state.counters["kib_after_10000"] = lastKib;
}

void analyse(benchmark::State &state)
{
    const camdesign::CamDesign design = camdesign::newDesign();
    for (auto _ : state)
        benchmark::DoNotOptimize(camdesign::analyse(design, 3600));
    setCounters(state, 1, 0, 0);
}

void repaintAfterEdit(benchmark::State &state)
{
    workshop::WorkshopWindow window;
    window.resize(1360, 860);
    window.show();
    QCoreApplication::processEvents();
    camdesign::CamDesign design = window.model().design();
    int edits = 0;
    // The edit, then the paint of what it invalidated, as the event loop would do it: the cam,
    // the five graphs and the numbers, not the editors that did not change.
    for (auto _ : state) {
        design.baseCircleRadius = 30 + (++edits % 2);
        window.model().edit(design, QStringLiteral("base"));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    setCounters(state, window.devicePixelRatioF(), 0, 0);
}

// Kilobytes the process holds in memory now.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

// Ten thousand edits through the model, each one undoable: what the process holds after the
// first thousand and after all of them.
void memoryOverEdits(benchmark::State &state)
{
    for (auto _ : state) {
        workshop::WorkshopWindow window;
        window.resize(1360, 860);
        window.show();
        QCoreApplication::processEvents();
        camdesign::CamDesign design = window.model().design();
        long afterThousand = 0;
        for (int edit = 1; edit <= 10000; ++edit) {
            design.segments[0].height = 10 + edit % 97 * 0.1;
            window.model().edit(design, QStringLiteral("height"));
            window.model().endMerging();
            if (edit % 100 == 0)
                QCoreApplication::processEvents();
            if (edit == 1000)
                afterThousand = residentKilobytes();
        }
        setCounters(state, window.devicePixelRatioF(), double(afterThousand),
                    double(residentKilobytes()));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    bareMicroseconds =
        barePolylines(camdesign::analyse(camdesign::newDesign(), 3600), {1360, 860}, 50);

    benchmark::RegisterBenchmark("workshop/analyse_3600", analyse)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("workshop/repaint_after_edit_2x", repaintAfterEdit)
        ->Unit(benchmark::kMicrosecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
    benchmark::RegisterBenchmark("workshop/memory_over_10000_edits", memoryOverEdits)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("bare QPainter, the same polylines at 2x: %.1f us\n", bareMicroseconds);
    return 0;
}
