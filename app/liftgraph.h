// One lift graph told in words, for a learner who cannot see it: how many
// cycles are traced, and how the follower rises, falls and rests in a cycle,
// how quickly, and how high against its highest lift. Which cam it belongs to
// is the graph's name, not part of these words. The simulation's model feeds it
// the segments its cam's ticks draw, and empties it when the drawing is erased.
#pragma once

#include <QPoint>
#include <QString>

#include <vector>

class LiftGraph
{
public:
    // origin: where the graph's axes cross, in twips; cycleWidth in twips.
    LiftGraph(QPoint origin, int cycleWidth);

    // Takes a segment of the graph in the window's twips if it lies on this graph;
    // says whether the graph gained a cycle (its first point counts as one).
    bool take(int x1, int y1, int x2, int y2);
    void clear()
    {
        m_cycles.clear();
        m_firstWhole = false;
    }

    int cycles() const { return int(m_cycles.size()); }
    QString description() const;

private:
    QPoint m_origin;
    int m_cycleWidth;
    // The lift at the end of each segment, cycle by cycle, in twips.
    std::vector<std::vector<int>> m_cycles;
    bool m_firstWhole = false; // its shape is told once the first cycle is drawn to its end
};
