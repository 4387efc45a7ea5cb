// The test machine as the animation frames draw it: the three cam profiles r(psi), where each
// cam sits and how it is turned in each step, the follower resting on it, and the housing.
// All positions are window pixels of SimulationWindow (x right, y down) unless a name says twips,
// or a `scale` is given: then they are device pixels of a picture drawn `scale` times the size.
#pragma once

#include "animation/cam.h"
#include "animation/camrecords.h"
#include "animation/layout.h"
#include "forms/twips.h"

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <functional>

namespace painter {

using animation::allCams;
using animation::Cam;
using animation::camRecord;
using animation::camTable;

// The cam whose table holds `step`: 0..7 pear, 8..11 double lobe, 12..19 snail.
Cam camOfStep(int step);

// Radius of the rim in pixels at angle psi (degrees), measured clockwise from the cam's mark:
// the pear's point, one end of the double lobe's long axis, the outer edge of the snail's drop
// face. The snail shrinks as psi grows, so turning it clockwise lifts the follower.
double camRadius(Cam cam, double psiDegrees);

// The cam's bore in the window: the same point in every step.
QPointF shaftCentre(Cam cam);

// Where the cam's mark points in `step`, degrees clockwise from straight up.
double camRotation(int step);

struct CamPose {
    QPointF centre;
    double rotation = 0.0; // degrees clockwise from up
    double scale = 1.0;
};

CamPose framePose(int step, int scale = 1);

// The cams are seen slightly from above and from the left: the back face lies up and to the
// left of the front face, so the rim shows along the upper left.
inline constexpr QPointF rimOffset{-3.0, -5.0};
inline constexpr double shaftRadius = 7.0;
inline constexpr QPointF shaftEndOffset{2.0, 3.0}; // the shaft pokes out towards the viewer

QPolygonF frontFace(Cam cam, const CamPose &pose);
QPolygonF backFace(Cam cam, const CamPose &pose);

// Everything the cam paints (rim, faces, shaft end), in pixels of the picture it is drawn into.
QRect camPixelBounds(Cam cam, const CamPose &pose);

// The cam's body filled into a transparent layer over its pixel bounds: the back face, a band of
// rim for every edge of the front face (coloured by that edge's direction), the front face on
// top. `origin` is the layer's top-left pixel in the picture. With `samples` above 1 the layer
// holds that many samples a pixel each way, for drawing with smooth edges.
struct CamBody {
    QImage layer;
    QPoint origin;
};
CamBody paintCamBody(Cam cam, const CamPose &pose, QRgb backColour,
                     const std::function<QRgb(QPointF edge)> &rimColour, QRgb frontColour,
                     int samples = 1);

// The topmost painted row of the cam (faces and rim) over the pixel columns first..last, or a
// large number where the cam does not reach those columns.
int camTopRow(Cam cam, const CamPose &pose, int firstColumn, int lastColumn);

struct Columns {
    int first;
    int last;
    constexpr int width() const { return last - first + 1; }
    constexpr double middle() const { return (first + last + 1) / 2.0; }
};

// The follower: a rod ending in a flat foot. Same follower for every cam; only where it stands
// across the window and how high it rides differ.
namespace follower {
inline constexpr int length = 157;   // rows from the rod's top to the foot's lowest row, inclusive
inline constexpr int footRows = 9;   // 3 rows of top face seen from above, 6 of front face
inline constexpr int footTopFaceRows = 3;
inline constexpr int rodHalfWidth = 11;
inline constexpr int rodEndRows = 6;  // the elliptical top end face
} // namespace follower

// What the picture program alone knows of a cam: its profile, where it turns, where the
// follower's foot stands on it, and the sizes of its icon and cover pictures.
struct CamDrawing {
    Cam cam;
    double (*radius)(double psiDegrees); // see camRadius
    QPoint shaftTwips;                   // the bore, the same in every step
    // In its cam's first step the mark points `firstTurns` eighths of a turn and `phase`
    // degrees clockwise from up; each step turns it another eighth.
    int firstTurns;
    double phase;
    Columns foot;
    bool open; // its outline is not a closed curve: the snail's drop face joins two radii
    QSize icon;
    QSize cover;
};
const CamDrawing &camDrawing(Cam cam);

Columns footColumns(Cam cam);
Columns rodColumns(Cam cam);

// The foot's lowest row sits on the row above the cam's highest rim point under the foot.
// Found afresh at each scale, so the foot rests on the cam to the device pixel: at twice the
// size it can stand a device pixel off twice its ordinary row.
int footBottomRow(int step, int scale = 1);
int rodTopRow(int step, int scale = 1);
QRect followerBounds(int step);

// frame(k) sizes, index 0 being `startFrame`.
QSize frameSize(int picture);

// The window rectangle a step's picture is cut from: its display position through the forms'
// own twips rule, and its picture size.
QRect frameRect(int step);

// The housing on the backdrop, inclusive pixel rows and columns.
namespace housing {
inline constexpr int left = 185;
inline constexpr int right = 453;
inline constexpr int top = 93;
inline constexpr int bottom = 403;
inline constexpr int plateFaceFirst = 94;
inline constexpr int plateFaceLast = 120;
inline constexpr int plateEdge = 121;
inline constexpr int undersideFirst = 122;
inline constexpr int undersideLast = 127;
inline constexpr int plateBottom = 128;
inline constexpr int postTop = 129;
inline constexpr int postBottom = 389;
inline constexpr int leftPostFirst = 186;
inline constexpr int leftPostLast = 206;
inline constexpr int rightPostFirst = 432;
inline constexpr int rightPostLast = 452;
inline constexpr int panelFirst = 208;
inline constexpr int panelLast = 430;
inline constexpr int panelBottom = 365;
inline constexpr int baseTop = 366;
inline constexpr int baseLine = 390;
} // namespace housing

// The backdrop, under the whole client area.
inline constexpr QSize backdropSize{forms::toPixels(animation::layout::backdropWidth),
                                    forms::toPixels(animation::layout::backdropHeight)};

// Pictures that sit on the housing, at their controls' positions.
inline constexpr QPoint holePosition{forms::toPixels(animation::layout::hole.left),
                                     forms::toPixels(animation::layout::hole.top)};
inline constexpr QSize holeSize{forms::toPixels(animation::layout::hole.width),
                                forms::toPixels(animation::layout::hole.height)};
inline constexpr QPoint stripPosition{forms::toPixels(animation::layout::strip.left),
                                      forms::toPixels(animation::layout::strip.top)};
inline constexpr QSize stripSize{forms::toPixels(animation::layout::strip.width),
                                 forms::toPixels(animation::layout::strip.height)};

} // namespace painter
