// The colours of the workshop's drawings and of the printed template, each named once, so
// that a fault is the same red on the cam, on its graphs and in a sentence.
#pragma once

#include <QColor>

namespace palette {

// The cam on screen.
inline const QColor camFill(203, 214, 231);
inline const QColor camEdge(32, 52, 84);
inline const QColor construction(128, 128, 128);
inline const QColor pitchCurve(70, 100, 190);
inline const QColor shaftFill(150, 150, 150);
inline const QColor shaftHatch(120, 120, 120);
inline const QColor followerFill(222, 222, 222);
inline const QColor followerEdge(60, 60, 60);
inline const QColor commonNormal(20, 120, 60);

// What fails, and what is fine, wherever it is shown.
inline const QColor fault(200, 20, 20);
inline const QColor faultText(170, 0, 0);
inline const QColor goodText(20, 110, 50);

// The graphs.
inline const QColor curve(25, 70, 160);
inline const QColor faultBand(250, 215, 215);
inline const QColor chosenBand(222, 232, 250);
inline const QColor grid(225, 225, 225);
inline const QColor frame(150, 150, 150);
inline const QColor boundary(110, 110, 110);

// The printed template.
inline const QColor cut(0, 0, 0);
inline const QColor engraving(31, 79, 191);
inline const QColor printedFollower(110, 110, 110);
inline const QColor printedConstruction(0, 140, 60);

} // namespace palette
