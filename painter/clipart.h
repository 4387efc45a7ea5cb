// The clip-art, drawn flat: the bird and the quiz window's box.
#pragma once

#include <QImage>

namespace painter {

// Each picture can be drawn `scale` times its size (1 or 2), pens included.
QImage bird(int scale = 1);
QImage quizBackdrop(int scale = 1);

} // namespace painter
