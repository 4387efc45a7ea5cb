#include "liftgraph.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Graphs lie 1920 twips apart; a lift never reaches 1500.
constexpr int bandHeight = 1500;

} // namespace

LiftGraph::LiftGraph(QString cam, QPoint origin, int cycleWidth)
    : m_cam(std::move(cam))
    , m_origin(origin)
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
    return grew;
}

QString LiftGraph::description() const
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("LiftGraph", text);
    };
    if (m_cycles.empty())
        return tr("Lift graph of the %1 cam: nothing traced.").arg(m_cam);
    // The first cycle is whole once a second has begun; all cycles are alike.
    QStringList lifts;
    for (int lift : m_cycles.front())
        lifts << QString::number(lift);
    return tr("Lift graph of the %1 cam: %2 traced. Height of each step of a cycle above "
              "the axis, in twips: %3.")
        .arg(m_cam,
             cycles() == 1 ? tr("1 cycle") : tr("%1 cycles").arg(cycles()),
             lifts.join(QStringLiteral(", ")));
}
