// The arrow keys of a horizontal scroll bar. Qt's lowers the value on Right and raises it on
// Left; every other scroll bar a learner knows raises it on Right, as on Down and PageDown.
#pragma once

class QScrollBar;

namespace forms {

// Right raises the value by a small step and Left lowers it; every other key, and the wheel,
// keep Qt's handling.
void raiseOnRight(QScrollBar *bar);

} // namespace forms
