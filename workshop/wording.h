// The workshop's words: the names of laws, kinds and followers, the warnings as sentences,
// and the numbers in the learner's own way of writing them.
#pragma once

#include "camdesign/camprofile.h"

#include <QCoreApplication>
#include <QString>

namespace workshop {

class Wording
{
    Q_DECLARE_TR_FUNCTIONS(workshop::Wording)

public:
    // "1. Rise 20 mm over 90°, cycloidal"
    static QString segmentLine(const camdesign::CamDesign &design, int index);

    // "40° to 75°, 200° to 230°"
    static QString angleRanges(const std::vector<camdesign::AngleRange> &ranges);

    // A finding as one or two sentences for the learner.
    static QString problem(const camdesign::CamDesign &design,
                           const camdesign::CamAnalysis &analysis,
                           const camdesign::Finding &finding);
    // Why no cam is drawn, or an empty string for a cam that can be made.
    static QString whyNoCam(const camdesign::CamDesign &design,
                            const camdesign::CamAnalysis &analysis);

    // What the cam view shows, spoken: pressure angle against its limit, undercut, cusp.
    static QString camDescription(const camdesign::CamDesign &design,
                                  const camdesign::CamAnalysis &analysis);

    // A count in plural forms: the program's own English has no translation to give them,
    // so the source text comes in two, for one and for more.
    static QString counted(const char *one, const char *many, int n);
};

} // namespace workshop
