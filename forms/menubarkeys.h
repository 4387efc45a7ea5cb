// The menu bar for the keyboard: Qt's own menu bar navigation, which a tap of Alt enters,
// entered by F10 as well, with the item under it drawn lit; a click anywhere else in the
// window ends it, as the window losing activation does.
#pragma once

class QMainWindow;

namespace forms {

void offerMenuBarToKeyboard(QMainWindow *window);

} // namespace forms
