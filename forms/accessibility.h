// What assistive technology sees of a form: the surface offers its clickable
// pictures as buttons and its described areas as images, beside its real
// child widgets; a display-only text box reads as static text with its text.
// Every change is told with events the AT-SPI bridge carries whole (shown,
// hidden, state, name, description, focus): never a reorder of children,
// which it sends with a signature clients drop. Each interface lives beside
// what it serves: the surface's in surfaceaccessible.cpp, the text box's in
// textbox.cpp, the worded slider's in wordedvalue.*.
#pragma once

#include <QString>

class QWidget;

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

// Has a reader speak the words once, after whatever the current event moves the focus to:
// the surface's reader-only notification shows them. A later call before they are told
// replaces them, so a handler that sets a text twice is heard once.
void announce(Surface *surface, const QString &words);

// A reader meets the widget as a new object from now on. Orca 43 cannot speak the rename
// of the object it holds as focused (Qt 6.4 sends the name change without the name): a
// button about to be renamed is made new, and Orca reads its new name when the focus
// reaches it.
void renewForReaders(QWidget *widget);

} // namespace forms
