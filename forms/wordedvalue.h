// A slider whose value a reader hears in words rather than as a bare number.
#pragma once

#include <QString>

#include <functional>

class QAbstractSlider;

namespace forms {

// A reader hears the slider's value in these words, as a spin button reads its text
// ("500 milliseconds"), on focus and at every change.
void readValueAs(QAbstractSlider *slider, std::function<QString(int)> words);

} // namespace forms
