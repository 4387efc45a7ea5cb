// The machine pictures: the sky, the housing on the backdrop, the cams and the follower, and
// the animation frames cut out of whole scenes so that they sit on the backdrop seamlessly.
#pragma once

#include "painter/camgeometry.h"

#include <QImage>
#include <QRgb>

namespace painter {

namespace colours {
inline constexpr QRgb skyTop = 0xfffff0df;    // pale cream
inline constexpr QRgb skyMiddle = 0xffcfcfcf; // light grey
inline constexpr QRgb skyBottom = 0xff8080bf; // lavender
inline constexpr QRgb plateLight = 0xffc0c0af;
inline constexpr QRgb plateLightCheck = 0xffc0cfaf;
inline constexpr QRgb underside = 0xffa0a08f;
inline constexpr QRgb plateEdge = 0xff708000;
inline constexpr QRgb panel = 0xff909090;
inline constexpr QRgb post = 0xff606040;
inline constexpr QRgb base = 0xff50403f;
inline constexpr QRgb baseCheck = 0xff5f4f40;
inline constexpr QRgb camFace = 0xffafaf60;
inline constexpr QRgb camFaceCheck = 0xffafb06f;
inline constexpr QRgb camRim = 0xffa0af60;
inline constexpr QRgb camOutline = 0xff7f8000;
inline constexpr QRgb follower = 0xffc0b0bf;
inline constexpr QRgb followerOutline = 0xff800080;
} // namespace colours

// A colour between `from` and `to` (t from 0 to 1), dithered in a fine check at pixel x, y.
QRgb ditheredBlend(QRgb from, QRgb to, double t, int x, int y);

// The sky at window row y of a picture `height` rows high: cream, light grey, lavender.
QRgb skyColour(int x, int y, int height);

// Every picture can be drawn `scale` times the size (1 or 2), for screens of that density.
// The geometry is scaled, not the finished bitmap: a window pixel's outline becomes `scale`
// device pixels of its colour, and a check is dithered on device pixels.
QImage backdrop(int scale = 1);
QImage strip(int scale = 1);
QImage hole(int scale = 1);

// Paints a cam in a pose onto `target`, in the target's own pixels, with outlines `scale`
// pixels thick; the pose is in those pixels too.
void paintCam(QImage &target, Cam cam, const CamPose &pose, int scale = 1);

// The whole window picture of `step`: backdrop, hole, cam and follower.
QImage scene(int step, int scale = 1);
// The step's picture, cut out of the scene over frameRect(step), every side times `scale`.
QImage animationFrame(int step, int scale = 1);

// The tile behind a cam icon, and the plain cover tile of the same shading.
QImage tile(QSize size);
QImage camIcon(Cam cam, QSize size, int scale = 1);

} // namespace painter
