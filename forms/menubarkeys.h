// F10 opens a window's menu bar for the keyboard, as a tap of Alt does:
// the first item lights up, Left and Right move along the bar, Enter chooses
// and Escape gives the focus back to where it was.
#pragma once

class QMainWindow;

namespace forms {

void openMenuBarWithF10(QMainWindow *window);

} // namespace forms
