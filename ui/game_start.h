// Starting the game: the application on the platform Qt chooses, the main window.
#pragma once

#include <functional>

namespace spinzaro {

class Form1;

// Runs the game until the program ends and returns the exit status. Its own
// options (--help, --version) are answered first, without a window, and an
// unknown one ends with status 2; where no window can be opened, or its
// pictures cannot be drawn, it says why in one line and ends with status 1.
// The hook sees the window just before it is first shown.
int startGame(int argc, char* argv[], const std::function<void(Form1&)>& beforeShow = {});

}  // namespace spinzaro
