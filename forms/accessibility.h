// What assistive technology sees of a form: the surface offers its visible
// clickable pictures as buttons beside its real child widgets, and a
// display-only text box reads as static text.
#pragma once

namespace forms {

// Registers the factories; safe to call more than once.
void installAccessibility();

} // namespace forms
