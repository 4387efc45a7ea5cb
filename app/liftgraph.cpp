#include "liftgraph.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

// Graphs lie 1920 twips apart; a lift never reaches 1500.
constexpr int bandHeight = 1500;

QString tr(const char *text)
{
    return QCoreApplication::translate("LiftGraph", text);
}

// A count in Qt's plural forms; the program's own English has no translation to give them,
// so its source texts come in two, one for a single thing and one for more.
QString count(const char *one, const char *many, int n)
{
    return QCoreApplication::translate("LiftGraph", n == 1 ? one : many, nullptr, n);
}

// One stretch of a cycle where the follower keeps rising, falling or resting.
struct Stretch {
    int direction; // +1 rising, -1 falling, 0 resting
    int steps;
    int to; // the lift it ends at, in twips
};

std::vector<Stretch> stretches(const std::vector<int> &lifts)
{
    std::vector<Stretch> found;
    for (std::size_t i = 1; i < lifts.size(); ++i) {
        const int direction = (lifts[i] > lifts[i - 1]) - (lifts[i] < lifts[i - 1]);
        if (found.empty() || found.back().direction != direction)
            found.push_back({direction, 0, lifts[i]});
        found.back().steps += 1;
        found.back().to = lifts[i];
    }
    return found;
}

} // namespace

LiftGraph::LiftGraph(QPoint origin, int cycleWidth)
    : m_origin(origin)
    , m_cycleWidth(cycleWidth)
{
}

bool LiftGraph::take(int x1, int y1, int x2, int y2)
{
    if (x1 < m_origin.x() || y1 > m_origin.y() || y1 < m_origin.y() - bandHeight)
        return false;
    const int lift = m_origin.y() - y2;
    // The dot a start leaves at the graph's origin is not a step.
    if (x1 == x2 && y1 == y2 && lift == 0)
        return false;
    const std::size_t cycle = std::size_t((x1 - m_origin.x()) / m_cycleWidth);
    const bool grew = cycle >= m_cycles.size();
    if (grew)
        m_cycles.resize(cycle + 1);
    m_cycles[cycle].push_back(lift);
    m_firstWhole = m_firstWhole || x2 - m_origin.x() >= m_cycleWidth;
    return grew;
}

// Read as a teacher reads the graph aloud: where the follower starts, then each stretch
// of a cycle, rising, falling or resting, how quickly, and how high against the highest
// lift it reaches. The first cycle is whole once a second has begun; all cycles are alike.
// A reader speaks the graph's name, which says whose graph it is, just before this, so
// these words do not say it again.
QString LiftGraph::description() const
{
    if (m_cycles.empty())
        return tr("Nothing traced yet.");
    const std::vector<int> &lifts = m_cycles.front();
    const auto [lowest, highest] = std::minmax_element(lifts.begin(), lifts.end());
    const int top = std::max(*highest, 1);
    const int range = std::max(*highest - *lowest, 1);
    const auto percent = [top](int lift) { return QString::number((lift * 100 + top / 2) / top); };

    QStringList sentences;
    sentences << count(QT_TRANSLATE_N_NOOP("LiftGraph", "%n cycle traced."),
                       QT_TRANSLATE_N_NOOP("LiftGraph", "%n cycles traced."), cycles());
    if (!m_firstWhole)
        return sentences.front();
    sentences << count(QT_TRANSLATE_N_NOOP("LiftGraph", "Each cycle has %n step."),
                       QT_TRANSLATE_N_NOOP("LiftGraph", "Each cycle has %n steps."),
                       int(lifts.size()) - 1);
    sentences << (lifts.front() == top
                      ? tr("The follower starts at its highest lift.")
                      : tr("The follower starts at %1 percent of its highest lift.")
                            .arg(percent(lifts.front())));
    int from = lifts.front();
    for (const Stretch &stretch : stretches(lifts)) {
        // Quick where each step covers at least two fifths of the cam's whole rise.
        const bool quick = 5 * std::abs(stretch.to - from) >= 2 * range * stretch.steps;
        from = stretch.to;
        if (stretch.direction == 0) {
            sentences << tr("It rests") + QLatin1Char(' ')
                             + count(QT_TRANSLATE_N_NOOP("LiftGraph", "for %n step"),
                                     QT_TRANSLATE_N_NOOP("LiftGraph", "for %n steps"),
                                     stretch.steps)
                             + QLatin1Char('.');
            continue;
        }
        const char *moves = stretch.direction > 0
                                ? (quick ? QT_TRANSLATE_NOOP("LiftGraph", "It rises quickly")
                                         : QT_TRANSLATE_NOOP("LiftGraph", "It rises slowly"))
                                : (quick ? QT_TRANSLATE_NOOP("LiftGraph", "It falls quickly")
                                         : QT_TRANSLATE_NOOP("LiftGraph", "It falls slowly"));
        const QString to = stretch.to == top
                               ? tr("to its highest lift")
                               : tr("to %1 percent of its highest lift").arg(percent(stretch.to));
        sentences << tr(moves) + QLatin1Char(' ')
                         + count(QT_TRANSLATE_N_NOOP("LiftGraph", "over %n step"),
                                 QT_TRANSLATE_N_NOOP("LiftGraph", "over %n steps"), stretch.steps)
                         + QLatin1Char(' ') + to + QLatin1Char('.');
    }
    return sentences.join(QLatin1Char(' '));
}
