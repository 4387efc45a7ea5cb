// The one rule that turns the forms' twips into screen pixels. The window,
// the drawing layer and the picture program all use it, so a picture cut out
// of a scene at a control's position lands on the very pixels it was cut from.
#pragma once

namespace forms {

inline constexpr int twipsPerPixel = 15;

// Rounds towards minus infinity, for negative positions too.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? twips / twipsPerPixel : -((-twips + twipsPerPixel - 1) / twipsPerPixel);
}

constexpr int toTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

} // namespace forms
