// One record for each cam: everything that makes one cam unlike another in the simulation
// window, as plain data. The window builds the cam's controls from it, the tests and the
// picture program read the same places; the cam's words live beside its window.
#pragma once

#include "cam.h"
#include "camtables.h"
#include "layout.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

namespace animation {

struct CamRecord {
    Cam cam;
    const char *key;  // names its controls: doubleLobeIcon, doubleLobeTimer, doubleLobePen
    const char *file; // names its pictures: icon-double-lobe.bmp, cover-, label-
    const CamTable &table;
    // The icon starts the cam; the cover, the housing's colour under the icon, stops it.
    layout::Placed icon;
    layout::Placed cover;
    layout::Placed label;
    // Its lift graph's axes, and the hidden pen line whose first point is the graph's origin.
    layout::PlacedLine timeAxis;
    layout::PlacedLine liftAxis;
    layout::PlacedLine pen;
    unsigned axisColour; // 0xRRGGBB
};

inline constexpr std::array<CamRecord, std::size(allCams)> camRecords{{
    {Cam::Pear, "pear", "pear", pear,
     {{120, 840, 1290, 1500}, 29},
     {{120, 840, 1290, 1470}, 46},
     {{1680, 1440, 930, 300}, 18},
     {{6960, 2160, 9360, 2160}, 14},
     {{7080, 2280, 7080, 840}, 13},
     {{7080, 2160, 7320, 1800}, 12},
     0xc00000},
    {Cam::DoubleLobe, "doubleLobe", "double-lobe", doubleLobe,
     {{120, 2520, 1290, 1770}, 30},
     {{120, 2520, 1260, 1710}, 45},
     {{1680, 3120, 870, 570}, 17},
     {{6960, 4080, 9360, 4080}, 11},
     {{7080, 4200, 7080, 2640}, 10},
     {{7080, 4080, 7560, 3720}, 9},
     0xc000c0},
    {Cam::Snail, "snail", "snail", snail,
     {{120, 4440, 1320, 1620}, 20},
     {{120, 4440, 1320, 1590}, 44},
     {{1800, 5160, 720, 330}, 16},
     {{6960, 6000, 9360, 6000}, 7},
     {{7080, 6120, 7080, 4560}, 8},
     {{7080, 6000, 7560, 5640}, 6},
     0x008000},
}};

constexpr const CamRecord &camRecord(Cam cam)
{
    return camRecords[std::size_t(cam)];
}

constexpr const CamTable &camTable(Cam cam)
{
    return camRecord(cam).table;
}

// A record left out or out of its cam's place does not compile; nor do steps that show a
// picture twice or leave one unshown.
consteval bool recordsAreWhole()
{
    std::array<bool, layout::frames.size()> shown{};
    std::size_t steps = 0;
    for (std::size_t i = 0; i < camRecords.size(); ++i) {
        if (camRecords[i].cam != allCams[i] || std::size_t(allCams[i]) != i)
            return false;
        for (const CamStep &step : camRecords[i].table.steps) {
            if (step.picture < 0 || step.picture >= layout::frameCount
                || std::exchange(shown[std::size_t(step.picture)], true))
                return false;
            ++steps;
        }
    }
    return steps == shown.size();
}
static_assert(recordsAreWhole());

static_assert(std::ranges::all_of(camRecords,
                                  [](const CamRecord &record) {
                                      return record.table.fitsOneTick();
                                  }),
              "a cam's tick would carry more than a tick's value holds");

// Every windowless control holds a place of its own in the stacking order, none of those kept
// for the scroll bar and the timers; each icon lies over its cover, and every step picture
// between the strip and the hole. `others` are the places of the pictures that belong to no
// cam, which the window lists.
constexpr bool stackingIsWhole(std::span<const int> others,
                               std::span<const layout::Placed> frames = layout::frames,
                               std::span<const CamRecord> records = camRecords)
{
    std::vector<int> taken(others.begin(), others.end());
    for (const layout::Placed &frame : frames) {
        if (frame.z <= layout::stripZ || frame.z >= layout::holeZ)
            return false;
        taken.push_back(frame.z);
    }
    for (const CamRecord &record : records) {
        if (record.icon.z >= record.cover.z)
            return false;
        for (const int z : {record.icon.z, record.cover.z, record.label.z, record.timeAxis.z,
                            record.liftAxis.z, record.pen.z})
            taken.push_back(z);
    }
    std::ranges::sort(taken);
    return std::ranges::all_of(taken, [](int z) { return z >= layout::firstWindowlessZ; })
        && std::ranges::adjacent_find(taken) == taken.end();
}

} // namespace animation
