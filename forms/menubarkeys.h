// The menu bar for the keyboard: Qt's own menu bar navigation, which a tap of Alt enters,
// entered by F10 as well, with the item under it drawn lit; a click anywhere else in the
// window ends it, as the window losing activation does. However it ends, the focus goes back
// to where it was, so that F10 and Alt light the bar again every time.
#pragma once

class QMainWindow;

namespace forms {

void offerMenuBarToKeyboard(QMainWindow *window);

} // namespace forms
