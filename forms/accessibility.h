// What assistive technology sees of a form: the surface offers its clickable
// pictures as buttons and its described areas as images, beside its real
// child widgets; a display-only text box reads as static text with its text.
// Every change is told with events the AT-SPI bridge carries whole (shown,
// hidden, state, name, description, focus): never a reorder of children,
// which it sends with a signature clients drop.
#pragma once

namespace forms {

class DescribedArea;
class Surface;

// Registers the factories; safe to call more than once.
void installAccessibility();

// Tells a reader which pictures a click can now reach, and which refuse it.
void notifyPicturesChanged(Surface *surface);
// Tells a reader which picture the focused place now reaches.
void notifyFocus(Surface *surface);
void notifyDescriptionChanged(Surface *surface, const DescribedArea *area);

} // namespace forms
