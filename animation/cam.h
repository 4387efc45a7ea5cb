// The three cams the program teaches, one type for the window, the test, the tables and the
// picture program alike, in the order the window shows them from top to bottom.
#pragma once

namespace animation {

enum class Cam { Pear, DoubleLobe, Snail };

inline constexpr Cam allCams[] = {Cam::Pear, Cam::DoubleLobe, Cam::Snail};

} // namespace animation
